// Directories of the run: where the game starts, its read-only Data
// directory, and the player-file directory.
#pragma once
#include <string>

namespace aw {

std::string currentDirectory();
bool setCurrentDirectory(const std::string& dir);
// Creates dir and any missing parents; true when it exists afterwards.
bool makeDirectories(const std::string& dir);

// The directory of the running executable (from /proc/self/exe).
std::string executableDirectory();
// The first that exists of: "Data" below the working directory, the "Data"
// directory beside the executable, and the installed one,
// <executable's directory>/../share/amberwick/Data. When none exists, the
// one beside the executable (the load then names what is missing). Always
// an absolute path ending in '/'.
std::string findDataDirectory();
// The same rule for a given working and executable directory (absolute, no
// trailing '/').
std::string chooseDataDirectory(const std::string& workingDir, const std::string& executableDir);
// $XDG_DATA_HOME/amberwick (default ~/.local/share/amberwick), absolute, no
// trailing '/'. Created when missing.
std::string playerDirectory();

} // namespace aw
