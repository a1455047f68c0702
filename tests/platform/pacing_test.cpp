#include "platform/clock.h"
#include "platform/pacing.h"

#include <gtest/gtest.h>

using namespace aw;

namespace {
uint32_t fakeNow = 0;
uint32_t fakeTicks() { return fakeNow; }
void fakeSleep(uint32_t ms) { fakeNow += ms; }
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
        setClockOverride(fakeTicks, fakeSleep);
    }
    void TearDown() override {
        setClockOverride(nullptr, nullptr);
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

TEST_F(PacingClock, LoadScreenIsRedrawnAtMostOncePerPeriod) {
    EXPECT_TRUE(loadRedrawDue()); // the first file always shows
    int redraws = 0;
    for (int file = 0; file < 300; ++file) { // 300 files over 100 ms
        if (file % 3 == 0) fakeNow += 1;
        redraws += loadRedrawDue();
    }
    EXPECT_GE(redraws, 5);
    EXPECT_LE(redraws, 6);
}
