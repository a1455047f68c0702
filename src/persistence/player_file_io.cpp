#include "persistence/player_file_io.h"

#include "persistence/player_paths.h"
#include "platform/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace aw {

bool readPlayerFile(const std::string& path, uint8_t* buffer, int capacity, int* outSize) {
    if (outSize) *outSize = 0;
    std::error_code ec;
    if (!buffer || capacity < 0 || !std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(buffer), capacity);
    if (outSize) *outSize = static_cast<int>(in.gcount());
    return true;
}

bool playerFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void deletePlayerFile(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

bool copyPlayerFile(const std::string& src, const std::string& dst) {
    std::ifstream in(src, std::ios::binary);
    if (!in) return false;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    return writeFileAtomic(dst, bytes.data(), bytes.size());
}

bool writePlayerFile(const std::string& path, const void* data, size_t size) {
    if (path.empty() || (size > 0 && !data)) return false;
    ensureSettingsDirectory();
    return writeFileAtomic(path, data, size);
}

} // namespace aw
