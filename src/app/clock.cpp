#include "app/shell_state.h"

#include <cstdio>

namespace aw {

void clockTick(FrameClock& c, uint32_t now) {
    c.rawDeltaMs = now - c.lastTickMs; // unsigned: wraps with the timer
    c.lastTickMs = now;
    c.fpsWindowMs += c.rawDeltaMs;
    c.fpsFrames += 1;
    // Strictly greater, and the surplus is carried into the next window.
    if (c.fpsWindowMs > 300) {
        std::snprintf(c.fpsText, sizeof c.fpsText, "%.1f FPS",
                      1000.0 / double(c.fpsWindowMs) * double(c.fpsFrames));
        c.fpsWindowMs -= 300;
        c.fpsFrames = 0;
    }
    c.frameDeltaMs = float(c.rawDeltaMs) * c.speedFactor;
}

ShellState shell;

} // namespace aw
