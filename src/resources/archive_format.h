// The resource archive format, shared by the game and the amberwick-pack tool.
// An archive is a plain run of entries with no header: a NUL-terminated name
// (at most 63 bytes), a 32-bit little-endian length, then that many data bytes,
// each XORed with the name byte at (i mod name length).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

constexpr size_t kArchiveNameMax = 63;

// XORs data in place with the name bytes; the same call scrambles and unscrambles.
void scrambleEntry(uint8_t* data, size_t length, const char* name, size_t nameLength);

struct ArchiveEntryView {
    const char* name;   // points into the image, NUL-terminated
    size_t nameLength;
    size_t dataOffset;  // where the entry's data starts in the image
    uint32_t length;
};

struct ArchiveScan {
    std::vector<ArchiveEntryView> entries; // the complete entries, in file order
    bool wellFormed = true;                // the last entry ends exactly at the end
    size_t stoppedAt = 0;                  // offset of the first entry not read
    std::string problem;                   // why the walk stopped early
};

// Walks the entries of an archive image, trusting nothing: an unterminated or
// over-long name, a length that runs past the end, or data under an empty name
// stops the walk, keeping the entries before it. With unscramble set, each
// complete entry's data is unscrambled in place.
ArchiveScan scanArchive(uint8_t* image, size_t size, bool unscramble);

// Appends one scrambled entry. False (archive unchanged) when the name is
// empty, longer than kArchiveNameMax, holds a NUL, or the data exceeds 4 GiB.
bool appendArchiveEntry(std::vector<uint8_t>& archive, const std::string& name, const uint8_t* data,
                        size_t size);

} // namespace aw
