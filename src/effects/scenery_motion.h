// How the scenery moves, as plain step functions over its records: the sky
// and water scrolling, the spray and its droplets, the swaying leaves and the
// change between two landscapes. No drawing here; backgrounds.cpp draws.
#pragma once
#include "core/rect.h"
#include "core/vec.h"

#include "effects/scenery_layout.h"

namespace aw {

struct TextureRecord;

constexpr float kTransitionMs = 3000;
constexpr float kDropletLifeMs = 2000;
constexpr int kMaxDroplets = 256;
// A spray of area A gives a droplet every kSprayAreaMs / A ms.
constexpr float kSprayAreaMs = 300000;

// Texture window of a sky: the picture's aspect kept over the rectangle,
// drifting sideways with the clock.
UvRect skyUv(float width, float height, int textureWidth, int textureHeight, double timeMs);
// Texture window of flowing water: one texel per unit, moving by flow; speed
// is 1 for waterfalls and 0.2 for other water.
UvRect flowUv(float width, float height, int textureWidth, int textureHeight, Vec2 flow, double timeMs, float speed);
UvRect mirrored(UvRect uv);

// Advances a spray's clock; true when a droplet is born this step (one per
// step at most). A spray without area never gives one.
bool sprayStep(float& clockMs, float dtMs, float width, float height);

// The sway of a leaf kind at its phase c (ms), in the rotation's units.
float swayAngle(SceneryRole role, float c);
// Grey level of a leaf: 255 less the length of its flow, at least 0.
int leafShade(Vec2 flow);

// Droplets of the sprays: a ring that overwrites its oldest entry.
// Lives for the run; resetDroplets() empties it.
struct Droplet {
    Vec2 position;
    float lifeMs = 0; // 0: free
    const TextureRecord* texture = nullptr;
};
struct DropletRing {
    Droplet droplets[kMaxDroplets];
    int next = 0;
    void spawn(Vec2 at, const TextureRecord* texture);
    int alive() const;
};
// Size, brightness (0 to 1) and lift of a droplet with that much life left.
float dropletSize(float lifeMs);
float dropletBrightness(float lifeMs);
float dropletLift(float lifeMs);

// The change between landscapes at transition timer T (kTransitionMs down to 0):
// progress s, alpha of the incoming picture (0 in the first half), and the
// swing and zoom of the old scene.
struct TransitionLook {
    float progress = 0;
    float incomingAlpha = 0;
    Vec2 offset;
    float scale = 1;
};
TransitionLook transitionLook(float timerMs);

} // namespace aw
