#pragma once

struct BITMAP;
class SpritePlayer;
class SpriteSheet;

// A tower the player has bought and set down. Every tower stands with the
// bottom of its sprite on the ground line, so it has only an x of its own.
class Building {
  public:
    Building();
    virtual ~Building();
    Building(const Building&) = delete;
    Building& operator=(const Building&) = delete;

    // Draws the current frame standing on the ground line.
    virtual void draw(BITMAP* bitmap);
    // The tower's own step: its firing clock and what it fires.
    virtual void update(double dt) = 0;

    // Places the tower with the left edge of its sprite at x and gives it its
    // sprite player.
    void setPosition(int x);

    // Centre of the current frame on the playfield.
    double centreX() const;
    double centreY() const;

    // Pays back half the type's price and shows the amount.
    void sell();

    const SpriteSheet* sheet; // the type's sheet, shared
    SpritePlayer* player;     // none until placed
    int type;                 // 0 laser turret, 1 missile turret, 2 tesla coil
    int x;                    // left edge of the sprite
};
