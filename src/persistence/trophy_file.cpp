#include "persistence/trophy_file.h"

#include "persistence/player_file_io.h"
#include "persistence/player_paths.h"
#include "persistence/profile_files.h"
#include "resources/registry.h"

namespace aw {
namespace {
TrophyState trophies;
} // namespace

TrophyState& trophyState() { return trophies; }
void resetTrophyState() { trophies = TrophyState{}; }

void encodeTrophies(const TrophyState& t, uint8_t out[kTrophyFileSize]) {
    for (int i = 0; i < kTrophyCount; ++i) {
        out[2 * i] = t.isNew[i] ? 1 : 0;
        out[2 * i + 1] = t.earned[i] ? 1 : 0;
    }
}

int decodeTrophies(const uint8_t* bytes, int size, TrophyState& t) {
    t = TrophyState{};
    int taken = 0;
    for (; taken < kTrophyCount && bytes && 2 * taken + 1 < size; ++taken) {
        uint8_t isNew = bytes[2 * taken], earned = bytes[2 * taken + 1];
        if (isNew > 1 || earned > 1) break;
        t.isNew[taken] = isNew & earned;
        t.earned[taken] = earned;
    }
    return taken;
}

void readProfileTrophies(const char* profileName) {
    uint8_t image[kTrophyFileSize];
    int size = 0;
    if (readPlayerFile(profileFilePath(profileName, ProfileFile::trophies), image, kTrophyFileSize, &size))
        decodeTrophies(image, size, trophies);
    else
        resetTrophyState();
}

void writeProfileTrophies(const char* profileName) {
    uint8_t image[kTrophyFileSize];
    encodeTrophies(trophies, image);
    ensureSettingsDirectory();
    writeFileOrDie(profileFilePath(profileName, ProfileFile::trophies).c_str(), image, kTrophyFileSize);
}

} // namespace aw
