// Plain 2D and 3D vectors shared by every subsystem.
#pragma once
#include <bit>
#include <cstdint>

namespace aw {

float fastSqrt(float x); // core/fast_sqrt.h

struct Vec3;

struct Vec2 {
    float x = 0, y = 0;

    constexpr Vec2() = default;
    constexpr Vec2(float x_, float y_) : x(x_), y(y_) {}

    void set(float x_, float y_) { x = x_; y = y_; }
    constexpr Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
    constexpr Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
    constexpr Vec2 operator*(float s) const { return {x * s, y * s}; }
    Vec2& operator+=(Vec2 o) { x += o.x; y += o.y; return *this; }
    Vec2& operator-=(Vec2 o) { x -= o.x; y -= o.y; return *this; }
    Vec2& operator*=(float s) { x *= s; y *= s; return *this; }
    constexpr bool operator==(const Vec2&) const = default;
    // Exactly *this == Vec2{0, 0}, either zero's sign, without float compares:
    // the board asks it of every figure several times a frame.
    constexpr bool isZero() const { return ((std::bit_cast<uint32_t>(x) | std::bit_cast<uint32_t>(y)) << 1) == 0; }
    // Component-wise product.
    constexpr Vec2 mul(Vec2 o) const { return {x * o.x, y * o.y}; }
    float length() const { return fastSqrt(x * x + y * y); }
    Vec3 toVec3() const;
};

struct Vec3 {
    float x = 0, y = 0, z = 0;

    constexpr Vec3() = default;
    constexpr Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    void set(float x_, float y_, float z_) { x = x_; y = y_; z = z_; }
    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    Vec3& operator+=(const Vec3& o) { x += o.x; y += o.y; z += o.z; return *this; }
    Vec3& operator-=(const Vec3& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
    Vec3& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
    constexpr bool operator==(const Vec3&) const = default;
    constexpr Vec3 cross(const Vec3& b) const {
        return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x};
    }
    float length() const { return fastSqrt(x * x + y * y + z * z); }
    // Unchanged when the length is 0, so callers need no guard.
    void normalize() {
        float len = length();
        if (len != 0) { x /= len; y /= len; z /= len; }
    }
};

inline Vec3 Vec2::toVec3() const { return {x, y, 0}; }

} // namespace aw
