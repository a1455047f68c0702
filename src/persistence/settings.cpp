#include "persistence/settings.h"

#include "persistence/binary_fields.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/player_file_io.h"

namespace aw {
namespace {

Settings current;

enum SettingsOffset {
    kMusicVolumeAt = 0,
    kSoundVolumeAt = 4,
    kRenderWidthAt = 8,
    kRenderHeightAt = 12,
    kResolutionIndexAt = 16,
    kColorDepthAt = 20,
    kCustomCursorAt = 24,
    kReservedAt = 28,
    kCurrentProfileAt = 32,
    kProfileCountAt = 36,
    kFullScreenAt = 40,
};

int32_t clampTo(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

} // namespace

Settings& settings() { return current; }
void resetSettings() { current = Settings{}; }

void encodeSettings(const Settings& s, uint8_t out[kSettingsFileSize]) {
    putInt32(out + kMusicVolumeAt, s.musicVolume);
    putInt32(out + kSoundVolumeAt, s.soundVolume);
    putInt32(out + kRenderWidthAt, s.renderWidth);
    putInt32(out + kRenderHeightAt, s.renderHeight);
    putInt32(out + kResolutionIndexAt, s.resolutionIndex);
    putInt32(out + kColorDepthAt, s.colorDepthPreference);
    putInt32(out + kCustomCursorAt, s.customCursor);
    putInt32(out + kReservedAt, s.reserved);
    putInt32(out + kCurrentProfileAt, s.currentProfileIndex);
    putInt32(out + kProfileCountAt, s.profileCount);
    putInt32(out + kFullScreenAt, s.fullScreen);
}

void decodeSettings(const uint8_t* bytes, int size, Settings& s) {
    auto has = [&](int offset) { return bytes && size >= offset + 4; };
    if (has(kMusicVolumeAt)) s.musicVolume = clampTo(getInt32(bytes + kMusicVolumeAt), 0, 100);
    if (has(kSoundVolumeAt)) s.soundVolume = clampTo(getInt32(bytes + kSoundVolumeAt), 0, 100);
    // Only the low byte of the cursor switch counts.
    if (has(kCustomCursorAt)) s.customCursor = bytes[kCustomCursorAt] != 0 ? 1 : 0;
    if (has(kReservedAt)) s.reserved = getInt32(bytes + kReservedAt);
    if (has(kCurrentProfileAt)) s.currentProfileIndex = getInt32(bytes + kCurrentProfileAt);
    if (has(kProfileCountAt)) s.profileCount = clampTo(getInt32(bytes + kProfileCountAt), 0, kMaxProfiles);
    if (has(kFullScreenAt)) s.fullScreen = getInt32(bytes + kFullScreenAt) != 0 ? 1 : 0;
    // The index must name a profile (or be 0 when there is none).
    if (s.currentProfileIndex < 0 || s.currentProfileIndex >= s.profileCount) s.currentProfileIndex = 0;
}

void readSettings() {
    uint8_t image[kSettingsFileSize];
    int size = 0;
    current = Settings{};
    if (readPlayerFile(settingsPath("settings.dat"), image, kSettingsFileSize, &size))
        decodeSettings(image, size, current);
    returnToDataDirectory();
}

} // namespace aw
