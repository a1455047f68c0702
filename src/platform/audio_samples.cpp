// Loading samples and starting, querying and stopping their voices.
#include "platform/audio_internal.h"

#include <algorithm>

namespace aw {

using namespace audio_detail;

namespace {

// Playback rates outside this range are clamped: below it nothing is heard,
// above it the resampler would skip most of the sound.
constexpr int kMinFrequency = 100;
constexpr int kMaxFrequency = 200000;

const DecodedSample* findSample(MixerShared& s, AudioSample sample) {
    if (sample == 0 || sample > s.samples.size())
        return nullptr;
    return s.samples[sample - 1].get();
}

} // namespace

AudioSample audioSampleLoad(const uint8_t* data, size_t size, int maxPlaybacks) {
    auto decoded = std::make_unique<DecodedSample>();
    if (!decodeVorbis(data, size, *decoded))
        return 0;
    decoded->maxPlaybacks = std::max(1, maxPlaybacks);
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.initialised)
        return 0;
    s.samples.push_back(std::move(decoded));
    return (AudioSample)s.samples.size();
}

int audioSampleRate(AudioSample sample) {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    const DecodedSample* d = findSample(s, sample);
    return d ? d->rate : 0;
}

AudioChannel audioSamplePlay(AudioSample sample, int frequency, float volume, bool loop) {
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.initialised)
        return 0;
    const DecodedSample* d = findSample(s, sample);
    if (!d)
        return 0;
    int busy = 0;
    int freeSlot = -1;
    int oldest = 0;
    for (int i = 0; i < kAudioVoices; ++i) {
        const VoiceSlot& slot = s.slots[i];
        if (slot.handle == 0) {
            if (freeSlot < 0)
                freeSlot = i;
            continue;
        }
        if (slot.sample == d)
            ++busy;
        if (slot.handle < s.slots[oldest].handle || s.slots[oldest].handle == 0)
            oldest = i;
    }
    if (busy >= d->maxPlaybacks)
        return 0;
    int i = freeSlot >= 0 ? freeSlot : oldest;
    int rate = frequency > 0 ? std::clamp(frequency, kMinFrequency, kMaxFrequency) : d->rate;
    VoiceSlot& slot = s.slots[i];
    slot.handle = s.nextHandle++;
    if (s.nextHandle == 0)
        s.nextHandle = 1;
    slot.sample = d;
    slot.step = (double)rate / kAudioRate;
    slot.volume = volume < 0 ? 1.f : std::min(volume, 1.f);
    slot.loop = loop;
    slot.startPending = true;
    return slot.handle;
}

bool audioChannelIsActive(AudioChannel channel) {
    if (channel == 0)
        return false;
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    for (const VoiceSlot& slot : s.slots) {
        if (slot.handle == channel)
            return true;
    }
    return false;
}

void audioChannelStop(AudioChannel channel) {
    if (channel == 0)
        return;
    MixerShared& s = shared();
    std::lock_guard<std::mutex> guard(s.lock);
    for (VoiceSlot& slot : s.slots) {
        if (slot.handle == channel) {
            slot.handle = 0;
            slot.startPending = false;
            slot.stopPending = true;
        }
    }
}

} // namespace aw
