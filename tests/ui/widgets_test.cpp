// Widget geometry and the pointer: what the input of the next events tests
// must match what was drawn.
#include "ui_fixture.h"

#include "platform/cursor.h"
#include "ui/cursor.h"
#include "ui/tooltip.h"

using namespace aw;
using namespace awtest;

TEST_F(ScreensTest, DefaultListLinesSitWhereTheItemsAreDrawn) {
    open("video"); // a screen without a routine of its own: "default", "back"
    ASSERT_EQ(widgets.lineCount, 2);
    // Glyphs advance 8 at size 16: "Defaults" is 64 wide, the widest.
    const MenuLine& l = widgets.lines[0];
    EXPECT_FLOAT_EQ(l.left, -210 - 16 - 32);
    EXPECT_FLOAT_EQ(l.right, -210 + 64 - 32);
    EXPECT_FLOAT_EQ(l.top, 166 + 1.2f * 16);
    EXPECT_FLOAT_EQ(l.bottom, 166 - 0.8f * 16);
    EXPECT_FLOAT_EQ(widgets.lines[1].top, 166 - 32 + 1.2f * 16);
    // A click inside line 1 chooses "back": the parent (main) comes back.
    mouseAt(-200, 134);
    screenClick();
    settle();
    EXPECT_EQ(current(), "main");
}

TEST(Balloon, StandsBesideOrAboveItsAnchorAndItsButtonIsInside) {
    TooltipBalloon b;
    b.anchor = Vec2{-110, 50};
    b.width = 300;
    b.side = BalloonSide::kRight;
    Rect r = tooltipBalloonRect(b);
    EXPECT_GT(r.x0, b.anchor.x);
    EXPECT_FLOAT_EQ(r.x1 - r.x0, 300);
    EXPECT_GT(r.y0, b.anchor.y);
    EXPECT_LT(r.y1, b.anchor.y);
    b.side = BalloonSide::kAuto;
    b.anchor = Vec2{250, -200}; // low and right: above it, leaning left
    r = tooltipBalloonRect(b);
    EXPECT_GT(r.y1, b.anchor.y);
    EXPECT_LE(r.x1, 400);
    b.pointer = false;
    r = tooltipBalloonRect(b);
    EXPECT_FLOAT_EQ((r.x0 + r.x1) / 2, 250);
    EXPECT_FLOAT_EQ((r.y0 + r.y1) / 2, -200);
}

TEST_F(ScreensTest, BalloonButtonIsClickableInsideTheBalloon) {
    TooltipBalloon b;
    b.anchor = Vec2{0, -100};
    b.text = "A tip";
    b.buttonLabel = "Go on";
    Rect button = drawTooltipBalloon(b);
    Rect box = tooltipBalloonRect(b);
    ASSERT_GT(button.x1 - button.x0, 0);
    EXPECT_GE(button.x0, box.x0);
    EXPECT_LE(button.x1, box.x1);
    EXPECT_GE(button.y1, box.y1);
    EXPECT_TRUE(balloonButtonHit(button, (button.x0 + button.x1) / 2, (button.y0 + button.y1) / 2));
    EXPECT_FALSE(balloonButtonHit(button, button.x1, button.y0));
    b.buttonLabel = nullptr;
    Rect none = drawTooltipBalloon(b);
    EXPECT_FALSE(balloonButtonHit(none, 0, 0));
}

TEST(Pointer, TheDrawnCursorHidesTheWindowsPointerAndGivesItBack) {
    resetCursor();
    setPointerState(1);
    EXPECT_EQ(shownPointer(), 1);
    applyCursorSetting(true);
    EXPECT_EQ(shownPointer(), kPointerHidden);
    setPointerState(2);
    EXPECT_EQ(shownPointer(), kPointerHidden) << "the game's pointer waits behind the drawn one";
    applyCursorSetting(false);
    EXPECT_EQ(shownPointer(), 2);
    setPointerState(7);
    EXPECT_EQ(pointerState(), 0);
    resetCursor();
}
