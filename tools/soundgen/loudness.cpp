#include "soundgen/loudness.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

Level measureLevel(const Sound& s) {
    Level level;
    const int window = kRate / 20;
    const int hop = window / 4;
    double best = 0;
    float peak = 0;
    for (float x : s)
        peak = std::max(peak, std::fabs(x));
    for (size_t start = 0; start < s.size(); start += hop) {
        size_t end = std::min(s.size(), start + window);
        double sum = 0;
        for (size_t i = start; i < end; ++i)
            sum += (double)s[i] * s[i];
        // Windows are always the full 50 ms, so a short sound is not flattered.
        best = std::max(best, sum / window);
        if (end == s.size())
            break;
    }
    if (best > 0)
        level.shortTermDb = 10.f * (float)std::log10(best);
    // One-pole follower of the mean square with a 50 ms time constant.
    const double k = 1 - std::exp(-1.0 / (0.05 * kRate));
    double follow = 0, top = 0;
    for (float x : s) {
        follow += k * ((double)x * x - follow);
        top = std::max(top, follow);
    }
    if (top > 0)
        level.smoothedDb = 10.f * (float)std::log10(top);
    if (peak > 0)
        level.peakDb = 20.f * std::log10(peak);
    return level;
}

void normaliseLevel(Sound& s, float targetDb, float peakCeilingDb, LevelMeasure measure) {
    Level level = measureLevel(s);
    if (level.peakDb < -150)
        return;
    float gainDb = targetDb - (measure == LevelMeasure::Smoothed ? level.smoothedDb : level.shortTermDb);
    gainDb = std::min(gainDb, peakCeilingDb - level.peakDb);
    float gain = std::pow(10.f, gainDb / 20.f);
    for (float& x : s)
        x *= gain;
}

} // namespace soundgen
