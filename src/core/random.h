// The game's one shared random generator. Its raw outputs are 15-bit
// (0..32767) because every formula in the rules assumes that range.
#pragma once
#include <cstdint>

namespace aw {

constexpr int kRandomMax = 32767;

void seedRandom(uint32_t seed);
// 0..32767.
int randomRaw();
// 0..n-1 (raw mod n); 0 when n <= 0.
int random(int n);
// raw / 32767 * x: from 0 to x.
float randomFloat(float x);
// (2 raw - 32767) / 32767 * x: from -x to x.
float randomSigned(float x);

} // namespace aw
