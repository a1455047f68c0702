// Screen rectangles (y upwards) and texture rectangles.
#pragma once
#include "core/vec.h"

namespace aw {

struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    constexpr Rect() = default;
    constexpr Rect(float x0_, float y0_, float x1_, float y1_) : x0(x0_), y0(y0_), x1(x1_), y1(y1_) {}
    // y grows upwards, so the top edge y0 is cy + h/2.
    static constexpr Rect fromCentre(float cx, float cy, float w, float h) {
        return {cx - w / 2, cy + h / 2, cx + w / 2, cy - h / 2};
    }
    constexpr bool contains(Vec2 p) const { return x0 <= p.x && p.x <= x1 && y1 <= p.y && p.y <= y0; }
    constexpr bool operator==(const Rect&) const = default;
};

// (uMin, vMin) belongs to corner (x0, y0) of the matching Rect.
struct UvRect {
    float uMin = 0, vMin = 0, uMax = 1, vMax = 1;

    constexpr UvRect() = default;
    constexpr UvRect(float u0, float v0, float u1, float v1) : uMin(u0), vMin(v0), uMax(u1), vMax(v1) {}
    constexpr bool operator==(const UvRect&) const = default;
};

} // namespace aw
