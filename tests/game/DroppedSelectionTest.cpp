#include "SessionFixture.h"

#include "defences/Building.h"

// A right click drops the selected tower: after it, U and Delete find no
// tower to act on, however much money there is.
TEST_F(SessionTest, KeysDoNothingToATowerWhoseSelectionWasDropped) {
    screen->placingType = 0;
    engine.mouseX = 200;
    screen->placeBuilding();
    session->money = 1000;
    click(205, 200);
    ASSERT_EQ(screen->mode, PlayfieldScreen::BuildingSelected);
    click(205, 200, 2);
    ASSERT_EQ(screen->mode, PlayfieldScreen::Idle);
    for (const int scanCode : {KEY_U, KEY_DEL}) {
        platform.press(scanCode);
        frame(0.0);
    }
    ASSERT_EQ(session->buildings.size(), 1u);
    EXPECT_EQ(session->buildings.front()->level, 0);
    EXPECT_EQ(session->money, 1000);
}
