// The built data set as the game finds it: plain files below Data and the
// entries of the three archives, unscrambled by a reader of our own so that a
// fault in the packing tool cannot hide behind the same fault in the reader.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace awtest {

using Bytes = std::vector<uint8_t>;

struct ArchiveEntry {
    std::string name;
    Bytes data;
};

struct ArchiveReadResult {
    std::vector<ArchiveEntry> entries;
    bool wellFormed = true; // the last entry ends exactly at the end of the file
};

// Reads and unscrambles a whole archive image.
ArchiveReadResult readArchive(const Bytes& image);

class DataSet {
public:
    // Data below AW_BUILD_DIR, with the staging tree beside it.
    static const DataSet& instance();

    std::string dataDir;
    std::string stageDir;
    std::map<std::string, ArchiveReadResult> archives; // by archive file name, present ones only

    // A plain file below Data ('/' separated relative path).
    bool onDisk(const std::string& relPath) const;
    // An archive entry of that request name (compared without case, as the game does).
    const ArchiveEntry* entry(const std::string& requestName) const;
    // Where the game looks: first the archives (by request name), then the disk
    // in the directory that is current for the request.
    std::optional<Bytes> read(const std::string& dir, const std::string& requestName) const;
};

Bytes readBytes(const std::string& path);
std::string asString(const Bytes& b);
std::string upper(std::string s);

} // namespace awtest
