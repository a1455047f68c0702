// Exact-name access to the player's files. Unlike data files, these are never
// matched case-insensitively: "Ann.trp" and "ann.trp" belong to two profiles.
#pragma once
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

} // namespace aw
