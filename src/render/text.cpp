// [SECTION] fonts
// [SECTION] drawing
// [SECTION] measuring and wrapping
#include "render/text.h"

#include "render/draw.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/texture.h"
#include "resources/registry.h"

#include <cstdio>
#include <cstring>

namespace aw {
namespace {

// Fonts live for the run; the text state persists between calls.
Font fonts[kMaxFonts];
int fonts_ = 0;
int current = 0;
float textSize = 0;
Color color;
Vec3 pen;
float lineOffset = 0;
char wrapBuffer[kWrapBufferSize];
SpriteVertex glyph[4];

float advanceOf(const Font& f, char c) { return f.advance[uint8_t(c)]; }

void drawGlyph(const Font& f, char c, Vec3 h, Vec3 v, uint32_t argb) {
    Vec3 p = pen + Vec3(lineOffset, 0, 0);
    int g = f.glyphCell[uint8_t(c)];
    float u0 = float(g % f.cellsPerRow) * f.cellUv, v0 = float(g / f.cellsPerRow) * f.cellUv, d = f.cellUv;
    Vec3 corners[4] = {p - h + v, p + h + v, p - h - v, p + h - v};
    const float uv[4][2] = {{u0, v0}, {u0 + d, v0}, {u0, v0 + d}, {u0 + d, v0 + d}};
    for (int i = 0; i < 4; ++i) {
        glyph[i].position = {corners[i].x, corners[i].y, 45};
        glyph[i].color = argb;
        glyph[i].u = uv[i][0];
        glyph[i].v = uv[i][1];
    }
    drawUserPrimitive(glyph, 2, kSpriteFvf, PT_TRIANGLESTRIP);
}

// The bytes of a line break starting at s: CR with the byte after it (a LF
// is assumed, but never the terminating NUL), or a lone LF.
int breakLength(const char* s) {
    if (*s == '\r') return s[1] ? 2 : 1;
    return 1;
}

} // namespace

// [SECTION] fonts

bool parseFontMetrics(const uint8_t* data, int size, float scale, float aspect, Font& out) {
    if (!data || size < kFontMetricsSize) return false;
    int32_t cells = int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                            uint32_t(data[3]) << 24);
    // A cell count outside 1..256 would divide by zero or index nothing.
    if (cells < 1 || cells > 256) cells = 1;
    out.cellsPerRow = cells;
    out.cellUv = 1.0f / float(cells);
    out.scale = scale;
    out.aspect = aspect;
    float cellPixels = 512.0f / float(cells);
    for (int c = 0; c < 256; ++c) {
        out.advance[c] = float(data[4 + c]) * 2.0f / cellPixels * scale;
        out.glyphCell[c] = data[260 + c];
    }
    return true;
}

void readFontMetrics(const uint8_t* data, int size, float scale, float aspect, Font& out) {
    if (parseFontMetrics(data, size, scale, aspect, out)) return;
    // A short metrics file: what it holds, the rest as zeros.
    uint8_t whole[kFontMetricsSize] = {};
    if (data && size > 0) std::memcpy(whole, data, size_t(size < kFontMetricsSize ? size : kFontMetricsSize));
    parseFontMetrics(whole, kFontMetricsSize, scale, aspect, out);
}

bool addFont(const Font& font) {
    if (fonts_ >= kMaxFonts) return false;
    current = fonts_++;
    fonts[current] = font;
    setTextColor(255, 255, 255, 255);
    return true;
}

bool loadFont(const char* name, float scale, float aspect) {
    if (fonts_ >= kMaxFonts) return false;
    Font f;
    char file[160];
    std::snprintf(file, sizeof file, "%s.tga", name);
    f.texture = getTexture(file);
    std::snprintf(file, sizeof file, "%s.dat", name);
    int size = 0;
    uint8_t* data = loadResource(file, &size, true);
    readFontMetrics(data, size, scale, aspect, f);
    if (data) releaseResource(data);
    addFont(f);
    setHighlightTexture(getTexture("podsvet.jpg"));
    return true;
}

void selectFont(int n) {
    if (fonts_ == 0) return;
    current = ((n % fonts_) + fonts_) % fonts_;
}

Font* currentFont() { return fonts_ ? &fonts[current] : nullptr; }
int fontCount() { return fonts_; }

void setTextColor(int r, int g, int b, int a) { color = Color(r, g, b, a); }
void setTextColorValue(Color c) { color = c; }
Color textColor() { return color; }

// [SECTION] drawing

void drawText(float x, float y, float size, const char* text, bool centred) {
    pen = {x, y, 45};
    textSize = size;
    lineOffset = 0;
    Font* f = currentFont();
    if (!f || !text) return;
    Vec3 h(textSize * f->scale, 0, 0), v(0, textSize * f->scale * f->aspect, 0);
    uint32_t argb = tinted(color).argb;
    setTexture(f->texture);
    const char* s = text;
    if (!centred) {
        while (*s) {
            if (*s == '\r' || *s == '\n') {
                s += breakLength(s);
                lineOffset = -textSize * advanceOf(*f, *s) / 2;
                pen.y -= textSize * 0.9f * 2;
                continue;
            }
            if (s != text) lineOffset += textSize * advanceOf(*f, *s) / 2;
            drawGlyph(*f, *s, h, v, argb);
            lineOffset += textSize * advanceOf(*f, *s) / 2;
            ++s;
        }
        return;
    }
    while (*s) {
        float w = 0;
        for (const char* e = s; *e && *e != '\r' && *e != '\n'; ++e) w += textSize * advanceOf(*f, *e);
        lineOffset = -w / 2 + textSize / 2;
        for (; *s && *s != '\r' && *s != '\n'; ++s) {
            if (s != text) lineOffset += textSize * advanceOf(*f, *s) / 2;
            drawGlyph(*f, *s, h, v, argb);
            lineOffset += textSize * advanceOf(*f, *s) / 2;
        }
        if (*s) {
            s += breakLength(s);
            pen.y -= 1.8f * textSize;
        }
    }
}

void drawTextShadowed(float x, float y, float size, const char* text, bool centred, Color main, Color shadow,
                      float shadowScale, float dx, float dy) {
    setTextColorValue(shadow);
    drawText(x + shadowScale * dx, y + shadowScale * dy, size, text, centred);
    setTextColorValue(main);
    drawText(x, y, size, text, centred);
}

Vec3 penPosition() { return pen; }

// [SECTION] measuring and wrapping

float measureText(const char* text, float size) {
    Font* f = currentFont();
    if (!f || !text) return 0;
    float w = 0;
    for (const char* s = text; *s; ++s) w += size * advanceOf(*f, *s);
    return w;
}

float wrapText(float maxWidth, const char* text, float size) {
    std::snprintf(wrapBuffer, sizeof wrapBuffer, "%s", text ? text : "");
    Font* f = currentFont();
    float height = 1.8f * size;
    if (!f) return height;
    float s = 0;
    char* b = wrapBuffer;
    char* lastBreak = nullptr;
    char* q = wrapBuffer;
    while (*q) {
        s += size * advanceOf(*f, *q);
        // A word wider than the line keeps its line; breaking at the same
        // candidate again would never end.
        if (s > maxWidth && b != lastBreak && *b) {
            *b = '\n';
            lastBreak = b;
            height += 1.8f * size;
            q = b + 1;
            s = 0;
        }
        if (*q == '\r') {
            height += 1.8f * size;
            s = 0;
            b = q[1] ? q + 2 : q + 1;
            q = q + 1;
        }
        if (!*q) break;
        ++q;
        if (*q == ' ') b = q;
    }
    return height;
}

const char* wrappedText() { return wrapBuffer; }

void resetText() {
    for (Font& f : fonts) f = Font{};
    fonts_ = 0;
    current = 0;
    textSize = 0;
    color = Color();
    pen = {};
    lineOffset = 0;
    wrapBuffer[0] = 0;
}

} // namespace aw
