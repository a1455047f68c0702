// Square root by table: the game measures every distance and vector length
// with it, so it must be fast and its error small and known.
//
// The table has one 23-bit mantissa per combination of the argument's lowest
// exponent bit and its top 15 mantissa bits (bits 8..23 of the pattern).
// Truncating the argument's mantissa to 15 bits bounds the relative error of
// the result by 2^-16 plus one float rounding.
#include "core/vec.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace aw {
namespace {

uint32_t table[65536];
bool tableBuilt = false;

uint32_t bitsOf(float f) {
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

float floatOf(uint32_t b) {
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

} // namespace

void initFastSqrt() {
    if (tableBuilt) return;
    for (uint32_t i = 0; i < 65536; ++i) {
        // Bit 15 of the index is the lowest exponent bit: set means an even
        // unbiased exponent (the number lies in [1, 2) times 4^k), clear an
        // odd one (the number lies in [2, 4) times 4^k).
        double mantissa = 1.0 + double(i & 0x7FFF) / 32768.0;
        double v = (i & 0x8000) ? mantissa : 2.0 * mantissa;
        table[i] = bitsOf(float(std::sqrt(v))) & 0x7FFFFFu;
    }
    tableBuilt = true;
}

namespace {
// Built before main so that tools and tests need no explicit call.
const bool builtAtLoad = (initFastSqrt(), true);
} // namespace

float fastSqrt(float x) {
    if (!(x > 0)) return 0;
    uint32_t bits = bitsOf(x);
    int32_t exponentPart = (int32_t(bits) - 0x3F800000) / 2 + 0x3F800000;
    uint32_t result = (uint32_t(exponentPart) & 0x7F800000u) | table[(bits >> 8) & 0xFFFF];
    return floatOf(result);
}

} // namespace aw
