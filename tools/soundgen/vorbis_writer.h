// Ogg Vorbis encoding of a mono sound with libvorbisenc.
#pragma once
#include "soundgen/synth.h"

#include <cstdint>
#include <vector>

namespace soundgen {

// quality -0.1 .. 1 (VBR). Empty when the encoder refuses.
std::vector<uint8_t> encodeVorbis(const Sound& s, float quality);

} // namespace soundgen
