// The adventure map's path: the winding trail the 15 stages stand along,
// read from "mapspline.spl" (little-endian: point count, path length, the
// points in chart pixels, ten reserved tuning values). Points stand 20 path
// units apart. A file that is missing, short or damaged leaves a built-in
// straight course across the chart, so every stage mark stays apart and
// clickable and the map still works as a level list.
//
// Lifetime: read once by the start-up load, kept for the run; resetMapPath()
// puts the built-in course back (tests).
#pragma once
#include "core/vec.h"
#include "game/stages.h"

#include <cstddef>
#include <cstdint>

namespace aw {

// The file's layout.
constexpr size_t kSplineHeaderSize = 8;     // count, length
constexpr size_t kSplinePointSize = 8;      // x, y
constexpr int kSplineTuningCount = 10;      // reserved floats after the points
constexpr float kPathPointSpacing = 20.0f;  // path units between two points
// Every point is moved by this after loading.
constexpr float kPathShiftX = 0.0f, kPathShiftY = 30.0f;
constexpr int kMaxPathPoints = 4096;
// Where distances outside the path are drawn: off the view.
constexpr Vec2 kBeforePathPoint{1000.0f, 0.0f};
constexpr Vec2 kAfterPathPoint{-1000.0f, 0.0f};

struct MapPath {
    Vec2 points[kMaxPathPoints];
    int count = 0;
    float length = 0;
    float tuning[kSplineTuningCount] = {}; // read and kept, not used
    float stageDistance[kStageCount] = {};
    bool fromFile = false; // false: the built-in course
};

const MapPath& mapPath();

// Decodes the file's bytes (any size, any content). False, with the built-in
// course in place, when the count runs past the data, there are fewer than two
// points, or a number is not finite. A length longer than the points reach
// is cut to the last point, so no stage piles up on it.
bool parseMapPath(const uint8_t* data, size_t size);
// Reads "mapspline.spl" through the resource registry (optional).
bool loadMapPath();

// The point at distance d along the path: off the view before 0 and after the
// length; between two points by straight interpolation; the last point at or
// beyond the second-last one.
Vec2 pathPosition(float d);
// Stage s stands at s times length / 14 (clamped to the length).
float stageDistance(int stage);

void resetMapPath();

} // namespace aw
