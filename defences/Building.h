#pragma once

#include <string>

struct BITMAP;
class GameSession;
class SpritePlayer;
class SpriteSheet;

// A tower the player has bought and set down. Every tower stands with the
// bottom of its sprite on the ground line, so it has only an x of its own.
class Building {
  public:
    // A tower of no type's settings, which a test gives what it needs.
    Building();
    // A tower of the type (its place in towerTypes()) with what every tower
    // reads from its type's keys: its sheet, and "Tower%dFreqBase" and
    // "Tower%dDamageBase" as its period and damage. A class reads its own
    // keys besides, through key().
    explicit Building(int type);
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

    // What selling pays back: half of all that was paid for the tower, its
    // price and its upgrades.
    int sellPrice() const;
    // Pays back the sell price and shows the amount.
    void sell();

    // Raises the tower one level: more damage, faster shots, and for some a
    // longer reach, as the type's upgrade keys say. The caller charges for it.
    virtual void upgrade();
    // What the type's upgrade reach lengthens, as the player reads it; none
    // when it lengthens nothing.
    virtual const char* reachName() const { return nullptr; }
    // How far that reach is now, in pixels; 0 when there is none.
    virtual double reach() const { return 0.0; }

    // A circle on the playfield, in pixels.
    struct Circle {
        int x = 0;
        int y = 0;
        int radius = 0;
    };
    // The circle the tower strikes within, for a tower whose resting frame is
    // centred on centreX, placed or not: what the player is shown of its
    // range. A radius of 0 for a tower that aims along a line instead.
    virtual Circle strikeCircle(int centreX) const { return {centreX, 0, 0}; }

    const SpriteSheet* sheet; // the type's sheet, shared
    SpritePlayer* player;     // none until placed
    int type;                 // its place in towerTypes()
    int x;                    // left edge of the sprite

    // The firing clock that every tower runs.
    float timer = 0.0f;  // seconds gathered towards the next shot
    float period = 0.0f; // seconds between two shots; larger fires less often
    int damage = 0;      // per shot

    int level = 0; // upgrades bought, from 0

    // The game it stands in, which its shots and its sale go to; given by
    // whoever sets it down.
    GameSession* game = nullptr;

  protected:
    // Advances the animation by dt seconds, then fires once for every period
    // that has passed. A long step fires several times in a row.
    void runFiringClock(double dt);

    // One shot: a bolt, a missile or an arc.
    virtual void fire() = 0;

    // The name of one of its type's keys: key("RangeBase") is "Tower3RangeBase"
    // for the type whose keys are numbered 3.
    std::string key(const char* name) const;

    // Damage raised by an upgrade's gain, within what the settings allow.
    static int grownDamage(int damage, int gain);

    // Width of the sheet's resting frame (animation 0 at time 0), which does
    // not change while the tower animates; 0 without a sheet.
    int restingFrameWidth() const;
};
