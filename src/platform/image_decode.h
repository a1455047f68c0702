// Picture decoding (TGA with its alpha channel, baseline and progressive
// JPEG) from bytes in memory.
#pragma once
#include <cstdint>
#include <vector>

namespace aw {

struct DecodedImage {
    int width = 0, height = 0;
    std::vector<uint8_t> bgra; // bytes B, G, R, A per pixel, rows top first; opaque when the file has no alpha
};

// False (image untouched) when the bytes are not a picture the decoder reads.
bool decodeImage(const uint8_t* data, int size, DecodedImage& out);
// Benchmarks: told of the bytes of every picture decodeImage is asked to read.
using ImageDecodeObserver = void (*)(const uint8_t* data, int size);
void setImageDecodeObserver(ImageDecodeObserver observer);

} // namespace aw
