// The files a profile owns in the settings directory, named after it: the
// trophy file and one saved game per mode. A profile name read from a file
// is not trusted: separators and control bytes become '_' when a file name
// is formed, so no name can reach outside the settings directory.
#pragma once
#include <string>

namespace aw {

enum class ProfileFile { trophies, adventureSave, timelessSave, puzzleSave };
constexpr int kProfileFileCount = 4;

// The name with every '/', '\\', control byte and DEL replaced by '_'.
std::string safeProfileFileStem(const char* profileName);
// The full path of one of the profile's files ("%s.trp", "%s_cls.sav",
// "%s_ndl.sav", "%s_org.sav").
std::string profileFilePath(const char* profileName, ProfileFile kind);
// True when the name could be typed for a profile: 1 to 31 bytes, none of
// them a separator, a control byte or DEL.
bool isValidProfileName(const char* name);

// Deletes all four files; missing ones are ignored.
void deleteProfileFiles(const char* profileName);
// Copies each existing file to the new name (replacing), then deletes the old
// one only when its copy succeeded, so a failed copy never loses the file.
void moveProfileFiles(const char* oldName, const char* newName);

} // namespace aw
