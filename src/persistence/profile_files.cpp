#include "persistence/profile_files.h"

#include "persistence/player_paths.h"
#include "persistence/player_file_io.h"

#include <cstring>

namespace aw {
namespace {

const char* const kSuffixes[kProfileFileCount] = {".trp", "_cls.sav", "_ndl.sav", "_org.sav"};

bool unsafeByte(unsigned char c) { return c == '/' || c == '\\' || c < 0x20 || c == 0x7F; }

} // namespace

std::string safeProfileFileStem(const char* profileName) {
    std::string stem = profileName ? profileName : "";
    for (char& c : stem)
        if (unsafeByte(static_cast<unsigned char>(c))) c = '_';
    return stem;
}

std::string profileFilePath(const char* profileName, ProfileFile kind) {
    return settingsPath(safeProfileFileStem(profileName) + kSuffixes[int(kind)]);
}

bool isValidProfileName(const char* name) {
    if (!name || !name[0]) return false;
    size_t n = std::strlen(name);
    if (n > 31) return false;
    for (size_t i = 0; i < n; ++i)
        if (unsafeByte(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

void deleteProfileFiles(const char* profileName) {
    for (int k = 0; k < kProfileFileCount; ++k) deletePlayerFile(profileFilePath(profileName, ProfileFile(k)));
}

void moveProfileFiles(const char* oldName, const char* newName) {
    for (int k = 0; k < kProfileFileCount; ++k) {
        std::string from = profileFilePath(oldName, ProfileFile(k));
        std::string to = profileFilePath(newName, ProfileFile(k));
        if (from == to || !playerFileExists(from)) continue;
        if (copyPlayerFile(from, to)) deletePlayerFile(from);
    }
}

} // namespace aw
