// The tune table and the change-tune fade.
#include "audio/sound_internal.h"

#include <cmath>

namespace aw {

using sound_detail::state;

namespace {

constexpr int kTunePositions[] = {0, 17, 31, 47, 72, 89, 92};
constexpr int kTuneCount = sizeof(kTunePositions) / sizeof(kTunePositions[0]);

void startTarget() {
    MusicState& m = state().music;
    audioMusicSetVolume(100);
    audioMusicPlay(m.targetPosition);
    m.currentPosition = m.targetPosition;
}

} // namespace

int tunePosition(int tune) {
    return tune >= 0 && tune < kTuneCount ? kTunePositions[tune] : 0;
}

void changeTune(int tune) {
    MusicState& m = state().music;
    int position = tunePosition(tune);
    if (position == m.targetPosition)
        return;
    m.targetPosition = position;
    // A change during a fade keeps fading from where it is: restarting the
    // countdown would jump the old tune back to full volume.
    if (m.fadeCountdown <= 0)
        m.fadeCountdown = (float)kTuneFadeMs;
}

void startTuneAtOnce(int tune) {
    MusicState& m = state().music;
    int position = tunePosition(tune);
    if (position == m.targetPosition)
        return;
    m.targetPosition = position;
    startTarget();
    m.fadeCountdown = 0;
}

namespace sound_detail {

void updateTuneFade(float dtMs) {
    MusicState& m = state().music;
    if (m.fadeCountdown <= 0)
        return;
    m.fadeCountdown -= dtMs;
    if (m.fadeCountdown > 0) {
        audioMusicSetVolume((int)std::floor(m.fadeCountdown / 8.f));
        return;
    }
    m.fadeCountdown = 0;
    startTarget();
}

} // namespace sound_detail

} // namespace aw
