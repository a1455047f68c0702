// The trophy room's layout, "trophy.cfg": a file accepted must give finite
// places and be written back byte for byte as it came.
#include "fuzz_support.h"
#include "game/trophy_layout.h"

#include <cmath>
#include <initializer_list>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    static aw::TrophyLayout layout;
    layout = aw::TrophyLayout{};
    if (!aw::decodeTrophyLayout(data, int(size), layout)) {
        FUZZ_CHECK(!layout.fromFile);
        return 0;
    }
    FUZZ_CHECK(size == size_t(aw::kTrophyLayoutFileSize) && layout.fromFile);
    for (int number = 1; number <= aw::kTrophyCount; ++number) {
        const aw::TrophyPlace& place = layout.places[number - 1];
        for (float v : {place.width, place.height, place.x, place.y, place.scale}) FUZZ_CHECK(std::isfinite(v));
        aw::trophyRect(place);
    }
    uint8_t back[aw::kTrophyLayoutFileSize];
    aw::encodeTrophyLayout(layout, back);
    FUZZ_CHECK(std::memcmp(back, data, sizeof back) == 0);
    return 0;
}
