#include "game/map_path.h"

#include "resources/registry.h"

#include <cmath>
#include <cstring>

namespace aw {
namespace {

// Lives for the run.
MapPath path;
void buildFallbackCourse();
// The built-in course stands until the file is read.
[[maybe_unused]] const bool pathReady = (buildFallbackCourse(), true);

int32_t readInt32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

float readFloat(const uint8_t* p) {
    uint32_t bits = uint32_t(readInt32(p));
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

void computeStageDistances() {
    for (int s = 0; s < kStageCount; ++s) {
        float d = float(s) * path.length / float(kStageCount - 1);
        path.stageDistance[s] = d > path.length ? path.length : d;
    }
}

// A zig-zag across the middle of the chart, one corner per stage, so that
// without a path file the marks still stand apart.
void buildFallbackCourse() {
    path = MapPath{};
    const float x0 = 400, dx = 89, yHigh = 440, yLow = 584;
    auto corner = [&](int s) { return Vec2{x0 + dx * float(s), s % 2 ? yLow : yHigh}; };
    const float leg = std::hypot(dx, yLow - yHigh);
    float total = leg * float(kStageCount - 1);
    int n = int(total / kPathPointSpacing) + 1;
    for (int k = 0; k < n && k < kMaxPathPoints; ++k) {
        float d = kPathPointSpacing * float(k);
        int s = int(d / leg);
        if (s >= kStageCount - 1) s = kStageCount - 2;
        float t = (d - leg * float(s)) / leg;
        Vec2 a = corner(s), b = corner(s + 1);
        path.points[k] = a + (b - a) * t;
    }
    path.count = n;
    path.length = kPathPointSpacing * float(n - 1);
    path.fromFile = false;
    computeStageDistances();
}

} // namespace

const MapPath& mapPath() { return path; }

bool parseMapPath(const uint8_t* data, size_t size) {
    buildFallbackCourse();
    if (!data || size < kSplineHeaderSize) return false;
    int32_t n = readInt32(data);
    float length = readFloat(data + 4);
    if (n < 2 || n > kMaxPathPoints) return false;
    if (size < kSplineHeaderSize + size_t(n) * kSplinePointSize) return false;
    if (!std::isfinite(length) || length <= 0) return false;

    MapPath read;
    for (int i = 0; i < n; ++i) {
        const uint8_t* p = data + kSplineHeaderSize + size_t(i) * kSplinePointSize;
        float x = readFloat(p), y = readFloat(p + 4);
        if (!std::isfinite(x) || !std::isfinite(y)) return false;
        read.points[i] = {x + kPathShiftX, y + kPathShiftY};
    }
    // The tuning values are kept when the file has them; a file that ends
    // after its points keeps zeros.
    size_t tuningAt = kSplineHeaderSize + size_t(n) * kSplinePointSize;
    for (int i = 0; i < kSplineTuningCount && tuningAt + 4 * size_t(i + 1) <= size; ++i)
        read.tuning[i] = readFloat(data + tuningAt + 4 * size_t(i));
    read.count = n;
    float reach = kPathPointSpacing * float(n - 1);
    read.length = length > reach ? reach : length;
    read.fromFile = true;
    path = read;
    computeStageDistances();
    return true;
}

bool loadMapPath() {
    int size = 0;
    uint8_t* data = loadResource("mapspline.spl", &size, false);
    bool ok = parseMapPath(data, data && size > 0 ? size_t(size) : 0);
    if (data) releaseResource(data);
    return ok;
}

Vec2 pathPosition(float d) {
    if (!(d >= 0)) return kBeforePathPoint; // NaN too
    if (d > path.length || path.count == 0) return kAfterPathPoint;
    float f = d / kPathPointSpacing;
    int i = int(f);
    if (i >= path.count - 1) return path.points[path.count - 1];
    Vec2 a = path.points[i], b = path.points[i + 1];
    return a + (b - a) * (f - float(i));
}

float stageDistance(int stage) {
    if (stage < 0) stage = 0;
    if (stage >= kStageCount) stage = kStageCount - 1;
    return path.stageDistance[stage];
}

void resetMapPath() { buildFallbackCourse(); }

} // namespace aw
