#include "persistence/player_paths.h"

#include "platform/paths.h"

namespace aw {
namespace {
// Set once by the shell, lives for the run.
struct PlayerPaths {
    std::string dataDirectory;
    std::string settingsDirectory;
} paths;
} // namespace

void setDataDirectory(const std::string& dir) { paths.dataDirectory = dir; }
void setSettingsDirectory(const std::string& dir) { paths.settingsDirectory = dir; }

std::string dataDirectory() { return paths.dataDirectory.empty() ? currentDirectory() : paths.dataDirectory; }

std::string settingsDirectory() {
    if (paths.settingsDirectory.empty()) paths.settingsDirectory = playerDirectory() + "/settings";
    return paths.settingsDirectory;
}

std::string settingsPath(const std::string& fileName) {
    std::string dir = settingsDirectory();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + fileName;
}

bool ensureSettingsDirectory() { return makeDirectories(settingsDirectory()); }

void returnToDataDirectory() {
    if (!paths.dataDirectory.empty()) setCurrentDirectory(paths.dataDirectory);
}

void resetPlayerPaths() { paths = PlayerPaths{}; }

} // namespace aw
