#include "audio/sound_internal.h"

namespace aw {

namespace sound_detail {

SoundState& state() {
    static SoundState s;
    return s;
}

void clearRequests() {
    SoundState& s = state();
    for (SoundRequest& r : s.requests)
        r = SoundRequest{};
    s.writeIndex = 0;
}

} // namespace sound_detail

const SoundState& soundState() {
    return sound_detail::state();
}

void resetSound() {
    shutdownSound();
    sound_detail::state() = SoundState{};
}

} // namespace aw
