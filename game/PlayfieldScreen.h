#pragma once

#include "game/Layout.h"
#include "game/Screen.h"

#include <memory>
#include <string>
#include <vector>

class BitmapFont;
class Building;
class GameSession;
class Meetings;

// The screen a game is played on: it draws the game each frame and turns the
// player's keys and clicks into the game's operations. What the screen is
// doing (placing, a tower selected, a dialog) is its own; what the game is,
// is the session's. "Yes" to "Quit Game?" or "No" to "Play Again?" ask for
// Next::Quit, "Yes" to "Play Again?" for Next::Play. Each kind of invader is
// named in a banner the first time it comes in a game, and, where the screen
// introduces kinds, on a card that holds the game the first time ever.
class PlayfieldScreen : public Screen {
  public:
    // What the screen is doing.
    enum Mode {
        Idle = 0,             // the build buttons are shown
        Placing = 1,          // a tower type is chosen and follows the mouse
        BuildingSelected = 2, // a tower is marked and can be demolished
        QuitDialog = 3,       // "Quit Game?" is shown, or "Play Again?" once lost
    };

    // The screen of a started game, which it plays but does not own. With
    // introducesKinds, the first time the player ever meets a kind the game
    // stands still on its card until any key or click; without, as a game
    // played straight from the command line plays, no card ever holds it.
    explicit PlayfieldScreen(GameSession& game, bool introducesKinds = false);
    ~PlayfieldScreen();
    PlayfieldScreen(const PlayfieldScreen&) = delete;
    PlayfieldScreen& operator=(const PlayfieldScreen&) = delete;

    // One frame's worth of play after dt seconds of real time: eight times
    // as much while fastForward (Tab) is held, none while paused, when only
    // the input is handled. Returns the game time passed.
    double step(double dt, bool fastForward);
    void update(double dt, bool fastForward) override { step(dt, fastForward); }

    // Whether the game stands still: paused with P, the quit dialog open
    // during play, or a kind's card shown. A lost game is never paused: its
    // grey screen goes on.
    bool isPaused() const;
    bool still() const override { return isPaused(); }
    // Between waves, with nothing in flight and nothing fading.
    bool calm() const override;

    // Draws the frame into the canvas.
    void draw() override;

    // The keyboard and the mouse of this frame.
    void handleInput();

    // Whether a tower of placingType fits at the mouse's x.
    bool placementFits() const;
    // Builds a tower of placingType under the mouse and charges for it.
    void placeBuilding();
    // Sells and deletes selectedBuilding.
    void demolishSelected();
    // Whether selectedBuilding has a level left to rise by, and the money
    // for it is there.
    bool canUpgradeSelected() const;
    // Raises selectedBuilding a level and charges for it.
    void upgradeSelected();
    // Chooses a tower type to place, as its build button does: only when
    // the type is available and the money is there. Whether it was chosen.
    bool chooseTower(int type);

    GameSession& game;

    Mode mode = Idle;
    int placingType = 0;
    Building* selectedBuilding = nullptr;

    // P's pause, lifted by P (or the Pause key) again or by losing the game.
    bool paused = false;
    // Whether this frame ran at Tab's speed, for the fast-forward mark.
    bool fastForwarding = false;
    // The kind whose card is shown, or -1.
    int cardKind = -1;

  private:
    // Opens "Play Again?" once the game is lost.
    void noticeEnd();
    // Names each kind that has come into sight for the first time in this
    // game, and shows the card of one never met before.
    void noticeNewKinds();

    void drawStatus();
    void drawReadout();
    void drawMarks();
    void drawCard();
    // A line of the strip's texts, ending at right; one that reaches past
    // kPanelTextLeft takes the readout's place in this frame.
    void drawPanelText(const BitmapFont* font, int right, int y, const std::string& text);
    void drawPausedCaption();
    void drawGameOver();
    void drawBuildButtons();
    void drawPlacing();
    void drawSelection();
    // A button of the selected tower's panel with an icon of the upgrade
    // strip; whether the mouse is over it.
    bool drawPanelButton(const layout::Rect& button, int iconCell, bool usable);
    // What the selected tower does now: its level, damage, rate and reach.
    void drawFigures(const Building& building);
    // The circle a tower strikes within, as a ring; nothing for one that aims
    // along a line.
    void drawStrikeRing(const Building& building, int centreX);
    // Each upgraded tower's level, as pips under it.
    void drawLevels();
    void drawQuitDialog();
    void drawDebugTexts();

    // The parts of handleInput: a key, a key that plays as a click would,
    // a click on a tower, the clicks that the screen's mode answers, and the
    // dialog's answers.
    void handleKey();
    void handlePlayKey(int scanCode);
    void selectClickedBuilding();
    void handleModeClicks();
    void handleDialog();
    // The dialog's answers: "Yes" quits, or plays again once the game is
    // lost; "No" goes back to the game, or quits once it is lost.
    void answerYes();
    void answerNo();

    // How far left the strip's texts reach in the frame being drawn.
    int panelTextLeft = layout::kCanvasWidth;

    // Whether the lost game has been seen, and "Play Again?" asked.
    bool lostSeen = false;

    // The kinds named in this game so far, and the player's memory of the
    // kinds met ever; none where the screen introduces no kinds.
    std::vector<bool> namedInGame;
    std::unique_ptr<Meetings> meetings;

    // One unplaced tower of each type, whose range the placing view rings.
    std::vector<Building*> newTowers;
};
