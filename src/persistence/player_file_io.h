// Exact-name access to the player's files. Unlike data files, these are never
// matched case-insensitively: "Ann.trp" and "ann.trp" belong to two profiles.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace aw {

// Reads at most capacity bytes; false when the file is missing or not a
// plain file. outSize receives the bytes read.
bool readPlayerFile(const std::string& path, uint8_t* buffer, int capacity, int* outSize);
bool playerFileExists(const std::string& path);
// Missing files are not an error.
void deletePlayerFile(const std::string& path);
// Copies src over dst; false when src cannot be read or dst not written.
bool copyPlayerFile(const std::string& src, const std::string& dst);
// Writes a whole file through a temporary file renamed over the old one, so a
// failed or interrupted write leaves the previous file whole. The settings
// directory is created when missing. False when nothing was written.
bool writePlayerFile(const std::string& path, const void* data, size_t size);

} // namespace aw
