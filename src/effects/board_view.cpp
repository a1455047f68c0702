// The board as the player sees it, in drawing order: the cell tiles (with the
// highlight of the group under the pointer or the hammer's target), the
// figures with their locks and bonus markers, the bonus rings, the refill and
// defeat waves, the thunder strands and bolts, the square shards. The tips'
// trigger pass runs between the tiles and the figures, so the cells it lights
// animate in the same frame.
//
// [SECTION] tiles
// [SECTION] figures and markers
// [SECTION] bonus rings
// [SECTION] waves
// [SECTION] lightning
#include "board/board.h"
#include "core/random.h"
#include "effects/gameplay_internal.h"
#include "effects/particles.h"
#include "effects/strands.h"
#include "effects/tips.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "resources/text_table.h"

#include <algorithm>
#include <cmath>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kTileGlowCell = 30, kBombGlowCell = 12, kRingGlowCell = 33;

struct BoardFrame {
    Color color;     // the board colour from the tint
    Vec2 shift;      // the board shake
    CellPos pointer; // the cell under the pointer
    bool markers;    // bonus markers are shown
};

Vec2 figureAt(int r, int c, const Cell& cell, const BoardFrame& f) {
    Vec2 p = cellCentre(r, c) + cell.fig.offset + f.shift;
    if (playState.levelWon) p += cell.wobble; // the completion display moves every figure
    return p;
}

// The figures thrown off a won board fade out while their flight ends, so
// none hangs in the air once the display stops moving them.
Color figureColor(const BoardFrame& f) {
    if (!playState.levelWon || gs.outroTime <= 4000) return f.color;
    float fade = std::clamp((5000 - gs.outroTime) / 1000, 0.0f, 1.0f);
    return Color(f.color.r(), f.color.g(), f.color.b(), int(float(f.color.a()) * fade));
}

// [SECTION] tiles

bool tileHighlighted(int r, int c, const BoardFrame& f) {
    if (playState.overlayShown) return false;
    if (gs.hammerArmed) return f.pointer == CellPos{r, c};
    return gs.groupSize > 1 && gs.hoverValid && board[r][c].fig.hovered;
}

void drawTiles(const BoardFrame& f) {
    const float t = presentation.highlightClock;
    // The hover group's figures animate, and their tiles glow. Only the
    // current group is marked, so a group the pointer has left stops at once.
    for (auto& row : board)
        for (auto& cell : row) cell.fig.hovered = 0;
    if (!gs.hammerArmed && gs.groupSize > 1)
        for (int i = 0; i < gs.groupSize && i < kCells; ++i) {
            int r = gs.groupRows[i], c = gs.groupColumns[i];
            if (insideBoard(r, c)) board[r][c].fig.hovered = gs.hoverValid ? 1 : 0;
        }
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (cell.ground < 0) continue;
            Vec2 at = cellCentre(r, c) + f.shift;
            bool lit = tileHighlighted(r, c, f);
            float half = 28;
            if (lit && gs.hammerArmed) half += 2 * std::sin(0.003f * t) - 1;
            setTexture(gameplayTextures.tiles[std::min(cell.ground, 2)]);
            drawRotatedSprite(at.x, at.y, at.x, at.y, 180, 2 * half, 2 * half, UvRect(0, 0, 1, 1), f.color, 0);
            if (!lit) continue;
            gs.idleTime = 0; // no move hint while the player looks at a group
            if (!playState.levelWon && !playState.levelLost)
                drawGlow(at, 0.057298f * t, 64, Color(130, 130, 130, f.color.a()), kTileGlowCell);
        }
}

// [SECTION] figures and markers

void animateFigure(Figure& fig, bool keepAnimating, float dt) {
    if (keepAnimating) fig.highlight = 100;
    fig.highlight -= dt;
    fig.animClock += dt;
    if (fig.highlight > 0 || fig.frame != 0) {
        fig.frame = int(fig.animClock / 30) % 32;
    } else {
        fig.animClock = 0;
    }
}

void drawBombGlows(Vec2 at) {
    const Vec2 points[5] = {{16, 16}, {16, -16}, {-16, 16}, {-16, -16}, {0, 0}};
    float u = 0.0015f * presentation.boardClock;
    for (int k = 0; k < 5; ++k) {
        float i = 0.3f + 0.1f * float(k) + (0.7f - 0.1f * float(k)) * std::sin(u + float(k) * 1.2566371f);
        if (i <= 0) continue;
        int v = std::min(255, int(i * 255));
        Color color(v, v, 0, v);
        drawGlow(at + points[k], 270 * i, 40 * i, color, kBombGlowCell);
        drawGlow(at + points[k], -270 * i, 40 * i, color, kBombGlowCell);
    }
}

void drawThunderMarker(Vec2 at) {
    for (const ThunderStrand& s : presentation.thunder) {
        int white = std::clamp(int(s.life / 500 * 255), 0, 255);
        int blue = std::clamp(int(s.life / 500 * 250), 0, 255);
        addStrand(at + s.from, at + s.to, 5, 0.8f, 8, 4, Color(255, 255, 255, white), Color(55, 55, 255, blue));
    }
}

void drawBombMarker(Vec2 at, int bonus, const BoardFrame& f, int sparks) {
    float wave = std::sin(kPi * presentation.boardClock / 1000);
    float half = 25 + 2 * wave;
    int alpha = std::min(f.color.a(), int(255 * (0.8f + 0.2f * wave)));
    setTexture(gameplayTextures.bonusMarkers[bonus == kCrossBomb ? 0 : 1]);
    drawRotatedSprite(at.x, at.y, at.x, at.y, 180, 2 * half, 2 * half, UvRect(0, 0, 1, 1),
                      Color(255, 255, 255, alpha), 0);
    int spark = findEffect("bonus5IQ");
    for (int i = 0; i < sparks; ++i) spawnParticle(spark, at.x + 2, at.y - 17, 0, 1);
}

// Sparks of the cross-bomb and super-bomb markers, every 10 ms per type.
int markerSparks(int which, float dt) {
    float& clock = presentation.markerClocks[which];
    clock += dt;
    int n = int(clock / 10);
    clock -= float(n) * 10;
    return std::min(n, 3);
}

void drawFigures(const BoardFrame& f, float dt) {
    const bool animateHover = !playState.overlayShown && !playState.levelWon;
    int crossSparks = f.markers ? markerSparks(0, dt) : 0;
    int superSparks = f.markers ? markerSparks(1, dt) : 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            Figure& fig = cell.fig;
            if (fig.kind < 0 || !fig.appear || cell.ground < 0) continue;
            bool pointed = f.pointer == CellPos{r, c};
            animateFigure(fig, animateHover && (pointed || fig.hovered), dt);
            Vec2 at = figureAt(r, c, cell, f);
            if (offFrame(at, 35)) continue;
            int slot = fig.kind < kKinds ? gs.displayTable[fig.kind] : -1;
            if (slot >= 0 && slot < kFigureSlots)
                drawSheetCell(gameplayTextures.figures[slot], at.x, at.y, fig.frame, figureColor(f), 0, 0);
            if (cell.lock == 1) {
                setTexture(gameplayTextures.lock);
                drawRotatedSprite(at.x, at.y, at.x, at.y, 135, 70, 70, UvRect(0, 0, 1, 1), figureColor(f), 0);
            }
            if (!f.markers) continue;
            switch (fig.bonus) {
            case kBomb: drawBombGlows(at); break;
            case kThunder: drawThunderMarker(at); break;
            case kCrossBomb: drawBombMarker(at, fig.bonus, f, crossSparks); break;
            case kSuperBomb: drawBombMarker(at, fig.bonus, f, superSparks); break;
            default: break;
            }
        }
}

// [SECTION] bonus rings

// The ring that closes in on a figure that has just become a bonus, with its name.
void drawBonusRings(const BoardFrame& f, float dt) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            Figure& fig = cell.fig;
            int bonus = fig.bonus;
            if (fig.bonusGlow <= 0 || (bonus != kBomb && bonus != kThunder && bonus != kSuperBomb)) continue;
            float timer = fig.bonusGlow;
            fig.bonusGlow -= dt;
            if (fig.kind < 0) continue;
            Vec2 at = figureAt(r, c, cell, f);
            if (timer > 1000) {
                float w = 1 - std::cos((timer - 1000) * 0.0005f * kPi);
                int a = int(255 - 127.5f * w);
                Color color = bonus == kBomb ? Color(a, a, 0, 255) : bonus == kThunder ? Color(0, a, a, 255)
                                                                                      : Color(a, a / 2, 0, 255);
                for (int k = 0; k < 16; ++k) {
                    float angle = timer * 0.002f + float(k) * kPi / 8;
                    Vec2 p = at + Vec2{std::cos(angle), std::sin(angle)} * (400 * w);
                    drawGlow(p, 0, 70, color, kRingGlowCell);
                }
            }
            const char* name = lookupText(bonus == kBomb ? "bombbonus" : bonus == kThunder ? "thunderbonus"
                                                                                           : "megabombonus");
            float s = timer * 0.001f - 1;
            float size = 18 - 18 * s * s * s * s;
            float fade = std::sin(timer * 0.0005f * kPi);
            if (!name || size <= 0 || fade <= 0) continue;
            Color text = bonus == kBomb ? Color(255, 255, 120, int(255 * fade))
                         : bonus == kThunder ? Color(140, 255, 255, int(255 * fade))
                                             : Color(255, 190, 80, int(255 * fade));
            drawTextShadowed(at.x, at.y, size, name, true, text, Color(0, 0, 0, int(192 * fade)), 2, 1, -1);
        }
}

// [SECTION] waves

// After a loss every row in turn bursts, sounds and lets its figures fall.
void defeatWave(float dt) {
    if (!playState.levelLost || playState.levelWon) {
        presentation.defeatClock = 0;
        presentation.defeatRows = 0;
        return;
    }
    if (playState.overlayShown || gs.paused || boardInput.tipShown) return;
    // The wave ends at 5500 ms, but a frame that runs past the end still lets fall every row
    // whose time it reached: one long frame must not leave figures standing on a lost board.
    const bool waveRunning = presentation.defeatClock < 5500;
    presentation.defeatClock += dt;
    while (waveRunning && presentation.defeatRows < kRows &&
           presentation.defeatClock >= 400.0f * float(presentation.defeatRows)) {
        int r = presentation.defeatRows++;
        report::playSound("DefeatLevelEffect.ogg");
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            if (cell.ground < 0) continue;
            Vec2 at = cellCentre(r, c);
            startEffect("refill1", at.x, at.y);
            if (cell.fig.kind < 0 || !cell.fig.appear) continue;
            cell.fig.appear = 0;
            int slot = gs.debrisRing;
            gs.debrisRing = (gs.debrisRing + 1) % kDebrisCount;
            debris[slot] = {cell.fig.kind + 1, at + cell.fig.offset, {randomSigned(0.15f), randomFloat(0.3f) + 0.2f}, 2};
            presentation.debris[slot] = {cell.fig.frame, 0, 0, randomSigned(360), 1};
        }
    }
}

// [SECTION] lightning

void thunderStrandTimers(float dt) {
    for (ThunderStrand& s : presentation.thunder) {
        s.life -= dt;
        if (s.life > 0) continue;
        s.life = 2000 + randomSigned(1500);
        s.from = {randomSigned(25), randomSigned(25)};
        s.to = {randomSigned(25), randomSigned(25)};
    }
}

// The bolts of a thunder blast: from its cell to every figure it struck.
void drawBolts(const BoardFrame& f) {
    for (const BoltSet& set : boltSets) {
        if (set.life <= 0 || set.count < 1) continue;
        float fade = std::clamp(set.life / 800, 0.0f, 1.0f);
        Vec2 from = set.bolts[0].position + f.shift;
        for (int i = 1; i < set.count && i < kBoltsPerSet; ++i) {
            Color c(set.bolts[i].color);
            addStrand(from, set.bolts[i].position + f.shift, 8, 1.6f, 6, 7, Color(c.r(), c.g(), c.b(), int(255 * fade)),
                      Color(120, 120, 255, int(150 * fade)));
        }
    }
}

} // namespace

void drawBoard(float dt) {
    BoardFrame f;
    f.color = boardColor();
    f.shift = shake.active ? shake.shift : Vec2{};
    f.pointer = cellAt(boardInput.mouse);
    f.markers = !gs.paused && !playState.overlayShown && !playState.levelWon && !playState.levelLost;
    enableFeature(4);
    setBlendMode(0);
    drawTiles(f);
    tipTriggerPass(dt);
    drawFigures(f, dt);
    drawBonusRings(f, dt);
    if (gs.refillActive) refillStep(dt);
    defeatWave(dt);
    thunderStrandTimers(dt);
    drawBolts(f);
    drawShards(dt);
}

} // namespace aw
