// The scenery catalogue, "gameobjs.txt": every entry found must be a kind
// and a file taken from inside the text, in group order.
#include "effects/scenery_catalogue.h"
#include "fuzz_support.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    static aw::CatalogueEntry entries[aw::kMaxSceneryKinds];
    int n = aw::parseCatalogue(text, entries, aw::kMaxSceneryKinds);
    FUZZ_CHECK(n >= 0 && n <= aw::kMaxSceneryKinds);
    auto inside = [&](std::string_view part) {
        return part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size();
    };
    int group = 0;
    for (int i = 0; i < n; ++i) {
        const aw::CatalogueEntry& e = entries[i];
        FUZZ_CHECK(!e.kind.empty() && !e.file.empty() && inside(e.kind) && inside(e.file));
        FUZZ_CHECK(e.kind.find('=') == std::string_view::npos);
        FUZZ_CHECK(e.group >= group);
        group = e.group;
    }
    return 0;
}
