#include "effects/scenery_motion.h"

#include "core/fast_sqrt.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace aw {
namespace {

constexpr double kSkyDrift = 0.000003; // texture widths per ms
constexpr double kFlowRate = 0.00001;  // texture coordinates per ms and unit of flow
constexpr float kPi = 3.14159265f;

// Texture offsets wrap (the textures repeat), so only the fraction matters;
// keeping it small keeps the float texture coordinates exact in long runs.
float wrapped(double offset) { return float(offset - std::floor(offset)); }

} // namespace

UvRect skyUv(float width, float height, int textureWidth, int textureHeight, double timeMs) {
    float span = 1;
    if (height != 0 && textureWidth > 0 && textureHeight > 0)
        span = std::fabs(width / height) * float(textureHeight) / float(textureWidth);
    float u = wrapped(-kSkyDrift * timeMs);
    return {u, 0, u + span, 1};
}

UvRect flowUv(float width, float height, int textureWidth, int textureHeight, Vec2 flow, double timeMs, float speed) {
    float du = textureWidth > 0 ? std::fabs(width) / float(textureWidth) : 1;
    float dv = textureHeight > 0 ? std::fabs(height) / float(textureHeight) : 1;
    float u = wrapped(-double(flow.x) * timeMs * kFlowRate * speed);
    float v = wrapped(-double(flow.y) * timeMs * kFlowRate * speed);
    return {u, v, u + du, v + dv};
}

UvRect mirrored(UvRect uv) { return {uv.uMax, uv.vMin, uv.uMin, uv.vMax}; }

bool sprayStep(float& clockMs, float dtMs, float width, float height) {
    float area = std::fabs(width * height);
    clockMs += dtMs;
    if (!(area > 0)) return false;
    float interval = kSprayAreaMs / area;
    if (!(clockMs > interval)) return false;
    // The remainder carries over so the rate stays true at any frame time,
    // but never more than one droplet's worth.
    clockMs -= interval;
    if (!(clockMs <= interval)) clockMs = 0;
    return true;
}

float swayAngle(SceneryRole role, float c) {
    switch (role) {
    case SceneryRole::Leaves1: return 0.5f * std::sin(0.003f * c) + 0.1f * std::sin(0.0043f * c);
    case SceneryRole::Leaves2: return 0.18f * std::sin(0.004f * c) + 0.11f * std::sin(0.0024f * c);
    case SceneryRole::Leaves: return 0.6f * std::sin(0.0022f * c) + 0.24f * std::sin(0.0038f * c);
    default: return 0;
    }
}

int leafShade(Vec2 flow) {
    float shade = 255 - flow.length();
    return shade >= 255 ? 255 : shade > 0 ? int(shade + 0.5f) : 0;
}

void DropletRing::spawn(Vec2 at, const TextureRecord* texture) {
    droplets[next] = {at, kDropletLifeMs, texture};
    next = (next + 1) % kMaxDroplets;
}

int DropletRing::alive() const {
    return int(std::count_if(std::begin(droplets), std::end(droplets), [](const Droplet& d) { return d.lifeMs > 0; }));
}

float dropletSize(float lifeMs) { return 15 + (kDropletLifeMs - lifeMs) * 0.011f; }
float dropletBrightness(float lifeMs) { return std::max(0.0f, std::sin(kPi * lifeMs / kDropletLifeMs)); }
// Rises 24 units over its life, slowing as it goes.
float dropletLift(float lifeMs) {
    float age = (kDropletLifeMs - lifeMs) / kDropletLifeMs;
    return 24 * age * (1 - 0.5f * age);
}

TransitionLook transitionLook(float timerMs) {
    TransitionLook look;
    float s = 1 - timerMs / kTransitionMs;
    look.progress = s;
    look.incomingAlpha = timerMs < kTransitionMs / 2 ? std::clamp(1 - timerMs / (kTransitionMs / 2), 0.0f, 1.0f) : 0;
    look.offset = {30 * s * s * std::cos(1.5f * kPi * s), 30 * s * s * std::sin(kPi * s)};
    look.scale = 1 + 1.5f * s * s;
    return look;
}

} // namespace aw
