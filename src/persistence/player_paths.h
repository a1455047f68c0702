// Where the player's files and the data set are. The shell sets both at
// start-up; until then the data directory is the current directory and the
// settings directory is playerDirectory() + "/settings".
#pragma once
#include <string>

namespace aw {

void setDataDirectory(const std::string& dir);
void setSettingsDirectory(const std::string& dir);
// The current directory when none was set.
std::string dataDirectory();
std::string settingsDirectory();
// settingsDirectory() + "/" + fileName.
std::string settingsPath(const std::string& fileName);
// Creates the settings directory when missing; true when it exists.
bool ensureSettingsDirectory();
// Makes the data directory current (when one was set).
void returnToDataDirectory();
// Forgets both settings (tests).
void resetPlayerPaths();

} // namespace aw
