#include "soundgen/xm_writer.h"

#include <algorithm>
#include <cstring>

namespace soundgen {

namespace {

struct Out {
    std::vector<uint8_t> bytes;
    void u8(int v) { bytes.push_back((uint8_t)v); }
    void u16(int v) { u8(v & 0xFF); u8((v >> 8) & 0xFF); }
    void u32(uint32_t v) { u16((int)(v & 0xFFFF)); u16((int)(v >> 16)); }
    void text(const std::string& s, size_t width) {
        for (size_t i = 0; i < width; ++i)
            u8(i < s.size() ? s[i] : 0);
    }
    void zeros(size_t n) { bytes.insert(bytes.end(), n, 0); }
};

constexpr int kHeaderSize = 276;
constexpr int kInstrumentHeaderSize = 263;
constexpr int kSampleHeaderSize = 40;

void writePattern(Out& out, const XmPattern& p) {
    Out packed;
    for (const XmCell& c : p.cells) {
        uint8_t mask = 0x80;
        if (c.note) mask |= 1;
        if (c.instrument) mask |= 2;
        if (c.volume) mask |= 4;
        if (c.effect) mask |= 8;
        if (c.param) mask |= 16;
        packed.u8(mask);
        if (c.note) packed.u8(c.note);
        if (c.instrument) packed.u8(c.instrument);
        if (c.volume) packed.u8(c.volume);
        if (c.effect) packed.u8(c.effect);
        if (c.param) packed.u8(c.param);
    }
    out.u32(9);
    out.u8(0);
    out.u16(p.rows);
    out.u16((int)packed.bytes.size());
    out.bytes.insert(out.bytes.end(), packed.bytes.begin(), packed.bytes.end());
}

void writeInstrument(Out& out, const XmInstrument& in) {
    out.u32(kInstrumentHeaderSize);
    out.text(in.name, 22);
    out.u8(0);
    out.u16(1);
    out.u32(kSampleHeaderSize);
    out.zeros(96); // every note plays sample 0
    for (int i = 0; i < 12; ++i) {
        bool have = i < (int)in.envelope.points.size();
        out.u16(have ? in.envelope.points[i].first : 0);
        out.u16(have ? in.envelope.points[i].second : 0);
    }
    out.zeros(48); // no panning envelope
    int points = std::min<int>(12, (int)in.envelope.points.size());
    out.u8(points);
    out.u8(0);
    out.u8(std::max(0, in.envelope.sustain));
    out.u8(0);
    out.u8(0);
    out.u8(0);
    out.u8(0);
    out.u8(0);
    int type = points > 0 ? 1 : 0;
    if (points > 0 && in.envelope.sustain >= 0)
        type |= 2;
    out.u8(type);
    out.u8(0);
    out.u8(0); // vibrato: sine
    out.u8(in.vibratoSweep);
    out.u8(in.vibratoDepth);
    out.u8(in.vibratoRate);
    out.u16(in.fadeout);
    out.zeros(kInstrumentHeaderSize - 241);

    out.u32((uint32_t)in.data.size() * 2);
    out.u32(in.loop ? (uint32_t)in.loopStart * 2 : 0);
    out.u32(in.loop ? (uint32_t)in.loopLength * 2 : 0);
    out.u8(in.volume);
    out.u8((uint8_t)(int8_t)in.finetune);
    out.u8((in.loop ? 1 : 0) | 0x10);
    out.u8(in.panning);
    out.u8((uint8_t)(int8_t)in.relativeNote);
    out.u8(0);
    out.text(in.name, 22);
    // Sample data as deltas, as XM stores it.
    int16_t prev = 0;
    for (int16_t v : in.data) {
        out.u16((uint16_t)(int16_t)(v - prev));
        prev = v;
    }
}

} // namespace

std::vector<uint8_t> writeXm(const XmModule& m) {
    Out out;
    out.text("Extended Module: ", 17);
    out.text(m.name, 20);
    out.u8(0x1A);
    out.text("amberwick-soundgen", 20);
    out.u16(0x0104);
    out.u32(kHeaderSize);
    out.u16((int)m.orders.size());
    out.u16(0);
    out.u16(m.channels);
    out.u16((int)m.patterns.size());
    out.u16((int)m.instruments.size());
    out.u16(1); // linear frequency table
    out.u16(m.speed);
    out.u16(m.bpm);
    for (int i = 0; i < 256; ++i)
        out.u8(i < (int)m.orders.size() ? m.orders[i] : 0);
    for (const XmPattern& p : m.patterns)
        writePattern(out, p);
    for (const XmInstrument& in : m.instruments)
        writeInstrument(out, in);
    return out.bytes;
}

} // namespace soundgen
