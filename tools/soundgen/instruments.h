// The band: synthesised 16-bit instruments for the music module. Every pitched
// sample repeats every 128 frames and plays two octaves up, so note C-4 sounds
// at middle C (261 Hz).
#pragma once
#include "soundgen/xm_writer.h"

#include <vector>

namespace soundgen {

// Instrument numbers as patterns use them (1-based, XM style).
enum Instrument : uint8_t {
    kFlute = 1,
    kPad,
    kHarp,
    kBells,
    kBass,
    kKeys,
    kKick,
    kSnare,
    kHat,
    kShaker,
    kReed,
};

std::vector<XmInstrument> makeInstruments();

} // namespace soundgen
