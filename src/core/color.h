// Colours: the packed 32-bit vertex colour and the four-float colour of the effects.
#pragma once
#include <cstdint>

namespace aw {

// 0xAARRGGBB; in memory the bytes are blue, green, red, alpha, which is the
// layout the vertex arrays hand to the GPU.
struct Color {
    uint32_t argb = 0xFFFFFFFFu;

    constexpr Color() = default;
    constexpr explicit Color(uint32_t v) : argb(v) {}
    constexpr Color(int r, int g, int b, int a = 255)
        : argb((uint32_t(a & 255) << 24) | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) |
               uint32_t(b & 255)) {}

    constexpr int r() const { return int((argb >> 16) & 255); }
    constexpr int g() const { return int((argb >> 8) & 255); }
    constexpr int b() const { return int(argb & 255); }
    constexpr int a() const { return int(argb >> 24); }
    constexpr bool operator==(const Color&) const = default;
};

// Red, green, blue, alpha as floats; defaults to (1, 1, 1, 0) as the effects expect.
struct Color4f {
    float r = 1, g = 1, b = 1, a = 0;

    constexpr Color4f() = default;
    constexpr Color4f(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_) {}

    void set(float r_, float g_, float b_, float a_) { r = r_; g = g_; b = b_; a = a_; }
    constexpr Color4f scaled(float s) const { return {r * s, g * s, b * s, a * s}; }
    // a * (1 - t) + b * t, component-wise.
    static constexpr Color4f lerp(const Color4f& x, const Color4f& y, float t) {
        return {x.r * (1 - t) + y.r * t, x.g * (1 - t) + y.g * t, x.b * (1 - t) + y.b * t,
                x.a * (1 - t) + y.a * t};
    }
    constexpr bool operator==(const Color4f&) const = default;
};

} // namespace aw
