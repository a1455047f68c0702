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
    p.frameStartUs = ticksUs();
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

void paceFrame() {
    FramePacer& p = framePacer;
    int64_t now = ticksUs();
    switch (p.mode) {
    case Pacing::Unpaced:
    case Pacing::SwapWaits: return;
    case Pacing::Probing:
        if (p.lastPresentUs >= 0) p.probeUs[p.probeCount++] = now - p.lastPresentUs;
        p.lastPresentUs = now;
        if (p.probeCount < kPacingProbeFrames) return;
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
        return;
    case Pacing::Limiter: {
        int64_t wait = limiterWaitUs(p.frameStartUs, now, p.periodUs);
        if (wait > 0) {
            sleepUs(wait);
            // On schedule, so oversleeping never adds up; never ahead of the clock.
            p.frameStartUs = std::min(p.frameStartUs + p.periodUs, ticksUs());
        } else {
            p.frameStartUs = now; // late (or back from a pause): start afresh
        }
        return;
    }
    }
}

bool loadRedrawDue() {
    FramePacer& p = framePacer;
    int64_t now = ticksUs();
    if (p.loadRedrawn && limiterWaitUs(p.lastLoadRedrawUs, now, p.periodUs) > 0) return false;
    p.loadRedrawn = true;
    p.lastLoadRedrawUs = now;
    return true;
}

void resetFramePacing() { framePacer = FramePacer{}; }

} // namespace aw
