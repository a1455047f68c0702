// One loudness for every sound: the loudest 50 ms window's RMS is brought to a
// target, and the peak is kept below a ceiling so overlapping sounds have room.
#pragma once
#include "soundgen/synth.h"

namespace soundgen {

struct Level {
    float shortTermDb = -200; // RMS of the loudest 50 ms window, dBFS
    float peakDb = -200;
};

Level measureLevel(const Sound& s);
// Scales s so its short-term level is targetDb unless that would put the peak
// above peakCeilingDb, in which case the peak sets the scale.
void normaliseLevel(Sound& s, float targetDb, float peakCeilingDb);

} // namespace soundgen
