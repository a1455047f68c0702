// The mixer: runs on the device callback (or the caller of audioRender) and
// owns the voices. Requests arrive through the shared slots under the lock;
// the mixing itself runs without the lock.
#include "platform/audio_internal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aw::audio_detail {

MixerShared& shared() {
    static MixerShared s;
    return s;
}

namespace {

// A playing voice; only the mixing thread touches these.
struct Voice {
    AudioChannel handle = 0;
    const DecodedSample* sample = nullptr;
    double pos = 0;
    double step = 1;
    float volume = 1;
    bool loop = false;
};

Voice voices[kAudioVoices];
float lastMusicGain = -1;

// Adds one voice into mix; false when it reached its end.
bool mixVoice(Voice& v, float* mix, int frames, float gain) {
    const DecodedSample& s = *v.sample;
    const int n = s.frames;
    const float* d = s.data.data();
    const float g = v.volume * gain;
    for (int f = 0; f < frames; ++f) {
        if (v.pos >= n) {
            if (!v.loop || n == 0)
                return false;
            v.pos = std::fmod(v.pos, (double)n);
        }
        int i = (int)v.pos;
        float frac = (float)(v.pos - i);
        int j = i + 1;
        bool hasNext = j < n || v.loop;
        if (j >= n)
            j = 0;
        if (s.channels == 1) {
            float a = d[i];
            float b = hasNext ? d[j] : 0.f;
            float x = (a + (b - a) * frac) * g;
            mix[2 * f] += x;
            mix[2 * f + 1] += x;
        } else {
            float al = d[2 * i], ar = d[2 * i + 1];
            float bl = hasNext ? d[2 * j] : 0.f, br = hasNext ? d[2 * j + 1] : 0.f;
            mix[2 * f] += (al + (bl - al) * frac) * g;
            mix[2 * f + 1] += (ar + (br - ar) * frac) * g;
        }
        v.pos += v.step;
    }
    return true;
}

} // namespace

void mixerReleaseVoices() {
    for (Voice& v : voices)
        v = Voice{};
    lastMusicGain = -1;
}

} // namespace aw::audio_detail

namespace aw {

using namespace audio_detail;

void audioRender(float* out, int frames) {
    if (frames <= 0)
        return;
    std::memset(out, 0, sizeof(float) * 2 * (size_t)frames);
    MixerShared& s = shared();
    bool paused;
    float effectsGain, musicGain;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.initialised)
            return;
        for (int i = 0; i < kAudioVoices; ++i) {
            VoiceSlot& slot = s.slots[i];
            if (slot.stopPending) {
                voices[i].handle = 0;
                slot.stopPending = false;
            }
            if (slot.startPending) {
                voices[i] = Voice{slot.handle, slot.sample, 0.0, slot.step, slot.volume, slot.loop};
                slot.startPending = false;
            }
        }
        musicTakeRequests(s.music);
        paused = s.paused;
        effectsGain = s.effectsGlobal / 100.f;
        musicGain = s.music.amplify / 50.f * (s.music.volume / 100.f) * (s.musicGlobal / 100.f);
    }
    musicApplyRequests();
    if (paused)
        return;

    AudioChannel ended[kAudioVoices];
    int endedCount = 0;
    for (Voice& v : voices) {
        if (!v.handle)
            continue;
        if (!mixVoice(v, out, frames, effectsGain)) {
            ended[endedCount++] = v.handle;
            v.handle = 0;
        }
    }
    if (lastMusicGain < 0)
        lastMusicGain = musicGain;
    int order = musicMixInto(out, frames, lastMusicGain, musicGain);
    lastMusicGain = musicGain;
    for (int i = 0; i < 2 * frames; ++i)
        out[i] = std::clamp(out[i], -1.f, 1.f);

    std::lock_guard<std::mutex> guard(s.lock);
    for (int e = 0; e < endedCount; ++e) {
        for (VoiceSlot& slot : s.slots) {
            if (slot.handle == ended[e] && !slot.startPending)
                slot.handle = 0;
        }
    }
    s.music.playingOrder = order;
}

void audioSetGlobalVolumes(int music, int effects) {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    if (music >= 0)
        s.musicGlobal = std::min(music, 100);
    if (effects >= 0)
        s.effectsGlobal = std::min(effects, 100);
}

void audioStart() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    s.paused = false;
}

void audioPause() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    s.paused = true;
}

bool audioPaused() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.paused;
}

bool audioInitialised() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.initialised;
}

} // namespace aw
