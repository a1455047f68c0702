#include "platform/clock.h"

#include <SDL.h>
#include <cerrno>
#include <time.h>

namespace aw {
namespace {
TicksFn ticksOverride = nullptr;
SleepFn sleepOverride = nullptr;
CpuFn cpuOverride = nullptr;
} // namespace

uint32_t ticksMs() { return ticksOverride ? ticksOverride() : SDL_GetTicks(); }

void sleepMs(uint32_t ms) {
    if (sleepOverride)
        sleepOverride(ms);
    else
        SDL_Delay(ms);
}

int64_t ticksUs() {
    if (ticksOverride) return int64_t(ticksOverride()) * 1000;
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

void sleepUs(int64_t us) {
    if (us <= 0) return;
    if (sleepOverride) {
        sleepOverride(uint32_t((us + 999) / 1000));
        return;
    }
    timespec t{time_t(us / 1000000), long(us % 1000000) * 1000};
    // A signal cuts the sleep short: sleep the rest.
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

int64_t processCpuUs() {
    if (cpuOverride) return cpuOverride();
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

void setCpuClockOverride(CpuFn cpu) { cpuOverride = cpu; }

void setClockOverride(TicksFn ticks, SleepFn sleep) {
    ticksOverride = ticks;
    sleepOverride = sleep;
}

} // namespace aw
