// [SECTION] tint
// [SECTION] 2D primitives
// [SECTION] 3D quads
// [SECTION] sprite sheet
#include "render/sprites.h"

#include "render/draw.h"
#include "render/render_states.h"
#include "render/texture.h"
#include "render/transforms.h"

#include <cmath>

namespace aw {
namespace {

// Lives for the run (reset by resetSprites).
float tint[4] = {1, 1, 1, 1};
TextureRecord* highlightTexture = nullptr;

// Static arrays as the primitives submit them.
SpriteVertex quad4[4];
SpriteVertex quad6[6];
PlainVertex plain6[6];

void put(SpriteVertex& v, float x, float y, float z, uint32_t color, float u, float t) {
    v.position = {x, y, z};
    v.color = color;
    v.u = u;
    v.v = t;
}

void drawStrip() { drawUserPrimitive(quad4, 2, kSpriteFvf, PT_TRIANGLESTRIP); }

} // namespace

// [SECTION] tint

void setTint(float r, float g, float b, float a) {
    tint[0] = r;
    tint[1] = g;
    tint[2] = b;
    tint[3] = a;
}

Color tinted(Color c) {
    return Color(int(float(c.r()) * tint[0]), int(float(c.g()) * tint[1]), int(float(c.b()) * tint[2]),
                 int(float(c.a()) * tint[3]));
}

void resetSprites() {
    setTint(1, 1, 1, 1);
    highlightTexture = nullptr;
}

// [SECTION] 2D primitives

void drawSprite(float x, float y, float w, float h, const UvRect& uv, Color color, float z) {
    uint32_t c = tinted(color).argb;
    float l = x - w / 2, r = x + w / 2, t = y + h / 2, b = y - h / 2;
    put(quad4[0], r, t, z, c, uv.uMax, uv.vMin);
    put(quad4[1], r, b, z, c, uv.uMax, uv.vMax);
    put(quad4[2], l, t, z, c, uv.uMin, uv.vMin);
    put(quad4[3], l, b, z, c, uv.uMin, uv.vMax);
    drawStrip();
}

void drawSpriteAt(Vec2 centre, float w, float h, const UvRect& uv, Color color, float z) {
    drawSprite(centre.x, centre.y, w, h, uv, color, z);
}

void drawRotatedSprite(float x, float y, float px, float py, float degrees, float w, float h, const UvRect& uv,
                       Color color, float z) {
    uint32_t c = tinted(color).argb;
    float a = degrees * 0.017453292f, ca = std::cos(a), sa = std::sin(a);
    float l = x - w / 2, r = x + w / 2, t = y + h / 2, b = y - h / 2;
    auto corner = [&](SpriteVertex& v, float cx, float cy, float u, float tv) {
        float dx = cx - px, dy = cy - py;
        put(v, px + dx * ca - dy * sa, py + dx * sa + dy * ca, z, c, u, tv);
    };
    corner(quad4[0], r, t, uv.uMax, uv.vMin);
    corner(quad4[1], r, b, uv.uMax, uv.vMax);
    corner(quad4[2], l, t, uv.uMin, uv.vMin);
    corner(quad4[3], l, b, uv.uMin, uv.vMax);
    drawStrip();
}

void drawQuad(const Rect& q, const UvRect& uv, Color color, float z) {
    uint32_t c = tinted(color).argb;
    put(quad4[0], q.x1, q.y0, z, c, uv.uMax, uv.vMin);
    put(quad4[1], q.x1, q.y1, z, c, uv.uMax, uv.vMax);
    put(quad4[2], q.x0, q.y0, z, c, uv.uMin, uv.vMin);
    put(quad4[3], q.x0, q.y1, z, c, uv.uMin, uv.vMax);
    drawStrip();
}

void drawScreenRect(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1, Color color) {
    uint32_t c = tinted(color).argb;
    float X0 = x0 - 400, Y0 = -(y0 - 300), X1 = x1 - 400, Y1 = -(y1 - 300);
    u0 += 0.001f;
    v0 += 0.001f;
    u1 -= 0.001f;
    v1 -= 0.001f;
    put(quad4[0], X1, Y0, 10, c, u1, v0);
    put(quad4[1], X0, Y0, 10, c, u0, v0);
    put(quad4[2], X1, Y1, 10, c, u1, v1);
    put(quad4[3], X0, Y1, 10, c, u0, v1);
    drawStrip();
}

// [SECTION] 3D quads

namespace {
// Triangles p, q, r and p, r, s; sign 1 maps the texture once, -1 mirrors it.
void drawList(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Color cp, Color cq, Color cr, Color cs, float sign) {
    uint32_t a = tinted(cp).argb, b = tinted(cq).argb, c = tinted(cr).argb, d = tinted(cs).argb;
    float k = sign;
    put(quad6[0], p.x, p.y, p.z, a, 0, 0);
    put(quad6[1], q.x, q.y, q.z, b, 0, k);
    put(quad6[2], r.x, r.y, r.z, c, k, k);
    put(quad6[3], p.x, p.y, p.z, a, 0, 0);
    put(quad6[4], r.x, r.y, r.z, c, k, k);
    put(quad6[5], s.x, s.y, s.z, d, k, 0);
    drawUserPrimitive(quad6, 2, kSpriteFvf, PT_TRIANGLELIST);
}
} // namespace

void drawQuad3D(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Color color) { drawList(p, q, r, s, color, color, color, color, 1); }

void drawQuad3DColors(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Color cp, Color cq, Color cr, Color cs) {
    drawList(p, q, r, s, cp, cq, cr, cs, -1);
}

void drawQuad3DUv(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Uv tp, Uv tq, Uv tr, Uv ts, Color color) {
    uint32_t c = tinted(color).argb;
    put(quad4[0], q.x, q.y, q.z, c, tq.u, tq.v);
    put(quad4[1], r.x, r.y, r.z, c, tr.u, tr.v);
    put(quad4[2], p.x, p.y, p.z, c, tp.u, tp.v);
    put(quad4[3], s.x, s.y, s.z, c, ts.u, ts.v);
    drawStrip();
}

void drawQuad3DPlain(Vec3 p, Vec3 q, Vec3 r, Vec3 s, Uv tp, Uv tq, Uv tr, Uv ts) {
    plain6[0] = {p, tp.u, tp.v};
    plain6[1] = {q, tq.u, tq.v};
    plain6[2] = {r, tr.u, tr.v};
    plain6[3] = {p, tp.u, tp.v};
    plain6[4] = {r, tr.u, tr.v};
    plain6[5] = {s, ts.u, ts.v};
    drawUserPrimitive(plain6, 2, kPlainFvf, PT_TRIANGLELIST);
}

void drawScreenRectPlain(float x0, float y0, float x1, float y1) {
    float X0 = x0 - 400, Y0 = -(y0 - 300), X1 = x1 - 400, Y1 = -(y1 - 300);
    drawQuad3DPlain({X0, Y0, 10}, {X1, Y0, 10}, {X1, Y1, 10}, {X0, Y1, 10}, {0, 0}, {1, 0}, {1, 1}, {0, 1});
}

namespace {
Vec3 beamSide(Vec3 from, Vec3 to, float halfWidth) {
    const Matrix& v = getView();
    Vec3 viewDir(v.m[0][2], v.m[1][2], v.m[2][2]);
    Vec3 side = (from - to).cross(-viewDir);
    side.normalize();
    return side * halfWidth;
}
} // namespace

void drawBeam(Vec3 from, Vec3 to, float halfWidth, Color color) {
    Vec3 side = beamSide(from, to, halfWidth);
    drawQuad3D(to - side, to + side, from + side, from - side, color);
}

void drawGradientBeam(Vec3 from, Vec3 to, float halfWidth, Color fromColor, Color toColor) {
    Vec3 side = beamSide(from, to, halfWidth);
    drawQuad3DColors(to - side, to + side, from + side, from - side, toColor, toColor, fromColor, fromColor);
}

void setHighlightTexture(TextureRecord* texture) { highlightTexture = texture; }

void drawHighlight(const Rect& r, Color color) {
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendOne);
    setRenderState(RS_ALPHATESTENABLE, 1);
    setTexture(highlightTexture);
    drawQuad3DColors({r.x0, r.y0, 35}, {r.x1, r.y0, 35}, {r.x1, r.y1, 35}, {r.x0, r.y1, 35}, color, color, color,
                     color);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendInvSrcAlpha);
    setRenderState(RS_ALPHATESTENABLE, 1);
}

// [SECTION] sprite sheet

void SpriteSheet::init(const char* name, int divisions) {
    texture = getTexture(name);
    if (texture && divisions > 0) {
        cellWidth = float(texture->width) / float(divisions);
        cellHeight = float(texture->height) / float(divisions);
    }
}

UvRect sheetCellUv(int n) {
    float col = float(n % 8), row = float(n / 8);
    return UvRect(col / 8, row / 4, col / 8 + 1.0f / 8, row / 4 + 1.0f / 4);
}

void drawSheetCell(const SpriteSheet& sheet, float x, float y, int n, Color color, float extra, float degrees) {
    if (n < 0 || n >= 32) return;
    UvRect uv = sheetCellUv(n);
    float size = extra + sheet.cellWidth;
    setTexture(sheet.texture);
    enableFeature(4);
    setBlendMode(0);
    if (degrees != 0)
        drawRotatedSprite(x, y, x, y, degrees, size, size, uv, color, 0);
    else
        drawSprite(x, y, size, size, uv, color, 0);
}

} // namespace aw
