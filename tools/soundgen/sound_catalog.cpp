// The recipes. Short, soft-edged and tuned to one pentatonic colour so the
// effects sit well over the music.
#include "soundgen/sound_catalog.h"

#include <cmath>

namespace soundgen {

namespace {

// [SECTION] menus and dialogs

Sound menuLineSelect(Rng&) {
    Sound s = makeSound(0.2f);
    addMallet(s, 0, noteHz(84), 0.5f, 0.04f);
    addMallet(s, 0.018f, noteHz(91), 0.25f, 0.03f);
    return s;
}

Sound buttonClick(Rng& rng) {
    Sound s = makeSound(0.2f);
    Fm f;
    f.carrier = 620; f.ratio = 1.41f; f.index = 2.5f; f.indexDecay = 0.02f;
    f.amp = 0.6f; f.attack = 0.001f; f.decay = 0.035f; f.length = 0.15f;
    addFm(s, 0, f);
    Noise n;
    n.length = 0.03f; n.amp = 0.3f; n.decay = 0.008f; n.c0 = 5000; n.c1 = 2000; n.bandpass = true; n.q = 1.5f;
    addNoise(s, 0, n, rng);
    return s;
}

Sound maxPlayers(Rng&) {
    Sound s = makeSound(0.7f);
    for (int k = 0; k < 2; ++k) {
        float hz = noteHz(k == 0 ? 64 : 60);
        for (int h = 1; h <= 7; h += 2) {
            Partial p;
            p.f0 = hz * h; p.amp = 0.4f / h; p.attack = 0.01f; p.decay = 0.12f; p.length = 0.28f;
            addPartial(s, k * 0.2f, p);
        }
    }
    addReverb(s, 0.15f, 0.3f);
    return s;
}

Sound effectsVolume(Rng&) {
    Sound s = makeSound(0.8f);
    addBell(s, 0, noteHz(81), 0.5f, 0.25f);
    addReverb(s, 0.2f, 0.4f);
    return s;
}

Sound gag(Rng&) {
    Sound s = makeSound(1.0f);
    Partial p;
    p.f0 = 180; p.f1 = 420; p.glide = 0.35f; p.amp = 0.6f; p.attack = 0.01f; p.decay = 0.3f;
    p.length = 0.8f; p.vibratoDepth = 0.06f; p.vibratoRate = 11;
    addPartial(s, 0, p);
    p.f0 = 360; p.f1 = 840; p.amp = 0.2f;
    addPartial(s, 0, p);
    return s;
}

Sound levelStatistic(Rng&) {
    Sound s = makeSound(0.5f);
    addBell(s, 0, noteHz(83), 0.4f, 0.08f);
    addBell(s, 0.06f, noteHz(88), 0.5f, 0.15f);
    addReverb(s, 0.15f, 0.3f);
    return s;
}

// [SECTION] the board

Sound breakChain(Rng& rng) {
    Sound s = makeSound(0.6f);
    Fm f;
    f.carrier = 900; f.ratio = 1.414f; f.index = 3; f.indexDecay = 0.05f;
    f.amp = 0.45f; f.attack = 0.001f; f.decay = 0.12f; f.length = 0.45f;
    addFm(s, 0, f);
    f.carrier = 1330; f.amp = 0.3f; f.decay = 0.08f;
    addFm(s, 0.04f, f);
    Noise n;
    n.length = 0.08f; n.amp = 0.35f; n.decay = 0.02f; n.c0 = 7000; n.c1 = 3000; n.bandpass = true; n.q = 2;
    addNoise(s, 0, n, rng);
    addReverb(s, 0.12f, 0.2f);
    return s;
}

Sound breakSquare(Rng& rng) {
    Sound s = makeSound(0.5f);
    Noise n;
    n.length = 0.25f; n.amp = 0.7f; n.decay = 0.05f; n.c0 = 3500; n.c1 = 1200; n.bandpass = true; n.q = 1.2f;
    addNoise(s, 0, n, rng);
    Partial p;
    p.f0 = 220; p.f1 = 110; p.glide = 0.1f; p.amp = 0.5f; p.attack = 0.002f; p.decay = 0.06f;
    addPartial(s, 0, p);
    addReverb(s, 0.1f, 0.2f);
    return s;
}

// A soft pop with a chime on top; the chime sets the pitch of the series.
Sound breakFigureAt(float hz) {
    Sound s = makeSound(0.7f);
    Partial pop;
    pop.f0 = hz * 0.75f; pop.f1 = hz * 0.35f; pop.glide = 0.05f;
    pop.amp = 0.35f; pop.attack = 0.002f; pop.decay = 0.025f;
    addPartial(s, 0, pop);
    addBell(s, 0.005f, hz, 0.45f, 0.16f);
    addReverb(s, 0.15f, 0.3f);
    return s;
}

// Major pentatonic from C5: each step of the streak climbs one note.
constexpr float kBreakNotes[8] = {72, 74, 76, 79, 81, 84, 86, 88};

Sound breakFigure1(Rng&) { return breakFigureAt(noteHz(kBreakNotes[0])); }
Sound breakFigure2(Rng&) { return breakFigureAt(noteHz(kBreakNotes[1])); }
Sound breakFigure3(Rng&) { return breakFigureAt(noteHz(kBreakNotes[2])); }
Sound breakFigure4(Rng&) { return breakFigureAt(noteHz(kBreakNotes[3])); }
Sound breakFigure5(Rng&) { return breakFigureAt(noteHz(kBreakNotes[4])); }
Sound breakFigure6(Rng&) { return breakFigureAt(noteHz(kBreakNotes[5])); }
Sound breakFigure7(Rng&) { return breakFigureAt(noteHz(kBreakNotes[6])); }
Sound breakFigure8(Rng&) { return breakFigureAt(noteHz(kBreakNotes[7])); }
// Played slowed down from 24050 Hz upwards: at full rate it sits at C7, so the
// longest streaks still climb past the top of the series.
Sound breakFigureHigh(Rng&) { return breakFigureAt(noteHz(96)); }

Sound figureFall(Rng& rng) {
    Sound s = makeSound(0.25f);
    Partial p;
    p.f0 = 200; p.f1 = 120; p.glide = 0.05f; p.amp = 0.6f; p.attack = 0.002f; p.decay = 0.035f;
    addPartial(s, 0, p);
    Noise n;
    n.length = 0.05f; n.amp = 0.25f; n.decay = 0.01f; n.c0 = 1500; n.c1 = 600;
    addNoise(s, 0, n, rng);
    return s;
}

Sound refill(Rng&) {
    Sound s = makeSound(0.25f);
    addMallet(s, 0, noteHz(91), 0.4f, 0.04f);
    return s;
}

Sound moveTip(Rng&) {
    Sound s = makeSound(0.9f);
    const float notes[] = {79, 83, 86};
    for (int i = 0; i < 3; ++i)
        addBell(s, i * 0.07f, noteHz(notes[i]), 0.3f, 0.15f);
    addReverb(s, 0.25f, 0.5f);
    return s;
}

Sound getHammer(Rng& rng) {
    Sound s = makeSound(1.2f);
    Noise n;
    n.length = 0.4f; n.amp = 0.35f; n.attack = 0.15f; n.decay = 0.1f;
    n.c0 = 2000; n.c1 = 9000; n.bandpass = true; n.q = 2;
    addNoise(s, 0, n, rng);
    const float notes[] = {76, 81, 88};
    for (int i = 0; i < 3; ++i)
        addBell(s, 0.2f + i * 0.08f, noteHz(notes[i]), 0.4f, 0.25f);
    addReverb(s, 0.2f, 0.5f);
    return s;
}

Sound useHammer(Rng& rng) {
    Sound s = makeSound(0.6f);
    Partial p;
    p.f0 = 140; p.f1 = 60; p.glide = 0.12f; p.amp = 0.8f; p.attack = 0.002f; p.decay = 0.12f;
    addPartial(s, 0, p);
    Noise n;
    n.length = 0.15f; n.amp = 0.5f; n.decay = 0.03f; n.c0 = 4000; n.c1 = 800;
    addNoise(s, 0, n, rng);
    Fm f;
    f.carrier = 1100; f.ratio = 2.7f; f.index = 2; f.indexDecay = 0.05f;
    f.amp = 0.15f; f.attack = 0.001f; f.decay = 0.1f; f.length = 0.4f;
    addFm(s, 0.005f, f);
    return s;
}

// [SECTION] bonuses

Sound addBomb(Rng& rng) {
    Sound s = makeSound(0.8f);
    Noise n;
    n.length = 0.45f; n.amp = 0.4f; n.attack = 0.3f; n.decay = 0.08f; n.c0 = 800; n.c1 = 5000; n.bandpass = true; n.q = 1.5f;
    addNoise(s, 0, n, rng);
    addMallet(s, 0.32f, noteHz(55), 0.6f, 0.15f);
    addMallet(s, 0.32f, noteHz(67), 0.3f, 0.12f);
    return s;
}

Sound addSuperBomb(Rng& rng) {
    Sound s = makeSound(1.3f);
    Fm f;
    f.carrier = 220; f.glideTo = 880; f.glide = 0.45f; f.ratio = 2; f.index = 1.5f; f.indexDecay = 0.4f;
    f.amp = 0.4f; f.attack = 0.2f; f.decay = 0.3f; f.length = 0.6f;
    addFm(s, 0, f);
    Noise n;
    n.length = 0.5f; n.amp = 0.2f; n.attack = 0.4f; n.decay = 0.05f; n.c0 = 1000; n.c1 = 8000; n.bandpass = true; n.q = 2;
    addNoise(s, 0, n, rng);
    const float notes[] = {72, 79, 84, 88};
    for (int i = 0; i < 4; ++i)
        addBell(s, 0.45f + i * 0.05f, noteHz(notes[i]), 0.3f, 0.3f);
    addReverb(s, 0.2f, 0.6f);
    return s;
}

Sound addThunder(Rng& rng) {
    Sound s = makeSound(0.9f);
    for (int i = 0; i < 10; ++i) {
        Noise n;
        n.length = 0.04f; n.amp = 0.25f + 0.03f * i; n.decay = 0.01f;
        n.c0 = 3000 + 500.f * i; n.c1 = 6000 + 500.f * i; n.bandpass = true; n.q = 3;
        addNoise(s, i * 0.035f + rng.range(0, 0.01f), n, rng);
    }
    Fm f;
    f.carrier = 400; f.glideTo = 1600; f.glide = 0.35f; f.ratio = 3.5f; f.index = 3; f.indexDecay = 0.3f;
    f.amp = 0.35f; f.attack = 0.05f; f.decay = 0.2f; f.length = 0.55f;
    addFm(s, 0.05f, f);
    addReverb(s, 0.2f, 0.4f);
    return s;
}

Sound explosionBomb(Rng& rng) {
    Sound s = makeSound(1.4f);
    Noise n;
    n.length = 1.2f; n.amp = 0.9f; n.attack = 0.003f; n.decay = 0.25f; n.c0 = 4000; n.c1 = 150; n.q = 0.8f;
    addNoise(s, 0, n, rng);
    Partial p;
    p.f0 = 90; p.f1 = 40; p.glide = 0.4f; p.amp = 0.8f; p.attack = 0.004f; p.decay = 0.25f;
    addPartial(s, 0, p);
    addReverb(s, 0.15f, 0.5f);
    return s;
}

Sound explosionSuperBomb(Rng& rng) {
    Sound s = makeSound(2.2f);
    Noise n;
    n.length = 1.9f; n.amp = 0.9f; n.attack = 0.004f; n.decay = 0.45f; n.c0 = 6000; n.c1 = 100; n.q = 0.8f;
    addNoise(s, 0, n, rng);
    n.length = 1.5f; n.amp = 0.5f; n.attack = 0.1f; n.decay = 0.5f; n.c0 = 300; n.c1 = 80;
    addNoise(s, 0.05f, n, rng);
    Partial p;
    p.f0 = 70; p.f1 = 30; p.glide = 0.8f; p.amp = 0.9f; p.attack = 0.004f; p.decay = 0.45f;
    addPartial(s, 0, p);
    addReverb(s, 0.2f, 0.8f);
    return s;
}

Sound thunderbolt(Rng& rng) {
    Sound s = makeSound(2.0f);
    Noise crack;
    crack.length = 0.2f; crack.amp = 0.8f; crack.attack = 0.001f; crack.decay = 0.04f;
    crack.c0 = 9000; crack.c1 = 2500; crack.highpass = 600;
    addNoise(s, 0, crack, rng);
    addNoise(s, 0.06f, crack, rng);
    Noise rumble;
    rumble.length = 1.8f; rumble.amp = 0.9f; rumble.attack = 0.15f; rumble.decay = 0.5f;
    rumble.c0 = 500; rumble.c1 = 90; rumble.q = 1.0f;
    addNoise(s, 0.04f, rumble, rng);
    addReverb(s, 0.2f, 0.8f);
    return s;
}

Sound bonusPrize(Rng&) {
    Sound s = makeSound(1.3f);
    const float notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        addBell(s, i * 0.08f, noteHz(notes[i]), 0.35f, 0.25f + 0.08f * i);
    addReverb(s, 0.25f, 0.6f);
    return s;
}

// [SECTION] limits and outcome

Sound timeOut(Rng& rng) {
    Sound s = makeSound(0.12f);
    addMallet(s, 0, 1800, 0.5f, 0.012f);
    Noise n;
    n.length = 0.02f; n.amp = 0.3f; n.decay = 0.004f; n.c0 = 6000; n.c1 = 3000; n.bandpass = true; n.q = 2;
    addNoise(s, 0, n, rng);
    return s;
}

Sound defeatLevel(Rng&) {
    Sound s = makeSound(2.2f);
    const float notes[] = {67, 66, 65, 64};
    for (int i = 0; i < 4; ++i) {
        Fm f;
        f.carrier = noteHz(notes[i]); f.ratio = 1; f.index = 1.8f; f.indexDecay = 0.4f;
        f.amp = 0.45f; f.attack = 0.04f; f.decay = i == 3 ? 0.6f : 0.3f; f.length = i == 3 ? 1.0f : 0.36f;
        if (i == 3) {
            f.glideTo = noteHz(63.5f);
            f.glide = 0.9f;
        }
        addFm(s, i * 0.35f, f);
    }
    addReverb(s, 0.2f, 0.6f);
    return s;
}

Sound defeatWave(Rng& rng) {
    Sound s = makeSound(0.4f);
    Noise n;
    n.length = 0.3f; n.amp = 0.6f; n.attack = 0.08f; n.decay = 0.07f; n.c0 = 500; n.c1 = 1500; n.bandpass = true; n.q = 1;
    addNoise(s, 0, n, rng);
    Partial p;
    p.f0 = 110; p.f1 = 90; p.glide = 0.2f; p.amp = 0.3f; p.attack = 0.05f; p.decay = 0.08f;
    addPartial(s, 0, p);
    return s;
}

Sound getLife(Rng&) {
    Sound s = makeSound(1.3f);
    const float notes[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i)
        addMallet(s, i * 0.07f, noteHz(notes[i]), 0.4f, 0.18f);
    addBell(s, 0.35f, noteHz(96), 0.25f, 0.4f);
    addReverb(s, 0.25f, 0.6f);
    return s;
}

Sound getTrophy(Rng&) {
    Sound s = makeSound(2.0f);
    const float notes[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) {
        Fm f;
        f.carrier = noteHz(notes[i]); f.ratio = 1; f.index = 2.2f; f.indexDecay = 0.25f;
        f.amp = 0.3f; f.attack = 0.02f; f.decay = 0.8f; f.length = 1.4f - 0.12f * i;
        addFm(s, i * 0.12f, f);
    }
    addBell(s, 0.36f, noteHz(84), 0.25f, 0.5f);
    addBell(s, 0.45f, noteHz(91), 0.2f, 0.5f);
    addReverb(s, 0.25f, 0.8f);
    return s;
}

// [SECTION] tutorial hints

Sound tipShow(Rng&) {
    Sound s = makeSound(0.8f);
    addBell(s, 0, noteHz(76), 0.4f, 0.18f);
    addBell(s, 0.09f, noteHz(81), 0.4f, 0.25f);
    addReverb(s, 0.2f, 0.4f);
    return s;
}

Sound noMoreMove(Rng&) {
    Sound s = makeSound(1.0f);
    addMallet(s, 0, noteHz(69), 0.5f, 0.15f);
    addMallet(s, 0.18f, noteHz(65), 0.5f, 0.25f);
    addReverb(s, 0.2f, 0.4f);
    return s;
}

// [SECTION] the adventure map

Sound harpRun(Rng& rng, const float* notes, int count, float gap) {
    Sound s = makeSound(gap * count + 1.2f);
    for (int i = 0; i < count; ++i)
        addPluck(s, i * gap, noteHz(notes[i]), 0.35f, 0.996f, rng);
    addReverb(s, 0.25f, 0.6f);
    return s;
}

Sound map1(Rng& rng) {
    const float n[] = {62, 66, 69, 74, 78, 81};
    return harpRun(rng, n, 6, 0.05f);
}
Sound map2(Rng& rng) {
    const float n[] = {81, 78, 74, 69, 66, 62};
    return harpRun(rng, n, 6, 0.05f);
}
Sound map3(Rng& rng) {
    Sound s = makeSound(1.4f);
    for (int i = 0; i < 12; ++i)
        addBell(s, i * 0.04f + rng.range(0, 0.015f), noteHz(84 + (float)(rng.next() % 12)), 0.15f, 0.2f);
    addReverb(s, 0.3f, 0.7f);
    return s;
}
Sound map4(Rng&) {
    Sound s = makeSound(1.2f);
    addBell(s, 0, noteHz(79), 0.4f, 0.35f);
    addBell(s, 0.12f, noteHz(86), 0.35f, 0.4f);
    addReverb(s, 0.25f, 0.6f);
    return s;
}
Sound map5(Rng& rng) {
    Sound s = makeSound(0.9f);
    Noise n;
    n.length = 0.6f; n.amp = 0.5f; n.attack = 0.2f; n.decay = 0.15f; n.c0 = 600; n.c1 = 3000; n.bandpass = true; n.q = 1.2f;
    addNoise(s, 0, n, rng);
    addMallet(s, 0.25f, noteHz(79), 0.25f, 0.2f);
    return s;
}
Sound map6(Rng&) {
    Sound s = makeSound(0.6f);
    addMallet(s, 0, noteHz(67), 0.5f, 0.12f);
    addMallet(s, 0.1f, noteHz(74), 0.45f, 0.15f);
    return s;
}
Sound map7(Rng& rng) {
    Sound s = makeSound(1.4f);
    for (int i = 0; i < 8; ++i)
        addBell(s, i * 0.03f, noteHz(88 + 2.f * (i % 4)) * (1 + 0.002f * rng.bipolar()), 0.15f, 0.3f);
    addReverb(s, 0.3f, 0.8f);
    return s;
}
Sound map8(Rng&) {
    Sound s = makeSound(2.5f);
    // A soft gong: low, slightly inharmonic, slow to fade.
    const float ratio[] = {1, 1.52f, 2.03f, 2.74f, 3.3f};
    for (int k = 0; k < 5; ++k) {
        Partial p;
        p.f0 = 110 * ratio[k]; p.amp = 0.35f / (1 + k); p.attack = 0.01f; p.decay = 0.7f / (1 + 0.4f * k);
        p.vibratoDepth = 0.002f; p.vibratoRate = 3 + k;
        addPartial(s, 0, p);
    }
    addReverb(s, 0.2f, 0.8f);
    return s;
}
Sound map9(Rng&) {
    Sound s = makeSound(1.0f);
    const float notes[] = {91, 96, 100};
    for (int i = 0; i < 3; ++i)
        addBell(s, i * 0.05f, noteHz(notes[i]), 0.25f, 0.2f);
    addReverb(s, 0.3f, 0.6f);
    return s;
}
Sound menuOpen(Rng& rng) {
    Sound s = makeSound(1.1f);
    Noise n;
    n.length = 0.45f; n.amp = 0.4f; n.attack = 0.15f; n.decay = 0.12f; n.c0 = 1200; n.c1 = 5000; n.bandpass = true; n.q = 1.5f;
    addNoise(s, 0, n, rng);
    addBell(s, 0.2f, noteHz(79), 0.3f, 0.3f);
    addBell(s, 0.28f, noteHz(84), 0.3f, 0.35f);
    addReverb(s, 0.25f, 0.6f);
    return s;
}

// [SECTION] ambient

// One bird call: a quick whistled sweep with a flutter.
void chirp(Sound& s, float t0, float f0, float f1, float length, float amp, float flutter) {
    Partial p;
    p.f0 = f0; p.f1 = f1; p.glide = length; p.amp = amp; p.attack = length * 0.3f;
    p.decay = length * 0.4f; p.length = length * 1.6f; p.vibratoDepth = flutter; p.vibratoRate = 28;
    addPartial(s, t0, p);
    p.f0 *= 2; p.f1 *= 2; p.amp *= 0.08f;
    addPartial(s, t0, p);
}

Sound birds1(Rng& rng) {
    Sound s = makeSound(1.6f);
    float t = 0.05f;
    for (int i = 0; i < 5; ++i) {
        chirp(s, t, 3200 + rng.range(-100, 100), 4300, 0.07f, 0.4f, 0.02f);
        t += 0.11f;
    }
    chirp(s, t + 0.1f, 4500, 2800, 0.25f, 0.4f, 0.03f);
    addReverb(s, 0.3f, 0.9f);
    return s;
}

Sound birds2(Rng& rng) {
    Sound s = makeSound(1.8f);
    float t = 0.05f;
    for (int i = 0; i < 3; ++i) {
        chirp(s, t, 2500, 3600, 0.12f, 0.4f, 0.01f);
        chirp(s, t + 0.14f, 3600, 2400, 0.12f, 0.35f, 0.01f);
        t += 0.38f + rng.range(0, 0.05f);
    }
    addReverb(s, 0.3f, 0.9f);
    return s;
}

Sound birds3(Rng& rng) {
    Sound s = makeSound(1.8f);
    float t = 0.05f;
    for (int i = 0; i < 9; ++i) {
        float base = 3800 + 300 * std::sin(i * 1.3f);
        chirp(s, t, base, base * 1.25f, 0.045f, 0.35f, 0.04f);
        t += 0.07f + rng.range(0, 0.03f);
    }
    chirp(s, t + 0.12f, 2900, 3900, 0.2f, 0.35f, 0.05f);
    addReverb(s, 0.3f, 0.9f);
    return s;
}

// Babbling water: a bed of soft noise with small bubbles rising in pitch. It
// lasts longer than its 3.1 s period and fades at both ends, so repeats overlap.
Sound brook(Rng& rng) {
    Sound s = makeSound(4.2f);
    Noise bed;
    bed.length = 4.2f; bed.amp = 0.25f; bed.attack = 1.0f; bed.decay = 1000; bed.c0 = 1800; bed.c1 = 1800; bed.highpass = 200;
    addNoise(s, 0, bed, rng);
    for (int i = 0; i < 90; ++i) {
        Partial p;
        float f = rng.range(500, 1400);
        p.f0 = f; p.f1 = f * rng.range(1.3f, 1.8f); p.glide = 0.03f;
        p.amp = rng.range(0.05f, 0.15f); p.attack = 0.003f; p.decay = rng.range(0.01f, 0.03f);
        addPartial(s, rng.range(0.2f, 3.9f), p);
    }
    return s;
}

Sound waterfall(Rng& rng) {
    Sound s = makeSound(4.2f);
    Noise roar;
    roar.length = 4.2f; roar.amp = 0.6f; roar.attack = 1.0f; roar.decay = 1000; roar.c0 = 900; roar.c1 = 900; roar.q = 0.6f;
    addNoise(s, 0, roar, rng);
    Noise spray;
    spray.length = 4.2f; spray.amp = 0.15f; spray.attack = 1.0f; spray.decay = 1000; spray.c0 = 6000; spray.c1 = 6000; spray.highpass = 2500;
    addNoise(s, 0, spray, rng);
    return s;
}

} // namespace

const std::vector<SoundRecipe>& soundCatalog() {
    static const std::vector<SoundRecipe> catalog = {
        {"MenuLineSelect.ogg", menuLineSelect, false},
        {"ButtonClick.ogg", buttonClick, false},
        {"MaxPlayers.ogg", maxPlayers, false},
        {"SFXVolume.ogg", effectsVolume, false},
        {"Gag.ogg", gag, false},
        {"LevelStatistic.ogg", levelStatistic, false},
        {"BreakZep.ogg", breakChain, false},
        {"BreakSquare.ogg", breakSquare, false},
        {"BreakFigure1.ogg", breakFigure1, false},
        {"BreakFigure2.ogg", breakFigure2, false},
        {"BreakFigure3.ogg", breakFigure3, false},
        {"BreakFigure4.ogg", breakFigure4, false},
        {"BreakFigure5.ogg", breakFigure5, false},
        {"BreakFigure6.ogg", breakFigure6, false},
        {"BreakFigure7.ogg", breakFigure7, false},
        {"BreakFigure8.ogg", breakFigure8, false},
        {"BreakFigure.ogg", breakFigureHigh, false},
        {"FigureFall.ogg", figureFall, false},
        {"ReFillLevel.ogg", refill, false},
        {"MoveTipShow.ogg", moveTip, false},
        {"GetHammer.ogg", getHammer, false},
        {"UseHammer.ogg", useHammer, false},
        {"AddBomb.ogg", addBomb, false},
        {"AddSuperBomb.ogg", addSuperBomb, false},
        {"AddThunder.ogg", addThunder, false},
        {"ExplosionBomb.ogg", explosionBomb, false},
        {"ExplosionSuperBomb.ogg", explosionSuperBomb, false},
        {"Thunderbolt.ogg", thunderbolt, false},
        {"BonusPrize.ogg", bonusPrize, false},
        {"TimeOut.ogg", timeOut, false},
        {"DefeatLevel.ogg", defeatLevel, false},
        {"DefeatLevelEffect.ogg", defeatWave, false},
        {"GetLife.ogg", getLife, false},
        {"GetTrophy.ogg", getTrophy, false},
        {"TipShow.ogg", tipShow, false},
        {"NoMoreMove.ogg", noMoreMove, false},
        {"map1.ogg", map1, false},
        {"map2.ogg", map2, false},
        {"map3.ogg", map3, false},
        {"map4.ogg", map4, false},
        {"map5.ogg", map5, false},
        {"map6.ogg", map6, false},
        {"map7.ogg", map7, false},
        {"map8.ogg", map8, false},
        {"map9.ogg", map9, false},
        {"menu.ogg", menuOpen, false},
        {"birds1.ogg", birds1, true},
        {"birds2.ogg", birds2, true},
        {"birds3.ogg", birds3, true},
        {"brook.ogg", brook, true},
        {"waterfall.ogg", waterfall, true},
    };
    return catalog;
}

} // namespace soundgen
