#include "ui/tooltip.h"

#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "ui/ui_media.h"
#include "ui/widget_draw.h"
#include "ui/widgets.h"

#include <algorithm>
#include <cmath>

namespace aw {
namespace {

constexpr float kPad = 22;       // text inset from the border line
constexpr float kButtonH = 48;
constexpr float kTail = 64;      // the tail piece's size
constexpr float kSideMinHeight = 112;

// The stand-off look of the game's tips.
constexpr float kPi = 3.14159265f;
constexpr float kArrowLength = 128, kArrowWidth = 64;
constexpr float kArrowStand = 64 * 1.3f;   // the arrow's centre from the anchor
constexpr float kArrowBob = 64 * 0.1f;     // ... give or take this, as it breathes
constexpr float kPanelBeyondArrow = 89.6f; // the panel's nearest point, past the arrow's centre
constexpr float kStandOffPad = 16;
constexpr float kStandOffMinHeight = 64;
constexpr float kStandOffButtonW = 128, kStandOffButtonH = 64;
constexpr float kStandOffButtonRise = 40;  // the button's centre above the panel's bottom
constexpr float kScreenMargin = 8;         // the panel stays this far inside the frame

struct Layout {
    Rect box;            // the border line
    BalloonSide side;
    bool mirror = false; // the tail leans the other way
    float textHeight = 0;
};

BalloonSide chooseSide(const TooltipBalloon& b) {
    if (b.side != BalloonSide::kAuto) return b.side;
    return b.anchor.y < 120 ? BalloonSide::kAbove : BalloonSide::kBelow;
}

Layout layOut(const TooltipBalloon& b) {
    Layout l;
    l.side = chooseSide(b);
    float w = std::max(b.width, 2 * kTail + 16);
    l.textHeight = b.text && fontCount() > 0 ? wrapText(w - 2 * kPad, b.text, b.fontSize) : b.fontSize * 1.8f;
    float h = l.textHeight + 2 * kPad - 8 + (b.buttonLabel ? kButtonH + 8 : 0);
    Vec2 a = b.anchor;
    if (!b.pointer) {
        l.box = Rect::fromCentre(a.x, a.y, w, h);
        return l;
    }
    switch (l.side) {
    case BalloonSide::kRight:
    case BalloonSide::kLeft: {
        h = std::max(h, kSideMinHeight);
        float x0 = l.side == BalloonSide::kRight ? a.x + kTail - 6 : a.x - kTail + 6 - w;
        l.box = Rect(x0, a.y + h / 2, x0 + w, a.y - h / 2);
        break;
    }
    default: {
        l.mirror = a.x > 150; // lean left near the right edge
        float x0 = l.mirror ? a.x + 40 - w : a.x - 40;
        float y1 = l.side == BalloonSide::kAbove ? a.y + kTail - 6 : a.y - kTail + 6 - h;
        l.box = Rect(x0, y1 + h, x0 + w, y1);
        break;
    }
    }
    return l;
}

Rect scaled(const Rect& r, Vec2 about, float s) {
    return Rect(about.x + (r.x0 - about.x) * s, about.y + (r.y0 - about.y) * s, about.x + (r.x1 - about.x) * s,
                about.y + (r.y1 - about.y) * s);
}

// The frame from the balloon atlas: corners 0..3, edges stretched from the
// corners' inner rows and columns, the body tile 4 inside.
void drawFrame(const Rect& r, float s) {
    const TextureRecord* tex = uiMedia().balloon;
    if (!tex) {
        fillRect(r, Color(240, 225, 190, 235));
        return;
    }
    setTexture(tex);
    float c = 32 * s;
    Color white;
    UvRect body = balloonPieceUv(4);
    drawQuad(Rect(r.x0 + c, r.y0 - c, r.x1 - c, r.y1 + c), body, white, 10);
    UvRect tl = balloonPieceUv(0), tr = balloonPieceUv(1), bl = balloonPieceUv(2);
    float du = 0.004f, dv = 0.008f;
    // Top and bottom edges: the column where corner 0 (2) meets its right neighbour.
    drawQuad(Rect(r.x0 + c, r.y0 + c, r.x1 - c, r.y0 - c), UvRect(tl.uMax - du, tl.vMin, tl.uMax, tl.vMax), white, 10);
    drawQuad(Rect(r.x0 + c, r.y1 + c, r.x1 - c, r.y1 - c), UvRect(bl.uMax - du, bl.vMin, bl.uMax, bl.vMax), white, 10);
    // Left and right edges: the row where corner 0 (1) meets the one below.
    drawQuad(Rect(r.x0 - c, r.y0 - c, r.x0 + c, r.y1 + c), UvRect(tl.uMin, tl.vMax - dv, tl.uMax, tl.vMax), white, 10);
    drawQuad(Rect(r.x1 - c, r.y0 - c, r.x1 + c, r.y1 + c), UvRect(tr.uMin, tr.vMax - dv, tr.uMax, tr.vMax), white, 10);
    const float xs[4] = {r.x0, r.x1, r.x0, r.x1}, ys[4] = {r.y0, r.y0, r.y1, r.y1};
    for (int k = 0; k < 4; ++k) drawSprite(xs[k], ys[k], 64 * s, 64 * s, balloonPieceUv(k), white, 10);
}

void drawTail(const TooltipBalloon& b, const Layout& l, float s) {
    const TextureRecord* tex = uiMedia().balloon;
    if (!tex) return;
    setTexture(tex);
    UvRect uv = balloonPieceUv(5);
    Vec2 a = b.anchor;
    float t = kTail * s, off = 28 * s; // the tip sits 28 from the piece's centre on both axes
    switch (l.side) {
    case BalloonSide::kRight:
        drawRotatedSprite(a.x + off, a.y - off, a.x + off, a.y - off, -90, t, t, uv, Color(), 10);
        break;
    case BalloonSide::kLeft:
        drawRotatedSprite(a.x - off, a.y - off, a.x - off, a.y - off, 90, t, t, UvRect(uv.uMax, uv.vMin, uv.uMin, uv.vMax),
                          Color(), 10);
        break;
    case BalloonSide::kBelow: {
        UvRect flipped(l.mirror ? uv.uMax : uv.uMin, uv.vMax, l.mirror ? uv.uMin : uv.uMax, uv.vMin);
        drawSprite(a.x + (l.mirror ? -off : off), a.y - off, t, t, flipped, Color(), 10);
        break;
    }
    default: {
        UvRect lean(l.mirror ? uv.uMax : uv.uMin, uv.vMin, l.mirror ? uv.uMin : uv.uMax, uv.vMax);
        drawSprite(a.x + (l.mirror ? -off : off), a.y + off, t, t, lean, Color(), 10);
        break;
    }
    }
}

// [SECTION] stand-off balloons

Vec2 standOffDirection(const TooltipBalloon& b) {
    if (b.directionDeg != kBalloonAutoDirection) {
        float a = b.directionDeg * kPi / 180;
        return {std::cos(a), std::sin(a)};
    }
    // Towards the middle of the screen, where there is room for the panel.
    float len = std::sqrt(b.anchor.x * b.anchor.x + b.anchor.y * b.anchor.y);
    if (len < 1) return {0, 1};
    return b.anchor * (-1 / len);
}

// Keeps [centre - half, centre + half] inside [-limit, limit] where it fits.
float keptInside(float centre, float half, float limit) {
    if (half >= limit) return 0;
    return std::clamp(centre, -limit + half, limit - half);
}

Rect drawStandOff(const TooltipBalloon& b) {
    float s = std::clamp(b.scaleIn, 0.0f, 1.0f);
    if (s <= 0.01f) return Rect(0, 0, 0, 0);
    StandOffLayout l = standOffLayout(b);
    // The whole balloon grows out of the spot it explains.
    Vec2 a = b.anchor;
    Rect box = scaled(l.box, a, s);
    drawFrame(box, s);
    if (b.pointer && uiMedia().arrow) {
        Vec2 c = a + (l.arrowCentre - a) * s;
        setTexture(uiMedia().arrow);
        drawRotatedSprite(c.x, c.y, c.x, c.y, l.arrowDegrees, kArrowLength * s, kArrowWidth * s, UvRect(0, 0, 1, 1),
                          Color(), 10);
    }
    if (s < 0.999f || fontCount() == 0) return Rect(0, 0, 0, 0);
    const float size = kStandOffFontSize;
    if (b.text) {
        float w = box.x1 - box.x0;
        float textHeight = wrapText(w - 2 * kStandOffPad, b.text, size);
        setTextColor(60, 30, 10, 255);
        if (textHeight + 2 * kStandOffPad <= kStandOffMinHeight) {
            // A short text sits in the middle of its part of the panel.
            drawText((box.x0 + box.x1) / 2, box.y0 - kStandOffMinHeight / 2, size, wrappedText(), true);
        } else {
            drawText(box.x0 + kStandOffPad + size / 2, box.y0 - kStandOffPad - size, size, wrappedText(), false);
        }
        setTextColor(255, 255, 255, 255);
    }
    if (!b.buttonLabel) return Rect(0, 0, 0, 0);
    float cx = (l.button.x0 + l.button.x1) / 2, cy = (l.button.y0 + l.button.y1) / 2;
    if (const TextureRecord* pic = uiMedia().button) {
        setTexture(pic);
        drawSprite(cx, cy, kStandOffButtonW, kStandOffButtonH, UvRect(0, 0, 1, 1), Color(), 10);
    }
    float pulse = std::sin(0.005f * b.ageMs) / 2 + 0.5f;
    drawLabel(cx + 2, cy - 0.15f * kStandOffButtonFont, kStandOffButtonFont, b.buttonLabel, true,
              Color(255, 150 + int(50 * pulse), 0, 255));
    return l.button;
}

} // namespace

StandOffLayout standOffLayout(const TooltipBalloon& b) {
    StandOffLayout l;
    const float size = kStandOffFontSize;
    bool measured = b.text && fontCount() > 0;
    // A short text gets a narrower panel; a long one wraps inside the width asked for.
    float w = b.width;
    if (measured) w = std::min(w, measureText(b.text, size) + 4 * kStandOffPad);
    w = std::max(w, 2 * kStandOffPad + 1);
    float textHeight = measured ? wrapText(w - 2 * kStandOffPad, b.text, size) : 1.8f * size;
    float h = std::max(kStandOffMinHeight, textHeight + 2 * kStandOffPad) + (b.buttonLabel ? kStandOffButtonH : 0);

    Vec2 d = standOffDirection(b);
    l.direction = d;
    l.arrowCentre = b.anchor + d * (kArrowStand + kArrowBob * std::sin(0.01f * b.ageMs));
    l.arrowDegrees = std::atan2(-d.y, -d.x) * 180 / kPi; // the picture points to +x
    Vec2 centre = b.anchor;
    if (b.pointer) {
        // The panel's nearest edge or corner on the line from the anchor:
        // the centre lies as far beyond that point as the panel's half-extent
        // reaches along the direction.
        Vec2 contact = b.anchor + d * (kArrowStand + kPanelBeyondArrow);
        float tx = std::fabs(d.x) > 1e-4f ? w / 2 / std::fabs(d.x) : 1e9f;
        float ty = std::fabs(d.y) > 1e-4f ? h / 2 / std::fabs(d.y) : 1e9f;
        centre = contact + d * std::min(tx, ty);
    }
    centre.x = keptInside(centre.x, w / 2, 400 - kScreenMargin);
    centre.y = keptInside(centre.y, h / 2, 300 - kScreenMargin);
    l.box = Rect::fromCentre(centre.x, centre.y, w, h);
    if (b.buttonLabel)
        l.button = Rect::fromCentre(centre.x, l.box.y1 + kStandOffButtonRise, kStandOffButtonW, kStandOffButtonH);
    return l;
}

Rect tooltipBalloonRect(const TooltipBalloon& b) { return b.standOff ? standOffLayout(b).box : layOut(b).box; }

Rect drawTooltipBalloon(const TooltipBalloon& b) {
    if (b.standOff) return drawStandOff(b);
    float s = std::clamp(b.scaleIn, 0.0f, 1.0f);
    if (s <= 0.01f) return Rect(0, 0, 0, 0);
    Layout l = layOut(b);
    // A slow breath keeps the balloon alive without moving its text.
    Vec2 about = b.pointer ? b.anchor : Vec2{(l.box.x0 + l.box.x1) / 2, (l.box.y0 + l.box.y1) / 2};
    Rect box = scaled(l.box, about, s);
    drawFrame(box, s);
    if (b.pointer) drawTail(b, l, s);
    if (s < 0.999f || fontCount() == 0) return Rect(0, 0, 0, 0);
    if (b.text) {
        wrapText(b.width - 2 * kPad, b.text, b.fontSize);
        setTextColor(60, 30, 10, 255);
        drawText(box.x0 + kPad + b.fontSize / 2, box.y0 - kPad + 4 - b.fontSize / 2, b.fontSize, wrappedText(), false);
        setTextColor(255, 255, 255, 255);
    }
    if (!b.buttonLabel) return Rect(0, 0, 0, 0);
    float cx = (box.x0 + box.x1) / 2, cy = box.y1 + kPad - 8 + kButtonH / 2;
    Rect button = Rect::fromCentre(cx, cy, 128, kButtonH);
    if (const TextureRecord* pic = uiMedia().button) {
        setTexture(pic);
        float h = kButtonH, cap = h;
        drawSprite(button.x0 + cap / 2, cy, cap, h, UvRect(0.004f, 0, 0.5f, 1), Color(), 10);
        drawSprite(cx, cy, 128 - 2 * cap + 0.5f, h, UvRect(0.499f, 0, 0.501f, 1), Color(), 10);
        drawSprite(button.x1 - cap / 2, cy, cap, h, UvRect(0.5f, 0, 0.996f, 1), Color(), 10);
    }
    float pulse = std::sin(0.005f * b.ageMs) / 2 + 0.5f;
    drawLabel(cx + 2, cy - 0.15f * 17, 17, b.buttonLabel, true, Color(255, 150 + int(50 * pulse), 0, 255));
    return button;
}

bool balloonButtonHit(const Rect& r, float x, float y) { return insideStrict(r.x0, r.y0, r.x1, r.y1, x, y); }

} // namespace aw
