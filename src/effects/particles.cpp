// [SECTION] pools and the atlas
// [SECTION] starting and spawning
// [SECTION] update
// [SECTION] drawing
#include "effects/particles.h"

#include "core/random.h"
#include "render/draw.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/texture.h"
#include "render/transforms.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aw {
namespace {

constexpr float kDegrees = 0.017453292f;

// [SECTION] pools and the atlas

// All of these live for the run; clearEffects() empties the three pools.
Particle particles[kParticlePoolSize];
Emitter emitters[kEmitterPoolSize];
DrawnSprite drawList[kDrawListSize];
SpriteVertex drawVertices[kDrawListSize * 6];
int particleRing = 0, emitterRing = 0, drawCount = 0;

TextureRecord* atlas = nullptr;
int atlasColumns = 8, atlasRows = 8;

// The game clock of the effects, and the chained-start limit against it.
float effectClockMs = 0;
float lastChainedStartMs = -1e9f;
int chainedStarts = 0;

Vec2 turned(Vec2 v, float degrees) {
    float a = degrees * kDegrees, c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec2 orbitOffset(const float orbit[4]) { return turned({orbit[0], 0}, orbit[2]); }

float deviate(float base, float dev) { return base + randomSigned(dev); }

Color4f deviateColor(const Color4f& c, const Color4f& dev) {
    return {std::clamp(deviate(c.r, dev.r), 0.0f, 1.0f), std::clamp(deviate(c.g, dev.g), 0.0f, 1.0f),
            std::clamp(deviate(c.b, dev.b), 0.0f, 1.0f), std::clamp(deviate(c.a, dev.a), 0.0f, 1.0f)};
}

void deviateOrbit(float out[4], const float base[4], const float dev[4]) {
    for (int i = 0; i < 4; ++i) out[i] = deviate(base[i], dev[i]);
    if (out[0] < 0) out[0] = 0;
}

uint8_t byteOf(float v) { return uint8_t(std::clamp(v, 0.0f, 1.0f) * 255.0f); }

// [SECTION] starting and spawning

// One pass: a particle at P + r, or symmetry particles with r turned between them.
void spawnPass(int def, const ParticleDefinition& d, Vec3 p, Vec2 r, float scale, int cell) {
    if (d.symmetry == 0) {
        spawnParticle(def, p.x + r.x, p.y + r.y, p.z, scale, cell);
        return;
    }
    float step = 360.0f / float(d.symmetry);
    for (int i = 0; i < d.symmetry; ++i) {
        spawnParticle(def, p.x + r.x, p.y + r.y, p.z, scale, cell);
        r = turned(r, step);
    }
}

// More passes than this would overwrite the particles they just made.
int passBudget(const ParticleDefinition& d) { return kParticlePoolSize / std::max(1, d.symmetry); }

void startDefinition(int def, Vec3 p, Vec3 target, float scale, int cell);

void startChained(const ParticleDefinition& d, Vec3 p, Vec3 target, float scale, int cell) {
    for (const char* name : d.external) {
        if (!name[0] || std::strcmp(name, d.name) == 0) continue;
        if (effectClockMs - lastChainedStartMs > kChainWindowMs) chainedStarts = 0;
        bool allowed = chainedStarts < kMaxChainedStarts;
        ++chainedStarts;
        if (!allowed) continue;
        lastChainedStartMs = effectClockMs;
        int other = findEffect(name);
        if (other >= 0) startDefinition(other, p, target, scale, cell);
    }
}

void startDefinition(int def, Vec3 p, Vec3 target, float scale, int cell) {
    const ParticleDefinition& d = *particleDefinition(def);
    startChained(d, p, target, scale, cell);
    if (d.effectTime != 0) {
        Emitter& e = emitters[emitterRing];
        emitterRing = (emitterRing + 1) % kEmitterPoolSize;
        e.definition = def;
        e.cell = cell < 0 ? d.cell : cell;
        e.scale = scale;
        e.age = 0;
        e.position = p;
        e.velocity = (target - p) * (1.0f / d.effectTime);
        e.interval = d.frequency > 0 ? 1000.0f / d.frequency : 0;
        e.countdown = e.interval;
        deviateOrbit(e.orbit, d.emitterOrbit, d.emitterOrbitDev);
        return;
    }
    Vec2 r = turned({d.emitterOrbit[0], 0}, d.emitterOrbit[2]);
    int passes = int(std::min<float>(std::ceil(d.frequency), float(passBudget(d))));
    for (int i = 0; i < passes; ++i) spawnPass(def, d, p, r, scale, cell);
}

} // namespace

void startEffect(const char* name, float x, float y, float targetX, float targetY, float scale, int cellOverride) {
    int def = findEffect(name);
    if (def < 0) return;
    if (cellOverride >= 25 && cellOverride <= 38) cellOverride = 10;
    Vec3 p{x, y, 0};
    Vec3 target = targetX == kNoTarget && targetY == kNoTarget ? p : Vec3{targetX, targetY, 0};
    startDefinition(def, p, target, scale, cellOverride);
}

void spawnParticle(int def, float x, float y, float z, float scale, int cellOverride) {
    const ParticleDefinition* dp = particleDefinition(def);
    if (!dp) return;
    const ParticleDefinition& d = *dp;
    Particle& p = particles[particleRing];
    particleRing = (particleRing + 1) % kParticlePoolSize;
    p.color0 = deviateColor(d.color0, d.color0Dev);
    p.color1 = deviateColor(d.color1, d.color1Dev);
    p.age = 0;
    p.life = std::max(0.0f, deviate(d.life, d.lifeDev));
    p.position = {deviate(x, d.positionDev.x), deviate(y, d.positionDev.y), deviate(z, d.positionDev.z)};
    p.velocity = {deviate(d.speed.x, d.speedDev.x), deviate(d.speed.y, d.speedDev.y),
                  deviate(d.speed.z, d.speedDev.z)};
    p.angle = deviate(d.rot, d.rotDev);
    p.spin = deviate(d.spin, d.spinDev);
    p.size0 = std::max(0.0f, deviate(d.radius0, d.radius0Dev)) * scale;
    p.size1 = std::max(0.0f, deviate(d.radius1, d.radius1Dev)) * scale;
    deviateOrbit(p.orbit, d.orbit, d.orbitDev);
    p.velocity *= scale;
    p.orbit[0] *= scale;
    p.cell = cellOverride < 0 ? d.cell : cellOverride;
    p.gravity = deviate(d.gravity, d.gravityDev);
    p.definition = def;
}

// [SECTION] update

namespace {

void updateEmitter(Emitter& e, float dt) {
    const ParticleDefinition* dp = particleDefinition(e.definition);
    if (!dp || !(e.age < dp->effectTime)) return;
    const ParticleDefinition& d = *dp;
    // Swing and orbit around the emitter's path (a rate of 1 turns 180 degrees a second).
    Vec2 offset{d.emitterSwingX[0] * std::cos((0.18f * d.emitterSwingX[1] * e.age + d.emitterSwingX[2]) * kDegrees),
                d.emitterSwingY[0] * std::sin((0.18f * d.emitterSwingY[1] * e.age + d.emitterSwingY[2]) * kDegrees)};
    offset += orbitOffset(e.orbit);
    if (e.interval > 0) {
        e.countdown -= dt;
        if (e.countdown < 0) {
            e.countdown += e.interval;
            int n = e.interval > dt ? 1 : int(dt / e.interval);
            n = std::min(n, passBudget(d));
            for (int i = 0; i < n; ++i) spawnPass(e.definition, d, e.position, offset, e.scale, e.cell);
        }
    }
    e.position += e.velocity * dt;
    e.orbit[0] += e.orbit[1] * dt / 1000.0f;
    e.orbit[2] += e.orbit[3] * dt / 1000.0f;
    e.age += dt;
}

void addSprite(Vec3 at, const Particle& p, float size, uint32_t color, int blendType) {
    if (drawCount >= kDrawListSize) return;
    drawList[drawCount++] = {at, p.angle, size, color, p.cell, blendType};
}

void updateParticle(Particle& p, float dt) {
    if (!(p.age < p.life)) return;
    const ParticleDefinition* dp = particleDefinition(p.definition);
    if (!dp) {
        p.life = 0;
        return;
    }
    const ParticleDefinition& d = *dp;
    float u = p.age / p.life;
    Color4f c = Color4f::lerp(p.color0, p.color1, u);
    uint32_t color = uint32_t(byteOf(c.a)) << 24 | uint32_t(byteOf(c.r)) << 16 | uint32_t(byteOf(c.g)) << 8 |
                     uint32_t(byteOf(c.b));
    float size = p.size0 * (1 - u) + p.size1 * u;

    Vec2 offset = orbitOffset(p.orbit);
    offset.x += d.swingX[0] * std::cos((0.18f * d.swingX[1] * p.age + d.swingX[2]) * kDegrees);
    offset.y += d.swingY[0] * std::sin((0.18f * d.swingY[1] * p.age + d.swingY[2]) * kDegrees);
    if (d.copies < 1) {
        addSprite(p.position + offset.toVec3(), p, size, color, d.blendType);
    } else {
        float step = 360.0f / float(d.copies);
        for (int i = 0; i < d.copies && drawCount < kDrawListSize; ++i) {
            addSprite(p.position + offset.toVec3(), p, size, color, d.blendType);
            offset = turned(offset, step);
        }
    }

    float s = dt / 1000.0f;
    p.position += p.velocity * s;
    p.velocity.y -= p.gravity * s;
    p.angle += p.spin * s;
    p.orbit[0] += p.orbit[1] * s;
    p.orbit[2] += p.orbit[3] * s;
    p.age += dt;
}

} // namespace

void updateEffects(float dt) {
    effectClockMs += dt;
    for (Emitter& e : emitters) updateEmitter(e, dt);
    for (Particle& p : particles) updateParticle(p, dt);
}

// [SECTION] drawing

namespace {

// A square facing the camera (the view's right and up axes), turned by its angle.
void putQuad(SpriteVertex* v, Vec3 centre, float degrees, float size, uint32_t color, float u0, float v0, float u1,
             float v1) {
    const Matrix& view = getView();
    Vec3 right{view.m[0][0], view.m[1][0], view.m[2][0]};
    Vec3 up{view.m[0][1], view.m[1][1], view.m[2][1]};
    float a = degrees * kDegrees, ca = std::cos(a), sa = std::sin(a), h = size / 2;
    Vec3 r = (right * ca + up * sa) * h;
    Vec3 t = (up * ca - right * sa) * h;
    SpriteVertex tl{centre - r + t, color, u0, v0}, tr{centre + r + t, color, u1, v0};
    SpriteVertex br{centre + r - t, color, u1, v1}, bl{centre - r - t, color, u0, v1};
    v[0] = tl, v[1] = tr, v[2] = br;
    v[3] = tl, v[4] = br, v[5] = bl;
}

void setBlendType(int type) {
    if (type == 0) setBlendMode(1);
    else if (type == 1) setBlendMode(0);
}

} // namespace

bool atlasCellUv(int cell, float& u0, float& v0, float& u1, float& v1) {
    if (cell < 0 || cell >= atlasColumns * atlasRows) return false;
    float cw = 1.0f / float(atlasColumns), ch = 1.0f / float(atlasRows);
    int column = cell % atlasColumns, row = cell / atlasColumns;
    u0 = float(column) * cw + 0.001f;
    v0 = float(row) * ch + 0.001f;
    u1 = float(column + 1) * cw - 0.001f;
    v1 = float(row + 1) * ch - 0.001f;
    return true;
}

void drawEffectList() {
    if (drawCount == 0) return;
    disableFeature(0);
    disableFeature(5);
    enableFeature(4);
    setTexture(atlas);
    // Runs of one blend state go out as one batch; the order is kept.
    int i = 0;
    int blend = drawList[0].blendType == 1 ? 1 : 0;
    while (i < drawCount) {
        if (drawList[i].blendType == 0 || drawList[i].blendType == 1) blend = drawList[i].blendType;
        setBlendType(blend);
        int quads = 0;
        for (; i < drawCount; ++i) {
            const DrawnSprite& s = drawList[i];
            if ((s.blendType == 0 || s.blendType == 1) && s.blendType != blend) break;
            float u0, v0, u1, v1;
            if (!atlasCellUv(s.cell, u0, v0, u1, v1)) continue;
            putQuad(&drawVertices[quads * 6], s.position, s.angle, s.size, s.color, u0, v0, u1, v1);
            ++quads;
        }
        if (quads > 0) drawUserPrimitive(drawVertices, quads * 2, kSpriteFvf, PT_TRIANGLELIST);
    }
    drawCount = 0;
    setBlendMode(0);
}

void updateAndDrawEffects(float dt) {
    updateEffects(dt);
    drawEffectList();
}

void drawGlow(Vec2 position, float degrees, float size, Color color, int cell) {
    float u0, v0, u1, v1;
    if (!atlasCellUv(cell, u0, v0, u1, v1)) return;
    SpriteVertex quad[6];
    putQuad(quad, position.toVec3(), degrees, size, color.argb, u0, v0, u1, v1);
    setTexture(atlas);
    enableFeature(4);
    setBlendMode(1);
    drawUserPrimitive(quad, 2, kSpriteFvf, PT_TRIANGLELIST);
    setBlendMode(0);
}

void loadEffects(const char* dataDirectory) {
    atlas = getTexture("exploanim.tga");
    if (atlas) setAtlasGrid(atlas->width / kAtlasCellPixels, atlas->height / kAtlasCellPixels);
    loadParticleDefinitions(dataDirectory);
    clearEffects();
}

void clearEffects() {
    for (Particle& p : particles) p = Particle{};
    for (Emitter& e : emitters) e = Emitter{};
    drawCount = 0;
}

void resetEffectPools() {
    clearEffects();
    particleRing = emitterRing = 0;
    effectClockMs = 0;
    lastChainedStartMs = -1e9f;
    chainedStarts = 0;
}

void setAtlasGrid(int columns, int rows) {
    atlasColumns = std::max(1, columns);
    atlasRows = std::max(1, rows);
}

const Particle& particleAt(int i) { return particles[((i % kParticlePoolSize) + kParticlePoolSize) % kParticlePoolSize]; }
const Emitter& emitterAt(int i) { return emitters[((i % kEmitterPoolSize) + kEmitterPoolSize) % kEmitterPoolSize]; }

int liveParticleCount() {
    int n = 0;
    for (const Particle& p : particles) n += p.age < p.life ? 1 : 0;
    return n;
}

int drawListCount() { return drawCount; }
const DrawnSprite& drawListAt(int i) { return drawList[std::clamp(i, 0, kDrawListSize - 1)]; }

} // namespace aw
