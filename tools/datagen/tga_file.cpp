#include "tga_file.h"

#include <fstream>

namespace aw::datagen {

std::vector<uint8_t> encodeTga(int width, int height, const std::vector<uint8_t>& rgba) {
    std::vector<uint8_t> out(18, 0);
    out[2] = 2; // uncompressed true colour
    out[12] = static_cast<uint8_t>(width & 0xFF);
    out[13] = static_cast<uint8_t>(width >> 8);
    out[14] = static_cast<uint8_t>(height & 0xFF);
    out[15] = static_cast<uint8_t>(height >> 8);
    out[16] = 32;
    out[17] = 0x28; // 8 alpha bits, origin at the top left
    out.reserve(out.size() + rgba.size());
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        out.push_back(rgba[i + 2]);
        out.push_back(rgba[i + 1]);
        out.push_back(rgba[i + 0]);
        out.push_back(rgba[i + 3]);
    }
    return out;
}

bool writeBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace aw::datagen
