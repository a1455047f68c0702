// The second level of a texture: each texel the rounded average of a 2 x 2
// block of the first (edge texels repeat for odd sizes). Bytes B, G, R, A.
#pragma once
#include <cstdint>
#include <vector>

namespace aw {

std::vector<uint8_t> halfLevel(const std::vector<uint8_t>& src, int w, int h, int& outW, int& outH);

} // namespace aw
