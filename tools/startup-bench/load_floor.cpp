#include "load_floor.h"

#include "platform/audio_backend.h"
#include "platform/files.h"
#include "platform/image_decode.h"

#include <strings.h>

#include <vector>

namespace aw {
namespace {

// Recorded once, replayed each run: copies of the pictures' bytes, because
// many come out of archives already in memory.
std::vector<std::string> filesRead;
std::vector<std::vector<uint8_t>> picturesDecoded;

void noteFile(const std::string& path, size_t) { filesRead.push_back(path); }
void notePicture(const uint8_t* data, int size) { picturesDecoded.emplace_back(data, data + size); }

bool endsWith(const std::string& s, const char* tail) {
    size_t n = std::char_traits<char>::length(tail);
    return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, tail) == 0;
}

} // namespace

void startRecordingLoad() {
    filesRead.clear();
    picturesDecoded.clear();
    setFileReadObserver(noteFile);
    setImageDecodeObserver(notePicture);
}

void stopRecordingLoad() {
    setFileReadObserver(nullptr);
    setImageDecodeObserver(nullptr);
}

LoadFloorResult replayLoadTight() {
    LoadFloorResult result;
    std::vector<uint8_t> bytes;
    for (const std::string& path : filesRead) {
        if (!readFile(path, bytes)) continue;
        result.files += 1;
        result.bytes += (long long)bytes.size();
        if (endsWith(path, ".ogg"))
            audioSampleLoad(bytes.data(), bytes.size(), 1);
        else if (endsWith(path, ".mo3"))
            audioMusicLoad(bytes.data(), bytes.size());
    }
    for (const std::vector<uint8_t>& picture : picturesDecoded) {
        DecodedImage img;
        decodeImage(picture.data(), int(picture.size()), img);
    }
    return result;
}

} // namespace aw
