#include "platform/clock.h"
#include "platform/pacing.h"

#include <gtest/gtest.h>

using namespace aw;

namespace {
uint32_t fakeNow = 0;
int64_t fakeCpuUs = 0;
uint32_t fakeTicks() { return fakeNow; }
void fakeSleep(uint32_t ms) { fakeNow += ms; }
int64_t fakeCpu() { return fakeCpuUs; }
} // namespace

TEST(FramePacing, LimiterWaitsOnlyForTheRestOfThePeriod) {
    const int64_t period = 16667;
    EXPECT_EQ(limiterWaitUs(1000000, 1005000, period), 11667); // short frame: the rest
    EXPECT_EQ(limiterWaitUs(1000000, 1000000 + period, period), 0); // exactly on time
    EXPECT_EQ(limiterWaitUs(1000000, 1030000, period), 0);     // late: never waits
    // A start ahead of the clock never sleeps more than one period.
    EXPECT_EQ(limiterWaitUs(1050000, 1000000, period), period);
}

TEST(FramePacing, RefreshPeriodFallsBackTo60HzForUnknownRates) {
    EXPECT_EQ(refreshPeriodUs(60), 16667);
    EXPECT_EQ(refreshPeriodUs(144), 6944);
    EXPECT_EQ(refreshPeriodUs(0), 16667);  // the display does not say
    EXPECT_EQ(refreshPeriodUs(1), 16667);  // implausible: would draw once a second
    EXPECT_EQ(refreshPeriodUs(5000), 16667);
}

TEST(FramePacing, RestPeriodHoldsTheCpuShareBetweenTheDisplayRateAndTheSlowest) {
    const int64_t period = 16667;
    EXPECT_EQ(restPeriodUs(period, 500), period);       // a hardware frame: the display's rate
    EXPECT_EQ(restPeriodUs(period, 6000), 40000);        // 6 ms of work: 15 % of a core
    EXPECT_EQ(restPeriodUs(period, 60000), 250000);      // never below 4 frames a second
    EXPECT_EQ(restPeriodUs(400000, 60000), 400000);      // nor faster than the display
    EXPECT_EQ(restPeriodUs(period, -3000), period);      // a CPU clock that went back
}

TEST(FramePacing, ProbeTellsWaitingSwapsFromSwapsThatReturnAtOnce) {
    const int64_t period = 16667;
    int64_t synced[kPacingProbeFrames], fast[kPacingProbeFrames];
    for (int i = 0; i < kPacingProbeFrames; ++i) {
        synced[i] = 16600 + (i % 3) * 60;
        fast[i] = 400;
    }
    EXPECT_TRUE(swapsWait(synced, kPacingProbeFrames, period));
    EXPECT_FALSE(swapsWait(fast, kPacingProbeFrames, period));
    // One stall among fast frames, or a few fast frames among synced ones,
    // does not change the verdict.
    fast[3] = 250000;
    synced[0] = synced[5] = 300;
    EXPECT_FALSE(swapsWait(fast, kPacingProbeFrames, period));
    EXPECT_TRUE(swapsWait(synced, kPacingProbeFrames, period));
    EXPECT_FALSE(swapsWait(synced, 0, period));
}

class PacingClock : public ::testing::Test {
protected:
    void SetUp() override {
        resetFramePacing();
        fakeNow = 10000;
        fakeCpuUs = 0;
        setClockOverride(fakeTicks, fakeSleep);
        setCpuClockOverride(fakeCpu);
        noteActivity();
    }
    void TearDown() override {
        setClockOverride(nullptr, nullptr);
        setCpuClockOverride(nullptr);
        resetFramePacing();
    }
};

TEST_F(PacingClock, LimiterHoldsTheRefreshRateWithoutDrift) {
    framePacer.mode = Pacing::Limiter;
    framePacer.frameStartUs = ticksUs();
    // 100 frames of 3 ms work each on a millisecond clock whose sleeps round
    // up: the schedule keeps the average at the period.
    uint32_t start = fakeNow;
    for (int i = 0; i < 100; ++i) {
        fakeNow += 3;
        paceFrame();
    }
    EXPECT_NEAR(double(fakeNow - start), 100 * 16.667, 17.0);
    // A late frame goes on at once, and the schedule starts from it.
    fakeNow += 40;
    uint32_t late = fakeNow;
    paceFrame();
    EXPECT_EQ(fakeNow, late);
    fakeNow += 3;
    paceFrame();
    EXPECT_EQ(fakeNow, late + 17u);
}

TEST_F(PacingClock, UnpacedAndSyncedFramesNeverSleep) {
    for (Pacing mode : {Pacing::Unpaced, Pacing::SwapWaits}) {
        framePacer.mode = mode;
        uint32_t before = fakeNow;
        for (int i = 0; i < 10; ++i) paceFrame();
        EXPECT_EQ(fakeNow, before);
    }
}

TEST_F(PacingClock, LoadScreenIsRedrawnAtMostTwentyTimesASecondAndOncePerPeriod) {
    // 300 files over 100 ms: at 60 Hz the 50 ms spacing decides, on a
    // display slower than 20 Hz its period does.
    for (int64_t period : {int64_t(1000000 / 60), int64_t(80000)}) {
        resetFramePacing();
        framePacer.periodUs = period;
        EXPECT_TRUE(loadRedrawDue()); // the first file always shows
        int redraws = 0;
        for (int file = 0; file < 300; ++file) {
            if (file % 3 == 0) fakeNow += 1;
            redraws += loadRedrawDue();
        }
        EXPECT_EQ(redraws, period < kLoadRedrawSpacingUs ? 2 : 1) << "period " << period;
    }
}

TEST_F(PacingClock, FramesSlowDownAtRestAndInputBringsTheFullRateBack) {
    framePacer.mode = Pacing::Limiter;
    framePacer.frameStartUs = ticksUs();
    // Each frame costs 10 ms of CPU: 60 % of a core at the display's rate.
    auto frame = [] {
        uint32_t before = fakeNow;
        fakeNow += 10;
        fakeCpuUs += 10000;
        paceFrame();
        return fakeNow - before;
    };
    for (int i = 0; i < 10; ++i) EXPECT_LE(frame(), 17u) << "input " << i << " frames ago";
    while (!pacingAtRest()) frame();
    for (int i = 0; i < 10; ++i) frame(); // the schedule settles on the new period
    EXPECT_NEAR(double(frame()), 66.7, 1.5); // 10 ms of every 66.7: 15 %
    noteActivity();                          // the player moves the mouse
    EXPECT_LE(frame(), 17u);
    EXPECT_FALSE(pacingAtRest());
}
