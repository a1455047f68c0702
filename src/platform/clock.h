// The millisecond clock and sleep. Both can be replaced so tests drive time.
#pragma once
#include <cstdint>

namespace aw {

// Milliseconds since start, 32-bit, wrapping after about 49.7 days.
uint32_t ticksMs();
void sleepMs(uint32_t ms);

// Tests: replace the clock and sleep (nullptr restores the real ones).
using TicksFn = uint32_t (*)();
using SleepFn = void (*)(uint32_t);
void setClockOverride(TicksFn ticks, SleepFn sleep);

} // namespace aw
