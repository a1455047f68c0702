// Player profiles: up to eight records stored in "profiles.dat" (128 bytes
// each, in profile order). The count and the current index live in the
// settings record, which "settings.dat" carries.
//
// Lifetime: the run; read once by the start-up load, then the in-memory
// table is the truth and is written whole at each save.
#pragma once
#include "core/game_constants.h"
#include <cstdint>

namespace aw {

constexpr int kMaxProfiles = 8;
constexpr int kProfileRecordSize = 128;
constexpr int kProfileNameSize = 32;
constexpr int kTutorialFlagCount = 13;

struct Profile {
    char name[kProfileNameSize];   // NUL-terminated
    int32_t currentLevel[kModeCount];  // level within the stage
    int32_t currentStage[kModeCount];
    int32_t furthestLevel[kModeCount]; // within the furthest stage
    int32_t furthestStage[kModeCount];
    int32_t lives[kModeCount];
    int32_t score[kModeCount];     // carried into the current level
    uint8_t lastMode;              // 0 adventure, 1 timeless, 2 puzzle
    uint8_t reserved[7];
    uint8_t savedGame[kModeCount]; // 1 = that mode's saved game is current
    uint8_t tutorialPending[kTutorialFlagCount]; // 1 = tip not shown yet
};

int profileCount();
int currentProfileIndex();
// The profile at the current index; always a valid record (zeroed when there
// are no profiles), so callers check profileCount() before trusting it.
Profile* currentProfile();
// Null when index is out of range.
Profile* profileAt(int index);

// Reads "profiles.dat" (the count comes from the settings record; a file too
// short for it lowers the count to the complete records it holds), then the
// current profile's trophies. Missing file: no profiles.
void readProfiles();
// The table from a "profiles.dat" image (the part of readProfiles after the
// read): the count from the settings record, lowered to the complete records
// the image holds; the current index kept on a profile.
void decodeProfileTable(const uint8_t* bytes, int size);

// Refused (false) when the name is empty, longer than 31 bytes, holds a path
// separator or a control byte, equals an existing name exactly, or the table
// is full. The new profile becomes current; its trophy file is written cleared.
bool addProfile(const char* name);
// Removes the profile and deletes its trophy file and saved games.
void removeProfile(int index);
// Refused like addProfile, and when the name equals the profile's own. The
// trophy file and the saved games move to the new name.
bool renameProfile(int index, const char* name);
// Makes the profile current and reads its trophy file.
void selectProfile(int index);

void encodeProfile(const Profile& p, uint8_t out[kProfileRecordSize]);
// Reads one record; the name is NUL-terminated and the mode kept in range.
void decodeProfile(const uint8_t in[kProfileRecordSize], Profile& p);

// Clears the table (the count and index in the settings record too).
void resetProfiles();

} // namespace aw
