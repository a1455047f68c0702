// Module music through libopenmpt. The module is parsed on the caller's
// thread at load and then handed to the mixer, which alone renders and seeks it.
#include "platform/audio_internal.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <sstream>

namespace aw::audio_detail {

namespace {

// Mixer-thread state.
openmpt::module* module = nullptr;
bool playing = false;
openmpt::module* takenModule = nullptr;
int takenOrder = -1;

constexpr int kChunk = 1024;
float chunk[2 * kChunk];

} // namespace

void musicTakeRequests(MusicShared& music) {
    if (music.pendingModule) {
        delete takenModule; // superseded before the mixer got to it
        takenModule = static_cast<openmpt::module*>(music.pendingModule);
        music.pendingModule = nullptr;
    }
    if (music.pendingOrder >= 0) {
        takenOrder = music.pendingOrder;
        music.pendingOrder = -1;
    }
}

void musicApplyRequests() {
    if (takenModule) {
        delete module;
        module = takenModule;
        takenModule = nullptr;
        playing = false;
    }
    if (takenOrder >= 0 && module) {
        try {
            module->set_position_order_row(takenOrder, 0);
            playing = true;
        } catch (const openmpt::exception&) {
        }
        takenOrder = -1;
    }
}

int musicMixInto(float* mix, int frames, float gain0, float gain1) {
    if (!module || !playing)
        return -1;
    int done = 0;
    while (done < frames) {
        int n = std::min(kChunk, frames - done);
        size_t got = 0;
        try {
            got = module->read_interleaved_stereo(kAudioRate, (size_t)n, chunk);
        } catch (const openmpt::exception&) {
            got = 0;
        }
        for (size_t f = 0; f < got; ++f) {
            float t = (float)(done + (int)f) / (float)frames;
            float g = gain0 + (gain1 - gain0) * t;
            mix[2 * (done + f)] += chunk[2 * f] * g;
            mix[2 * (done + f) + 1] += chunk[2 * f + 1] * g;
        }
        if (got == 0)
            break;
        done += n;
    }
    return module->get_current_order();
}

void musicRelease() {
    delete module;
    module = nullptr;
    delete takenModule;
    takenModule = nullptr;
    takenOrder = -1;
    playing = false;
}

} // namespace aw::audio_detail

namespace aw {

using namespace audio_detail;

bool audioMusicLoad(const uint8_t* data, size_t size) {
    if (!data || size == 0)
        return false;
    openmpt::module* loaded = nullptr;
    try {
        std::ostringstream log;
        loaded = new openmpt::module(data, size, log);
        loaded->set_repeat_count(-1);
        // A tune starts clean at its song position, as a restart should.
        loaded->ctl_set_boolean("seek.sync_samples", false);
    } catch (const openmpt::exception&) {
        delete loaded;
        return false;
    }
    int orders = loaded->get_num_orders();
    MixerShared& s = shared();
    void* old = nullptr;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!s.initialised) {
            delete loaded;
            return false;
        }
        old = s.music.pendingModule;
        s.music.pendingModule = loaded;
        s.music.loaded = true;
        s.music.orderCount = orders;
        s.music.pendingOrder = -1;
        s.music.playingOrder = -1;
    }
    // A module handed over earlier but never taken by the mixer.
    delete static_cast<openmpt::module*>(old);
    return true;
}

bool audioMusicLoaded() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.music.loaded;
}

void audioMusicSetAmplify(int amplify) {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    s.music.amplify = std::clamp(amplify, 0, 100);
}

void audioMusicSetVolume(int volume) {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    s.music.volume = std::clamp(volume, 0, 100);
}

void audioMusicPlay(int order) {
    if (order < 0)
        return;
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.music.loaded)
        s.music.pendingOrder = order;
}

int audioMusicOrder() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.music.playingOrder;
}

int audioMusicOrderCount() {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.music.orderCount;
}

} // namespace aw
