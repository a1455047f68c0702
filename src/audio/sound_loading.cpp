// Starting the output, loading the sound files and the music, volumes,
// suspend and shut down.
#include "audio/sound_internal.h"
#include "platform/files.h"

#include <cstring>
#include <vector>

namespace aw {

using sound_detail::state;

namespace {

std::string joinPath(const std::string& dir, const char* name) {
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

} // namespace

bool startSound() {
    SoundState& s = state();
    s.started = audioInit();
    if (!s.started)
        return false;
    audioStart();
    sound_detail::clearRequests();
    applyVolumes(s.musicVolume, s.effectsVolume);
    return true;
}

void loadSounds(const std::string& dataDir, const LoadProgress& progress) {
    SoundState& s = state();
    const std::string soundDir = joinPath(dataDir, "Sounds");
    std::vector<uint8_t> bytes;
    for (const std::string& file : listFiles(soundDir, "*.ogg")) {
        if (s.sampleCount >= kMaxSounds)
            break;
        // The name is the lookup key and must fit its field whole: a cut name
        // would answer to a request for a different file.
        if (file.size() > (size_t)kSoundNameMax)
            continue;
        const std::string path = joinPath(soundDir, file.c_str());
        SoundSample& entry = s.samples[s.sampleCount++];
        entry = SoundSample{};
        std::memcpy(entry.name, file.c_str(), file.size() + 1);
        if (s.started && readFile(path, bytes))
            entry.handle = audioSampleLoad(bytes.data(), bytes.size(), kMaxSamplePlaybacks);
        if (progress) {
            long long size = fileSize(path);
            progress(size > 0 ? size : 0);
        }
    }
    if (s.started && readFile(joinPath(dataDir, "music.mo3"), bytes))
        s.music.loaded = audioMusicLoad(bytes.data(), bytes.size());
    if (progress)
        progress(kMusicProgressBytes);
    audioMusicSetAmplify(kMusicAmplify);
}

void applyVolumes(int musicVolume, int effectsVolume) {
    SoundState& s = state();
    s.musicVolume = musicVolume < 0 ? 0 : musicVolume > 100 ? 100 : musicVolume;
    s.effectsVolume = effectsVolume < 0 ? 0 : effectsVolume > 100 ? 100 : effectsVolume;
    audioSetGlobalVolumes(s.musicVolume, s.effectsVolume);
}

void suspendSound() {
    audioPause();
}

void resumeSound() {
    audioStart();
}

void shutdownSound() {
    SoundState& s = state();
    audioPause();
    audioFree();
    s.started = false;
    s.music.loaded = false;
    for (int i = 0; i < s.sampleCount; ++i)
        s.samples[i].handle = 0;
}

} // namespace aw
