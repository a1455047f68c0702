#include "app/frame_loop.h"
#include "app/scene.h"
#include "app/shell_state.h"
#include "app/window_proc.h"
#include "platform/clock.h"
#include "platform/frame_buffer.h"
#include "platform/pacing.h"
#include "platform/window.h"
#include "render/device.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

using namespace aw;

namespace {

uint32_t fakeNow = 0;
uint32_t fakeTicks() { return fakeNow; }
uint32_t slept = 0;
void fakeSleep(uint32_t ms) { slept += ms; }

// Records what the shell hands to a scene.
struct RecordingScene : Scene {
    std::vector<std::string> calls;
    std::vector<float> deltas;
    int lastKey = 0;
    void onActivate() override { calls.push_back("activate"); }
    void onLeave() override { calls.push_back("leave"); }
    void onFrame() override {
        calls.push_back("frame");
        deltas.push_back(shell.clock.frameDeltaMs);
    }
    void onKeyDown(int k) override { lastKey = k; calls.push_back("key"); }
    void onLeftDown() override { calls.push_back("left"); }
    void onRightDown() override { calls.push_back("right"); }
    void onMouseMove() override { calls.push_back("move"); }
};

class FrameLoop : public ::testing::Test {
protected:
    void SetUp() override {
        WindowConfig c;
        c.hidden = true;
        ASSERT_TRUE(openWindow(c)) << lastWindowError();
        ASSERT_TRUE(initRenderDevice());
        setClockOverride(fakeTicks, fakeSleep);
        shell = ShellState{};
        shell.currentScene = &scene;
        fakeNow = 5000;
        slept = 0;
        windowProc({Msg::Activate, 1, 0, 0});
    }
    void TearDown() override {
        setClockOverride(nullptr, nullptr);
        releaseRenderDevice();
        closeWindow();
        shell = ShellState{};
    }
    void frames(int n, uint32_t step) {
        for (int i = 0; i < n; ++i) {
            fakeNow += step;
            runFrame();
        }
    }
    RecordingScene scene;
};

} // namespace

TEST_F(FrameLoop, EveryFrameIsClearedToGrey180) {
    frames(1, 16);
    uint8_t px[4];
    ASSERT_TRUE(readFramePixels(400, 300, 1, 1, px));
    EXPECT_EQ(px[0], 180);
    EXPECT_EQ(px[1], 180);
    EXPECT_EQ(px[2], 180);
}

TEST_F(FrameLoop, UpdateUsesThePreviousFramesDuration) {
    frames(3, 16);
    ASSERT_EQ(scene.deltas.size(), 3u);
    EXPECT_FLOAT_EQ(scene.deltas[0], 0.0f); // right after activation
    EXPECT_FLOAT_EQ(scene.deltas[1], 16.0f);
    EXPECT_FLOAT_EQ(shell.clock.animationTimeMs, 48.0f);
}

TEST_F(FrameLoop, TimeAwayIsNeverCounted) {
    frames(5, 16);
    float before = shell.clock.animationTimeMs;
    windowProc({Msg::Activate, 0, 0, 0});
    size_t framesDrawn = scene.deltas.size();
    for (int i = 0; i < 10; ++i) {
        fakeNow += 1000; // ten seconds in another window
        runFrame();
    }
    EXPECT_EQ(scene.deltas.size(), framesDrawn); // nothing drawn while inactive
    EXPECT_EQ(slept, 2000u);                     // 200 ms a pass
    windowProc({Msg::Activate, 1, 0, 0});
    frames(1, 16);
    EXPECT_FLOAT_EQ(scene.deltas.back(), 0.0f);
    EXPECT_FLOAT_EQ(shell.clock.animationTimeMs, before + 16.0f);
}

TEST_F(FrameLoop, PacedFramesMeasureTheirSleepAndAnInactiveWindowOnlyNaps) {
    struct Paced { // the limiter on a clock whose sleeps pass time
        Paced() {
            setClockOverride(fakeTicks, [](uint32_t ms) { fakeNow += ms, slept += ms; });
            framePacer.mode = Pacing::Limiter;
            framePacer.frameStartUs = ticksUs();
            noteActivity(); // a player at the controls: the display's full rate
        }
        ~Paced() { resetFramePacing(); }
    } paced;
    frames(30, 2); // 2 ms of work a frame
    // The clock ticks after the limiter's sleep: every delta is a whole period.
    for (size_t i = 2; i < scene.deltas.size(); ++i) EXPECT_NEAR(scene.deltas[i], 16.667f, 1.0f) << i;
    windowProc({Msg::Activate, 0, 0, 0});
    slept = 0;
    for (int i = 0; i < 3; ++i) runFrame();
    EXPECT_EQ(slept, 600u); // 200 ms a pass and no limiter on top
    windowProc({Msg::Activate, 1, 0, 0});
    frames(1, 2);
    EXPECT_FLOAT_EQ(scene.deltas.back(), 0.0f); // time away still never counts
}

TEST_F(FrameLoop, SceneSwitchHappensAfterTheFrameAndOnlyTheLastRequestCounts) {
    RecordingScene a, b;
    requestSceneSwitch(&a);
    requestSceneSwitch(&b);
    EXPECT_EQ(shell.currentScene, &scene); // not inside the frame
    frames(1, 16);
    EXPECT_EQ(shell.currentScene, &b);
    EXPECT_EQ(std::count(scene.calls.begin(), scene.calls.end(), "leave"), 1);
    EXPECT_TRUE(a.calls.empty());
    EXPECT_EQ(b.calls, std::vector<std::string>{"activate"});
}

TEST_F(FrameLoop, InputIsRoutedByMessage) {
    windowProc({Msg::MouseMove, 0, -3, 12});
    EXPECT_EQ(shell.mouseX, -3);
    EXPECT_EQ(shell.mouseY, 12);
    windowProc({Msg::KeyDown, 'A', 0, 0});
    EXPECT_EQ(scene.lastKey, 'A');
    windowProc({Msg::LButtonDown, 0, 99, 99}); // buttons keep the last move's position
    EXPECT_EQ(shell.mouseX, -3);
    scene.calls.clear();
    windowProc({Msg::RButtonDblClk, 0, 0, 0}); // a right double click is not routed
    windowProc({Msg::MButtonUp, 0, 0, 0});
    windowProc({Msg::KeyUp, 'A', 0, 0});
    EXPECT_TRUE(scene.calls.empty());
    windowProc({Msg::RButtonDown, 0, 0, 0});
    EXPECT_EQ(scene.calls, std::vector<std::string>{"right"});
}

TEST_F(FrameLoop, DiagnosticsKeyTogglesTheOverlayWithoutReachingTheScene) {
    windowProc({Msg::KeyDown, kDiagnosticsKey, 0, 0});
    EXPECT_TRUE(shell.diagnosticsOverlay);
    EXPECT_EQ(scene.lastKey, 0);
    windowProc({Msg::KeyDown, kDiagnosticsKey, 0, 0});
    EXPECT_FALSE(shell.diagnosticsOverlay);
}

TEST_F(FrameLoop, CloseEndsTheLoop) {
    windowProc({Msg::Close, 0, 0, 0});
    EXPECT_EQ(shell.quitRequested, 1);
    EXPECT_FALSE(runLoopPass());
}
