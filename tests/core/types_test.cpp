#include "core/color.h"
#include "core/matrix.h"
#include "core/random.h"
#include "core/rect.h"

#include <gtest/gtest.h>

#include <limits>

using namespace aw;

TEST(SharedTypes, RectFromCentreHasYUpwardsAndInclusiveEdges) {
    Rect r = Rect::fromCentre(10, 20, 4, 6);
    EXPECT_EQ(r, Rect(8, 23, 12, 17));
    EXPECT_TRUE(r.contains({8, 17}));
    EXPECT_TRUE(r.contains({12, 23}));
    EXPECT_FALSE(r.contains({12.01f, 20}));
}

TEST(SharedTypes, ColorPacksArgbAndDefaultsToOpaqueWhite) {
    EXPECT_EQ(Color().argb, 0xFFFFFFFFu);
    Color c(180, 180, 180, 255);
    EXPECT_EQ(c.argb, 0xFFB4B4B4u);
    EXPECT_EQ(Color(1, 2, 3, 4).argb, 0x04010203u);
    EXPECT_EQ(Color4f(), Color4f(1, 1, 1, 0));
    EXPECT_EQ(Color4f::lerp({0, 0, 0, 0}, {1, 1, 1, 1}, 0.25f), Color4f(0.25f, 0.25f, 0.25f, 0.25f));
}

TEST(SharedTypes, VectorsNormaliseAndCross) {
    Vec3 zero;
    zero.normalize();
    EXPECT_EQ(zero, Vec3());
    Vec3 v{3, 0, 4};
    v.normalize();
    EXPECT_NEAR(v.x, 0.6f, 1e-4);
    EXPECT_NEAR(v.z, 0.8f, 1e-4);
    EXPECT_EQ(Vec3(1, 0, 0).cross({0, 1, 0}), Vec3(0, 0, 1));
    EXPECT_NEAR(Vec2(54, 0).length(), 54.0f, 1e-3);
    // The bit test must answer as the comparison with zero does, or figures
    // would stop or move where they did not before.
    const float tiny = std::numeric_limits<float>::denorm_min(), nan = std::numeric_limits<float>::quiet_NaN();
    for (float x : {0.0f, -0.0f, tiny, -tiny, 1.0f, nan})
        for (float y : {0.0f, -0.0f, tiny, 54.0f, nan})
            EXPECT_EQ(Vec2(x, y).isZero(), Vec2(x, y) == Vec2(0, 0)) << x << ", " << y;
}

TEST(SharedTypes, RowVectorMatricesComposeLeftToRight) {
    // Scale then translate: a row vector passes through the left factor first.
    Matrix m = Matrix::scaling(2, 2, 2) * Matrix::translation(10, 0, 0);
    EXPECT_EQ(m.transformPoint({1, 1, 1}), Vec3(12, 2, 2));
    EXPECT_EQ(Matrix::identity() * m, m);
}

TEST(Random, FifteenBitOutputsAndRanges) {
    seedRandom(1234);
    int lo = 1 << 30, hi = -1;
    for (int i = 0; i < 200000; ++i) {
        int r = randomRaw();
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        int n = random(7);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 7);
        float f = randomFloat(2.5f);
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 2.5f);
        float s = randomSigned(3.0f);
        ASSERT_GE(s, -3.0f);
        ASSERT_LE(s, 3.0f);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, kRandomMax);
    EXPECT_EQ(random(0), 0); // no division by zero
}

TEST(Random, SameSeedSameSequence) {
    seedRandom(77);
    int a[5];
    for (int& x : a) x = randomRaw();
    seedRandom(77);
    for (int x : a) EXPECT_EQ(randomRaw(), x);
}
