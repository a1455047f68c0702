#include "app/shell_state.h"

#include <gtest/gtest.h>
#include <cstring>

using namespace aw;

TEST(FrameClock, FpsTextFirstRewrittenAfterNineteenFramesOf16ms) {
    FrameClock c;
    uint32_t now = 1000;
    c.lastTickMs = now;
    for (int frame = 1; frame <= 18; ++frame) {
        clockTick(c, now += 16);
        EXPECT_STREQ(c.fpsText, "") << "frame " << frame; // 288 ms: not yet past 300
    }
    clockTick(c, now += 16); // 304 ms > 300
    EXPECT_STREQ(c.fpsText, "62.5 FPS");
    EXPECT_EQ(c.fpsWindowMs, 4u); // the surplus is carried over
    EXPECT_EQ(c.fpsFrames, 0);
    EXPECT_FLOAT_EQ(c.frameDeltaMs, 16.0f);
}

TEST(FrameClock, ExactlyThreeHundredIsNotEnough) {
    FrameClock c;
    c.lastTickMs = 0;
    clockTick(c, 300);
    EXPECT_STREQ(c.fpsText, "");
    clockTick(c, 301);
    EXPECT_STREQ(c.fpsText, "6.6 FPS"); // 2 frames in 301 ms
}

TEST(FrameClock, DeltaWrapsWithTheTimerAndScalesBySpeed) {
    FrameClock c;
    c.lastTickMs = 0xFFFFFFF0u;
    c.speedFactor = 0.5f;
    clockTick(c, 0x10u); // 32 ms across the wrap
    EXPECT_EQ(c.rawDeltaMs, 32u);
    EXPECT_FLOAT_EQ(c.frameDeltaMs, 16.0f);
}
