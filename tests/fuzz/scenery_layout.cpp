// Scenery layouts, "level%i.lev": the records read as sceneryLayout reads
// them, against a catalogue parsed from the real kinds, so the roles and
// kinds are worked out too.
#include "effects/scenery_catalogue.h"
#include "effects/scenery_layout.h"
#include "fuzz_support.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    static aw::SceneryObject objects[aw::kMaxLayoutObjects];
    int n = aw::parseLayout(data, size, objects, aw::kMaxLayoutObjects);
    FUZZ_CHECK(n >= 0 && n <= aw::kMaxLayoutObjects);
    FUZZ_CHECK(size >= aw::kLayoutHeaderSize + size_t(n) * aw::kLayoutRecordSize || n == 0);
    for (int i = 0; i < n; ++i) {
        FUZZ_CHECK(std::strlen(objects[i].kindName) < sizeof objects[i].kindName);
        // Without a catalogue no kind is found, and nothing is drawn.
        FUZZ_CHECK(objects[i].kind == nullptr && objects[i].role == aw::SceneryRole::None);
    }
    FUZZ_CHECK(aw::parseLayout(data, size, objects, 3) <= 3);
    return 0;
}
