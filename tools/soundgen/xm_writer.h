// A FastTracker 2 extended module (XM) writer: 16-bit samples, one sample per
// instrument, volume envelopes, packed patterns.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

constexpr int kXmKeyOff = 97;
// Effect numbers as XM stores them.
constexpr uint8_t kXmPositionJump = 0x0B;
constexpr uint8_t kXmSetSpeed = 0x0F; // below 32: ticks per row, else BPM
constexpr uint8_t kXmGlobalVolume = 0x10;

struct XmEnvelope {
    std::vector<std::pair<int, int>> points; // (tick, 0..64), at most 12
    int sustain = -1;
};

struct XmInstrument {
    std::string name;
    std::vector<int16_t> data;
    bool loop = false;
    int loopStart = 0, loopLength = 0; // in sample frames
    int volume = 64;
    int finetune = 0;      // -128..127, 1/128 semitone
    int relativeNote = 0;  // semitones
    int panning = 128;
    XmEnvelope envelope;   // empty: no envelope
    int fadeout = 0;
    int vibratoDepth = 0, vibratoRate = 0, vibratoSweep = 0;
};

struct XmCell {
    uint8_t note = 0, instrument = 0, volume = 0, effect = 0, param = 0;
};

struct XmPattern {
    int rows = 64;
    int channels = 8;
    std::vector<XmCell> cells;
    XmPattern(int rows_, int channels_) : rows(rows_), channels(channels_), cells((size_t)rows_ * channels_) {}
    XmCell& at(int row, int channel) { return cells[(size_t)row * channels + channel]; }
};

struct XmModule {
    std::string name;
    int channels = 8;
    int speed = 6, bpm = 125;
    std::vector<int> orders; // pattern per song position
    std::vector<XmPattern> patterns;
    std::vector<XmInstrument> instruments;
};

std::vector<uint8_t> writeXm(const XmModule& module);

} // namespace soundgen
