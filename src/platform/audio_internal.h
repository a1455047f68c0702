// Records shared by the audio layer's files. Only src/platform/audio_*.cpp
// include this.
#pragma once
#include "platform/audio_backend.h"

#include <memory>
#include <mutex>
#include <vector>

namespace aw::audio_detail {

// A decoded sample: interleaved float frames. Lives until audioFree.
struct DecodedSample {
    std::vector<float> data;
    int channels = 1;
    int rate = kAudioRate;
    int frames = 0;
    int maxPlaybacks = 1;
};

// Decodes Ogg Vorbis from memory; false when the data is not Vorbis.
bool decodeVorbis(const uint8_t* data, size_t size, DecodedSample& out);

// What the game thread asks of one voice, under the lock.
struct VoiceSlot {
    AudioChannel handle = 0; // 0: free; cleared by the mixer when the voice ends
    const DecodedSample* sample = nullptr;
    double step = 1;
    float volume = 1;
    bool loop = false;
    bool startPending = false;
    bool stopPending = false;
};

// Music requests, under the lock; the mixer applies them before each block.
struct MusicShared {
    void* pendingModule = nullptr; // a freshly loaded module for the mixer to take
    bool loaded = false;
    int orderCount = 0;
    int pendingOrder = -1;
    int playingOrder = -1;
    int volume = 100;
    int amplify = 50;
};

// Everything the game thread and the callback share. Lives for the run.
struct MixerShared {
    std::mutex lock;
    bool initialised = false;
    bool paused = false;
    int musicGlobal = 100;
    int effectsGlobal = 100;
    uint32_t nextHandle = 1;
    VoiceSlot slots[kAudioVoices];
    MusicShared music;
    std::vector<std::unique_ptr<DecodedSample>> samples; // handle = index + 1
};
MixerShared& shared();

// Music side of the mixer (audio_music.cpp). Called by audioRender only.
// Takes the pending module and order; call with the lock held.
void musicTakeRequests(MusicShared& music);
// Puts the taken module and order into effect; without the lock.
void musicApplyRequests();
// Adds the music into mix with a gain ramp from gain0 to gain1; returns the
// order now playing (-1 when there is no music).
int musicMixInto(float* mix, int frames, float gain0, float gain1);
// Frees the module; only when no callback can run.
void musicRelease();
// Drops the mixer's private voices (device closed).
void mixerReleaseVoices();

} // namespace aw::audio_detail
