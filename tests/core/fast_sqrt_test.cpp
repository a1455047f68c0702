#include "core/fast_sqrt.h"

#include <gtest/gtest.h>
#include <cmath>

using aw::fastSqrt;

// The table truncates the argument's mantissa to 15 bits, so the result's
// relative error stays below 2^-16 plus one rounding: 1.6e-5.
TEST(FastSqrt, RelativeErrorBoundOverWideRange) {
    double worst = 0;
    for (double x = 1e-30; x < 1e30; x *= 1.0007) {
        float f = float(x);
        double exact = std::sqrt(double(f));
        double rel = std::fabs(fastSqrt(f) - exact) / exact;
        worst = std::max(worst, rel);
    }
    EXPECT_LT(worst, 1.6e-5);
}

TEST(FastSqrt, ExactOnPerfectSquaresAndZero) {
    EXPECT_EQ(fastSqrt(0.0f), 0.0f);
    EXPECT_EQ(fastSqrt(-0.0f), 0.0f);
    EXPECT_EQ(fastSqrt(1.0f), 1.0f);
    EXPECT_EQ(fastSqrt(4.0f), 2.0f);
    EXPECT_EQ(fastSqrt(2916.0f), 54.0f); // the board's cell pitch squared
}

TEST(FastSqrt, NegativeGivesZeroRatherThanGarbage) { EXPECT_EQ(fastSqrt(-9.0f), 0.0f); }
