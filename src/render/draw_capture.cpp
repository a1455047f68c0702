#include "render/draw_capture.h"

#include "platform/gl_device.h"
#include "render/render_states.h"

namespace aw {
namespace {
void record(const void* vertices, int vertexCount, int primitiveCount, uint32_t fvf, PrimitiveType type, void* user) {
    auto* rec = static_cast<DrawRecorder*>(user);
    CapturedBatch b;
    const auto* p = static_cast<const uint8_t*>(vertices);
    b.bytes.assign(p, p + size_t(vertexCount) * size_t(vertexStride(fvf)));
    b.vertexCount = vertexCount;
    b.primitiveCount = primitiveCount;
    b.fvf = fvf;
    b.type = type;
    b.texture = currentTexture();
    rec->batches.push_back(std::move(b));
}
} // namespace

DrawRecorder::DrawRecorder() { setDrawHook(record, this); }
DrawRecorder::~DrawRecorder() { setDrawHook(nullptr, nullptr); }

bool readTargetPixels(int x, int y, int w, int h, uint8_t* rgba) { return gpu::readPixels(x, y, w, h, rgba); }

Pixel readPixel(int x, int y) {
    uint8_t p[4] = {};
    gpu::readPixels(x, y, 1, 1, p);
    return {p[0], p[1], p[2], p[3]};
}

} // namespace aw
