// Textured quads: the 2D sprite primitives (centred screen space, y up) and
// the 3D quads of the effects, each one submission with a fixed vertex
// order, plus the colour tint every primitive applies.
#pragma once
#include "core/color.h"
#include "core/rect.h"
#include "core/vec.h"

#include <cstdint>

namespace aw {

struct TextureRecord;

// Position, diffuse colour, one texture coordinate: 24 bytes.
struct SpriteVertex {
    Vec3 position;
    uint32_t color = 0xFFFFFFFFu;
    float u = 0, v = 0;
};
static_assert(sizeof(SpriteVertex) == 24);
constexpr uint32_t kSpriteFvf = 0x002 | 0x040 | 0x100;

// Position and one texture coordinate: 20 bytes.
struct PlainVertex {
    Vec3 position;
    float u = 0, v = 0;
};
static_assert(sizeof(PlainVertex) == 20);
constexpr uint32_t kPlainFvf = 0x002 | 0x100;

// The tint multiplies every vertex colour of these primitives and of text
// (components truncated). Lives for the run; callers put it back themselves.
void setTint(float r, float g, float b, float a);
Color tinted(Color c);
void resetSprites(); // tint back to (1, 1, 1, 1)

void drawSprite(float x, float y, float w, float h, const UvRect& uv, Color color, float z);
void drawSpriteAt(Vec2 centre, float w, float h, const UvRect& uv, Color color, float z);
// Corners rotated counter-clockwise by degrees about the pivot (px, py).
void drawRotatedSprite(float x, float y, float px, float py, float degrees, float w, float h, const UvRect& uv,
                       Color color, float z);
void drawQuad(const Rect& r, const UvRect& uv, Color color, float z);
// Screen pixels (origin top left, y down) at depth 10; texture coordinates
// pulled in by 0.001. Its winding is dropped by counter-clockwise culling:
// switch culling off first.
void drawScreenRect(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1, Color color);

// 3D quads; p, q, r, s go round the quad.
void drawQuad3D(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Color color);
// Texture mirrored in both directions (coordinates 0 to -1 under wrapping).
void drawQuad3DColors(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Color cp, Color cq, Color cr, Color cs);
struct Uv {
    float u = 0, v = 0;
};
void drawQuad3DUv(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Uv tp, Uv tq, Uv tr, Uv ts, Color color);
void drawQuad3DPlain(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Uv tp, Uv tq, Uv tr, Uv ts);
void drawScreenRectPlain(float x0, float y0, float x1, float y1);

// A strip from one point to another facing the camera (the view's third column).
void drawBeam(Vec3 from, Vec3 to, float halfWidth, Color color);
void drawGradientBeam(Vec3 from, Vec3 to, float halfWidth, Color fromColor, Color toColor);
// An additive glow over a rectangle at depth 35 with the highlight texture.
void drawHighlight(const Rect& r, Color color);
void setHighlightTexture(TextureRecord* texture);

// The 8 x 4 grid of cells of one picture (digits, icons, figures).
struct SpriteSheet {
    TextureRecord* texture = nullptr;
    float cellWidth = 0, cellHeight = 0;
    // texture = getTexture(name); cells of texture size / divisions when
    // divisions > 0.
    void init(const char* name, int divisions);
};
// Cell n (0..31) centred at (x, y), side cell width + extra, at depth 0.
void drawSheetCell(const SpriteSheet& sheet, float x, float y, int n, Color color, float extra, float degrees);
UvRect sheetCellUv(int n);

} // namespace aw
