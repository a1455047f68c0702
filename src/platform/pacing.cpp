#include "platform/pacing.h"

#include "platform/clock.h"

#include <SDL.h>
#include <algorithm>

namespace aw {

FramePacer framePacer;

int64_t refreshPeriodUs(int refreshHz) {
    if (refreshHz < 20 || refreshHz > 1000) refreshHz = kFallbackRefreshHz;
    return (1000000 + refreshHz / 2) / refreshHz;
}

int64_t limiterWaitUs(int64_t frameStartUs, int64_t nowUs, int64_t periodUs) {
    int64_t wait = frameStartUs + periodUs - nowUs;
    return std::clamp<int64_t>(wait, 0, periodUs);
}

int64_t restPeriodUs(int64_t displayPeriodUs, int64_t frameCpuUs) {
    int64_t longest = std::max<int64_t>(displayPeriodUs, 1000000 / kRestMinRateHz);
    return std::clamp<int64_t>(frameCpuUs * 100 / kRestCpuPercent, displayPeriodUs, longest);
}

bool swapsWait(const int64_t* intervalsUs, int count, int64_t periodUs) {
    if (count <= 0) return false;
    int64_t sorted[kPacingProbeFrames];
    count = std::min(count, kPacingProbeFrames);
    std::copy(intervalsUs, intervalsUs + count, sorted);
    std::nth_element(sorted, sorted + count / 2, sorted + count);
    return sorted[count / 2] * 4 >= periodUs * 3;
}

void updateRefreshPeriod() {
    int hz = 0;
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_DisplayMode mode;
    int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0) hz = mode.refresh_rate;
    framePacer.periodUs = refreshPeriodUs(hz);
}

void startFramePacing(bool paced) {
    FramePacer& p = framePacer;
    p = FramePacer{};
    updateRefreshPeriod();
    p.frameStartUs = p.lastActivityUs = ticksUs();
    if (!paced) {
        SDL_GL_SetSwapInterval(0);
        return;
    }
    if (SDL_GL_SetSwapInterval(-1) == 0)
        p.swapInterval = -1;
    else if (SDL_GL_SetSwapInterval(1) == 0)
        p.swapInterval = 1;
    p.mode = p.swapInterval != 0 ? Pacing::Probing : Pacing::Limiter;
}

namespace {

// A wait at rest ends early when input arrives, so the answer to a click is
// never held back by the slow rate.
void restWait(int64_t us) {
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GL_GetCurrentWindow())
        SDL_WaitEventTimeout(nullptr, int((us + 999) / 1000));
    else
        sleepUs(us);
}

// Sleeps to the end of the frame's period (the rest period at rest), on
// schedule so that oversleeping never adds up, never ahead of the clock.
void waitForPeriod(FramePacer& p, int64_t now, int64_t period, bool resting) {
    int64_t wait = limiterWaitUs(p.frameStartUs, now, period);
    if (wait > 0) {
        resting ? restWait(wait) : sleepUs(wait);
        p.frameStartUs = std::min(p.frameStartUs + period, ticksUs());
    } else {
        p.frameStartUs = now; // late (or back from a pause): start afresh
    }
}

void measureFrameWork(FramePacer& p) {
    int64_t cpu = processCpuUs();
    if (p.workStartCpuUs >= 0) p.frameCpuUs += (cpu - p.workStartCpuUs - p.frameCpuUs) / 8;
}

} // namespace

void noteActivity() { framePacer.lastActivityUs = ticksUs(); }

bool pacingAtRest() {
    const FramePacer& p = framePacer;
    return p.mode != Pacing::Unpaced && ticksUs() - p.lastActivityUs >= kRestAfterUs;
}

void paceFrame() {
    FramePacer& p = framePacer;
    int64_t now = ticksUs();
    measureFrameWork(p);
    switch (p.mode) {
    case Pacing::Unpaced: return;
    case Pacing::SwapWaits: {
        // The swap has waited for the display; only rest adds to it.
        bool resting = pacingAtRest();
        int64_t period = resting ? restPeriodUs(p.periodUs, p.frameCpuUs) : p.periodUs;
        if (period > p.periodUs)
            waitForPeriod(p, now, period, true);
        else
            p.frameStartUs = now;
        break;
    }
    case Pacing::Probing:
        if (p.lastPresentUs >= 0) p.probeUs[p.probeCount++] = now - p.lastPresentUs;
        p.lastPresentUs = now;
        if (p.probeCount < kPacingProbeFrames) break;
        if (swapsWait(p.probeUs, p.probeCount, p.periodUs)) {
            p.mode = Pacing::SwapWaits;
        } else {
            // The driver said yes and does not wait: the limiter alone paces,
            // so a sync that starts working later cannot halve the rate.
            SDL_GL_SetSwapInterval(0);
            p.swapInterval = 0;
            p.mode = Pacing::Limiter;
            p.frameStartUs = now;
        }
        break;
    case Pacing::Limiter: {
        bool resting = pacingAtRest();
        waitForPeriod(p, now, resting ? restPeriodUs(p.periodUs, p.frameCpuUs) : p.periodUs, resting);
        break;
    }
    }
    p.workStartCpuUs = processCpuUs();
}

bool loadRedrawDue() {
    FramePacer& p = framePacer;
    int64_t now = ticksUs();
    // A bar that moves 20 times a second looks as smooth as one that moves
    // at the display's rate, and each present of the load screen costs
    // about as much as reading a picture.
    const int64_t spacing = std::max(p.periodUs, kLoadRedrawSpacingUs);
    if (p.loadRedrawn && limiterWaitUs(p.lastLoadRedrawUs, now, spacing) > 0) return false;
    p.loadRedrawn = true;
    p.lastLoadRedrawUs = now;
    return true;
}

void resetFramePacing() { framePacer = FramePacer{}; }

} // namespace aw
