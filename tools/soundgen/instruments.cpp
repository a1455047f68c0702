#include "soundgen/instruments.h"
#include "soundgen/synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr int kPeriod = 128;
// The rate at which note C-4 plays a sample two octaves up: 4 x 8363 Hz.
constexpr float kSampleRate = 33452.f;
constexpr int kRelativeNote = 24;
// 33452 / 128 Hz is 1.9 cents below middle C.
constexpr int kFinetune = 2;

std::vector<int16_t> toPcm(const std::vector<float>& x, float peak = 0.9f) {
    float m = 0;
    for (float v : x)
        m = std::max(m, std::fabs(v));
    float g = m > 0 ? peak * 32767.f / m : 0;
    std::vector<int16_t> out(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        out[i] = (int16_t)std::lround(std::clamp(x[i] * g, -32767.f, 32767.f));
    return out;
}

// Harmonic h at amplitude amps[h-1]; cycles gives the loop length in periods
// and detune adds a second copy one cycle faster per loop (a slow chorus).
std::vector<float> harmonicLoop(const std::vector<float>& amps, int cycles, bool detune) {
    int n = kPeriod * cycles;
    std::vector<float> x(n, 0.f);
    for (size_t h = 1; h <= amps.size(); ++h) {
        for (int i = 0; i < n; ++i) {
            double t = (double)i / n;
            x[i] += amps[h - 1] * (float)std::sin(2 * M_PI * h * cycles * t);
            if (detune)
                x[i] += amps[h - 1] * 0.8f * (float)std::sin(2 * M_PI * h * (cycles + 1) * t + h);
        }
    }
    return x;
}

XmInstrument pitched(const char* name, std::vector<int16_t> data, bool loop) {
    XmInstrument in;
    in.name = name;
    in.loop = loop;
    in.loopStart = 0;
    in.loopLength = loop ? (int)data.size() : 0;
    in.data = std::move(data);
    in.relativeNote = kRelativeNote;
    in.finetune = kFinetune;
    return in;
}

XmInstrument flute() {
    XmInstrument in = pitched("flute", toPcm(harmonicLoop({1.f, 0.22f, 0.12f, 0.05f, 0.03f}, 1, false)), true);
    in.envelope.points = {{0, 0}, {3, 64}, {14, 50}};
    in.envelope.sustain = 2;
    in.fadeout = 1400;
    in.vibratoSweep = 60;
    in.vibratoDepth = 3;
    in.vibratoRate = 10;
    return in;
}

XmInstrument reed() {
    // Odd harmonics first, a few even ones: a soft clarinet-like voice.
    XmInstrument in = pitched("reed", toPcm(harmonicLoop({1.f, 0.08f, 0.45f, 0.06f, 0.25f, 0.04f, 0.12f, 0.02f, 0.05f}, 1, false)), true);
    in.envelope.points = {{0, 0}, {4, 60}, {20, 48}};
    in.envelope.sustain = 2;
    in.fadeout = 1200;
    in.vibratoSweep = 80;
    in.vibratoDepth = 2;
    in.vibratoRate = 9;
    in.volume = 52;
    return in;
}

XmInstrument pad() {
    std::vector<float> amps;
    for (int h = 1; h <= 10; ++h)
        amps.push_back(0.6f / (h * (1 + 0.25f * h)));
    XmInstrument in = pitched("pad", toPcm(harmonicLoop(amps, 200, true)), true);
    in.envelope.points = {{0, 0}, {16, 64}, {60, 56}};
    in.envelope.sustain = 2;
    in.fadeout = 500;
    in.volume = 30;
    return in;
}

XmInstrument bass() {
    XmInstrument in = pitched("bass", toPcm(harmonicLoop({1.f, 0.4f, 0.15f, 0.06f}, 1, false)), true);
    in.envelope.points = {{0, 64}, {25, 44}, {60, 36}};
    in.envelope.sustain = 2;
    in.fadeout = 2500;
    in.volume = 56;
    return in;
}

XmInstrument harp() {
    Rng rng(7);
    int n = (int)(kSampleRate * 1.3f);
    std::vector<float> line(kPeriod);
    float prev = 0;
    for (float& x : line) {
        prev = prev * 0.6f + rng.bipolar() * 0.4f;
        x = prev;
    }
    std::vector<float> x(n);
    int pos = 0;
    for (int i = 0; i < n; ++i) {
        int next = (pos + 1) % kPeriod;
        x[i] = line[pos];
        line[pos] = 0.4985f * (line[pos] + line[next]);
        pos = next;
    }
    // Ease the very end to silence.
    for (int i = 0; i < 400; ++i)
        x[n - 1 - i] *= i / 400.f;
    XmInstrument in = pitched("harp", toPcm(x), false);
    in.volume = 48;
    return in;
}

std::vector<float> decaying(const std::vector<std::pair<float, float>>& partials, float seconds, float attack) {
    int n = (int)(kSampleRate * seconds);
    std::vector<float> x(n, 0.f);
    for (size_t k = 0; k < partials.size(); ++k) {
        float ratio = partials[k].first;
        float decay = partials[k].second;
        float level = 1.f / (1 + k * 1.5f);
        for (int i = 0; i < n; ++i) {
            float t = i / kSampleRate;
            float env = std::exp(-t / decay) * std::min(1.f, t / attack);
            x[i] += level * env * (float)std::sin(2 * M_PI * ratio * i / kPeriod);
        }
    }
    for (int i = 0; i < 400 && i < n; ++i)
        x[n - 1 - i] *= i / 400.f;
    return x;
}

XmInstrument bells() {
    XmInstrument in = pitched("bells", toPcm(decaying({{1, 0.5f}, {2, 0.3f}, {2.76f, 0.18f}, {5.4f, 0.08f}}, 1.3f, 0.002f)), false);
    in.volume = 36;
    return in;
}

XmInstrument keys() {
    // Electric-piano-like: a sine with a short bright tine on top.
    int n = (int)(kSampleRate * 1.5f);
    std::vector<float> x(n);
    for (int i = 0; i < n; ++i) {
        float t = i / kSampleRate;
        double ph = 2 * M_PI * i / kPeriod;
        float index = 1.6f * std::exp(-t / 0.25f);
        float env = std::exp(-t / 0.7f) * std::min(1.f, t / 0.003f);
        x[i] = env * (float)std::sin(ph + index * std::sin(ph));
        x[i] += 0.15f * std::exp(-t / 0.05f) * (float)std::sin(ph * 7);
    }
    for (int i = 0; i < 400; ++i)
        x[n - 1 - i] *= i / 400.f;
    XmInstrument in = pitched("keys", toPcm(x), false);
    in.volume = 34;
    return in;
}

XmInstrument drum(const char* name, std::vector<float> x, int volume) {
    for (int i = 0; i < 200 && i < (int)x.size(); ++i)
        x[x.size() - 1 - i] *= i / 200.f;
    XmInstrument in;
    in.name = name;
    in.data = toPcm(x);
    in.relativeNote = kRelativeNote;
    in.volume = volume;
    return in;
}

XmInstrument kick() {
    int n = (int)(kSampleRate * 0.35f);
    std::vector<float> x(n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        float t = i / kSampleRate;
        float f = 45 + 110 * std::exp(-t / 0.03f);
        phase += f / kSampleRate;
        x[i] = std::exp(-t / 0.12f) * std::min(1.f, t / 0.001f) * (float)std::sin(2 * M_PI * phase);
    }
    return drum("kick", x, 50);
}

XmInstrument snare() {
    Rng rng(11);
    int n = (int)(kSampleRate * 0.25f);
    std::vector<float> x(n);
    Svf f;
    for (int i = 0; i < n; ++i) {
        float t = i / kSampleRate;
        f.run(rng.bipolar(), 5000, 0.8f);
        float noise = (f.lp - 0.3f * f.bp) * std::exp(-t / 0.06f);
        float body = 0.6f * std::exp(-t / 0.04f) * (float)std::sin(2 * M_PI * 185 * t);
        x[i] = (noise + body) * std::min(1.f, t / 0.001f);
    }
    return drum("snare", x, 30);
}

XmInstrument hat() {
    Rng rng(13);
    int n = (int)(kSampleRate * 0.08f);
    std::vector<float> x(n);
    Svf f;
    for (int i = 0; i < n; ++i) {
        float t = i / kSampleRate;
        f.run(rng.bipolar(), 7000, 0.7f);
        x[i] = f.hp * std::exp(-t / 0.018f);
    }
    return drum("hat", x, 20);
}

XmInstrument shaker() {
    Rng rng(17);
    int n = (int)(kSampleRate * 0.12f);
    std::vector<float> x(n);
    Svf f;
    for (int i = 0; i < n; ++i) {
        float t = i / kSampleRate;
        f.run(rng.bipolar(), 6000, 1.2f);
        float env = std::sin(kPi * std::min(1.f, t / 0.12f));
        x[i] = f.bp * env * env;
    }
    return drum("shaker", x, 18);
}

} // namespace

std::vector<XmInstrument> makeInstruments() {
    // Same order as the Instrument numbers.
    return {flute(), pad(), harp(), bells(), bass(), keys(), kick(), snare(), hat(), shaker(), reed()};
}

} // namespace soundgen
