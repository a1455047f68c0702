// The device transforms and the projection builders. Matrices are row-major
// with row vectors, as everywhere in the game.
#pragma once
#include "core/matrix.h"

namespace aw {

Matrix buildPerspective(float fov, float aspect, float nearZ, float farZ);
Matrix buildOrtho(float width, float height, float nearZ, float farZ);

// perspectiveMatrix for the 800 x 600 client area (fov pi/4, near 5, far 400);
// it is not sent to the device.
void updateProjection();

// Null sets the identity (world and view).
void setWorld(const Matrix* m);
void setView(const Matrix* m);
void setProjection(const Matrix& m);
void setTextureTransform(const Matrix& m);
inline void setWorld(const Matrix& m) { setWorld(&m); }
inline void setView(const Matrix& m) { setView(&m); }
const Matrix& getWorld();
const Matrix& getView();
const Matrix& getProjection();
const Matrix& getTextureTransform();

void setPerspective(float fov, float aspect, float nearZ, float farZ);
void setOrtho(float width, float height, float nearZ, float farZ);

// Tests and device creation: every transform back to the identity.
void resetTransforms();

} // namespace aw
