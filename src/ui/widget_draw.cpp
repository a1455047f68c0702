// The widgets' drawing. Behaviour lives in widget_behavior.cpp; what is
// drawn here registers the rectangles the input of the next events tests.
//
// [SECTION] panel
// [SECTION] button
// [SECTION] slider, check box, arrows, link, focus frame
// [SECTION] default list
#include "ui/widget_draw.h"

#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "ui/navigation_state.h"
#include "ui/ui_media.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aw {
namespace {

Color withAlpha(Color c, float alpha) {
    int a = int(float(c.a()) * std::clamp(alpha, 0.0f, 1.0f));
    return Color(c.r(), c.g(), c.b(), a);
}

// Sprite n repeated in whole tiles between a and b (along x or y), stretched evenly.
void edgeTiles(int n, float a, float b, float at, bool horizontal, float s) {
    float length = b - a;
    if (length <= 0) return;
    int tiles = std::max(1, int(std::lround(length / (64 * s))));
    float step = length / float(tiles);
    setTexture(uiMedia().atlas);
    for (int i = 0; i < tiles; ++i) {
        float c = a + step * (float(i) + 0.5f);
        if (horizontal) drawSprite(c, at, step, 64 * s, atlasSpriteUv(n), Color(), 10);
        else drawSprite(at, c, 64 * s, step, atlasSpriteUv(n), Color(), 10);
    }
}

// A small jewel running round the frame.
void sparkle(const Rect& r, float s) {
    float w = r.x1 - r.x0, h = r.y0 - r.y1, perimeter = 2 * (w + h);
    if (perimeter <= 0) return;
    float phase = std::fmod(0.0005f * nav.clockMs, 1.0f) * perimeter;
    float x, y;
    if (phase < w) x = r.x0 + phase, y = r.y0;
    else if ((phase -= w) < h) x = r.x1, y = r.y0 - phase;
    else if ((phase -= h) < w) x = r.x1 - phase, y = r.y1;
    else x = r.x0, y = r.y1 + (phase - w);
    float pulse = 0.6f + 0.4f * std::sin(0.01f * nav.clockMs);
    drawAtlasSprite(6 + int(nav.clockMs / 2000) % 4, x, y, Color(255, 255, 255, int(200 * pulse)), 0.32f * s);
}

} // namespace

Color highlightText() { return nav.highlight.text; }
Color highlightGlow() { return nav.highlight.glow; }

// [SECTION] panel

void drawPanel(const Rect& in, float s) {
    Rect r(in.x0 * s, in.y0 * s, in.x1 * s, in.y1 * s);
    if (s <= 0.001f) return;
    fillRect(r, kPanelFill);
    if (!uiMedia().atlas) return;
    float w = r.x1 - r.x0, h = r.y0 - r.y1, c = 32 * s;
    edgeTiles(4, r.x0 + c, r.x1 - c, r.y0, true, s);
    edgeTiles(4, r.x0 + c, r.x1 - c, r.y1, true, s);
    edgeTiles(5, r.y1 + c, r.y0 - c, r.x0, false, s);
    edgeTiles(5, r.y1 + c, r.y0 - c, r.x1, false, s);
    drawAtlasSprite(0, r.x0, r.y0, Color(), s);
    drawAtlasSprite(1, r.x1, r.y0, Color(), s);
    drawAtlasSprite(2, r.x0, r.y1, Color(), s);
    drawAtlasSprite(3, r.x1, r.y1, Color(), s);
    float cx = (r.x0 + r.x1) / 2, cy = (r.y0 + r.y1) / 2;
    if (w > 192 * s) {
        drawAtlasSprite(10, cx, r.y0, Color(), s);
        drawAtlasSprite(11, cx, r.y1, Color(), s);
    }
    if (h > 192 * s) {
        drawAtlasSprite(12, r.x0, cy, Color(), s);
        drawAtlasSprite(13, r.x1, cy, Color(), s);
    }
    sparkle(r, s);
}

void drawPanelCentred(float cx, float cy, float w, float h, float s) {
    drawPanel(Rect::fromCentre(cx, cy, w, h), s);
}

// [SECTION] button

void drawButtonPicture(float x, float y, float w, float h, float alpha) {
    const TextureRecord* picture = uiMedia().button;
    if (!picture) return;
    Color c = withAlpha(Color(), alpha);
    float cap = std::min(h, w / 2);
    setTexture(picture);
    drawSprite(x - w / 2 + cap / 2, y, cap, h, UvRect(0.004f, 0, 0.5f, 1), c, 10);
    drawSprite(x, y, w - 2 * cap + 0.5f, h, UvRect(0.499f, 0, 0.501f, 1), c, 10);
    drawSprite(x + w / 2 - cap / 2, y, cap, h, UvRect(0.5f, 0, 0.996f, 1), c, 10);
}

void drawButton(float x, float y, float w, float h, float f, const char* label, float alpha, bool withPicture) {
    int index = widgets.lineCount;
    if (!label) {
        MenuNode* child = currentChild(index);
        label = child ? child->text : "";
    }
    registerLine(x - w / 2, y + h / 2, x + w / 2, y - h / 2);
    if (withPicture) drawButtonPicture(x, y, w, h, alpha);
    Color text = index == nav.selected ? nav.highlight.text : Color();
    drawTextShadowed(x + 2, y - 0.15f * f, f, label, true, withAlpha(text, alpha), withAlpha(kShadow, alpha), 1, 1, -1);
    setTextColor(255, 255, 255, 255);
}

// [SECTION] slider, check box, arrows, link, focus frame

UiControl* drawSlider(float x0, float x1, float y, int steps, int& value) {
    UiControl* c = registerControl(kControlSlider, x0, y + 15, x1, y - 15);
    if (!c) return nullptr;
    c->steps = int16_t(steps);
    bindValue(*c, nav.fadeIn, value);
    setTexture(uiMedia().atlas);
    if (uiMedia().atlas) drawSprite((x0 + x1) / 2, y, x1 - x0, 64, atlasSpriteUv(19), Color(), 10);
    drawAtlasSprite(14, x0 - 32, y, Color());
    drawAtlasSprite(15, x1 + 32, y, Color());
    float t = steps > 1 ? float(c->value) / float(steps - 1) : 0;
    drawAtlasSprite(18, x0 + (x1 - x0) * t, y, Color(), 0.8f);
    return c;
}

UiControl* drawCheckBox(float x, float y, int& flag, const char* label) {
    UiControl* c = registerControl(kControlCheckBox, x - 32, y + 32, x + 32, y - 32);
    if (!c) return nullptr;
    bindFlag(*c, nav.fadeIn, flag);
    drawAtlasSprite(c->on ? 20 : 21, x, y, Color());
    if (label) drawLabel(x + 47, y, 12, label, false, Color());
    return c;
}

void drawArrow(float x, float y, bool right) {
    registerControl(right ? kControlRightArrow : kControlLeftArrow, x - 32, y + 32, x + 32, y - 32);
    drawAtlasSprite(right ? 15 : 14, x, y, Color());
}

UiControl* drawLink(float x, float y, float f, const char* text, Color idle) {
    float w = measureText(text, f);
    UiControl* c = registerControl(kControlLink, x - w / 2 - f / 2, y + f, x + w / 2 + f / 2, y - f);
    bool hot = c && c->on;
    drawLabel(x, y, f, text, true, hot ? Color() : idle);
    return c;
}

void drawFocusFrame(bool small) {
    if (nav.focused < 0 || nav.focused >= widgets.controlCount) return;
    const UiControl& c = widgets.controls[nav.focused];
    float dx = small ? 10 : 32, dy = small ? 10 : 16;
    Rect r(c.left - dx, c.top + dy, c.right + dx, c.bottom - dy);
    float s = std::sin(0.008f * nav.clockMs) / 2 + 0.5f;
    Color line(255, 200, 100, 50 + int(30 * s));
    const float t = 2;
    fillRect(Rect(r.x0, r.y0, r.x1, r.y0 - t), line);
    fillRect(Rect(r.x0, r.y1 + t, r.x1, r.y1), line);
    fillRect(Rect(r.x0, r.y0 - t, r.x0 + t, r.y1 + t), line);
    fillRect(Rect(r.x1 - t, r.y0 - t, r.x1, r.y1 + t), line);
}

void drawLabel(float x, float y, float size, const char* text, bool centred, Color color) {
    if (!text || fontCount() == 0) return;
    drawTextShadowed(x, y, size, text, centred, color, Color(0, 0, 0, color.a() * 192 / 255), 1, 1, -1);
    setTextColor(255, 255, 255, 255);
}

// [SECTION] default list

void drawDefaultList(float x, float y, float f, bool centred, int first, int count) {
    MenuNode* screen = nav.current;
    if (!screen) return;
    if (count < 0 || first + count > screen->childCount) count = screen->childCount - first;
    if (count <= 0) return;
    float widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, measureText(screen->children[first + i]->text, f));
    drawPanelCentred(x, y, widest + 64, 2 * f * float(count) + 64, 1);
    float half = centred ? widest / 2 : 0;
    float itemY = y + 2 * f * float(count) / 2 - f;
    for (int i = 0; i < count; ++i, itemY -= 2 * f) {
        int index = first + i;
        const MenuNode* item = screen->children[index];
        MenuLine* line = registerLine(x - f - half, itemY + 1.2f * f, x + widest - half, itemY - 0.8f * f);
        Color color = item->disabled ? kDisabledGrey : Color();
        if (index == nav.selected) {
            color = nav.highlight.text;
            if (line) fillRect(Rect(line->left, line->top, line->right, line->bottom), nav.highlight.glow);
        }
        drawLabel(x, itemY, f, item->text, centred, color);
    }
}

} // namespace aw
