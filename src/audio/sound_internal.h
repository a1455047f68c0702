// Shared between the sound system's files only.
#pragma once
#include "audio/sound_system.h"

namespace aw::sound_detail {

SoundState& state();
// The music part of updateSound.
void updateTuneFade(float dtMs);
// Clears every request entry (no handles, position zero, loop flag clear).
void clearRequests();

} // namespace aw::sound_detail
