// [SECTION] what is left
// [SECTION] views
// [SECTION] drops
// [SECTION] sparks
// [SECTION] drawing
// [SECTION] resets
#include "effects/candle.h"

#include "board/board.h"
#include "core/random.h"
#include "core/text_format.h"
#include "effects/gameplay_internal.h"
#include "effects/particles.h"
#include "effects/tips.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "resources/text_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kCandleX = 368, kStickX = 336;
constexpr float kCandleFoot = -280;     // the candle's bottom edge never moves
constexpr float kCandleTop = 232;       // the flame's height over a full candle
constexpr float kCandleLength = 480;
constexpr float kTextureRowsPerLength = 0.9375f; // 480 of the picture's 512 rows
constexpr float kFlareEveryMs = 50, kSmokeEveryMs = 10, kSparkEveryMs = 50;
constexpr float kSmokeBelowMs = 3000, kSmolderAboveMs = 1500;
constexpr int kSmokeBelowMoves = 4, kSmolderAboveMoves = 1;
constexpr int kFlameGlowCell = 40, kSparkGlowCell = 33;
constexpr float kSparkLifeMs = 3000;
constexpr float kSparkTrailMs = 100;
constexpr Vec2 kCounterAt{0, -180};
constexpr float kDropFloor = -240, kDropFadeFrom = -208;
constexpr float kDropTickMs = 10;
constexpr float kDropHang = 56; // from a drop's position down to its picture's centre
constexpr int kMaxCatchUp = 3; // emitters spawn at most this many per frame after a long one

struct CandleDrop {
    Vec2 position, velocity;
    float alpha = 0;
    int texture = 0; // drop1.tga .. drop4.tga
    bool finished = true;
};

struct BonusSpark {
    Vec2 velocity, position, target;
    float angle = 0, spin = 0, age = 0, emitterClock = 0;
    Color color;
    bool active = false;
};

// Reset at level start.
struct CandleState {
    CandleDrop drops[kCandleDrops];
    float dropClock = 0;
    float dropDelay = -1;   // drawn at the first drop tick
    float flareClock = 0, smokeClock = 0, smolderClock = 0, sparkClock = 0;
    BonusSpark sparks[kBonusSparks];
    int sparkRing = 0;
};
CandleState candle;

const Color kWhite(255, 255, 255, 255);
const Color kShadow(0, 0, 0, 192);

bool candleMode() { return playState.mode == kAdventure || playState.mode == kPuzzle; }

// [SECTION] what is left

// The level's limit left, never below zero (the time can overrun by a frame).
float limitLeft() {
    if (playState.mode == kAdventure) return std::max(0.0f, gs.timeLimit - gs.timeUsed);
    return float(std::max(0, gs.moveLimit - gs.movesUsed));
}

// The moves the candle's length shows: it follows the eased count, so a
// move burns the wax away smoothly instead of in one jump.
float lengthLeft() {
    if (playState.mode == kAdventure) return limitLeft();
    return std::max(0.0f, float(gs.moveLimit) - gs.candleMoves);
}

// After a win the rest burns down in 4 s.
float runDown(float left) {
    if (!playState.levelWon) return left;
    if (gs.outroTime >= kCandleBurnDownMs) return 0;
    return left * (1 - gs.outroTime / kCandleBurnDownMs);
}

float burnedFraction() {
    float full = playState.mode == kAdventure ? kFullCandleMs : kFullCandleMoves;
    return 1 - runDown(lengthLeft()) / full;
}

int spawns(float& clock, float every, float dt) {
    clock += dt;
    int n = int(clock / every);
    clock -= float(n) * every;
    return std::min(n, kMaxCatchUp);
}

} // namespace

// [SECTION] views

CandleView candleView(float candleOffset, float pulseMs) {
    CandleView v;
    if (!candleMode()) return v;
    v.shown = true;
    v.remaining = runDown(limitLeft());
    const float q = burnedFraction();
    v.burned = q;
    v.shift = 1.1f * candleOffset;
    const float cx = v.shift;
    v.stick = Rect::fromCentre(kStickX - cx, -44, 128, 512);
    float height = kCandleLength * (1 - q) + 32;
    v.candle = Rect(kCandleX - cx - 32, kCandleFoot + height, kCandleX - cx + 32, kCandleFoot);
    v.candleTopV = kTextureRowsPerLength * q;
    v.flame = {kCandleX - cx, kCandleTop - kCandleLength * q};
    v.pool = Rect::fromCentre(kStickX - cx, -256 - 32 * (1 - q), 128 * q, 64 * q);

    const char* format = nullptr;
    long long value = 0;
    if (playState.mode == kAdventure) {
        // Once the level is lost the countdown has said its last: the loss message takes over.
        if (v.remaining < kTimeWarningMs && !playState.levelWon && !playState.levelLost) {
            format = lookupText("timelast");
            value = (long long)(v.remaining / 1000);
            v.textSize = 16 + 2 * (std::sin(20 * kPi * (1 - v.remaining / kTimeWarningMs)) + 1);
        }
        if (!playState.levelWon && v.remaining < kTimeWarningMs) {
            v.darken = true;
            v.darkness = 0.5f + 0.5f * v.remaining / kTimeWarningMs;
        }
    } else {
        int left = int(v.remaining);
        format = lookupText("moveslast");
        value = left;
        v.textSize = left < kMovesWarning ? 16 + 2 * (std::sin(0.01f * pulseMs) + 1) : 16;
        if (!playState.levelWon && left <= kMovesWarning) {
            v.darken = true;
            v.darkness = 0.5f + 0.5f * float(left) / kMovesWarning;
        }
    }
    if (format) {
        v.warning = true;
        formatText(v.text, sizeof v.text, format, value);
        v.textAt = {v.flame.x, std::min(v.flame.y + 100, 300 - v.textSize)};
        // A long text stays inside the frame instead of running off its right edge.
        if (fontCount() > 0) {
            float half = measureText(v.text, v.textSize) / 2;
            v.textAt.x = std::min(v.textAt.x, 396 - half);
        }
    }
    return v;
}

LevelBonusView levelBonusView() {
    LevelBonusView v;
    const float t = gs.outroTime;
    if (!candleMode() || gs.levelBonus <= 0 || t < 500 || t > 5500) return v;
    v.shown = true;
    v.value = t < 3500 ? int(double(gs.levelBonus) * (t - 500) / 3000) : gs.levelBonus;
    v.size = 30;
    v.alpha = 255;
    if (t >= 4500) {
        v.alpha = 0.255f * (5500 - t);
        v.size = 0.03f * (5500 - t);
    }
    return v;
}

// [SECTION] drops

void candleDropTick(float dt) {
    if (!candleMode()) return;
    CandleState& c = candle;
    if (c.dropDelay < 0) c.dropDelay = 5000 + randomFloat(10000);
    const float q = burnedFraction();
    const float top = 256 - kCandleLength * q; // just over the candle's rim
    c.dropClock += dt;
    if (c.dropClock > c.dropDelay) {
        for (int i = 0; i < kCandleDrops; ++i) {
            CandleDrop& d = c.drops[i];
            if (!d.finished) continue;
            d.finished = false;
            d.texture = random(4);
            d.position = {kCandleX + randomSigned(4.0f * float(i)), top};
            d.alpha = 1;
            break;
        }
        c.dropClock = 0;
        c.dropDelay = 5000 + randomFloat(10000);
    }
    for (CandleDrop& d : c.drops) {
        if (d.finished) continue;
        // A drop creeps down, wandering, at the same pace whatever the frame rate:
        // its step is the one of a 10 ms tick, scaled by the frame time.
        d.velocity = {randomSigned(0.02f), randomSigned(0.02f) - 0.02f};
        d.position += d.velocity * (dt / kDropTickMs);
        if (d.position.y < kDropFadeFrom) d.alpha = (d.position.y - kDropFloor) / 32;
        if (d.position.y < kDropFloor || d.position.y > top) d.finished = true;
    }
}

int activeCandleDrops() {
    int n = 0;
    for (const CandleDrop& d : candle.drops) n += !d.finished;
    return n;
}

// [SECTION] sparks

void spawnBonusSpark(Vec2 at) {
    BonusSpark& s = candle.sparks[candle.sparkRing];
    candle.sparkRing = (candle.sparkRing + 1) % kBonusSparks;
    s = BonusSpark{};
    s.active = true;
    s.position = at;
    s.target = {randomSigned(50), randomSigned(50) - 160}; // around the counter
    s.velocity = {randomSigned(0.6f), randomFloat(0.5f)};
    s.angle = randomSigned(360);
    s.spin = randomSigned(10);
    s.color = Color(155 + random(100), 155 + random(100), 155 + random(100), 255);
}

int activeBonusSparks() {
    int n = 0;
    for (const BonusSpark& s : candle.sparks) n += s.active;
    return n;
}

namespace {

void updateAndDrawSparks(float dt) {
    for (BonusSpark& s : candle.sparks) {
        if (!s.active) continue;
        if (s.age > kSparkLifeMs) {
            s.active = false;
            continue;
        }
        drawGlow(s.position, s.angle, 35 - 15 * s.age / kSparkLifeMs, s.color, kSparkGlowCell);
        Vec2 toTarget = s.target - s.position;
        if (toTarget.x * toTarget.x + toTarget.y * toTarget.y < 100) {
            s.active = false;
            continue;
        }
        s.age += dt;
        if (s.age > kSparkLifeMs) {
            s.active = false;
            continue;
        }
        s.emitterClock += dt;
        for (int n = 0; s.emitterClock > kSparkTrailMs && n < kMaxCatchUp; ++n) {
            startEffect("bonusscore", s.position.x, s.position.y);
            s.emitterClock -= kSparkTrailMs;
        }
        // Thrown out from the flame, then drawn ever harder to the counter.
        float f = s.age / kSparkLifeMs;
        s.position += s.velocity * ((1 - f) * dt * 0.2f);
        s.position += (s.target - s.position) * (f * f * f);
        s.angle += 0.1f * s.spin * dt;
    }
}

// [SECTION] drawing

void drawPicture(TextureRecord* texture, const Rect& r, const UvRect& uv, Color color) {
    if (r.x1 <= r.x0 || r.y0 <= r.y1) return; // the pool has no size before the candle burns
    setTexture(texture);
    drawQuad(r, uv, color, 10);
}

// The wax: its picture cut from the top as it burns. A candle longer than a
// full one keeps its rim and foot and stretches a plain stretch of wax between.
void drawWax(const CandleView& v) {
    TextureRecord* tex = gameplayTextures.candle;
    if (v.candleTopV >= 0) {
        drawPicture(tex, v.candle, UvRect(0, v.candleTopV, 1, 1), kWhite);
        return;
    }
    const Rect& r = v.candle;
    const float half = 256; // the picture's own rows, top half and bottom half
    drawPicture(tex, Rect(r.x0, r.y1 + half, r.x1, r.y1), UvRect(0, 0.5f, 1, 1), kWhite);
    drawPicture(tex, Rect(r.x0, r.y0 - half, r.x1, r.y1 + half), UvRect(0, 0.49f, 1, 0.51f), kWhite);
    drawPicture(tex, Rect(r.x0, r.y0, r.x1, r.y0 - half), UvRect(0, 0, 1, 0.5f), kWhite);
}

void drawDrops(float cx) {
    for (const CandleDrop& d : candle.drops) {
        if (d.finished) continue;
        int a = std::clamp(int(255 * d.alpha), 0, 255);
        // The picture's trail starts at its top edge: hung just under the rim, so the
        // wax runs from the candle's edge and not from the air beside the flame.
        Rect r = Rect::fromCentre(d.position.x - cx, d.position.y - kDropHang, 16, 64);
        drawPicture(gameplayTextures.drops[std::clamp(d.texture, 0, 3)], r, UvRect(0, 0, 1, 1), Color(255, 255, 255, a));
    }
}

// Flame, smoke and smoulder by what is left; sparks for the bonus after a win.
void flameParticles(const CandleView& v, float dt) {
    CandleState& c = candle;
    const Vec2 at = v.flame + Vec2{0, 32};
    if (playState.levelWon) {
        if (gs.outroTime >= kCandleBurnDownMs) return;
        for (int n = spawns(c.sparkClock, kSparkEveryMs, dt); n > 0; --n) spawnBonusSpark(at);
        return;
    }
    bool time = playState.mode == kAdventure;
    float left = v.remaining;
    bool smoking = time ? left < kSmokeBelowMs : left < kSmokeBelowMoves;
    if (!smoking) {
        for (int n = spawns(c.flareClock, kFlareEveryMs, dt); n > 0; --n) startEffect("flareIQ", at.x, at.y);
        return;
    }
    int smoke = findEffect("smokeIQ");
    for (int n = spawns(c.smokeClock, kSmokeEveryMs, dt); n > 0; --n) spawnParticle(smoke, at.x, at.y, 0, 1);
    bool smoulder = time ? left > kSmolderAboveMs : left > kSmolderAboveMoves;
    int n = spawns(c.smolderClock, kFlareEveryMs, dt);
    if (smoulder)
        for (; n > 0; --n) startEffect("smolderingIQ", at.x, at.y);
}

// The candle's own tips, in the second level: what the candle measures.
void offerCandleTip(const CandleView& v) {
    if (playState.levelIndex != 1 || playState.overlayShown || gs.paused || playState.levelWon || playState.levelLost)
        return;
    if (playState.mode == kAdventure) offerTip(v.flame.x, v.flame.y + 32, "candletime", 0, true, true);
    else offerTip(v.flame.x, v.flame.y + 100, "candlemove", 0, true, true);
}

} // namespace

void drawCandle(float dt, float candleOffset) {
    CandleView v = candleView(candleOffset, presentation.boardClock);
    if (!v.shown) return;
    enableFeature(4);
    setBlendMode(0);
    const GameplayTextures& t = gameplayTextures;
    drawPicture(t.candlestick, v.stick, UvRect(0, 0, 1, 1), kWhite);
    drawWax(v);
    drawDrops(v.shift);
    drawPicture(t.candleFire, Rect::fromCentre(v.flame.x, v.flame.y, 64, 64), UvRect(0, 0, 1, 1), kWhite);
    drawPicture(t.candlePool, v.pool, UvRect(0, 0, 1, 1), kWhite);
    if (v.warning)
        drawTextShadowed(v.textAt.x, v.textAt.y, v.textSize, v.text, true, kWhite, kShadow, 2, 1, -1);
    flameParticles(v, dt);
    drawGlow(v.flame + Vec2{0, 36}, randomSigned(1), 128 + randomSigned(2), Color(160, 160, 160, 160), kFlameGlowCell);
    updateAndDrawSparks(dt);
    offerCandleTip(v);
}

bool candleDarkens(float& v) {
    CandleView view = candleView(0, 0);
    v = view.darkness;
    return view.darken;
}

void drawLevelBonusCounter() {
    LevelBonusView v = levelBonusView();
    if (!v.shown || v.size <= 0) return;
    char number[24];
    std::snprintf(number, sizeof number, "%i", v.value);
    int a = std::clamp(int(v.alpha), 0, 255);
    drawTextShadowed(kCounterAt.x, kCounterAt.y, v.size, number, true, Color(255, 255, 255, a),
                     Color(0, 0, 0, a * 192 / 255), 2, 1, -1);
}

// [SECTION] resets

void clearCandle() { candle = CandleState{}; }
void resetCandle() { candle = CandleState{}; }

} // namespace aw
