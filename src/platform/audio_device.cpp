// The SDL output device whose callback runs the mixer.
#include "platform/audio_internal.h"

#include <SDL.h>

namespace aw {

using namespace audio_detail;

namespace {

SDL_AudioDeviceID device = 0;

void SDLCALL fillDevice(void*, Uint8* stream, int len) {
    audioRender(reinterpret_cast<float*>(stream), len / (int)(2 * sizeof(float)));
}

void resetShared(MixerShared& s) {
    std::lock_guard<std::mutex> guard(s.lock);
    s.initialised = false;
    s.paused = false;
    s.musicGlobal = 100;
    s.effectsGlobal = 100;
    s.nextHandle = 1;
    for (VoiceSlot& slot : s.slots)
        slot = VoiceSlot{};
    s.music = MusicShared{};
    s.samples.clear();
}

} // namespace

bool audioInit() {
    if (audioInitialised())
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec want{};
    want.freq = kAudioRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = fillDevice;
    SDL_AudioSpec have{};
    // No allowed changes: SDL converts to whatever the hardware takes.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    {
        MixerShared& s = shared();
        std::lock_guard<std::mutex> guard(s.lock);
        s.initialised = true;
        s.paused = false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void audioInitOffline() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    s.initialised = true;
    s.paused = false;
}

void audioFree() {
    if (device != 0) {
        // Waits for a running callback to finish; after this nothing mixes.
        SDL_CloseAudioDevice(device);
        device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    MixerShared& s = shared();
    {
        // A module loaded but never taken by the mixer is freed with the rest.
        std::lock_guard<std::mutex> guard(s.lock);
        musicTakeRequests(s.music);
    }
    musicRelease();
    mixerReleaseVoices();
    resetShared(s);
}

} // namespace aw
