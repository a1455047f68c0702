// The options and profile bookkeeping stored in "settings.dat" (44 bytes,
// eleven little-endian int32 fields). Read once before the window exists,
// written whole at every save. The display fields are written but never read
// back: the game always opens its 800 x 600 frame.
//
// Lifetime: the run; resetSettings() restores the first-run defaults.
#pragma once
#include <cstdint>

namespace aw {

constexpr int kSettingsFileSize = 44;

struct Settings {
    int32_t musicVolume = 100;        // 0..100, the module music's global volume
    int32_t soundVolume = 80;         // 0..100, the samples' global volume
    int32_t renderWidth = 800;        // written only
    int32_t renderHeight = 600;       // written only
    int32_t resolutionIndex = 0;      // written only
    int32_t colorDepthPreference = 0; // written only
    int32_t customCursor = 0;         // 0 or 1
    int32_t reserved = 0;             // kept and written back unchanged
    int32_t currentProfileIndex = 0;  // 0..kMaxProfiles-1
    int32_t profileCount = 0;         // 0..kMaxProfiles
    int32_t fullScreen = 1;           // 0 or 1
};

// The one settings record every subsystem reads and the options screen edits.
Settings& settings();
void resetSettings();

// Reads "settings.dat" from the settings directory; safe before any window
// exists. A missing file keeps the defaults; a short one sets the whole
// fields it holds. Returns to the data directory.
void readSettings();

// The file image of s (44 bytes).
void encodeSettings(const Settings& s, uint8_t out[kSettingsFileSize]);
// Takes the fields read at start from the first size bytes of a file image
// (whole fields only) and keeps the rest of s; values are brought into range.
void decodeSettings(const uint8_t* bytes, int size, Settings& s);

} // namespace aw
