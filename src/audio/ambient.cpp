#include "audio/ambient.h"
#include "audio/sound_system.h"
#include "core/random.h"

#include <cstdio>

namespace aw {

namespace {

// Lives for the run.
int birdCounter = 0;

} // namespace

bool ambientTimerFires(uint32_t clock, uint32_t dtMs, uint32_t period) {
    if (clock == 0)
        return true;
    if (period == 0)
        return false;
    uint32_t half = period / 2;
    return clock % period >= half && (clock + dtMs) % period < half;
}

void playBirds() {
    char name[16];
    std::snprintf(name, sizeof name, "birds%d.ogg", birdCounter % 3 + 1);
    playEffect(name);
    birdCounter += random(2) + 1;
    // Stays small so the counter never overflows in a long session.
    birdCounter %= 3;
}

void updatePlayAmbient(uint32_t gameTime, uint32_t dtMs) {
    if (ambientTimerFires(gameTime, dtMs, kBirdsPeriodMs))
        playBirds();
    if (ambientTimerFires(gameTime, dtMs, kBrookPeriodMs))
        playEffect("brook.ogg");
}

void updateTrophyRoomAmbient(uint32_t roomTime, uint32_t dtMs) {
    if (ambientTimerFires(roomTime, dtMs, kBirdsPeriodMs))
        playBirds();
    if (ambientTimerFires(roomTime, dtMs, kWaterfallPeriodMs))
        playEffect("waterfall.ogg");
}

void resetAmbient() {
    birdCounter = 0;
}

} // namespace aw
