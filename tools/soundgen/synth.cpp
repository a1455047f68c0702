#include "soundgen/synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

void Svf::run(float x, float cutoffHz, float q) {
    float fc = std::clamp(cutoffHz, 20.f, kRate * 0.45f);
    float g = std::tan(kPi * fc / kRate);
    float k = 1.f / std::max(q, 0.1f);
    float a1 = 1.f / (1.f + g * (g + k));
    float a2 = g * a1;
    float a3 = g * a2;
    float v3 = x - ic2;
    float v1 = a1 * ic1 + a2 * v3;
    float v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    lp = v2;
    bp = v1;
    hp = x - k * v1 - v2;
}

Sound makeSound(float seconds) {
    return Sound((size_t)std::max(1, toIndex(seconds)), 0.f);
}

float noteHz(float midi) {
    return 440.f * std::pow(2.f, (midi - 69.f) / 12.f);
}

float envelope(float t, float attack, float decay) {
    if (t < 0)
        return 0;
    if (t < attack) {
        float x = std::sin(0.5f * kPi * t / attack);
        return x * x;
    }
    return std::exp(-(t - attack) / std::max(decay, 1e-4f));
}

namespace {

float glideHz(float f0, float f1, float glide, float t) {
    if (f1 <= 0 || glide <= 0)
        return f0;
    float x = std::min(t / glide, 1.f);
    return f0 * std::pow(f1 / f0, x);
}

int lengthFor(float attack, float decay, float length) {
    if (length > 0)
        return toIndex(length);
    // exp(-x) < 1e-4 past 9.2 time constants
    return toIndex(attack + decay * 9.2f);
}

} // namespace

void addPartial(Sound& s, float t0, const Partial& p) {
    int start = toIndex(t0);
    int n = lengthFor(p.attack, p.decay, p.length);
    double phase = 0;
    for (int i = 0; i < n && start + i < (int)s.size(); ++i) {
        float t = (float)i / kRate;
        float f = glideHz(p.f0, p.f1, p.glide, t);
        if (p.vibratoDepth > 0)
            f *= 1.f + p.vibratoDepth * std::sin(2 * kPi * p.vibratoRate * t);
        phase += f / kRate;
        s[start + i] += p.amp * envelope(t, p.attack, p.decay) * (float)std::sin(2 * M_PI * phase);
    }
}

void addBell(Sound& s, float t0, float hz, float amp, float decay) {
    static const float ratio[] = {1.f, 2.0f, 2.76f, 4.07f, 5.4f};
    static const float level[] = {1.f, 0.35f, 0.25f, 0.12f, 0.08f};
    static const float speed[] = {1.f, 0.7f, 0.5f, 0.35f, 0.25f};
    for (int k = 0; k < 5; ++k) {
        if (hz * ratio[k] > 16000)
            break;
        Partial p;
        p.f0 = hz * ratio[k];
        p.amp = amp * level[k];
        p.attack = 0.002f;
        p.decay = decay * speed[k];
        addPartial(s, t0, p);
    }
}

void addMallet(Sound& s, float t0, float hz, float amp, float decay) {
    Partial p;
    p.f0 = hz;
    p.amp = amp;
    p.attack = 0.003f;
    p.decay = decay;
    addPartial(s, t0, p);
    p.f0 = hz * 4;
    p.amp = amp * 0.2f;
    p.decay = decay * 0.15f;
    if (p.f0 < 16000)
        addPartial(s, t0, p);
    p.f0 = hz * 10;
    p.amp = amp * 0.05f;
    p.decay = decay * 0.05f;
    if (p.f0 < 16000)
        addPartial(s, t0, p);
}

void addFm(Sound& s, float t0, const Fm& f) {
    int start = toIndex(t0);
    int n = toIndex(f.length);
    double pc = 0, pm = 0;
    for (int i = 0; i < n && start + i < (int)s.size(); ++i) {
        float t = (float)i / kRate;
        float fc = glideHz(f.carrier, f.glideTo, f.glide, t);
        pm += fc * f.ratio / kRate;
        pc += fc / kRate;
        float index = f.index * std::exp(-t / std::max(f.indexDecay, 1e-4f));
        float mod = index * (float)std::sin(2 * M_PI * pm);
        float env = envelope(t, f.attack, f.decay);
        // A short release at the end of the stated length.
        float tail = std::min(1.f, (float)(n - i) / (0.01f * kRate));
        s[start + i] += f.amp * env * tail * (float)std::sin(2 * M_PI * pc + mod);
    }
}

void addPluck(Sound& s, float t0, float hz, float amp, float damping, Rng& rng) {
    int period = std::max(2, (int)std::lround(kRate / hz));
    std::vector<float> line(period);
    float prev = 0;
    for (float& x : line) {
        // Softened noise burst: a mellow pluck rather than a bright one.
        float v = rng.bipolar();
        prev = prev * 0.5f + v * 0.5f;
        x = prev;
    }
    int start = toIndex(t0);
    int n = toIndex(4.f);
    int pos = 0;
    for (int i = 0; i < n && start + i < (int)s.size(); ++i) {
        int next = (pos + 1) % period;
        float out = line[pos];
        line[pos] = damping * 0.5f * (line[pos] + line[next]);
        pos = next;
        float fadeIn = std::min(1.f, i / (0.001f * kRate));
        s[start + i] += amp * out * fadeIn;
    }
}

void addNoise(Sound& s, float t0, const Noise& n, Rng& rng) {
    int start = toIndex(t0);
    int len = toIndex(n.length);
    Svf lp, hp;
    for (int i = 0; i < len && start + i < (int)s.size(); ++i) {
        float t = (float)i / kRate;
        float x = rng.bipolar();
        float c = n.c0 * std::pow(n.c1 / n.c0, std::min(t / n.length, 1.f));
        lp.run(x, c, n.q);
        float y = n.bandpass ? lp.bp : lp.lp;
        if (n.highpass > 0) {
            hp.run(y, n.highpass, 0.7f);
            y = hp.hp;
        }
        float tail = std::min(1.f, (float)(len - i) / (0.02f * kRate));
        s[start + i] += n.amp * envelope(t, n.attack, n.decay) * tail * y;
    }
}

void addReverb(Sound& s, float mix, float roomSize) {
    // Schroeder: four parallel combs, two allpasses in series.
    static const int combLen[] = {1557, 1617, 1491, 1422};
    static const int apLen[] = {225, 556};
    size_t tail = (size_t)(kRate * (0.4f + roomSize));
    Sound wet(s.size() + tail, 0.f);
    for (int c = 0; c < 4; ++c) {
        int len = (int)(combLen[c] * (0.6f + 0.6f * roomSize));
        std::vector<float> buf(len, 0.f);
        float fb = 0.70f + 0.12f * roomSize;
        float damp = 0.3f, lowpass = 0;
        int pos = 0;
        for (size_t i = 0; i < wet.size(); ++i) {
            float in = i < s.size() ? s[i] : 0.f;
            float out = buf[pos];
            lowpass = out * (1 - damp) + lowpass * damp;
            buf[pos] = in + lowpass * fb;
            pos = (pos + 1) % len;
            wet[i] += out * 0.25f;
        }
    }
    for (int a = 0; a < 2; ++a) {
        std::vector<float> buf(apLen[a], 0.f);
        int pos = 0;
        for (float& x : wet) {
            float b = buf[pos];
            float y = -x + b;
            buf[pos] = x + b * 0.5f;
            pos = (pos + 1) % apLen[a];
            x = y;
        }
    }
    s.resize(wet.size(), 0.f);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = s[i] * (1 - mix * 0.5f) + wet[i] * mix;
}

void finish(Sound& s, float fadeIn, float fadeOut) {
    float peak = 0;
    for (float x : s)
        peak = std::max(peak, std::fabs(x));
    if (peak <= 0)
        return;
    // Drop the tail once it stays 70 dB below the peak.
    float floor = peak * 3.2e-4f;
    size_t end = s.size();
    while (end > 1 && std::fabs(s[end - 1]) < floor)
        --end;
    s.resize(std::min(s.size(), end + (size_t)(0.01f * kRate)));
    int in = std::min((int)s.size() / 2, std::max(1, toIndex(fadeIn)));
    for (int i = 0; i < in; ++i) {
        float x = std::sin(0.5f * kPi * i / in);
        s[i] *= x * x;
    }
    int out = std::min((int)s.size() / 2, std::max(1, toIndex(fadeOut)));
    for (int i = 0; i < out; ++i) {
        float x = std::sin(0.5f * kPi * i / out);
        s[s.size() - 1 - i] *= x * x;
    }
}

} // namespace soundgen
