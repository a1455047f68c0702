#include "render/half_level.h"

#include <algorithm>
#include <cstring>

namespace aw {

std::vector<uint8_t> halfLevel(const std::vector<uint8_t>& src, int w, int h, int& outW, int& outH) {
    outW = std::max(1, w / 2);
    outH = std::max(1, h / 2);
    std::vector<uint8_t> dst(size_t(outW) * size_t(outH) * 4);
    if (w % 2 == 0 && h % 2 == 0) {
        // Every texture the load halves has even sides: two texels of a row
        // in one 64-bit word, the four bytes of each summed in 16-bit lanes.
        constexpr uint64_t kLanes = 0x00FF00FF00FF00FFull;
        for (int y = 0; y < outH; ++y) {
            const uint8_t* row0 = src.data() + size_t(2 * y) * size_t(w) * 4;
            const uint8_t* row1 = row0 + size_t(w) * 4;
            uint8_t* out = dst.data() + size_t(y) * size_t(outW) * 4;
            for (int x = 0; x < outW; ++x) {
                uint64_t top, bottom;
                std::memcpy(&top, row0 + size_t(x) * 8, 8);
                std::memcpy(&bottom, row1 + size_t(x) * 8, 8);
                uint64_t even = (top & kLanes) + (bottom & kLanes);          // B and R of both texels
                uint64_t odd = ((top >> 8) & kLanes) + ((bottom >> 8) & kLanes); // G and A
                uint32_t e = uint32_t(even) + uint32_t(even >> 32) + 0x00020002u;
                uint32_t o = uint32_t(odd) + uint32_t(odd >> 32) + 0x00020002u;
                uint32_t texel = ((e >> 2) & 0x00FF00FFu) | (((o >> 2) & 0x00FF00FFu) << 8);
                std::memcpy(out + size_t(x) * 4, &texel, 4);
            }
        }
        return dst;
    }
    // Row by row through pointers: the start-up load halves every picture it keeps.
    for (int y = 0; y < outH; ++y) {
        int sy = std::min(2 * y, h - 1), sy1 = std::min(sy + 1, h - 1);
        const uint8_t* row0 = src.data() + size_t(sy) * size_t(w) * 4;
        const uint8_t* row1 = src.data() + size_t(sy1) * size_t(w) * 4;
        uint8_t* out = dst.data() + size_t(y) * size_t(outW) * 4;
        for (int x = 0; x < outW; ++x, out += 4) {
            int sx = std::min(2 * x, w - 1), sx1 = std::min(sx + 1, w - 1);
            const uint8_t *a = row0 + sx * 4, *b = row0 + sx1 * 4, *c = row1 + sx * 4, *d = row1 + sx1 * 4;
            for (int k = 0; k < 4; ++k) out[k] = uint8_t((a[k] + b[k] + c[k] + d[k] + 2) / 4);
        }
    }
    return dst;
}

} // namespace aw
