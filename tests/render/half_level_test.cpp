#include "render/half_level.h"

#include <gtest/gtest.h>

#include <random>

namespace aw::test {
namespace {

// The packed arithmetic of the even case against the plain per-byte
// average, on odd and even sides and bytes at both extremes.
TEST(HalfLevel, EveryTexelIsTheRoundedAverageOfItsBlock) {
    std::mt19937 rng(7);
    const int sizes[][2] = {{1, 1}, {2, 2}, {3, 5}, {8, 4}, {64, 32}, {7, 1}, {1, 6}, {256, 2}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        std::vector<uint8_t> src(size_t(w) * h * 4);
        for (size_t i = 0; i < src.size(); ++i) src[i] = i % 7 == 0 ? 255 : i % 5 == 0 ? 0 : uint8_t(rng());
        int outW = 0, outH = 0;
        const std::vector<uint8_t> out = halfLevel(src, w, h, outW, outH);
        ASSERT_EQ(outW, std::max(1, w / 2));
        ASSERT_EQ(outH, std::max(1, h / 2));
        ASSERT_EQ(out.size(), size_t(outW) * outH * 4);
        auto at = [&](int x, int y, int k) { return int(src[(size_t(std::min(y, h - 1)) * w + std::min(x, w - 1)) * 4 + k]); };
        for (int y = 0; y < outH; ++y)
            for (int x = 0; x < outW; ++x)
                for (int k = 0; k < 4; ++k) {
                    int sum = at(2 * x, 2 * y, k) + at(2 * x + 1, 2 * y, k) + at(2 * x, 2 * y + 1, k) +
                              at(2 * x + 1, 2 * y + 1, k);
                    ASSERT_EQ(int(out[(size_t(y) * outW + x) * 4 + k]), (sum + 2) / 4)
                        << w << "x" << h << " at " << x << "," << y << " byte " << k;
                }
    }
}

} // namespace
} // namespace aw::test
