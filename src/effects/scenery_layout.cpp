#include "effects/scenery_layout.h"

#include "effects/scenery_catalogue.h"
#include "persistence/binary_fields.h"
#include "resources/registry.h"

#include <cstdio>
#include <cstring>

namespace aw {
namespace {

// Lives for the run (reset by resetSceneryLayouts).
SceneryLayout layouts[kLayoutCount];

} // namespace

SceneryRole sceneryRole(const char* name, const SceneryKind* kind, bool behind) {
    if (!kind || !kind->texture) return SceneryRole::None;
    auto has = [name](const char* part) { return std::strstr(name, part) != nullptr; };
    if (has("sky")) return SceneryRole::Sky;
    if (has("waterfall")) return SceneryRole::Waterfall;
    if (has("water")) return SceneryRole::Water;
    if (has("spray")) return SceneryRole::Spray;
    if (has("leaves1")) return SceneryRole::Leaves1;
    if (has("leaves2")) return SceneryRole::Leaves2;
    if (has("leaves")) return SceneryRole::Leaves;
    return behind ? SceneryRole::Behind : SceneryRole::Front;
}

int parseLayout(const uint8_t* data, size_t size, SceneryObject* out, int maxCount) {
    if (!data || size < kLayoutHeaderSize) return 0;
    int32_t declared = getInt32(data + kLayoutCountOffset);
    size_t held = (size - kLayoutHeaderSize) / kLayoutRecordSize;
    int n = declared < 0 ? 0 : declared;
    if (size_t(n) > held) n = int(held);
    if (n > maxCount) n = maxCount;
    for (int i = 0; i < n; ++i) {
        const uint8_t* r = data + kLayoutHeaderSize + size_t(i) * kLayoutRecordSize;
        SceneryObject& o = out[i];
        o = SceneryObject{};
        getName(o.kindName, sizeof o.kindName, r + kRecordKindOffset, kRecordKindSize);
        o.x1 = getFloat32(r + kRecordRectOffset);
        o.y1 = getFloat32(r + kRecordRectOffset + 4);
        o.x2 = getFloat32(r + kRecordRectOffset + 8);
        o.y2 = getFloat32(r + kRecordRectOffset + 12);
        o.rotation = getFloat32(r + kRecordRotationOffset);
        o.flow = {getFloat32(r + kRecordFlowOffset), getFloat32(r + kRecordFlowOffset + 4)};
        o.mirror = r[kRecordMirrorOffset] != 0;
        o.behind = getInt32(r + kRecordBehindOffset) != 0;
        o.kind = findSceneryKind(o.kindName);
        o.role = sceneryRole(o.kindName, o.kind, o.behind);
    }
    return n;
}

SceneryLayout* sceneryLayout(int number) {
    if (number < 0 || number >= kLayoutCount) return nullptr;
    SceneryLayout& layout = layouts[number];
    if (layout.loaded) return &layout;
    char name[32];
    std::snprintf(name, sizeof name, "level%i.lev", number);
    int size = 0;
    uint8_t* data = loadResource(name, &size, true);
    layout.count = parseLayout(data, size_t(size > 0 ? size : 0), layout.objects, kMaxLayoutObjects);
    layout.loaded = true;
    releaseResource(data);
    return &layout;
}

bool sceneryLayoutLoaded(int number) { return number >= 0 && number < kLayoutCount && layouts[number].loaded; }

void resetSceneryLayouts() {
    for (SceneryLayout& l : layouts) {
        l.loaded = false;
        l.count = 0;
    }
}

} // namespace aw
