// One loudness for every sound: the loudest 50 ms window's RMS is brought to a
// target, and the peak is kept below a ceiling so overlapping sounds have room.
#pragma once
#include "soundgen/synth.h"

namespace soundgen {

struct Level {
    float shortTermDb = -200; // RMS of the loudest 50 ms window, dBFS
    float smoothedDb = -200;  // highest RMS smoothed over 50 ms, as "sox stats -w 0.05" gives it
    float peakDb = -200;
};

// Window: the loudest 50 ms window, which suits short effects. Smoothed: the
// mean square followed with a 50 ms time constant, which is what sox reports
// and what the ear hears of a run of short chirps; the ambient set uses it.
enum class LevelMeasure { Window, Smoothed };

Level measureLevel(const Sound& s);
// Scales s so its level by that measure is targetDb unless that would put the
// peak above peakCeilingDb, in which case the peak sets the scale.
void normaliseLevel(Sound& s, float targetDb, float peakCeilingDb, LevelMeasure measure = LevelMeasure::Window);

} // namespace soundgen
