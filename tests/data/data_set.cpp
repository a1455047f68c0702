#include "data/data_set.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace awtest {

namespace fs = std::filesystem;

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::string asString(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string upper(std::string s) {
    for (char& c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || u >= 0xE0) c = static_cast<char>(u - 0x20);
    }
    return s;
}

ArchiveReadResult readArchive(const Bytes& image) {
    ArchiveReadResult r;
    size_t pos = 0;
    while (pos < image.size()) {
        size_t nameEnd = pos;
        while (nameEnd < image.size() && image[nameEnd] != 0) ++nameEnd;
        if (nameEnd + 5 > image.size()) {
            r.wellFormed = false;
            break;
        }
        std::string name(image.begin() + static_cast<long>(pos), image.begin() + static_cast<long>(nameEnd));
        size_t p = nameEnd + 1;
        uint32_t len = image[p] | image[p + 1] << 8 | image[p + 2] << 16 | static_cast<uint32_t>(image[p + 3]) << 24;
        p += 4;
        if (p + len > image.size()) {
            r.wellFormed = false;
            break;
        }
        ArchiveEntry e{name, Bytes(image.begin() + static_cast<long>(p), image.begin() + static_cast<long>(p + len))};
        for (size_t i = 0; !name.empty() && i < e.data.size(); ++i)
            e.data[i] ^= static_cast<uint8_t>(name[i % name.size()]);
        r.entries.push_back(std::move(e));
        pos = p + len;
    }
    return r;
}

const DataSet& DataSet::instance() {
    static DataSet set = [] {
        DataSet d;
        const char* build = std::getenv("AW_BUILD_DIR");
        std::string root = build ? build : ".";
        d.dataDir = root + "/Data";
        d.stageDir = root + "/data-stage";
        for (const char* name : {"targa.dat", "jpeg.dat", "texts.dat"}) {
            std::string path = d.dataDir + "/" + name;
            if (fs::is_regular_file(path)) d.archives[name] = readArchive(readBytes(path));
        }
        return d;
    }();
    return set;
}

bool DataSet::onDisk(const std::string& relPath) const {
    return fs::is_regular_file(dataDir + "/" + relPath);
}

const ArchiveEntry* DataSet::entry(const std::string& requestName) const {
    std::string key = upper(requestName);
    for (const auto& [file, archive] : archives)
        for (const ArchiveEntry& e : archive.entries)
            if (upper(e.name) == key) return &e;
    return nullptr;
}

std::optional<Bytes> DataSet::read(const std::string& dir, const std::string& requestName) const {
    if (const ArchiveEntry* e = entry(requestName)) return e->data;
    std::string rel = requestName;
    for (char& c : rel)
        if (c == '\\') c = '/';
    std::string path = dir.empty() ? rel : dir + "/" + rel;
    if (!onDisk(path)) return std::nullopt;
    return readBytes(dataDir + "/" + path);
}

} // namespace awtest
