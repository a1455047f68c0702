// Frame pacing: the game draws no more frames than the display can show.
//
//   paced, swaps wait     vertical sync (adaptive where the driver has it, else plain)
//   paced, swaps return   a limiter sleeps the rest of the display's refresh period
//   unpaced               frames as fast as they come (benchmarks, --unpaced)
//
// A driver's word that it syncs is not trusted: some accept a swap interval
// and still return at once (the offscreen driver, some hidden windows). The
// first frames are timed, and the limiter takes over when they run faster
// than the display.
//
// At rest (no input for kRestAfterUs and nothing in motion that a scene
// says the player is watching) frames slow down until they cost at most
// kRestCpuPercent of one core, down to kRestMinRateHz: on a software renderer
// a frame of the landscape costs more than the display period, and a player
// who is thinking gains nothing from it. The wait at rest ends at the first
// input, and the next frame comes at the full rate. On hardware that draws a
// frame in a fraction of the period nothing changes.
//
// Every clock of the game runs on measured frame times, so pacing changes
// how often a frame is drawn, never what happens in it.
//
// Lifetime: the pacer lives for the run. startFramePacing() once the window
// and its GL context exist; until then (and in tests that never call it)
// frames are unpaced. resetFramePacing() gives tests a clean record.
#pragma once
#include <cstdint>

namespace aw {

enum class Pacing : uint8_t {
    Unpaced,
    Probing,   // a swap interval was accepted; timing the first frames
    SwapWaits, // vertical sync does the pacing
    Limiter,   // the pacer sleeps to the refresh period
};

constexpr int kPacingProbeFrames = 16;
constexpr int kFallbackRefreshHz = 60; // when the display does not say
constexpr int64_t kRestAfterUs = 2000000;
constexpr int kRestCpuPercent = 15;
constexpr int kRestMinRateHz = 4;

struct FramePacer {
    Pacing mode = Pacing::Unpaced;
    int swapInterval = 0;       // what the driver accepted: -1 adaptive, 1 plain, 0 none
    int64_t periodUs = 1000000 / kFallbackRefreshHz;
    int64_t frameStartUs = 0;   // limiter: where the current frame's period began
    int64_t lastPresentUs = -1; // probe: the previous present, -1 before the first
    int64_t probeUs[kPacingProbeFrames] = {}; // probe: present-to-present intervals
    int probeCount = 0;
    bool loadRedrawn = false;   // the load screen has been drawn at least once
    int64_t lastLoadRedrawUs = 0;
    int64_t lastActivityUs = 0;  // the last input, or motion a scene asked the full rate for
    int64_t workStartCpuUs = -1; // the process's CPU clock when this frame's work began
    int64_t frameCpuUs = 0;      // a frame's work in CPU time, smoothed over about 8 frames
};

extern FramePacer framePacer;

// The refresh period of a display rate; an unknown or implausible rate
// (0, below 20 or above 1000 Hz) counts as 60 Hz.
int64_t refreshPeriodUs(int refreshHz);
// How long the limiter sleeps after a frame that began at frameStartUs and
// was presented at nowUs: the rest of the period, never more than one period,
// and nothing for a frame that is on time or late.
int64_t limiterWaitUs(int64_t frameStartUs, int64_t nowUs, int64_t periodUs);
// The period of frames at rest: long enough that a frame costing frameCpuUs
// of CPU spends kRestCpuPercent of a core, never shorter than the display's
// period nor longer than kRestMinRateHz allows.
int64_t restPeriodUs(int64_t displayPeriodUs, int64_t frameCpuUs);
// Whether presents paced by the driver really wait for the display: the
// median interval is at least three quarters of the period (a median, so
// one slow frame or a stall does not decide it).
bool swapsWait(const int64_t* intervalsUs, int count, int64_t periodUs);

// After the window and its context exist: paced asks the driver for adaptive
// vertical sync, then plain; with neither the limiter paces from the start.
void startFramePacing(bool paced);
// Reads the refresh rate of the display the window is on (again after a
// size or display change).
void updateRefreshPeriod();
// After every present of the frame loop: probes, or sleeps for the limiter
// (at rest for the longer rest period, until the first input).
void paceFrame();
// Input, or something a player watches move: full rate for kRestAfterUs.
void noteActivity();
bool pacingAtRest();
// The start-up load redraws its load screen only when this says so: at most
// once per refresh period and 20 times a second, whatever the pacing mode.
constexpr int64_t kLoadRedrawSpacingUs = 50000;
bool loadRedrawDue();
void resetFramePacing();

} // namespace aw
