// Cheap deterministic randomness for procedural painting.
#pragma once

#include <cstdint>

namespace art {

// Small fast generator (splitmix64); every picture seeds its own.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed) {}
    uint64_t next();
    double uniform();                        // [0, 1)
    double range(double lo, double hi);      // [lo, hi)
    int below(int n);                        // 0 .. n-1

private:
    uint64_t s_;
};

// Smooth value noise in [0, 1] on an integer lattice; seed picks the field.
double valueNoise(double x, double y, uint32_t seed);
// Sum of octaves, normalised to [0, 1].
double fbm(double x, double y, int octaves, uint32_t seed, double gain = 0.5);

// Value noise and octaves that repeat every periodX by periodY lattice cells
// (integers), for textures that tile: the scenery's skies and water.
double tileNoise(double x, double y, int periodX, int periodY, uint32_t seed);
double tileFbm(double x, double y, int periodX, int periodY, int octaves, uint32_t seed, double gain = 0.5);

double smoothstep(double e0, double e1, double x);
double clamp01(double x);

}  // namespace art
