// "settings.dat": the fields read at start taken from a file image, then the
// image the game writes back; the values must come out in range.
#include "fuzz_support.h"
#include "persistence/profiles.h"
#include "persistence/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    aw::Settings s;
    aw::decodeSettings(data, int(size), s);
    FUZZ_CHECK(s.musicVolume >= 0 && s.musicVolume <= 100);
    FUZZ_CHECK(s.soundVolume >= 0 && s.soundVolume <= 100);
    FUZZ_CHECK(s.customCursor == 0 || s.customCursor == 1);
    FUZZ_CHECK(s.fullScreen == 0 || s.fullScreen == 1);
    FUZZ_CHECK(s.profileCount >= 0 && s.profileCount <= aw::kMaxProfiles);
    FUZZ_CHECK(s.currentProfileIndex >= 0 && (s.currentProfileIndex < s.profileCount || s.currentProfileIndex == 0));
    uint8_t image[aw::kSettingsFileSize];
    aw::encodeSettings(s, image);
    aw::Settings again;
    aw::decodeSettings(image, aw::kSettingsFileSize, again);
    FUZZ_CHECK(again.musicVolume == s.musicVolume && again.profileCount == s.profileCount &&
               again.currentProfileIndex == s.currentProfileIndex && again.reserved == s.reserved);
    return 0;
}
