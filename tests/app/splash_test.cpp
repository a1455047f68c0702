#include "app/frame_loop.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "app/window_proc.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "render/device.h"

#include <gtest/gtest.h>

using namespace aw;

namespace {

uint32_t fakeNow = 0;
uint32_t fakeTicks() { return fakeNow; }
void noSleep(uint32_t) {}

// Drives the real frame loop on a clock of 16 ms frames. The splash's
// pictures are not loaded, so it draws untextured quads of the same shape.
class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        WindowConfig c;
        c.hidden = true;
        ASSERT_TRUE(openWindow(c)) << lastWindowError();
        ASSERT_TRUE(initRenderDevice());
        setClockOverride(fakeTicks, noSleep);
        shell = ShellState{};
        splashScene.reset();
        fakeNow = 1000;
        windowProc({Msg::Activate, 1, 0, 0});
        shell.currentScene = &splashScene;
    }
    void TearDown() override {
        setClockOverride(nullptr, nullptr);
        releaseRenderDevice();
        closeWindow();
        shell = ShellState{};
    }
    // One frame of 16 ms; returns whether the load was asked for.
    bool frame() {
        fakeNow += 16;
        runFrame();
        return shell.loadRequested;
    }
    // Runs frames until the load is asked for; returns the picture time then.
    float runUntilLoad(int maxFrames = 2000) {
        float elapsed = 0;
        for (int i = 0; i < maxFrames && !shell.loadRequested; ++i) {
            frame();
            elapsed += 16;
        }
        return elapsed;
    }
    // What the loop does after a frame that asked for the load.
    void finishLoad() {
        shell.loadRequested = false;
    }
    void key(int k) { windowProc({Msg::KeyDown, k, 0, 0}); }
};

} // namespace

TEST_F(Splash, OnePictureStartsTheLoadAfterFourSeconds) {
    float t = runUntilLoad();
    EXPECT_NEAR(t, 4000 + 16, 17); // the first frame has a zero delta
    EXPECT_FALSE(splashScene.showingSecond);
}

TEST_F(Splash, TwoPicturesStartTheLoadAfterEightSeconds) {
    splashScene.hasSecond = true;
    float t = runUntilLoad();
    EXPECT_TRUE(splashScene.showingSecond);
    EXPECT_NEAR(t, 8000 + 16, 33);
}

TEST_F(Splash, KeyOneSecondInJumpsIntoTheFade) {
    while (splashScene.phaseTimeMs < 1000) frame();
    key(32);
    frame(); // the key is handled after the frame
    EXPECT_GE(splashScene.phaseTimeMs, 3500);
    EXPECT_LT(splashScene.phaseTimeMs, 3500 + 17);
    // Half brightness at 3.5 s, and the load follows 500 ms later.
    float t = runUntilLoad();
    EXPECT_NEAR(t, 500, 17);
    EXPECT_EQ(splashScene.fadeOutMs, 0); // a key during the picture alone does not end the splash
}

TEST_F(Splash, KeyLateInTheLastPictureStartsTheFinalFadeRightAfterTheLoad) {
    while (splashScene.phaseTimeMs < 3700) frame();
    key(13);
    frame();
    EXPECT_EQ(splashScene.fadeOutMs, 1);
    runUntilLoad();
    finishLoad();
    // 800 ms of fade without any further key, then the menu scene.
    int frames = 0;
    while (shell.currentScene == &splashScene && frames < 200) {
        frame();
        ++frames;
    }
    EXPECT_EQ(shell.currentScene, &menuScene);
    EXPECT_NEAR(frames * 16, 800, 40);
    EXPECT_TRUE(splashScene.musicStarted);
}

TEST_F(Splash, ReactivationDuringTheSplashSkipsTheWaitForAKey) {
    frame();
    windowProc({Msg::Activate, 0, 0, 0});
    windowProc({Msg::Activate, 1, 0, 0});
    EXPECT_EQ(splashScene.fadeOutMs, 1);
    runUntilLoad();
    finishLoad();
    for (int i = 0; i < 100 && shell.currentScene == &splashScene; ++i) frame();
    EXPECT_EQ(shell.currentScene, &menuScene);
}

TEST_F(Splash, ClickWhileWaitingActsLikeEnter) {
    runUntilLoad();
    finishLoad();
    for (int i = 0; i < 20; ++i) frame(); // waiting for a key: nothing happens
    EXPECT_EQ(splashScene.fadeOutMs, 0);
    EXPECT_EQ(shell.currentScene, &splashScene);
    windowProc({Msg::LButtonDown, 0, 0, 0});
    EXPECT_EQ(splashScene.pendingKey, 13);
    frame();
    EXPECT_EQ(splashScene.fadeOutMs, 1);
}

TEST_F(Splash, LoadBarGrowsWithTheReportedBytesAndMayRunPastItsEnd) {
    runUntilLoad();
    splashScene.reportLoadProgress(kExpectedLoadBytes / 2);
    EXPECT_EQ(splashScene.loadedFiles, 1);
    splashScene.reportLoadProgress(kExpectedLoadBytes);
    EXPECT_EQ(splashScene.loadedBytes, kExpectedLoadBytes / 2 + kExpectedLoadBytes);
}
