// [SECTION] records
// [SECTION] loading and choosing the landscape
// [SECTION] tint
// [SECTION] drawing one scene
// [SECTION] the frame
#include "effects/backgrounds.h"

#include "board/play_state.h"
#include "core/color.h"
#include "core/matrix.h"
#include "core/random.h"
#include "effects/meshes.h"
#include "effects/models.h"
#include "effects/scenery_catalogue.h"
#include "effects/scenery_layout.h"
#include "effects/scenery_motion.h"
#include "platform/paths.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/file_errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace aw {
namespace {

// [SECTION] records

// The painting fills 800 x 600 texels of its 1024 x 1024 texture.
constexpr float kPictureU = 0.78125f, kPictureV = 0.5859375f;
// Seen both under the 2D set-up (depth 1 to 100) and from the menus' view
// moved back by 120.
constexpr float kDepth = 10;
constexpr float kLeafPhaseMs = 400;      // between one leaf and the next
constexpr float kSwayDegreesPerUnit = 4; // a gentle breeze: about 2 to 3 degrees either way
constexpr float kOutsideGameplaySpeed = 6;
constexpr int kMaxSwayQuads = 128;
constexpr float kCentreX = 400, kCentreY = 300;

struct Tint {
    float r = 1, g = 1, b = 1, a = 1;
};

struct Landscape {
    int number = -1;
    TextureRecord* painting = nullptr;
    SceneryLayout* layout = nullptr;
};

// Lives for the run (reset by resetBackgrounds).
struct Backgrounds {
    Landscape current, incoming;
    bool changing = false;
    float changeMs = 0; // counts down from kTransitionMs
    Tint tint, target;
    double clockMs = 0; // the scenery's own clock: sky and water positions
    float overlayFade = 1;
    DropletRing droplets;
} bg;

// The leaves of one scene, drawn after its painting; rebuilt for every scene drawn.
struct SwayQuad {
    float x, y, pivotX, pivotY, degrees, w, h;
    int shade;
    const TextureRecord* texture;
    bool mirror;
};
struct SwayList {
    SwayQuad quads[kMaxSwayQuads];
    int count = 0;
} sway;

uint8_t byteOf(float v) { return uint8_t(v <= 0 ? 0 : v >= 1 ? 255 : v * 255 + 0.5f); }

// The paintings and layouts are asked for by bare name inside "AnimBacks".
class InAnimBacks {
public:
    InAnimBacks() : back_(currentDirectory()) { setCurrentDirectory(back_ + "/AnimBacks"); }
    ~InAnimBacks() { setCurrentDirectory(back_); }
    InAnimBacks(const InAnimBacks&) = delete;
    InAnimBacks& operator=(const InAnimBacks&) = delete;

private:
    std::string back_;
};

int validNumber(int number) { return number >= 0 && number < kBackgroundCount ? number : 0; }

TextureRecord* loadPainting(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "_a_back%i.jpg", number);
    TextureRecord* t = textureManager.loadAlphaPicture(name, 800, 600);
    if (!t) loadingError(name);
    return t;
}

// Spray and leaf clocks: staggered when a landscape is simply shown, from 0
// when it arrives through a change.
void startClocks(SceneryLayout* layout, bool staggered) {
    for (int i = 0; i < layout->count; ++i) layout->objects[i].clockMs = staggered ? randomFloat(500) : 0;
}

void finishChange() {
    if (bg.current.painting && bg.current.painting != bg.incoming.painting) releaseTexture(bg.current.painting);
    bg.current = bg.incoming;
    bg.incoming = Landscape{};
    bg.changing = false;
    bg.changeMs = 0;
}

void abandonChange() {
    if (bg.incoming.painting && bg.incoming.painting != bg.current.painting) releaseTexture(bg.incoming.painting);
    bg.incoming = Landscape{};
    bg.changing = false;
    bg.changeMs = 0;
}

} // namespace

// [SECTION] loading and choosing the landscape

void loadScenery() {
    loadSceneryCatalogue();
    InAnimBacks dir;
    for (int i = 0; i < kCachedLayoutsAtStart; ++i) sceneryLayout(i);
}

void setBackground(int number) {
    number = validNumber(number);
    if (bg.changing) abandonChange();
    if (number == bg.current.number && bg.current.painting) return;
    if (bg.current.painting) releaseTexture(bg.current.painting);
    bg.current = Landscape{};
    InAnimBacks dir;
    bg.current.painting = loadPainting(number);
    bg.current.layout = sceneryLayout(number);
    bg.current.number = number;
    startClocks(bg.current.layout, true);
}

void changeBackground(int number) {
    number = validNumber(number);
    if (!bg.current.painting) {
        setBackground(number); // nothing to change from
        return;
    }
    if (bg.changing) finishChange();
    InAnimBacks dir;
    bg.incoming.number = number;
    // The same landscape again changes to itself: one texture serves both.
    bg.incoming.painting = number == bg.current.number ? bg.current.painting : loadPainting(number);
    bg.incoming.layout = sceneryLayout(number);
    if (bg.incoming.layout != bg.current.layout) startClocks(bg.incoming.layout, false);
    bg.changing = true;
    bg.changeMs = kTransitionMs;
}

int currentBackground() { return bg.current.number; }
bool backgroundChanging() { return bg.changing; }

// [SECTION] tint

void setTintTarget(float r, float g, float b, float a) { bg.target = {r, g, b, a}; }
void setTintNow(float r, float g, float b, float a) { bg.tint = bg.target = {r, g, b, a}; }
void setOverlayFade(float fade) { bg.overlayFade = std::clamp(fade, 0.0f, 1.0f); }

namespace {

// The colour the whole landscape is drawn in this frame, before the tint
// takes its step towards the target.
Tint drawnTint(bool inGameplay) {
    Tint t = bg.tint;
    if (inGameplay && playState.overlayShown) {
        float k = 0.8f + 0.2f * bg.overlayFade;
        t = {t.r * k, t.g * k, t.b * k, 1};
    }
    return t;
}

void stepTint(float dt) {
    float k = std::min(1.0f, 0.0015f * dt);
    Tint& t = bg.tint;
    t.r += (bg.target.r - t.r) * k;
    t.g += (bg.target.g - t.g) * k;
    t.b += (bg.target.b - t.b) * k;
    t.a += (bg.target.a - t.a) * k;
}

// [SECTION] drawing one scene

struct Box {
    float cx, cy, w, h;
};
Box boxOf(const SceneryObject& o) {
    return {(o.x1 + o.x2) / 2, (o.y1 + o.y2) / 2, std::fabs(o.x2 - o.x1), std::fabs(o.y2 - o.y1)};
}

// Skies and water repeat; every other picture is clamped at its edges, so
// filtering never pulls in the far edge's texels (grass along a top edge).
void setRepeat(bool repeat) {
    uint32_t mode = repeat ? kAddressWrap : kAddressClamp;
    if (getTextureStageState(TSS_ADDRESSU) != mode) setTextureStageState(TSS_ADDRESSU, mode);
    if (getTextureStageState(TSS_ADDRESSV) != mode) setTextureStageState(TSS_ADDRESSV, mode);
}

void drawFilling(const SceneryObject& o, UvRect uv, uint8_t alpha) {
    Box b = boxOf(o);
    setRepeat(o.role != SceneryRole::Behind);
    setTexture(o.kind->texture);
    drawRotatedSprite(b.cx, b.cy, b.cx, b.cy, o.rotation, b.w, b.h, o.mirror ? mirrored(uv) : uv,
                      Color(255, 255, 255, alpha), kDepth);
}

// Sky, water and the pictures behind the painting are drawn; sprays give
// droplets; leaves join the sway list. advance: this scene's clocks move
// (a landscape changing to itself is drawn twice but moves once).
void behindPass(SceneryLayout& layout, float dt, uint8_t alpha, bool advance, bool droplets) {
    sway.count = 0;
    int leafIndex = 0;
    for (int i = 0; i < layout.count; ++i) {
        SceneryObject& o = layout.objects[i];
        const TextureRecord* tex = o.kind ? o.kind->texture : nullptr;
        Box b = boxOf(o);
        switch (o.role) {
        case SceneryRole::Sky:
            drawFilling(o, skyUv(b.w, b.h, tex->width, tex->height, bg.clockMs), alpha);
            break;
        case SceneryRole::Waterfall:
            drawFilling(o, flowUv(b.w, b.h, tex->width, tex->height, o.flow, bg.clockMs, 1), alpha);
            break;
        case SceneryRole::Water:
            drawFilling(o, flowUv(b.w, b.h, tex->width, tex->height, o.flow, bg.clockMs, 0.2f), alpha);
            break;
        case SceneryRole::Spray:
            if (advance && sprayStep(o.clockMs, dt, b.w, b.h) && droplets)
                bg.droplets.spawn({b.cx + randomSigned(b.w / 2), b.cy + randomSigned(b.h / 2)}, tex);
            break;
        case SceneryRole::Leaves1:
        case SceneryRole::Leaves2:
        case SceneryRole::Leaves: {
            if (advance) o.clockMs += dt;
            float c = o.clockMs + kLeafPhaseMs * float(leafIndex++);
            if (sway.count >= kMaxSwayQuads) break;
            sway.quads[sway.count++] = {b.cx, b.cy, o.mirror ? b.cx + b.w / 2 : b.cx - b.w / 2, b.cy,
                                        o.rotation + swayAngle(o.role, c) * kSwayDegreesPerUnit, b.w, b.h,
                                        leafShade(o.flow), tex, o.mirror};
            break;
        }
        case SceneryRole::Behind: drawFilling(o, UvRect(), alpha); break;
        case SceneryRole::Front:
        case SceneryRole::None: break;
        }
    }
}

void drawPainting(const TextureRecord* painting, uint8_t alpha) {
    setRepeat(false);
    setTexture(painting);
    drawScreenRect(0, 0, 800, 600, 0, 0, kPictureU, kPictureV, Color(255, 255, 255, alpha));
}

void frontPass(const SceneryLayout& layout, uint8_t alpha) {
    setRepeat(false);
    for (int i = 0; i < layout.count; ++i) {
        const SceneryObject& o = layout.objects[i];
        if (o.role != SceneryRole::Front) continue;
        Box b = boxOf(o);
        setTexture(o.kind->texture);
        drawQuad(Rect::fromCentre(b.cx, b.cy, b.w, b.h), o.mirror ? mirrored(UvRect()) : UvRect(),
                 Color(255, 255, 255, alpha), kDepth);
    }
}

// Additive sparkles rising from the sprays, without depth writes.
void drawDroplets(float dt) {
    uint32_t src = getRenderState(RS_SRCBLEND), dst = getRenderState(RS_DESTBLEND);
    uint32_t zwrite = getRenderState(RS_ZWRITEENABLE);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendOne);
    setRenderState(RS_ZWRITEENABLE, 0);
    setRepeat(false);
    for (Droplet& d : bg.droplets.droplets) {
        if (d.lifeMs <= 0) continue;
        float size = dropletSize(d.lifeMs);
        int b = int(dropletBrightness(d.lifeMs) * 255);
        setTexture(d.texture);
        drawSprite(d.position.x, d.position.y + dropletLift(d.lifeMs), size, size, UvRect(), Color(b, b, b, 255),
                   kDepth);
        d.lifeMs -= dt;
        if (d.lifeMs < 0) d.lifeMs = 0;
    }
    setRenderState(RS_SRCBLEND, src);
    setRenderState(RS_DESTBLEND, dst);
    setRenderState(RS_ZWRITEENABLE, zwrite);
}

void drawSwayList(uint8_t alpha) {
    setRepeat(false);
    for (int i = 0; i < sway.count; ++i) {
        const SwayQuad& q = sway.quads[i];
        setTexture(q.texture);
        drawRotatedSprite(q.x, q.y, q.pivotX, q.pivotY, q.degrees, q.w, q.h, q.mirror ? mirrored(UvRect()) : UvRect(),
                          Color(q.shade, q.shade, q.shade, alpha), kDepth);
    }
}

// The current landscape owns the droplets: it gives new ones unless a change
// is under way, and draws the ones alive (they outlive a change's start).
void drawLandscape(Landscape& l, float dt, float alpha, bool advance, bool owner) {
    uint8_t a = byteOf(alpha), behind = byteOf(alpha * alpha * alpha);
    behindPass(*l.layout, dt, behind, advance, owner && !bg.changing);
    drawPainting(l.painting, a);
    frontPass(*l.layout, a);
    if (owner) drawDroplets(dt);
    drawSwayList(a);
}

// The states the landscape draws with, put back afterwards for whoever
// draws next: no culling (the painting's winding), linear filtering (the
// scrolling textures), ordinary blending, repeating or clamped textures.
struct SavedStates {
    Matrix world;
    uint32_t cull, src, dst, mag, min, mip, addressU, addressV;
    SavedStates()
        : world(getWorld()), cull(getRenderState(RS_CULLMODE)), src(getRenderState(RS_SRCBLEND)),
          dst(getRenderState(RS_DESTBLEND)), mag(getTextureStageState(TSS_MAGFILTER)),
          min(getTextureStageState(TSS_MINFILTER)), mip(getTextureStageState(TSS_MIPFILTER)),
          addressU(getTextureStageState(TSS_ADDRESSU)), addressV(getTextureStageState(TSS_ADDRESSV)) {}
    ~SavedStates() {
        setTextureStageState(TSS_ADDRESSU, addressU);
        setTextureStageState(TSS_ADDRESSV, addressV);
        setWorld(&world);
        setRenderState(RS_CULLMODE, cull);
        setRenderState(RS_SRCBLEND, src);
        setRenderState(RS_DESTBLEND, dst);
        setTextureStageState(TSS_MAGFILTER, mag);
        setTextureStageState(TSS_MINFILTER, min);
        setTextureStageState(TSS_MIPFILTER, mip);
    }
    SavedStates(const SavedStates&) = delete;
    SavedStates& operator=(const SavedStates&) = delete;
};

} // namespace

// [SECTION] the frame

void drawBackground(bool inGameplay, float dt) {
    Tint drawn = drawnTint(inGameplay);
    stepTint(dt);
    if (!bg.current.painting) return;
    bg.clockMs += dt;

    SavedStates saved;
    setTint(drawn.r, drawn.g, drawn.b, drawn.a);
    setRenderState(RS_CULLMODE, kCullNone);
    setBlendMode(0);
    enableFeature(7);

    TransitionLook look = bg.changing ? transitionLook(bg.changeMs) : TransitionLook{};
    if (bg.changing && inGameplay) {
        // The old scene swings away and grows about the screen centre.
        Matrix m = saved.world * Matrix::scaling(look.scale, look.scale, 1) *
                   Matrix::translation(look.offset.x, look.offset.y, 0);
        setWorld(&m);
    }
    drawLandscape(bg.current, dt, 1, true, true);
    setWorld(&saved.world);

    if (bg.changing) {
        if (look.incomingAlpha > 0)
            drawLandscape(bg.incoming, dt, look.incomingAlpha, bg.incoming.layout != bg.current.layout, false);
        bg.changeMs -= dt * (inGameplay ? 1 : kOutsideGameplaySpeed);
        if (bg.changeMs <= 0) finishChange();
    }
    setTint(1, 1, 1, 1);
}

void resetBackgrounds() {
    bg = Backgrounds{};
    sway.count = 0;
}

void resetScenery() {
    resetBackgrounds();
    resetSceneryLayouts();
    resetSceneryCatalogue();
    releaseAllModels();
    releaseAllMeshes();
}

const DropletRing& sceneryDroplets() { return bg.droplets; }

} // namespace aw
