// Small synthesis kit for the game's sounds: mono float buffers at 44100 Hz,
// oscillators with envelopes, filtered noise and a little room reverb.
#pragma once
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;
constexpr float kPi = 3.14159265358979f;

using Sound = std::vector<float>;

// Deterministic noise so every build writes the same files.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed ? seed : 1) {}
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float uniform() { return (next() >> 8) * (1.f / 16777216.f); } // 0..1
    float bipolar() { return uniform() * 2.f - 1.f; }
    float range(float a, float b) { return a + (b - a) * uniform(); }
};

// Zero-delay state-variable filter; cutoff may change every sample.
struct Svf {
    float ic1 = 0, ic2 = 0;
    float lp = 0, bp = 0, hp = 0;
    void run(float x, float cutoffHz, float q);
};

Sound makeSound(float seconds);
inline int toIndex(float seconds) { return (int)(seconds * kRate); }

float noteHz(float midi);

// Envelope: smooth rise over attack seconds, then exponential decay with time
// constant decay (seconds).
float envelope(float t, float attack, float decay);

// A sine partial from t0, frequency gliding exponentially from f0 to f1 over
// the glide time, with vibrato depth (ratio) and rate.
struct Partial {
    float f0 = 440, f1 = 0, glide = 0.1f;
    float amp = 0.5f, attack = 0.005f, decay = 0.3f;
    float length = 0; // 0: until the envelope fades below -80 dB
    float vibratoDepth = 0, vibratoRate = 5;
};
void addPartial(Sound& s, float t0, const Partial& p);

// A bell or chime: a fundamental with inharmonic overtones decaying faster.
void addBell(Sound& s, float t0, float hz, float amp, float decay);
// A soft mallet/marimba tone: fundamental with a quick fourth harmonic.
void addMallet(Sound& s, float t0, float hz, float amp, float decay);
// Two-operator FM voice.
struct Fm {
    float carrier = 440, ratio = 1, index = 1, indexDecay = 0.2f;
    float amp = 0.5f, attack = 0.005f, decay = 0.3f, length = 0.5f;
    float glideTo = 0, glide = 0.1f;
};
void addFm(Sound& s, float t0, const Fm& f);
// Plucked string (Karplus-Strong).
void addPluck(Sound& s, float t0, float hz, float amp, float damping, Rng& rng);

// Noise through a low-pass (and optional high-pass) whose cutoff glides
// exponentially from c0 to c1 over the length, with an envelope.
struct Noise {
    float length = 0.3f, amp = 0.5f, attack = 0.002f, decay = 0.1f;
    float c0 = 4000, c1 = 500, q = 0.7f;
    float highpass = 0;
    bool bandpass = false;
};
void addNoise(Sound& s, float t0, const Noise& n, Rng& rng);

// Adds a short room so dry tones sound placed rather than clinical.
void addReverb(Sound& s, float mix, float roomSize);

// Trailing quiet trimmed, a fade at both ends so nothing clicks.
void finish(Sound& s, float fadeIn, float fadeOut);

} // namespace soundgen
