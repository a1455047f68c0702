#include "game/map_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace aw {
namespace {

struct SplineBytes {
    std::vector<uint8_t> b;
    void i32(int32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    }
    void f32(float f) {
        uint32_t v;
        std::memcpy(&v, &f, 4);
        i32(int32_t(v));
    }
};

// A straight path of n points 20 apart along x from (100, 200), length L.
SplineBytes straight(int n, float length, int tuning = kSplineTuningCount) {
    SplineBytes s;
    s.i32(n);
    s.f32(length);
    for (int i = 0; i < n; ++i) {
        s.f32(100.0f + 20.0f * float(i));
        s.f32(200.0f);
    }
    for (int i = 0; i < tuning; ++i) s.f32(float(i + 1));
    return s;
}

bool parse(const SplineBytes& s) { return parseMapPath(s.b.data(), s.b.size()); }

// Without the file every stage mark must still stand apart, so each can be clicked.
void expectUsableCourse() {
    const MapPath& p = mapPath();
    ASSERT_GE(p.count, 2);
    for (int a = 0; a < kStageCount; ++a) {
        Vec2 pa = pathPosition(stageDistance(a));
        EXPECT_TRUE(std::isfinite(pa.x) && std::isfinite(pa.y));
        for (int b = a + 1; b < kStageCount; ++b) {
            Vec2 pb = pathPosition(stageDistance(b));
            EXPECT_GT(std::hypot(pa.x - pb.x, pa.y - pb.y), 64.0f) << "stages " << a << " and " << b;
        }
    }
}

TEST(MapPath, ReadsPointsShiftedAndPlacesStagesAlongTheLength) {
    ASSERT_TRUE(parse(straight(71, 1400)));
    const MapPath& p = mapPath();
    EXPECT_TRUE(p.fromFile);
    EXPECT_EQ(p.count, 71);
    EXPECT_EQ(p.points[0], Vec2(100, 230)) << "moved by (0, 30)";
    EXPECT_FLOAT_EQ(p.tuning[9], 10.0f);
    EXPECT_FLOAT_EQ(stageDistance(0), 0);
    EXPECT_FLOAT_EQ(stageDistance(7), 700);
    EXPECT_FLOAT_EQ(stageDistance(14), 1400);
    // Between two points by straight interpolation; the ends lie off the view.
    EXPECT_NEAR(pathPosition(30).x, 130, 1e-3);
    EXPECT_NEAR(pathPosition(1400).x, 100 + 1400, 1e-3);
    EXPECT_EQ(pathPosition(-0.5f), kBeforePathPoint);
    EXPECT_EQ(pathPosition(1400.5f), kAfterPathPoint);
    EXPECT_EQ(pathPosition(std::numeric_limits<float>::quiet_NaN()), kBeforePathPoint);
}

TEST(MapPath, FileEndingAfterItsPointsOrWithATooLongLengthStillServes) {
    // No tuning values: the points are all there, so the path is kept.
    ASSERT_TRUE(parse(straight(20, 380, 0)));
    EXPECT_FLOAT_EQ(mapPath().tuning[0], 0);
    // A length past the last point would pile the late stages on it.
    ASSERT_TRUE(parse(straight(20, 5000)));
    EXPECT_FLOAT_EQ(mapPath().length, 380);
    EXPECT_NEAR(pathPosition(stageDistance(14)).x, 100 + 380, 1e-3);
    EXPECT_LT(pathPosition(stageDistance(13)).x, pathPosition(stageDistance(14)).x);
}

TEST(MapPath, DamagedFilesLeaveTheBuiltInCourse) {
    struct Case {
        const char* what;
        SplineBytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    SplineBytes header = straight(10, 180);
    header.b.resize(6);
    cases.push_back({"short header", header});
    SplineBytes cut = straight(10, 180);
    cut.b.resize(8 + 8 * 5);
    cases.push_back({"count beyond the file", cut});
    cases.push_back({"no points", straight(0, 180)});
    cases.push_back({"one point", straight(1, 0)});
    SplineBytes huge;
    huge.i32(kMaxPathPoints + 1);
    huge.f32(100);
    cases.push_back({"count beyond the table", huge});
    SplineBytes nan = straight(10, 180);
    float bad = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(&nan.b[8 + 8 * 3 + 4], &bad, 4);
    cases.push_back({"point not finite", nan});
    cases.push_back({"length infinite", straight(10, std::numeric_limits<float>::infinity())});
    cases.push_back({"length zero", straight(10, 0)});
    SplineBytes negative = straight(10, 180);
    negative.b[0] = 0xF6, negative.b[1] = negative.b[2] = negative.b[3] = 0xFF; // -10
    cases.push_back({"count -10", negative});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(parseMapPath(c.bytes.b.data(), c.bytes.b.size()));
        EXPECT_FALSE(mapPath().fromFile);
        expectUsableCourse();
    }
    EXPECT_FALSE(parseMapPath(nullptr, 100));
    expectUsableCourse();
}

} // namespace
} // namespace aw
