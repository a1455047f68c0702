// Composition: every tune has a key, a tempo, chord progressions for its parts
// and a form (one part and one strength per order). Melodies are written out
// where a tune needs a clear theme and grown from a rhythm motif and the chords
// elsewhere; the accompaniment follows the chords in the tune's feel.
#include "soundgen/music.h"
#include "soundgen/instruments.h"
#include "soundgen/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace soundgen {

namespace {

constexpr int kRows = 64;          // four bars of sixteenths
constexpr int kRowsPerBar = 16;
constexpr int kChannels = 10;
// Module level (of 64): leaves the effects on top at the game's default volumes.
constexpr uint8_t kGlobalVolume = 32;
enum Channel { kLead, kCounter, kArp, kChord1, kChord2, kChord3, kBassLine, kKickCh, kSnareCh, kHatCh };

enum Feel { kGentle, kStraight, kDriving };

struct PartDef {
    int chords[4];          // scale degrees 0..6, one per bar
    const char* melody;     // "step/rows ..." (step 0 = tonic, 7 = octave; r = rest), or null
};

struct TuneDef {
    int root;               // MIDI note of the tonic in the melody's lower octave
    bool minor;
    int bpm;
    Feel feel;
    uint8_t lead;
    uint8_t chordVoice;
    uint32_t seed;
    PartDef parts[4];       // A, B, C, D; intros use A's chords
    const char* form;       // two characters per order: part (I, A-D) and strength 0-3
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

// [SECTION] the tunes

const TuneDef kTunes[7] = {
    // 0: menus, the map, every fifth level. Warm and adventurous, D major.
    {62, false, 112, kStraight, kFlute, kPad, 101,
     {{{0, 4, 5, 3}, "4/6 5/2 4/4 2/4 1/6 2/2 4/8 5/4 4/4 7/4 8/4 9/12 8/4"},
      {{3, 0, 1, 4}, "5/4 7/4 5/4 4/4 4/6 2/2 0/8 1/4 2/4 4/4 5/4 4/16"},
      {{5, 3, 0, 4}, nullptr},
      {{3, 4, 0, 0}, "9/4 8/4 7/4 5/4 4/6 5/2 7/8 8/4 7/4 5/4 4/4 7/16"}},
     "I0I1A1A2B2A2D2C2C3A3B3A3D3C1B2A3D3"},
    // 1: credits, levels 1, 6, ... Lilting, G major, harp and reed.
    {67, false, 96, kGentle, kReed, kKeys, 202,
     {{{0, 5, 3, 4}, "2/4 4/4 7/8 6/4 5/4 4/8 3/4 2/4 1/8 1/4 4/12"},
      {{3, 4, 2, 5}, nullptr},
      {{1, 4, 0, 0}, nullptr},
      {{3, 4, 0, 0}, nullptr}},
     "I0A1A2B1B2A2C2A3B2B3A3C3D2D1"},
    // 2: levels 2, 7, ... Driving, E minor.
    {64, true, 124, kDriving, kFlute, kPad, 303,
     {{{0, 5, 2, 6}, nullptr},
      {{5, 6, 0, 0}, nullptr},
      {{3, 6, 2, 5}, nullptr},
      {{5, 6, 0, 0}, nullptr}},
     "I1A1A2B2B3A3A2C2C3B3B2A3D3D2A2A3"},
    // 3: levels 3, 8, ... Bright and pastoral, F major.
    {65, false, 104, kStraight, kReed, kKeys, 404,
     {{{0, 3, 4, 0}, nullptr},
      {{5, 3, 0, 4}, nullptr},
      {{1, 4, 2, 5}, nullptr},
      {{3, 4, 0, 0}, nullptr}},
     "I0I1A1A2A2B2B3A3C1C2A2B3A3D2I1A1A2B2B3C2C3A3A2D3D2"},
    // 4: levels 4, 9, ... Mysterious, A minor.
    {69, true, 100, kGentle, kFlute, kPad, 505,
     {{{0, 6, 5, 4}, nullptr},
      {{3, 0, 6, 4}, nullptr},
      {{5, 6, 0, 0}, nullptr},
      {{3, 4, 0, 0}, nullptr}},
     "I0A1A2B1B2A2C2C3A3B2B3A3D2I1A2D2D1"},
    // 5: level complete. A fanfare, then a calm close; C major.
    {60, false, 120, kStraight, kFlute, kPad, 606,
     {{{0, 3, 4, 0}, "0/2 2/2 4/2 7/10 5/4 4/4 5/4 7/4 8/2 7/2 6/2 4/10 7/16"},
      {{3, 0, 4, 0}, "4/8 5/8 4/4 2/4 0/8 1/8 2/4 4/4 0/16"},
      {{3, 4, 0, 0}, "5/8 4/8 2/8 1/8 0/16 r/16"},
      {{0, 0, 0, 0}, nullptr}},
     "A3B1C1"},
    // 6: game over. Slow and soft, D minor.
    {62, true, 76, kGentle, kReed, kPad, 707,
     {{{0, 5, 3, 0}, "4/8 3/4 2/4 1/8 0/8 2/6 1/2 0/4 -1/4 0/16"},
      {{5, 3, 0, 4}, "2/8 4/8 3/8 1/8 0/12 -1/4 -3/16"},
      {{3, 4, 0, 0}, "r/16 r/16 r/16 r/16"},
      {{0, 0, 0, 0}, nullptr}},
     "A1B1C0"},
};

const int kSectionStarts[7] = {0, 17, 31, 47, 72, 89, 92};

// [SECTION] notes and chords

struct Note {
    int row;
    int length;
    int step; // scale step; a rest when length > 0 and rest is set
    bool rest;
};

int stepToMidi(const TuneDef& t, int step) {
    const int* scale = t.minor ? kMinor : kMajor;
    int octave = (int)std::floor(step / 7.0);
    int degree = step - octave * 7;
    return t.root + 12 * octave + scale[degree];
}

uint8_t xmNote(int midi) {
    return (uint8_t)std::clamp(midi - 11, 1, 96);
}

uint8_t volumeColumn(int v) {
    return (uint8_t)(0x10 + std::clamp(v, 0, 64));
}

bool isChordStep(int step, int chordDegree) {
    int d = ((step % 7) + 7) % 7;
    return d == chordDegree || d == (chordDegree + 2) % 7 || d == (chordDegree + 4) % 7;
}

std::vector<Note> parseMelody(const char* text) {
    std::vector<Note> notes;
    std::istringstream in(text);
    std::string token;
    int row = 0;
    while (in >> token && row < kRows) {
        size_t slash = token.find('/');
        if (slash == std::string::npos)
            continue;
        int length = std::atoi(token.c_str() + slash + 1);
        if (length <= 0)
            continue;
        bool rest = token[0] == 'r';
        int step = rest ? 0 : std::atoi(token.substr(0, slash).c_str());
        notes.push_back({row, std::min(length, kRows - row), step, rest});
        row += length;
    }
    return notes;
}

// One-bar rhythms (sixteenths), chosen for their lilt.
const std::vector<std::vector<int>> kRhythms = {
    {4, 4, 4, 4}, {6, 2, 4, 4}, {4, 2, 2, 8}, {2, 2, 4, 4, 4}, {8, 4, 4}, {6, 2, 8}, {3, 3, 2, 4, 4}, {4, 4, 8},
};
const std::vector<std::vector<int>> kEndings = {{8, 8}, {12, 4}, {4, 12}, {16}};

// A melody grown from two rhythm motifs over the part's chords. The phrase
// follows an arch (rising to a peak in its third bar, then home); strong beats
// take the chord tone nearest the arch, the others the nearest scale step, never
// the same note three times running and never a leap wider than a sixth.
std::vector<Note> growMelody(const PartDef& p, uint32_t seed) {
    Rng rng(seed);
    const std::vector<int>& motifA = kRhythms[rng.next() % kRhythms.size()];
    const std::vector<int>& motifB = kRhythms[rng.next() % kRhythms.size()];
    const std::vector<int>& ending = kEndings[rng.next() % kEndings.size()];
    const float low = 3.f + (float)(rng.next() % 3);
    const float peak = low + 4.f + (float)(rng.next() % 3);
    std::vector<Note> notes;
    int prev = -100, prevPrev = -100;
    for (int bar = 0; bar < 4; ++bar) {
        const std::vector<int>& rhythm = bar == 3 ? ending : (bar == 1 ? motifB : motifA);
        int chord = p.chords[bar];
        int row = bar * kRowsPerBar;
        for (size_t k = 0; k < rhythm.size(); ++k) {
            float x = (float)row / kRows;
            // Arch: up to the peak at 60 % of the phrase, then down to the start.
            float arch = x < 0.6f ? x / 0.6f : 1.f - (x - 0.6f) / 0.4f;
            float target = low + (peak - low) * arch + rng.range(-1.2f, 1.2f);
            bool strong = (row % 8) == 0;
            bool last = bar == 3 && k + 1 == rhythm.size();
            int best = 0;
            float bestCost = 1e9f;
            for (int step = 0; step <= 13; ++step) {
                if ((strong || last) && !isChordStep(step, chord))
                    continue;
                float cost = std::fabs(step - target);
                if (prev > -100) {
                    int leap = std::abs(step - prev);
                    if (leap > 5)
                        cost += 10;
                    if (step == prev)
                        cost += step == prevPrev ? 10 : 1.5f;
                }
                if (last && ((step - chord) % 7 + 7) % 7 != 0)
                    cost += 3; // end on the chord's root when it lies near
                if (cost < bestCost) {
                    bestCost = cost;
                    best = step;
                }
            }
            notes.push_back({row, rhythm[k], best, false});
            prevPrev = prev;
            prev = best;
            row += rhythm[k];
        }
    }
    return notes;
}

// Close voicing of a triad around middle C, each chord moving as little as
// possible from the one before.
void voiceChord(const TuneDef& t, int degree, int out[3]) {
    for (int k = 0; k < 3; ++k) {
        int midi = stepToMidi(t, degree + 2 * k);
        while (midi < 55) midi += 12;
        while (midi > 67) midi -= 12;
        out[k] = midi;
    }
    std::sort(out, out + 3);
}

// [SECTION] writing one pattern

struct PatternWriter {
    XmPattern pattern{kRows, kChannels};
    const TuneDef& tune;
    explicit PatternWriter(const TuneDef& t) : tune(t) {}

    void note(int row, int channel, int midi, uint8_t instrument, int volume) {
        if (row < 0 || row >= kRows)
            return;
        XmCell& c = pattern.at(row, channel);
        c.note = xmNote(midi);
        c.instrument = instrument;
        c.volume = volumeColumn(volume);
    }
    void keyOff(int row, int channel) {
        if (row < 0 || row >= kRows)
            return;
        XmCell& c = pattern.at(row, channel);
        if (c.note == 0)
            c.note = kXmKeyOff;
    }
    void effect(int row, int channel, uint8_t effect, uint8_t param) {
        XmCell& c = pattern.at(row, channel);
        c.effect = effect;
        c.param = param;
    }

    void melody(const std::vector<Note>& notes, int channel, uint8_t instrument, int octave, int volume) {
        for (size_t i = 0; i < notes.size(); ++i) {
            const Note& n = notes[i];
            if (n.rest) {
                keyOff(n.row, channel);
                continue;
            }
            note(n.row, channel, stepToMidi(tune, n.step) + 12 * octave, instrument, volume);
            int end = n.row + n.length;
            bool legato = i + 1 < notes.size() && notes[i + 1].row == end && !notes[i + 1].rest;
            // Long notes breathe before the next one; short ones run on.
            if (!legato && end < kRows)
                keyOff(end, channel);
            else if (legato && n.length >= 6)
                keyOff(end - 1, channel);
        }
    }

    void chords(const PartDef& p, int strength) {
        for (int bar = 0; bar < 4; ++bar) {
            int voicing[3];
            voiceChord(tune, p.chords[bar], voicing);
            int row = bar * kRowsPerBar;
            int volume = 30 + 6 * strength;
            if (tune.chordVoice == kKeys) {
                // Keys play the chord on beats one and three, softly rolled.
                for (int beat = 0; beat < 2; ++beat)
                    for (int k = 0; k < 3; ++k)
                        note(row + beat * 8 + (k == 2 ? 1 : 0), kChord1 + k, voicing[k], kKeys, volume + 8);
            } else {
                for (int k = 0; k < 3; ++k)
                    note(row, kChord1 + k, voicing[k], kPad, volume);
            }
        }
    }

    void bass(const PartDef& p, int strength) {
        for (int bar = 0; bar < 4; ++bar) {
            int root = stepToMidi(tune, p.chords[bar]);
            while (root >= 48) root -= 12;
            while (root < 36) root += 12;
            int fifth = stepToMidi(tune, p.chords[bar] + 4);
            while (fifth >= root + 12) fifth -= 12;
            while (fifth < root) fifth += 12;
            int row = bar * kRowsPerBar;
            int v = 44 + 4 * strength;
            if (tune.feel == kGentle || strength == 0) {
                note(row, kBassLine, root, kBass, v);
                note(row + 8, kBassLine, fifth, kBass, v - 6);
                keyOff(row + 14, kBassLine);
            } else if (tune.feel == kStraight) {
                note(row, kBassLine, root, kBass, v);
                keyOff(row + 5, kBassLine);
                note(row + 6, kBassLine, root, kBass, v - 10);
                note(row + 8, kBassLine, fifth, kBass, v - 4);
                keyOff(row + 11, kBassLine);
                note(row + 12, kBassLine, root + 12, kBass, v - 8);
                keyOff(row + 15, kBassLine);
            } else {
                const int pattern[8] = {0, 0, 1, 0, 2, 0, 1, 0};
                for (int e = 0; e < 8; ++e) {
                    int midi = pattern[e] == 0 ? root : pattern[e] == 1 ? fifth : root + 12;
                    note(row + 2 * e, kBassLine, midi, kBass, e % 2 ? v - 10 : v);
                    keyOff(row + 2 * e + 1, kBassLine);
                }
            }
        }
    }

    void arpeggio(const PartDef& p, int strength) {
        static const int shape[8] = {0, 2, 4, 7, 9, 7, 4, 2};
        for (int bar = 0; bar < 4; ++bar) {
            int degree = p.chords[bar];
            int row = bar * kRowsPerBar;
            for (int e = 0; e < 8; ++e) {
                int s = degree + shape[e];
                int midi = stepToMidi(tune, s);
                while (midi < 62) midi += 12;
                while (midi > 81) midi -= 12;
                note(row + 2 * e, kArp, midi, kHarp, (e % 2 ? 26 : 34) + 4 * strength);
            }
        }
    }

    void counter(const PartDef& p, const std::vector<Note>& lead, int strength) {
        if (strength >= 3 && !lead.empty()) {
            melody(lead, kCounter, kBells, 1, 26);
            return;
        }
        for (int bar = 0; bar < 4; ++bar) {
            int midi = stepToMidi(tune, p.chords[bar] + 2) + 12;
            while (midi < 72) midi += 12;
            while (midi > 88) midi -= 12;
            note(bar * kRowsPerBar + 4, kCounter, midi, kBells, 30);
        }
    }

    void drums(int strength) {
        for (int bar = 0; bar < 4; ++bar) {
            int row = bar * kRowsPerBar;
            bool fill = bar == 3;
            if (tune.feel == kGentle) {
                if (strength >= 1)
                    note(row, kKickCh, 60, kKick, 40 + 4 * strength);
                if (strength >= 2)
                    note(row + 8, kKickCh, 60, kKick, 34);
                for (int e = 0; e < 8; ++e)
                    if (strength >= 1 || e % 2 == 0)
                        note(row + 2 * e, kHatCh, 60, kShaker, e % 2 ? 28 : 40);
                if (strength >= 3)
                    note(row + 12, kSnareCh, 60, kSnare, 26);
                continue;
            }
            if (strength == 0) {
                for (int e = 0; e < 4; ++e)
                    note(row + 4 * e, kHatCh, 60, kHat, 30);
                continue;
            }
            note(row, kKickCh, 60, kKick, 56);
            if (strength >= 2) {
                note(row + 8, kKickCh, 60, kKick, 50);
                note(row + 4, kSnareCh, 60, kSnare, 44);
                note(row + 12, kSnareCh, 60, kSnare, 46);
            }
            if (strength >= 3 || tune.feel == kDriving)
                note(row + 10, kKickCh, 60, kKick, 40);
            if (fill && strength >= 2) {
                note(row + 14, kSnareCh, 60, kSnare, 30);
                note(row + 15, kSnareCh, 60, kSnare, 38);
            }
            int step = (strength >= 3 || tune.feel == kDriving) ? 1 : 2;
            for (int r = 0; r < kRowsPerBar; r += step)
                note(row + r, kHatCh, 60, r % 4 == 0 ? kHat : kShaker, r % 4 == 0 ? 34 : 22);
        }
    }
};

} // namespace

const std::vector<TuneSection>& tuneSections() {
    static const std::vector<TuneSection> sections = [] {
        std::vector<TuneSection> s;
        for (int i = 0; i < 7; ++i)
            s.push_back({kSectionStarts[i], (int)std::string(kTunes[i].form).size() / 2});
        return s;
    }();
    return sections;
}

XmModule composeMusic() {
    XmModule m;
    m.name = "Amberwick";
    m.channels = kChannels;
    m.speed = 6;
    m.bpm = kTunes[0].bpm;
    m.instruments = makeInstruments();
    for (int t = 0; t < 7; ++t) {
        const TuneDef& tune = kTunes[t];
        const int first = kSectionStarts[t];
        const int count = (int)std::string(tune.form).size() / 2;
        std::map<int, std::vector<Note>> melodies;
        for (int o = 0; o < count; ++o) {
            char part = tune.form[2 * o];
            int strength = tune.form[2 * o + 1] - '0';
            int index = part == 'I' ? 0 : part - 'A';
            const PartDef& p = tune.parts[index];
            if (!melodies.count(index))
                melodies[index] = p.melody ? parseMelody(p.melody) : growMelody(p, tune.seed * 31 + index);
            const std::vector<Note>& lead = melodies[index];

            PatternWriter w(tune);
            w.chords(p, strength);
            w.bass(p, strength);
            if (part != 'I') {
                w.melody(lead, kLead, tune.lead, 0, 50 + 4 * strength);
            }
            if (part == 'I' || strength >= 1)
                w.arpeggio(p, strength);
            if (strength >= 2)
                w.counter(p, part == 'I' ? std::vector<Note>{} : lead, strength);
            w.drums(strength);
            if (o == 0) {
                // Every tune sets its own speed, tempo and level, so it sounds the
                // same however the game arrives at it.
                w.effect(0, kLead, kXmSetSpeed, 6);
                w.effect(0, kCounter, kXmSetSpeed, (uint8_t)tune.bpm);
                w.effect(0, kArp, kXmGlobalVolume, kGlobalVolume);
            }
            if (o == count - 1)
                w.effect(kRows - 1, kChord1, kXmPositionJump, (uint8_t)first);
            m.orders.push_back((int)m.patterns.size());
            m.patterns.push_back(std::move(w.pattern));
        }
        // The song positions the game starts must be where the tunes begin.
        if ((int)m.orders.size() != (t + 1 < 7 ? kSectionStarts[t + 1] : (int)m.orders.size()))
            std::abort();
    }
    return m;
}

} // namespace soundgen
