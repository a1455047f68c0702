// The trophy list, "trophy.txt": the picture and glow names read as
// loadTrophies reads them, each cut to its field.
#include "fuzz_support.h"
#include "game/trophy_media.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    static aw::TrophyMedia media;
    media = aw::TrophyMedia{};
    bool complete = aw::parseTrophyList(reinterpret_cast<const char*>(data), int(size), media);
    for (int i = 0; i < aw::kTrophyCount; ++i) {
        size_t picture = strnlen(media.pictureName[i], aw::kTrophyNameSize);
        size_t glow = strnlen(media.glowName[i], aw::kTrophyNameSize);
        FUZZ_CHECK(picture < size_t(aw::kTrophyNameSize) && glow < size_t(aw::kTrophyNameSize));
        if (complete) FUZZ_CHECK(picture > 0 && glow > 0);
    }
    return 0;
}
