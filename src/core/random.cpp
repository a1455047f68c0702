#include "core/random.h"

namespace aw {
namespace {
// 64-bit LCG; the top bits are well mixed, so the 15-bit output comes from there.
uint64_t state = 0x853C49E6748FEA9Bull;
} // namespace

void seedRandom(uint32_t seed) {
    state = 0x853C49E6748FEA9Bull ^ (uint64_t(seed) * 0x9E3779B97F4A7C15ull);
    randomRaw();
}

int randomRaw() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return int((state >> 49) & 0x7FFF);
}

int random(int n) {
    if (n <= 0) return 0;
    return randomRaw() % n;
}

float randomFloat(float x) { return float(randomRaw()) / float(kRandomMax) * x; }

float randomSigned(float x) { return float(2 * randomRaw() - kRandomMax) / float(kRandomMax) * x; }

} // namespace aw
