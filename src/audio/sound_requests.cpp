// The request ring: effects are queued whenever the game asks and started
// once per tick by updateSound.
#include "audio/sound_internal.h"

#include <cstring>

namespace aw {

using sound_detail::state;

namespace {

void queueRequest(const char* name, int frequency, float volume, bool loop) {
    if (!name)
        return;
    SoundState& s = state();
    for (int i = 0; i < s.sampleCount; ++i) {
        SoundSample& sample = s.samples[i];
        if (std::strcmp(sample.name, name) != 0)
            continue;
        // Looping entries are never overwritten. The walk is bounded: when
        // every entry loops there is no room and the request is dropped.
        int steps = 0;
        while (s.requests[s.writeIndex].loop && steps < kSoundRequests) {
            s.writeIndex = (s.writeIndex + 1) % kSoundRequests;
            ++steps;
        }
        if (steps == kSoundRequests)
            return;
        if (sample.retriggerGuard > 0)
            continue;
        sample.retriggerGuard = kRetriggerGuardMs;
        SoundRequest& r = s.requests[s.writeIndex];
        r.state = kRequestPending;
        r.position = Vec3{0, 0, 0};
        r.loop = loop;
        r.sample = sample.handle;
        r.frequency = frequency;
        r.volume = volume;
        s.writeIndex = (s.writeIndex + 1) % kSoundRequests;
    }
}

} // namespace

void playEffect(const char* name) {
    queueRequest(name, kAudioRate, -1.f, false);
}

void playEffectAt(const char* name, int frequency) {
    queueRequest(name, frequency, -1.f, false);
}

void playEffectVolume(const char* name, float volume) {
    if (!(volume >= 0))
        volume = 0;
    queueRequest(name, kAudioRate, volume > 1 ? 1.f : volume, false);
}

void playEffectEx(const char* name, int frequency, float volume, bool loop) {
    queueRequest(name, frequency, volume, loop);
}

void updateSound(float dtMs) {
    SoundState& s = state();
    for (int i = 0; i < s.sampleCount; ++i) {
        if (s.samples[i].retriggerGuard > 0)
            s.samples[i].retriggerGuard -= dtMs;
    }
    for (SoundRequest& r : s.requests) {
        if (r.state == kRequestPending) {
            r.channel = audioSamplePlay(r.sample, r.frequency, r.volume, r.loop);
            r.state = kRequestPlaying;
        } else if (r.state == kRequestPlaying) {
            r.state = audioChannelIsActive(r.channel) ? kRequestPlaying : kRequestIdle;
        }
    }
    sound_detail::updateTuneFade(dtMs);
}

} // namespace aw
