// The millisecond clock and sleep, and a microsecond clock for frame pacing.
// All can be replaced so tests drive time.
#pragma once
#include <cstdint>

namespace aw {

// Milliseconds since start, 32-bit, wrapping after about 49.7 days.
uint32_t ticksMs();
void sleepMs(uint32_t ms);

// Microseconds since start, 64-bit (never wraps in practice), and a sleep of
// that precision. Under a test clock they follow it: ticksUs() is ticksMs()
// in microseconds and sleepUs() sleeps whole milliseconds, rounded up.
int64_t ticksUs();
void sleepUs(int64_t us);

// The CPU time of every thread of the process, in microseconds: what a
// frame costs, a software renderer's own threads included.
int64_t processCpuUs();

// Tests: replace the clock and sleep (nullptr restores the real ones).
using TicksFn = uint32_t (*)();
using SleepFn = void (*)(uint32_t);
void setClockOverride(TicksFn ticks, SleepFn sleep);
using CpuFn = int64_t (*)();
void setCpuClockOverride(CpuFn cpu);

} // namespace aw
