#include "render/transforms.h"

#include "platform/gl_device.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/render_states.h"

#include <cmath>

namespace aw {
namespace {

// The device transforms (live for the run; reset with the device).
Matrix world = Matrix::identity(), view = Matrix::identity(), projection = Matrix::identity(),
       textureTransform = Matrix::identity();

void send() { gpu::setTransforms(world.data(), view.data(), projection.data()); }

} // namespace

Matrix buildPerspective(float fov, float aspect, float nearZ, float farZ) {
    float c = std::cos(fov / 2) / std::sin(fov / 2);
    Matrix m;
    m.m[0][0] = c / aspect;
    m.m[1][1] = c;
    m.m[2][2] = farZ / (farZ - nearZ);
    m.m[2][3] = 1;
    m.m[3][2] = -nearZ * farZ / (farZ - nearZ);
    return m;
}

Matrix buildOrtho(float width, float height, float nearZ, float farZ) {
    Matrix m;
    m.m[0][0] = 2 / width;
    m.m[1][1] = 2 / height;
    m.m[2][2] = 1 / (farZ - nearZ);
    m.m[3][2] = nearZ / (nearZ - farZ);
    m.m[3][3] = 1;
    return m;
}

void updateProjection() {
    // The game's client area is the 800 x 600 frame whatever the window's size.
    renderDevice.perspectiveMatrix =
        buildPerspective(0.7853982f, float(kFrameWidth) / float(kFrameHeight), 5, 400);
}

void setWorld(const Matrix* m) {
    world = m ? *m : Matrix::identity();
    send();
}

void setView(const Matrix* m) {
    view = m ? *m : Matrix::identity();
    send();
}

void setProjection(const Matrix& m) {
    projection = m;
    send();
}

void setTextureTransform(const Matrix& m) {
    textureTransform = m;
    uint32_t flags = getTextureStageState(TSS_TEXTURETRANSFORMFLAGS);
    gpu::setTextureTransform(textureTransform.data(), flags == kTtffCount2 ? 2 : 0);
}

const Matrix& getWorld() { return world; }
const Matrix& getView() { return view; }
const Matrix& getProjection() { return projection; }
const Matrix& getTextureTransform() { return textureTransform; }

void setPerspective(float fov, float aspect, float nearZ, float farZ) {
    setProjection(buildPerspective(fov, aspect, nearZ, farZ));
}

void setOrtho(float width, float height, float nearZ, float farZ) { setProjection(buildOrtho(width, height, nearZ, farZ)); }

void resetTransforms() {
    world = view = projection = textureTransform = Matrix::identity();
    send();
    gpu::setTextureTransform(textureTransform.data(), 0);
}

} // namespace aw
