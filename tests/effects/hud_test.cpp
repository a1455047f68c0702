#include "effects_fixture.h"

#include "effects/gameplay_internal.h"
#include "effects/hud.h"

using namespace aw;
using namespace awtest;

namespace {

using Hud = EffectsTest;

} // namespace

TEST_F(Hud, TheLivesRowShowsHeartsACountOrTheLastLife) {
    LivesRow four = livesRowLayout(4, 0, -1);
    EXPECT_EQ(four.hearts, 1);
    EXPECT_STREQ(four.count, "x4");
    EXPECT_TRUE(four.countText);
    EXPECT_EQ(four.boxes[0], Rect::fromCentre(-356, 81, 24, 24));
    EXPECT_EQ(four.textAt, Vec2(-338, 81));

    LivesRow none = livesRowLayout(0, 0, -1);
    EXPECT_EQ(none.hearts, 0);
    EXPECT_STREQ(none.textKey, "lastlife");
    EXPECT_FALSE(none.countText);

    LivesRow two = livesRowLayout(2, -20, -1); // the row moves with the bar
    ASSERT_EQ(two.hearts, 2);
    EXPECT_EQ(two.boxes[1], Rect::fromCentre(-360, 81, 24, 24));
    EXPECT_EQ(two.textKey, nullptr);

    // A life just gained makes the hearts pulse for 2400 ms.
    EXPECT_EQ(livesRowLayout(3, 0, 100).boxes[0], Rect::fromCentre(-366, 81, 28, 28));
    EXPECT_EQ(livesRowLayout(3, 0, 2500).boxes[0], Rect::fromCentre(-366, 81, 24, 24));
}

TEST_F(Hud, ButtonsBreatheWhileHoveredAndRestUnderAnOverlay) {
    boardInput.mouse = {-340, 12}; // on the menu button
    float low = 99, high = 0;
    for (int i = 0; i < 200; ++i) {
        updateHudButtons(16);
        low = std::min(low, presentation.menu.size);
        high = std::max(high, presentation.menu.size);
    }
    EXPECT_TRUE(menuButtonHovered());
    EXPECT_FLOAT_EQ(low, 12.5f);
    EXPECT_FLOAT_EQ(high, 13.5f);
    EXPECT_FLOAT_EQ(presentation.trophies.size, 11.5f);

    playState.overlayShown = true;
    for (int i = 0; i < 50; ++i) updateHudButtons(16);
    EXPECT_FALSE(menuButtonHovered()); // drawn white
    EXPECT_FLOAT_EQ(presentation.menu.size, 12.5f);

    playState.overlayShown = false;
    gs.timeLimit = 1000;
    gs.timeUsed = 1000; // time is up
    updateHudButtons(16);
    EXPECT_FALSE(menuButtonHovered());
}

TEST_F(Hud, ThePauseWordGoesAfterSevenSecondsAndThePromptPulses) {
    EXPECT_TRUE(pausePrompts(6990).showPause);
    EXPECT_FALSE(pausePrompts(7010).showPause);
    int dark = 0, steps = 0;
    float top = 0;
    for (float t = 0; t < 20944; t += 10, ++steps) {
        PausePrompts p = pausePrompts(t);
        dark += p.promptAlpha == 0;
        top = std::max(top, p.promptAlpha);
        EXPECT_FLOAT_EQ(p.promptSize, 13 + p.promptAlpha);
    }
    EXPECT_NEAR(float(dark) / float(steps), 0.63f, 0.02f);
    EXPECT_GT(top, 0.99f);
}

TEST_F(Hud, ClickRectanglesOfTheBar) {
    EXPECT_EQ(hudSpotAt(-340, 12), kHudMenuButton);
    EXPECT_EQ(hudSpotAt(-340, 50), kHudTrophyButton);
    EXPECT_EQ(hudSpotAt(-350, -100), kHudHammerButton);
    EXPECT_EQ(hudSpotAt(-390, 200), kHudBar);
    EXPECT_EQ(hudSpotAt(-390, -150), kHudNone);
    EXPECT_EQ(hudSpotAt(0, 0), kHudNone);
}
