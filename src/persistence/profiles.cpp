#include "persistence/profiles.h"

#include "persistence/binary_fields.h"
#include "persistence/player_file_io.h"
#include "persistence/player_paths.h"
#include "persistence/profile_files.h"
#include "persistence/settings.h"
#include "persistence/trophy_file.h"

#include <cstring>

namespace aw {
namespace {

// Lives for the run; the count and current index are in settings().
Profile profiles[kMaxProfiles];

enum ProfileOffset {
    kNameAt = 0,
    kCurrentLevelAt = 32,
    kCurrentStageAt = 44,
    kFurthestLevelAt = 56,
    kFurthestStageAt = 68,
    kLivesAt = 80,
    kScoreAt = 92,
    kLastModeAt = 104,
    kReservedAt = 105,
    kSavedGameAt = 112,
    kTutorialAt = 115,
};

void putModes(uint8_t* out, const int32_t (&v)[kModeCount]) {
    for (int m = 0; m < kModeCount; ++m) putInt32(out + 4 * m, v[m]);
}
void getModes(const uint8_t* in, int32_t (&v)[kModeCount]) {
    for (int m = 0; m < kModeCount; ++m) v[m] = getInt32(in + 4 * m);
}

bool nameTaken(const char* name) {
    for (int i = 0; i < settings().profileCount; ++i)
        if (std::strcmp(profiles[i].name, name) == 0) return true;
    return false;
}

} // namespace

int profileCount() { return settings().profileCount; }
int currentProfileIndex() { return settings().currentProfileIndex; }

Profile* currentProfile() {
    int i = settings().currentProfileIndex;
    return &profiles[i >= 0 && i < kMaxProfiles ? i : 0];
}

Profile* profileAt(int index) { return index >= 0 && index < settings().profileCount ? &profiles[index] : nullptr; }

void encodeProfile(const Profile& p, uint8_t out[kProfileRecordSize]) {
    putName(out + kNameAt, kProfileNameSize, p.name);
    putModes(out + kCurrentLevelAt, p.currentLevel);
    putModes(out + kCurrentStageAt, p.currentStage);
    putModes(out + kFurthestLevelAt, p.furthestLevel);
    putModes(out + kFurthestStageAt, p.furthestStage);
    putModes(out + kLivesAt, p.lives);
    putModes(out + kScoreAt, p.score);
    out[kLastModeAt] = p.lastMode;
    std::memcpy(out + kReservedAt, p.reserved, sizeof p.reserved);
    std::memcpy(out + kSavedGameAt, p.savedGame, sizeof p.savedGame);
    std::memcpy(out + kTutorialAt, p.tutorialPending, sizeof p.tutorialPending);
}

void decodeProfile(const uint8_t in[kProfileRecordSize], Profile& p) {
    getName(p.name, sizeof p.name, in + kNameAt, kProfileNameSize);
    getModes(in + kCurrentLevelAt, p.currentLevel);
    getModes(in + kCurrentStageAt, p.currentStage);
    getModes(in + kFurthestLevelAt, p.furthestLevel);
    getModes(in + kFurthestStageAt, p.furthestStage);
    getModes(in + kLivesAt, p.lives);
    getModes(in + kScoreAt, p.score);
    // The mode indexes the per-mode arrays: keep it one of the three.
    p.lastMode = in[kLastModeAt] < kModeCount ? in[kLastModeAt] : 0;
    std::memcpy(p.reserved, in + kReservedAt, sizeof p.reserved);
    std::memcpy(p.savedGame, in + kSavedGameAt, sizeof p.savedGame);
    std::memcpy(p.tutorialPending, in + kTutorialAt, sizeof p.tutorialPending);
}

void decodeProfileTable(const uint8_t* bytes, int size) {
    Settings& s = settings();
    std::memset(profiles, 0, sizeof profiles);
    if (!bytes || size < 0) size = 0;
    int complete = size / kProfileRecordSize;
    if (s.profileCount > complete) s.profileCount = complete;
    if (s.profileCount > kMaxProfiles) s.profileCount = kMaxProfiles;
    if (s.profileCount < 0) s.profileCount = 0;
    for (int i = 0; i < s.profileCount; ++i) decodeProfile(bytes + i * kProfileRecordSize, profiles[i]);
    if (s.currentProfileIndex < 0 || s.currentProfileIndex >= s.profileCount) s.currentProfileIndex = 0;
}

void readProfiles() {
    uint8_t image[kMaxProfiles * kProfileRecordSize];
    int size = 0;
    if (!readPlayerFile(settingsPath("profiles.dat"), image, int(sizeof image), &size)) size = 0;
    decodeProfileTable(image, size);
    Settings& s = settings();
    if (s.profileCount > 0)
        readProfileTrophies(currentProfile()->name);
    else
        resetTrophyState();
}

bool addProfile(const char* name) {
    Settings& s = settings();
    if (!isValidProfileName(name) || nameTaken(name) || s.profileCount >= kMaxProfiles) return false;
    Profile& p = profiles[s.profileCount];
    std::memset(&p, 0, sizeof p);
    copyName(p.name, sizeof p.name, name);
    p.lastMode = 0;
    std::memset(p.tutorialPending, 1, sizeof p.tutorialPending);
    s.currentProfileIndex = s.profileCount;
    ++s.profileCount;
    resetTrophyState();
    writeProfileTrophies(p.name);
    returnToDataDirectory();
    return true;
}

void removeProfile(int index) {
    Settings& s = settings();
    if (index < 0 || index >= s.profileCount) return;
    char name[kProfileNameSize];
    copyName(name, sizeof name, profiles[index].name);
    std::memmove(&profiles[index], &profiles[index + 1], sizeof(Profile) * size_t(s.profileCount - index - 1));
    --s.profileCount;
    std::memset(&profiles[s.profileCount], 0, sizeof(Profile));
    if (s.currentProfileIndex >= index) --s.currentProfileIndex;
    if (s.currentProfileIndex < 0 || s.profileCount == 0) s.currentProfileIndex = 0;
    deleteProfileFiles(name);
    // The trophy record must follow the current profile, or the next award
    // would write the removed profile's trophies under another name.
    if (s.profileCount > 0)
        readProfileTrophies(currentProfile()->name);
    else
        resetTrophyState();
    returnToDataDirectory();
}

bool renameProfile(int index, const char* name) {
    if (!profileAt(index) || !isValidProfileName(name) || nameTaken(name)) return false;
    char oldName[kProfileNameSize];
    copyName(oldName, sizeof oldName, profiles[index].name);
    copyName(profiles[index].name, sizeof profiles[index].name, name);
    moveProfileFiles(oldName, profiles[index].name);
    returnToDataDirectory();
    return true;
}

void selectProfile(int index) {
    if (!profileAt(index)) return;
    settings().currentProfileIndex = index;
    readProfileTrophies(profiles[index].name);
}

void resetProfiles() {
    std::memset(profiles, 0, sizeof profiles);
    settings().profileCount = 0;
    settings().currentProfileIndex = 0;
    resetTrophyState();
}

} // namespace aw
