// Things that fly over the board: the quarters of broken squares, figures
// flying off (debris), the score numbers, and the hammer at the pointer.
//
// [SECTION] square shards
// [SECTION] debris
// [SECTION] score popups
// [SECTION] hammer pointer
#include "board/board.h"
#include "core/random.h"
#include "effects/gameplay_internal.h"
#include "effects/gameplay_screen.h"
#include "effects/particles.h"
#include "persistence/settings.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"

#include <algorithm>
#include <cstdio>

namespace aw {
namespace {

constexpr float kShardLifeMs = 700;

Vec2 turnedRight(Vec2 v) { return {v.y, -v.x}; } // -90 degrees

void addPopup(float x, float y, int value, float size, float fade) {
    FloatingPoints& f = floatingPoints[gs.floatingRing];
    gs.floatingRing = (gs.floatingRing + 1) % kFloatingCount;
    f.value = value;
    f.position = {x, y};
    f.velocity = {0, 0.03f};
    f.size = size;
    f.sizeChange = 0;
    f.opacity = 255;
    f.opacityChange = -fade;
}

} // namespace

// [SECTION] square shards

void startSquareBreak(float x, float y, int ground) {
    Shard& s = presentation.shards[presentation.shardRing];
    presentation.shardRing = (presentation.shardRing + 1) % kShardCount;
    s.active = true;
    s.age = 0;
    s.sparkle = 0;
    s.ground = std::clamp(ground, 1, 2);
    s.centre = {x, y};
    // The first quarter (top left) flies up and left; each next one is turned a quarter further.
    float speed = 0.35f + randomFloat(0.15f);
    s.velocity = {-speed, speed};
}

void drawShards(float dt) {
    static const Vec2 kQuarter[4] = {{-14, 14}, {14, 14}, {14, -14}, {-14, -14}};
    static const UvRect kUv[4] = {{0, 0, 0.5f, 0.5f}, {0.5f, 0, 1, 0.5f}, {0.5f, 0.5f, 1, 1}, {0, 0.5f, 0.5f, 1}};
    const Color board = boardColor();
    int sparkle = findEffect("blik3");
    for (Shard& s : presentation.shards) {
        if (!s.active) continue;
        float a = s.age;
        if (a > kShardLifeMs) {
            s.active = false;
            continue;
        }
        int alpha = a < 200 ? 255 : int(255 - (a - 200) / 500 * 255);
        alpha = std::clamp(alpha * board.a() / 255, 0, 255);
        Color color(board.r(), board.g(), board.b(), alpha);
        Vec2 shift = s.velocity * (a / 10);
        float drop = a * a / 5000;
        s.sparkle += dt;
        bool sparks = s.sparkle > 200 && a < 600;
        if (sparks) s.sparkle -= 200;
        setTexture(gameplayTextures.tiles[s.ground]);
        for (int k = 0; k < 4; ++k) {
            Vec2 at = s.centre + kQuarter[k] + shift - Vec2{0, drop};
            drawSpriteAt(at, 28, 28, kUv[k], color, 0);
            if (sparks) spawnParticle(sparkle, at.x, at.y, 0, 1);
            shift = turnedRight(shift);
        }
        s.age += dt;
    }
}

// [SECTION] debris

void drawDebris(float dt) {
    const bool trails = !gs.paused && !playState.overlayShown;
    const Color board = boardColor();
    for (int i = 0; i < kDebrisCount; ++i) {
        const Debris& d = debris[i];
        DebrisLook& look = presentation.debris[i];
        if (d.kind <= 0) {
            look = DebrisLook{};
            continue;
        }
        look.frameClock += dt;
        while (look.frameClock >= 30) {
            look.frameClock -= 30;
            look.frame = (look.frame + 1) % 32;
        }
        if (playState.overlayShown) look.frame = 0;
        int kind = d.kind - 1;
        int slot = kind < kKinds ? gs.displayTable[kind] : -1;
        if (slot < 0 || slot >= kFigureSlots || offFrame(d.position, 35)) continue;
        const SpriteSheet& sheet = gameplayTextures.figures[slot];
        if (d.type >= 2) {
            look.rotation += look.spin * dt / 1000;
            drawSheetCell(sheet, d.position.x, d.position.y, look.frame, board, sheet.cellWidth * (look.scale - 1),
                          look.rotation);
        } else {
            drawSheetCell(sheet, d.position.x, d.position.y, look.frame, board, 0, 0);
        }
        if (d.type == 1 && trails) startEffect("ef2", d.position.x, d.position.y);
    }
}

// [SECTION] score popups

void spawnScorePopup(float x, float y, int value) { addPopup(x, y, value, 14, 0.09f); }
void spawnLargeScorePopup(float x, float y, int value) { addPopup(x, y, value, 20, 0.06f); }

void drawScorePopups(float dt) {
    char text[24];
    for (const FloatingPoints& f : floatingPoints) {
        if (f.size <= 0 || f.opacity <= 0) continue;
        std::snprintf(text, sizeof text, "+%i", f.value);
        int alpha = std::min(255, int(f.opacity));
        drawTextShadowed(f.position.x, f.position.y, f.size, text, true, Color(255, 255, 255, alpha),
                         Color(0, 0, 0, int(float(alpha) * 0.75f)), 2, 1, -1);
    }
    updateFloatingPoints(dt);
}

// [SECTION] hammer pointer

// While the hammer is armed the window shows it as its pointer; with the
// drawn cursor on the window's pointer is hidden, so the picture follows the
// mouse here instead, head at the tip.
void drawHammerPointer() {
    if (!gs.hammerCursor || playState.overlayShown || !gameplayTextures.hammerPointer) return;
    if (!settings().customCursor) return;
    setTexture(gameplayTextures.hammerPointer);
    enableFeature(4);
    setBlendMode(0);
    drawSprite(boardInput.mouse.x + 16, boardInput.mouse.y - 16, 32, 32, UvRect(0, 0, 1, 1), Color(255, 255, 255, 255),
               10);
}

} // namespace aw
