#include "load_floor.h"

#include "board/level_file.h"
#include "persistence/player_paths.h"
#include "platform/audio_backend.h"
#include "platform/files.h"
#include "platform/image_decode.h"
#include "resources/archive_format.h"

#include <cstring>
#include <map>
#include <vector>

namespace aw {
namespace {

const char* const kArchives[] = {"targa.dat", "jpeg.dat", "texts.dat"};
// Texts and pictures the load takes from the archives (or the disk).
const char* const kTexts[] = {"strings.txt", "tips.txt", "font.dat"};
const char* const kPictures[] = {"font.tga", "podsvet.jpg"};
const char* const kPlayerFiles[] = {"profiles.dat", "records.dat", "hiscore.dat"};

struct Floor {
    LoadFloorResult result;
    std::map<std::string, std::vector<uint8_t>> unpacked; // archive entries by upper-case name
    std::vector<uint8_t> bytes;

    void count(size_t n) {
        result.files += 1;
        result.bytes += (long long)n;
    }
    static std::string upper(std::string s) {
        for (char& c : s)
            if (c >= 'a' && c <= 'z') c = char(c - 32);
        return s;
    }
    // An archive entry, else the file on disk.
    const std::vector<uint8_t>* find(const std::string& dir, const char* name) {
        auto it = unpacked.find(upper(name));
        if (it != unpacked.end()) return &it->second;
        if (!readFile(dir + name, bytes)) return nullptr;
        count(bytes.size());
        return &bytes;
    }
};

} // namespace

LoadFloorResult readStartupFilesTight(const std::string& dir) {
    Floor f;
    for (const char* a : kArchives) {
        std::vector<uint8_t> image;
        if (!readFile(dir + a, image)) continue;
        ArchiveScan scan = scanArchive(image.data(), image.size(), true);
        for (const ArchiveEntryView& e : scan.entries) {
            f.unpacked[Floor::upper(e.name)].assign(image.begin() + long(e.dataOffset),
                                                    image.begin() + long(e.dataOffset + e.length));
            f.count(e.length);
        }
    }
    for (const char* t : kTexts) f.find(dir, t);
    for (const char* p : kPlayerFiles) f.find(settingsDirectory() + "/", p);
    for (const char* p : kPictures) {
        const std::vector<uint8_t>* data = f.find(dir, p);
        DecodedImage img;
        if (data) decodeImage(data->data(), int(data->size()), img);
    }
    for (const std::string& name : listFiles(dir + "Sounds", "*.ogg")) {
        if (!readFile(dir + "Sounds/" + name, f.bytes)) continue;
        audioSampleLoad(f.bytes.data(), f.bytes.size(), 1);
        f.count(f.bytes.size());
    }
    if (readFile(dir + "music.mo3", f.bytes)) {
        audioMusicLoad(f.bytes.data(), f.bytes.size());
        f.count(f.bytes.size());
    }
    for (int i = 0; i < kLevelCount; ++i)
        if (readFile(dir + "levels/" + levelFileName(i), f.bytes)) f.count(f.bytes.size());
    return f.result;
}

} // namespace aw
