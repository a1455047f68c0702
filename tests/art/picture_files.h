// Reading back the painter's output: files, decoding, alpha-JPEG splitting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace arttest {

struct Decoded {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;  // 4 bytes a texel, rows top to bottom
    uint8_t alphaAt(int x, int y) const { return rgba[(size_t(y) * w + x) * 4 + 3]; }
};

std::optional<std::vector<uint8_t>> readAll(const std::string& path);
std::optional<Decoded> decode(const std::vector<uint8_t>& bytes);

// Splits at the first FF D9 as the game's loader does: the JPEG part
// includes the marker; the rest is the alpha plane.
struct AlphaJpeg {
    std::vector<uint8_t> jpeg;
    std::vector<uint8_t> plane;
};
std::optional<AlphaJpeg> splitAlphaJpeg(const std::vector<uint8_t>& bytes);

bool isPowerOfTwo(int n);

}  // namespace arttest
