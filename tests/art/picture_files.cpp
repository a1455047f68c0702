#include "picture_files.h"

#include <stb_image.h>

#include <cstdio>

namespace arttest {

std::optional<std::vector<uint8_t>> readAll(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return bytes;
}

std::optional<Decoded> decode(const std::vector<uint8_t>& bytes) {
    int w, h, comp;
    stbi_uc* px = stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &comp, 4);
    if (!px) return std::nullopt;
    Decoded d;
    d.w = w;
    d.h = h;
    d.rgba.assign(px, px + size_t(w) * h * 4);
    stbi_image_free(px);
    return d;
}

std::optional<AlphaJpeg> splitAlphaJpeg(const std::vector<uint8_t>& bytes) {
    for (size_t p = 0; p + 1 < bytes.size(); ++p)
        if (bytes[p] == 0xFF && bytes[p + 1] == 0xD9) {
            AlphaJpeg a;
            a.jpeg.assign(bytes.begin(), bytes.begin() + long(p) + 2);
            a.plane.assign(bytes.begin() + long(p) + 2, bytes.end());
            return a;
        }
    return std::nullopt;
}

bool isPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace arttest
