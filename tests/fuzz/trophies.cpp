// "%s.trp": the trophy pairs decoded from a file image of any length; every
// flag comes out 0 or 1 and survives writing back.
#include "fuzz_support.h"
#include "persistence/trophy_file.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1024) return 0;
    aw::TrophyState t;
    aw::decodeTrophies(data, int(size), t);
    for (int i = 0; i < aw::kTrophyCount; ++i) FUZZ_CHECK(t.isNew[i] <= 1 && t.earned[i] <= 1);
    uint8_t image[aw::kTrophyFileSize];
    aw::encodeTrophies(t, image);
    aw::TrophyState back;
    aw::decodeTrophies(image, aw::kTrophyFileSize, back);
    FUZZ_CHECK(std::memcmp(&back, &t, sizeof t) == 0);
    return 0;
}
