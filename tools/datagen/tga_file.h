// Uncompressed 32-bit TGA output, top row first, alpha kept.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace aw::datagen {

// rgba: width * height pixels, 4 bytes each in R, G, B, A order, top row first.
std::vector<uint8_t> encodeTga(int width, int height, const std::vector<uint8_t>& rgba);

bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace aw::datagen
