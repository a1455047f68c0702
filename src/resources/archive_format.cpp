#include "resources/archive_format.h"

#include <algorithm>
#include <cstring>

namespace aw {

void scrambleEntry(uint8_t* data, size_t length, const char* name, size_t nameLength) {
    if (nameLength == 0) return;
    // Name-long strides instead of a division per byte: the start-up load
    // unscrambles every archive it opens.
    for (size_t at = 0; at < length; at += nameLength) {
        const size_t n = std::min(nameLength, length - at);
        for (size_t i = 0; i < n; ++i) data[at + i] ^= static_cast<uint8_t>(name[i]);
    }
}

ArchiveScan scanArchive(uint8_t* image, size_t size, bool unscramble) {
    ArchiveScan scan;
    size_t cursor = 0;
    while (cursor < size) {
        scan.stoppedAt = cursor;
        const void* nul = std::memchr(image + cursor, 0, size - cursor);
        if (!nul) {
            scan.problem = "name without its terminating NUL";
            scan.wellFormed = false;
            return scan;
        }
        size_t nameLength = static_cast<size_t>(static_cast<const uint8_t*>(nul) - (image + cursor));
        if (nameLength > kArchiveNameMax) {
            scan.problem = "name longer than 63 bytes";
            scan.wellFormed = false;
            return scan;
        }
        size_t lengthAt = cursor + nameLength + 1;
        if (size - lengthAt < 4) {
            scan.problem = "length field runs past the end";
            scan.wellFormed = false;
            return scan;
        }
        const uint8_t* p = image + lengthAt;
        uint32_t length = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        size_t dataAt = lengthAt + 4;
        if (length > size - dataAt) {
            scan.problem = "data runs past the end";
            scan.wellFormed = false;
            return scan;
        }
        if (nameLength == 0 && length != 0) {
            scan.problem = "data under an empty name";
            scan.wellFormed = false;
            return scan;
        }
        const char* name = reinterpret_cast<const char*>(image + cursor);
        if (unscramble) scrambleEntry(image + dataAt, length, name, nameLength);
        scan.entries.push_back({name, nameLength, dataAt, length});
        cursor = dataAt + length;
    }
    scan.stoppedAt = cursor;
    return scan;
}

bool appendArchiveEntry(std::vector<uint8_t>& archive, const std::string& name, const uint8_t* data,
                        size_t size) {
    if (name.empty() || name.size() > kArchiveNameMax || name.find('\0') != std::string::npos) return false;
    if (size > 0xFFFFFFFFu) return false;
    archive.insert(archive.end(), name.begin(), name.end());
    archive.push_back(0);
    uint32_t length = static_cast<uint32_t>(size);
    for (int i = 0; i < 4; ++i) archive.push_back(static_cast<uint8_t>(length >> (8 * i)));
    size_t at = archive.size();
    archive.insert(archive.end(), data, data + size);
    scrambleEntry(archive.data() + at, size, name.data(), name.size());
    return true;
}

} // namespace aw
