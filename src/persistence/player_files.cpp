#include "persistence/player_files.h"

#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "persistence/settings.h"
#include "persistence/trophy_file.h"
#include "resources/registry.h"

#include <vector>

namespace aw {

void writePlayerFiles() {
    ensureSettingsDirectory();
    uint8_t settingsImage[kSettingsFileSize];
    encodeSettings(settings(), settingsImage);
    writeFileOrDie(settingsPath("settings.dat").c_str(), settingsImage, kSettingsFileSize);

    uint8_t profileImage[kMaxProfiles * kProfileRecordSize] = {};
    int count = profileCount();
    for (int i = 0; i < count; ++i) encodeProfile(*profileAt(i), profileImage + i * kProfileRecordSize);
    writeFileOrDie(settingsPath("profiles.dat").c_str(), profileImage, count * kProfileRecordSize);

    std::vector<uint8_t> recordImage(kRecordsFileSize);
    encodeRecords(recordImage.data());
    writeFileOrDie(settingsPath("records.dat").c_str(), recordImage.data(), kRecordsFileSize);

    uint8_t scoreImage[kHighScoreFileSize];
    encodeHighScores(scoreImage);
    writeFileOrDie(settingsPath("hiscore.dat").c_str(), scoreImage, kHighScoreFileSize);
    returnToDataDirectory();
}

void resetPersistence() {
    resetSettings();
    resetProfiles();
    resetTrophyState();
    resetRecords();
    resetPlayerPaths();
}

} // namespace aw
