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
// "Data" below the working directory when that exists, else the "Data"
// directory beside the executable; always an absolute path ending in '/'.
std::string findDataDirectory();
// $XDG_DATA_HOME/amberwick (default ~/.local/share/amberwick), absolute, no
// trailing '/'. Created when missing.
std::string playerDirectory();

} // namespace aw
