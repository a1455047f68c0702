#include "noise.h"

#include <cmath>

namespace art {

uint64_t Rng::next() {
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }

namespace {

inline double lattice(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

inline double fade(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double valueNoise(double x, double y, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    double tx = fade(x - fx), ty = fade(y - fy);
    double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fbm(double x, double y, int octaves, uint32_t seed, double gain) {
    double sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + uint32_t(i) * 101u);
        norm += amp;
        amp *= gain;
        // Rotate a little per octave so lattice rows do not line up.
        double nx = x * 1.6 + y * 1.2, ny = -x * 1.2 + y * 1.6;
        x = nx + 17.3;
        y = ny + 5.1;
    }
    return sum / norm;
}

double tileNoise(double x, double y, int periodX, int periodY, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int px = periodX > 0 ? periodX : 1, py = periodY > 0 ? periodY : 1;
    auto wrap = [](int v, int p) { return ((v % p) + p) % p; };
    int x0 = wrap(int(fx), px), y0 = wrap(int(fy), py), x1 = (x0 + 1) % px, y1 = (y0 + 1) % py;
    double tx = fade(x - fx), ty = fade(y - fy);
    double a = lattice(x0, y0, seed), b = lattice(x1, y0, seed);
    double c = lattice(x0, y1, seed), d = lattice(x1, y1, seed);
    double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double tileFbm(double x, double y, int periodX, int periodY, int octaves, uint32_t seed, double gain) {
    double sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave doubles the lattice and its period, so all of them repeat together.
        sum += amp * tileNoise(x, y, periodX, periodY, seed + uint32_t(i) * 101u);
        norm += amp;
        amp *= gain;
        x = x * 2 + 0.37;
        y = y * 2 + 0.61;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

double smoothstep(double e0, double e1, double x) {
    double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

double clamp01(double x) { return x < 0 ? 0 : (x > 1 ? 1 : x); }

}  // namespace art
