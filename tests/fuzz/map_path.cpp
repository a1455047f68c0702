// The map path, "mapspline.spl": decoded as loadMapPath decodes it, then
// walked as the map draws its trail and places its stages. Every position
// must be a point of the view, on the path or off it.
#include "fuzz_support.h"
#include "game/map_path.h"

#include <cmath>
#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    bool fromFile = aw::parseMapPath(data, size);
    const aw::MapPath& path = aw::mapPath();
    FUZZ_CHECK(path.fromFile == fromFile);
    FUZZ_CHECK(path.count >= 2 && path.count <= aw::kMaxPathPoints);
    FUZZ_CHECK(std::isfinite(path.length) && path.length > 0);
    FUZZ_CHECK(path.length <= aw::kPathPointSpacing * float(path.count - 1));
    float last = 0;
    for (int s = 0; s < aw::kStageCount; ++s) {
        float d = aw::stageDistance(s);
        FUZZ_CHECK(d >= last && d <= path.length);
        last = d;
        aw::Vec2 p = aw::pathPosition(d);
        FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
    }
    for (float d : {-1.0f, path.length * 0.37f, path.length, path.length + 1, NAN, INFINITY}) {
        aw::Vec2 p = aw::pathPosition(d);
        FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
    }
    aw::resetMapPath();
    return 0;
}
