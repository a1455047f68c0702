// Ambient sounds: birdsong and water on a millisecond clock owned by the caller
// (the game's play time, the trophy room's clock).
#pragma once
#include <cstdint>

namespace aw {

constexpr uint32_t kBirdsPeriodMs = 6200;
constexpr uint32_t kBrookPeriodMs = 3100;
constexpr uint32_t kWaterfallPeriodMs = 3000;

// A timer of period P on clock c, advanced by dt this tick, fires when c is 0
// or when this tick crosses a multiple of P: once per period.
bool ambientTimerFires(uint32_t clock, uint32_t dtMs, uint32_t period);

// The next bird call of "birds1.ogg" to "birds3.ogg"; the choice moves on by
// one or two (at random) after each call and keeps going for the whole run.
void playBirds();

// Call before advancing the clock by dt.
void updatePlayAmbient(uint32_t gameTime, uint32_t dtMs);
void updateTrophyRoomAmbient(uint32_t roomTime, uint32_t dtMs);

// Tests: the bird counter back to its start.
void resetAmbient();

} // namespace aw
