// Drawing the map: the chart under its frame, the trail of dots, the stage
// marks and the level ring, the labels with the miniature board, the artefact
// panel and the pieces flying into it, the artefact view and the
// congratulation. Nothing here changes the map's state.
//
// [SECTION] helpers
// [SECTION] chart, frame and compass
// [SECTION] stages and the ring
// [SECTION] labels and the miniature
// [SECTION] artefact panel and flying pieces
// [SECTION] artefact view and congratulation
#include "game/map_draw.h"

#include "game/map_media.h"
#include "game/map_path.h"
#include "game/map_state.h"

#include "persistence/profiles.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "resources/text_table.h"
#include "ui/screens.h"
#include "ui/ui_media.h"
#include "ui/widget_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace aw {
namespace {

// [SECTION] helpers

constexpr float kPi = 3.14159265f;
constexpr Color kYellow{255, 255, 0, 255};
constexpr Color kTitleGold{255, 226, 140, 255};
// The chart's window inside the frame.
constexpr Rect kChartWindow{-388, 288, 388, -288};

const UvRect kWhole{0, 0, 1, 1};

Color alpha(Color c, float a) { return Color(c.r(), c.g(), c.b(), int(float(c.a()) * std::clamp(a, 0.0f, 1.0f))); }

void sprite(const TextureRecord* t, Vec2 at, float w, float h, Color c = Color(), float degrees = 0) {
    if (!t) return;
    setTexture(t);
    if (degrees != 0) drawRotatedSprite(at.x, at.y, at.x, at.y, degrees, w, h, kWhole, c, 10);
    else drawSprite(at.x, at.y, w, h, kWhole, c, 10);
}

const char* text(const char* key) {
    const char* t = lookupText(key);
    return t ? t : "";
}

float grow(float t) { return std::clamp(t, 0.0f, 1.0f); }

// [SECTION] chart, frame and compass

// The part of the 800 x 600 backdrop under a screen rectangle.
void backdropPart(const TextureRecord* t, const Rect& r) {
    float su = 800.0f / float(t->width) / 800, sv = 600.0f / float(t->height) / 600;
    drawQuad(r, UvRect((r.x0 + 400) * su, (300 - r.y0) * sv, (r.x1 + 400) * su, (300 - r.y1) * sv), Color(), 10);
}

void drawChart() {
    const MapMedia& m = mapMedia();
    bool chart = m.chart && m.chart->width > 0 && m.chart->height > 0;
    const Rect& r = kChartWindow;
    if (m.backdrop) {
        // The table shows only around the chart, so only that part is drawn.
        setTexture(m.backdrop);
        if (!chart) {
            backdropPart(m.backdrop, Rect(-400, 300, 400, -300));
        } else {
            backdropPart(m.backdrop, Rect(-400, 300, 400, r.y0));
            backdropPart(m.backdrop, Rect(-400, r.y1, 400, -300));
            backdropPart(m.backdrop, Rect(-400, r.y0, r.x0, r.y1));
            backdropPart(m.backdrop, Rect(r.x1, r.y0, 400, r.y1));
        }
    }
    if (!chart) return;
    // The window shows the chart 1:1 around the view centre; it is opaque,
    // so it is drawn without blending.
    Vec2 c = mapState.viewCentre;
    float tw = float(m.chart->width), th = float(m.chart->height);
    setTexture(m.chart);
    setRenderState(RS_ALPHABLENDENABLE, 0);
    drawQuad(r, UvRect((c.x + r.x0) / tw, (c.y - r.y0) / th, (c.x + r.x1) / tw, (c.y - r.y1) / th), Color(), 10);
    setRenderState(RS_ALPHABLENDENABLE, 1);
}

// The frame picture as nine slices: corners at their size, edges stretched
// and only as deep as the rim (the middle is clear and not drawn at all).
void drawFrame() {
    const TextureRecord* t = mapMedia().frame;
    if (!t) return;
    setTexture(t);
    const float c = 64, e = 0.125f, rim = 28, re = rim / 512;
    drawQuad(Rect(-400, 300, -400 + c, 300 - c), UvRect(0, 0, e, e), Color(), 10);
    drawQuad(Rect(400 - c, 300, 400, 300 - c), UvRect(1 - e, 0, 1, e), Color(), 10);
    drawQuad(Rect(-400, -300 + c, -400 + c, -300), UvRect(0, 1 - e, e, 1), Color(), 10);
    drawQuad(Rect(400 - c, -300 + c, 400, -300), UvRect(1 - e, 1 - e, 1, 1), Color(), 10);
    drawQuad(Rect(-400 + c, 300, 400 - c, 300 - rim), UvRect(e, 0, 1 - e, re), Color(), 10);
    drawQuad(Rect(-400 + c, -300 + rim, 400 - c, -300), UvRect(e, 1 - re, 1 - e, 1), Color(), 10);
    drawQuad(Rect(-400, 300 - c, -400 + rim, -300 + c), UvRect(0, e, re, 1 - e), Color(), 10);
    drawQuad(Rect(400 - rim, 300 - c, 400, -300 + c), UvRect(1 - re, e, 1, 1 - e), Color(), 10);
}

void drawCompass() {
    // It turns a little with the mouse, as if the table were tilted.
    float turn = mapState.mouse.x * 0.02f;
    sprite(mapMedia().compass, {-306, 196}, 104, 104, Color(255, 255, 255, 210), turn);
}

// [SECTION] stages and the ring

void drawTrail() {
    const TextureRecord* dot = mapMedia().levelMark;
    for (int s = 0; s + 1 < kStageCount; ++s) {
        if (!stageShownComplete(s)) continue;
        float from = stageDistance(s) + kDotMargin, to = stageDistance(s + 1) - kDotMargin;
        for (float d = from; d <= to; d += kDotSpacing) {
            Vec2 p = chartToScreen(pathPosition(d));
            if (std::fabs(p.x) > 420 || std::fabs(p.y) > 320) continue;
            sprite(dot, p, 9, 9, Color(150, 60, 30, 230));
        }
    }
}

void drawStart() {
    const MapPath& path = mapPath();
    if (path.count < 2) return;
    // Just before the trail begins, pointing back along it.
    Vec2 a = path.points[0], b = path.points[std::min(path.count - 1, 4)];
    Vec2 d = a - b;
    float len = std::hypot(d.x, d.y);
    if (len <= 0) return;
    Vec2 at = chartToScreen(a + d * (78 / len));
    sprite(mapMedia().start, at, 84, 84);
}

void drawStageMark(int s) {
    const MapMedia& m = mapMedia();
    Vec2 at = stageMarkScreen(s);
    if (std::fabs(at.x) > 460 || std::fabs(at.y) > 360) return;
    if (!stageReached(s)) {
        sprite(m.smallArt[s], at, kStageMarkSize, kStageMarkSize, Color(255, 255, 255, 10));
        return;
    }
    bool shown = s == mapState.shownStage;
    float size = !shown && s == mapState.hoveredStage ? kStageHoverSize : kStageMarkSize;
    if (shown) {
        // The stage in view glows warmly.
        float pulse = 1 + 0.08f * std::sin(mapState.phase);
        drawHighlight(Rect::fromCentre(at.x, at.y, 150 * pulse, 150 * pulse), Color(255, 190, 90, 150));
    }
    sprite(stageShownComplete(s) ? m.smallArt[s] : m.unknownArtefact, at, size, size);
    // ... and wears the gold ring.
    if (shown) sprite(m.stageMark, at, 80, 80);
}

void drawRing() {
    if (std::fabs(mapState.targetDistance - mapState.viewDistance) > kRingWaitDistance) return;
    const MapMedia& m = mapMedia();
    int stage = mapState.shownStage, first = firstLevelOfStage(stage);
    float elapsed = kRingAppearMs - mapState.ringTimerMs;
    for (int k = 0; k < stageSize(stage); ++k) {
        int level = first + k;
        Vec2 at = ringLevelScreen(stage, k);
        float g = grow((elapsed - kRingStarDelayMs * float(k)) / kRingStarGrowMs);
        if (g <= 0) continue;
        bool hovered = level == mapState.hoveredLevel;
        if (level == mapState.selectedLevel) {
            float size = (29 + 4 * std::sin(mapState.phase / 2)) * g;
            drawHighlight(Rect::fromCentre(at.x, at.y, size * 2.2f, size * 2.2f), Color(255, 230, 120, 170));
            sprite(m.star, at, size, size, Color(), mapState.phase * 7 * 180 / kPi);
        } else if (levelShownCompleted(level)) {
            float size = (hovered ? 29.0f : 25.0f) * g;
            if (level == mapState.moveFromLevel && mapState.starPopMs > 0) {
                float pop = mapState.starPopMs / kStarPopMs;
                size *= 1 + pop;
                drawHighlight(Rect::fromCentre(at.x, at.y, 110 * pop, 110 * pop), Color(255, 240, 160, 220));
            }
            sprite(m.star, at, size, size);
        } else {
            bool open = levelOpen(level);
            float size = (hovered && open ? 30.0f : 26.0f) * g;
            sprite(m.levelMark, at + Vec2{1, -2}, size + 4, size + 4, Color(0, 0, 0, 120));
            sprite(m.levelMark, at, size, size, open ? Color() : Color(170, 160, 150, 200));
        }
    }
}

void drawStageTitle() {
    int s = mapState.shownStage;
    Vec2 at = stageMarkScreen(s);
    char key[24];
    std::snprintf(key, sizeof key, "stagetitle%i", s);
    drawLabel(at.x, at.y + 92, 14, text(key), true, kTitleGold);
    std::snprintf(key, sizeof key, "stage%i", s);
    drawLabel(at.x, at.y + 68, 11, text(key), true, Color());
}

// [SECTION] labels and the miniature

constexpr Rect kLabelPanel{-382, -190, -150, -288};
constexpr Color kGoldLine{214, 170, 80, 255};

// A dark plate with a thin gold edge, lighter than the screens' panels.
void drawPlate(const Rect& r) {
    fillRect(r, Color(40, 24, 10, 200));
    fillRect(Rect(r.x0, r.y0, r.x1, r.y0 - 2), kGoldLine);
    fillRect(Rect(r.x0, r.y1 + 2, r.x1, r.y1), kGoldLine);
    fillRect(Rect(r.x0, r.y0, r.x0 + 2, r.y1), kGoldLine);
    fillRect(Rect(r.x1 - 2, r.y0, r.x1, r.y1), kGoldLine);
}

void drawMiniature(float left, float top) {
    miniatureFor(mapState.selectedLevel);
    const TextureRecord* t = mapMedia().miniature;
    if (!t) return;
    float w = float(kMiniatureWidth), h = float(kMiniatureHeight);
    setTexture(t);
    drawQuad(Rect(left - kMiniatureMargin, top + kMiniatureMargin, left - kMiniatureMargin + w, top + kMiniatureMargin - h),
             UvRect(0, 0, w / float(t->width), h / float(t->height)), Color(), 10);
}

void drawLabels() {
    drawPlate(kLabelPanel);
    char line[96];
    int level = mapState.selectedLevel;
    float x = kLabelPanel.x0 + 14;
    std::snprintf(line, sizeof line, "%s %i", text("level"), level + 1);
    drawLabel(x, -214, 11, line, false, Color());
    std::snprintf(line, sizeof line, "%s %i", text("stage"), stageOfLevel(level) + 1);
    drawLabel(x, -238, 11, line, false, Color());
    if (profileCount() > 0) drawLabel(x, -262, 11, currentProfile()->name, false, kYellow);
    drawMiniature(kLabelPanel.x1 - 8 * kColumns - 8, kLabelPanel.y0 - 7);
}

// [SECTION] artefact panel and flying pieces

bool pieceShown(int i) {
    if (mapState.moveFromLevel < 0 || mapState.shownStage != mapState.artefactStage) return i < panelFragments();
    if (mapState.starPending) return i < mapState.fragmentsBefore;
    for (const FlyingFragment& f : mapState.flying)
        if (f.active && f.fragment == i) return false;
    return i < mapState.fragmentsAfter;
}

// A piece drawn so that its part of the picture lands with its centre at p.
void drawPiece(const TextureRecord* t, int i, Vec2 p, float size, Color c = Color()) {
    Vec2 centre = mapState.fragmentCentre[i];
    sprite(t, p - Vec2{(centre.x - 0.5f) * size, (0.5f - centre.y) * size}, size, size, c);
}

void drawArtefactPanel() {
    const float half = kArtefactPanelArt / 2 + 12;
    drawPanel(Rect(kArtefactPanelX - half, kArtefactPanelY + half, kArtefactPanelX + half, kArtefactPanelY - half));
    // One picture, redrawn only when a piece lands or the stage changes.
    unsigned shown = 0;
    for (int i = 0; i < kFragmentCount; ++i)
        if (pieceShown(i)) shown |= 1u << i;
    sprite(prepareArtefactPanel(mapState.shownStage, shown), {kArtefactPanelX, kArtefactPanelY}, kArtefactPanelArt,
           kArtefactPanelArt);
}

void drawFlyingPieces() {
    const MapMedia& m = mapMedia();
    for (const FlyingFragment& f : mapState.flying) {
        if (!f.active) continue;
        // Larger while it flies, settling to its size as it lands, in a warm glow.
        Vec2 to = f.target - f.position;
        float near = std::min(1.0f, std::hypot(to.x, to.y) / 150);
        float size = kArtefactPanelArt * (1 + 0.35f * near);
        drawHighlight(Rect::fromCentre(f.position.x, f.position.y, 90, 90), Color(255, 220, 130, 200));
        drawPiece(m.piece[f.fragment], f.fragment, f.position, size);
    }
}

// [SECTION] artefact view and congratulation

// The screens' panel over an opaque ground, so the map does not show through.
void drawSolidPanel(const Rect& r, float s) {
    fillRect(Rect(r.x0 * s, r.y0 * s, r.x1 * s, r.y1 * s), Color(48, 22, 6, 255));
    drawPanel(r, s);
}

// Wrapped text centred on x with its first line at y, all scaled about the screen centre.
void drawWrapped(Vec2 at, float width, float size, const char* message, float s, Color c) {
    if (fontCount() == 0 || !*message) return;
    wrapText(width, message, size);
    drawLabel(at.x * s, at.y * s, size * s, wrappedText(), true, alpha(c, s));
}

void drawOkButton(Vec2 at, float scale, float fontSize, float a) {
    Vec2 p = at * scale;
    bool hovered = std::fabs(mapState.mouse.x - p.x) < kOkButtonW * scale / 2 &&
                   std::fabs(mapState.mouse.y - p.y) < kOkButtonH * scale / 2;
    drawButtonPicture(p.x, p.y, kOkButtonW * scale, kOkButtonH * scale, a);
    Color c = hovered ? highlightText() : Color();
    drawLabel(p.x + 2, p.y - 0.15f * fontSize * scale, fontSize * scale, "OK", true, alpha(c, a));
}

void drawArtefactView() {
    const MapMedia& m = mapMedia();
    int stage = mapState.artefactStage;
    if (mapState.artefactView == ArtefactView::closed) return;
    if (mapState.artefactView == ArtefactView::moving) {
        // The whole treasure rises from its mark to the middle of the screen.
        float t = grow(mapState.artefactViewMs / kArtefactMoveMs);
        float e = t * t * (3 - 2 * t);
        Vec2 at = mapState.artefactViewFrom * (1 - e);
        float size = kStageMarkSize + (kArtefactArtSize - kStageMarkSize) * e;
        sprite(m.star, at, size * 1.6f, size * 1.6f, Color(255, 230, 150, int(120 * t)), t * 180);
        sprite(m.art[stage], at, size, size);
        return;
    }
    float s = artefactViewScale();
    if (s <= 0.01f) return;
    fillRect(Rect(-400, 300, 400, -300), Color(0, 0, 0, int(110 * s)));
    drawSolidPanel(Rect::fromCentre(0, 0, kArtefactViewW, kArtefactViewH), s);
    float top = kArtefactViewH / 2;
    char key[24];
    std::snprintf(key, sizeof key, "stagetitle%i", stage);
    drawLabel(0, (top - 42) * s, 16 * s, text(key), true, alpha(kYellow, s));
    sprite(m.art[stage], Vec2{0, 30} * s, kArtefactArtSize * s, kArtefactArtSize * s, alpha(Color(), s));
    std::snprintf(key, sizeof key, "stage%i", stage);
    drawWrapped({0, -118}, 360, 11, text(key), s, Color());
    drawOkButton(artefactOkCentre(), s, 12, s);
}

void drawCongratulation() {
    float s = congratulationScale();
    if (s <= 0.01f) return;
    fillRect(Rect(-400, 300, 400, -300), Color(0, 0, 0, int(110 * s)));
    drawSolidPanel(Rect::fromCentre(0, 0, kCongratulationSize, kCongratulationSize), s);
    float top = kCongratulationSize / 2;
    MenuNode* screen = currentScreen();
    drawLabel(0, (top - 44) * s, 12 * s, screen ? screen->text : "", true, alpha(Color(255, 255, 155), s));
    drawWrapped({0, top - 96}, 300, 12, text("congratulation"), s, Color());
    drawOkButton(congratulationOkCentre(), s, 18, s);
}

} // namespace

void drawMap() {
    Ui2DScope scope;
    selectFont(0);
    drawChart();
    drawTrail();
    drawStart();
    for (int s = 0; s < kStageCount; ++s)
        if (s != mapState.shownStage) drawStageMark(s);
    drawStageMark(mapState.shownStage);
    drawRing();
    drawFrame();
    drawCompass();
    drawStageTitle();
    drawArtefactPanel();
    drawLabels();
    drawFlyingPieces();
    drawArtefactView();
    drawCongratulation();
    setTextColor(255, 255, 255, 255);
}

void mapFrame(float dtMs, Vec2 mouse) {
    updateMap(dtMs, mouse);
    drawMap();
}

} // namespace aw
