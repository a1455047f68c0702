// 4 x 4 matrix, row-major with row vectors (v' = v * M), as the renderer expects.
#pragma once
#include "core/vec.h"

namespace aw {

struct Matrix {
    float m[4][4] = {};

    static Matrix identity();
    static Matrix translation(float x, float y, float z);
    static Matrix scaling(float x, float y, float z);

    Matrix operator*(const Matrix& o) const;
    bool operator==(const Matrix&) const = default;
    // Row vector times matrix, w = 1; the result is not divided by w.
    Vec3 transformPoint(const Vec3& v) const;
    const float* data() const { return &m[0][0]; }
};

} // namespace aw
