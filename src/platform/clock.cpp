#include "platform/clock.h"

#include <SDL.h>

namespace aw {
namespace {
TicksFn ticksOverride = nullptr;
SleepFn sleepOverride = nullptr;
} // namespace

uint32_t ticksMs() { return ticksOverride ? ticksOverride() : SDL_GetTicks(); }

void sleepMs(uint32_t ms) {
    if (sleepOverride)
        sleepOverride(ms);
    else
        SDL_Delay(ms);
}

void setClockOverride(TicksFn ticks, SleepFn sleep) {
    ticksOverride = ticks;
    sleepOverride = sleep;
}

} // namespace aw
