// Files and directories as the game sees them. Data names may use '\' as the
// separator and any letter case: they are mapped to '/' and, when the exact
// name is missing, matched case-insensitively component by component.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The path to open for a data name, relative to the current directory (or
// absolute when name is). Returns the mapped name unchanged when no file matches.
std::string resolvePath(const std::string& name);

bool fileExists(const std::string& name);
bool directoryExists(const std::string& name);
// Reads the whole file; false (out cleared) when it cannot be opened or read.
bool readFile(const std::string& name, std::vector<uint8_t>& out);
// Benchmarks: told of every file readFile read (the path opened, its size).
using FileReadObserver = void (*)(const std::string& path, size_t bytes);
void setFileReadObserver(FileReadObserver observer);
// The size in bytes, or -1 when the file cannot be opened.
long long fileSize(const std::string& name);

// Writes to a temporary file in the same directory and renames it over the
// old one, so a crash or a full disk never leaves a half-written file.
bool writeFileAtomic(const std::string& name, const void* data, size_t size);
// Copies src over dst (replacing it); false when src is missing or dst cannot be written.
bool copyFile(const std::string& src, const std::string& dst);
// false when the file did not exist or could not be removed.
bool deleteFile(const std::string& name);

// Names (not paths) of the plain files in dir whose name matches pattern
// ('*' and '?' wildcards, case-insensitive), sorted case-insensitively so the
// order is the same on every machine.
std::vector<std::string> listFiles(const std::string& dir, const std::string& pattern);

// Case-insensitive wildcard match of a whole name ('*' any run, '?' one byte).
bool wildcardMatch(const std::string& pattern, const std::string& name);

} // namespace aw
