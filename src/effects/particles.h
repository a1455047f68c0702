// Particle effects: started by name at a point, optionally travelling to a
// target, as a burst or as an emitter that runs for a while; every particle
// is a camera-facing quad from one atlas, "exploanim.tga", drawn added or
// alpha blended. The pools are fixed rings set up at start-up: nothing is
// allocated while playing.
//
// Lifetime: the definitions and the atlas live for the run; particles,
// emitters and the draw list live until their time is up, the ring
// overwrites them, or clearEffects() (a screen change) empties them.
#pragma once
#include "core/color.h"
#include "core/vec.h"
#include "effects/particle_defs.h"

#include <cstdint>

namespace aw {

constexpr int kParticlePoolSize = 1024;
constexpr int kEmitterPoolSize = 256;
constexpr int kDrawListSize = 4096;
constexpr int kAtlasCellPixels = 64;
constexpr int kMaxChainedStarts = 8;     // chained starts ...
constexpr float kChainWindowMs = 100.0f; // ... until this much quiet
// "No target": the effect stays where it starts.
constexpr float kNoTarget = -1000000.0f;

struct Particle {
    int definition = -1;
    float age = 0, life = 0;    // ms; alive while age < life
    int cell = 0;
    Vec3 position, velocity;    // velocity in units per second
    float angle = 0, spin = 0;  // degrees, degrees per second
    float orbit[4] = {};        // radius, growth/s, angle, degrees/s
    float size0 = 0, size1 = 0;
    Color4f color0, color1;
    float gravity = 0;
};

struct Emitter {
    int definition = -1;
    int cell = 0;
    float scale = 1;
    float age = 0;                 // ms; runs while below the effect time
    Vec3 position, velocity;       // velocity in units per millisecond
    float countdown = 0, interval = 0;
    float orbit[4] = {};
};

struct DrawnSprite {
    Vec3 position;
    float angle = 0, size = 0;
    uint32_t color = 0; // 0xAARRGGBB
    int cell = 0;
    int blendType = 0;
};

// Loads the atlas and every definition (start-up, after the archives are
// open), then empties the pools.
void loadEffects(const char* dataDirectory);

// Starts the effect called name at (x, y); the target (kNoTarget for none)
// is where an emitter arrives when its time is up. cellOverride < 0 keeps the
// definition's sprite; 25 to 38 become 10. Unknown names do nothing.
void startEffect(const char* name, float x, float y, float targetX = kNoTarget, float targetY = kNoTarget,
                 float scale = 1, int cellOverride = -1);
// One particle of a definition (an index of -1 does nothing).
void spawnParticle(int definition, float x, float y, float z, float scale, int cellOverride = -1);

// Ages the emitters and particles by dt ms and fills the draw list.
void updateEffects(float dt);
// Draws the list in order (blend state per sprite) and empties it.
void drawEffectList();
// Both, once per frame after the board.
void updateAndDrawEffects(float dt);

// One additive sprite of the atlas, drawn at once outside the list.
void drawGlow(Vec2 position, float degrees, float size, Color color, int cell);

// Empties particles, emitters and the draw list.
void clearEffects();
// clearEffects, the chain counter and the effect clock; the definitions stay.
void resetEffectPools();

// Inspection (tests and tools).
const Particle& particleAt(int i);
const Emitter& emitterAt(int i);
int liveParticleCount();
int drawListCount();
const DrawnSprite& drawListAt(int i);
// The atlas texture coordinates of a cell, 0.001 inside its edges; false
// for a cell outside the atlas.
bool atlasCellUv(int cell, float& u0, float& v0, float& u1, float& v1);
// Without a loaded atlas (tests), cells are laid out on this grid.
void setAtlasGrid(int columns, int rows);

} // namespace aw
