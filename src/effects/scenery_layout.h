// The layouts of the scenery objects, "AnimBacks/level%i.lev": which kinds
// stand where in front of or behind each painting, and how each one moves.
//
// Lifetime: the layouts 0 to 15 are read at start-up, 16 and 17 the first time
// they are shown; all stay for the run (their objects' clocks run while
// shown). resetSceneryLayouts() forgets them (tests).
#pragma once
#include "core/color.h"
#include "core/rect.h"
#include "core/vec.h"

#include <cstddef>
#include <cstdint>

namespace aw {

struct SceneryKind;

constexpr int kLayoutCount = 18;
constexpr int kCachedLayoutsAtStart = 16; // 0 to 15 are read at start-up
constexpr int kMaxLayoutObjects = 256;

// "level%i.lev" layout (little-endian, packed).
constexpr size_t kLayoutTitleSize = 64;
constexpr size_t kLayoutCountOffset = 64;
constexpr size_t kLayoutHeaderSize = 68;
constexpr size_t kLayoutRecordSize = 65;
constexpr size_t kRecordKindOffset = 0, kRecordKindSize = 32;
constexpr size_t kRecordRectOffset = 32;
constexpr size_t kRecordRotationOffset = 48;
constexpr size_t kRecordFlowOffset = 52;
constexpr size_t kRecordMirrorOffset = 60;
constexpr size_t kRecordBehindOffset = 61;

// What an object does, from its kind name (first match: "sky", "waterfall",
// "water", "spray", "leaves1", "leaves2", "leaves"; otherwise a still picture
// behind or in front of the painting). Kinds missing from the catalogue or
// without a picture draw nothing.
enum class SceneryRole : uint8_t { None, Sky, Waterfall, Water, Spray, Leaves1, Leaves2, Leaves, Behind, Front };

struct SceneryObject {
    char kindName[32] = {};
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // screen-centred units, y up
    float rotation = 0;                   // degrees
    Vec2 flow;                            // scroll speed of water, shade of leaves
    bool mirror = false;
    bool behind = false;
    const SceneryKind* kind = nullptr;
    SceneryRole role = SceneryRole::None;
    Color colour;      // white
    float clockMs = 0; // spray and leaves
};

struct SceneryLayout {
    bool loaded = false;
    int count = 0;
    SceneryObject objects[kMaxLayoutObjects];
};

// Reads the records of a layout file as far as the file holds them (a
// negative count reads none; at most maxCount) and links each to its kind.
int parseLayout(const uint8_t* data, size_t size, SceneryObject* out, int maxCount);
SceneryRole sceneryRole(const char* kindName, const SceneryKind* kind, bool behind);

// The layout of a background number (0 to 17), read from "level%i.lev" in the
// current directory the first time (a missing file ends the program with the
// loading error); null for other numbers.
SceneryLayout* sceneryLayout(int number);
bool sceneryLayoutLoaded(int number);
void resetSceneryLayouts();

} // namespace aw
