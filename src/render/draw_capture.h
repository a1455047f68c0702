// What tests see of drawing: every submitted vertex batch, and the pixels of
// the current target.
#pragma once
#include "core/color.h"
#include "render/draw.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace aw {

struct TextureRecord;

struct CapturedBatch {
    std::vector<uint8_t> bytes; // the vertices as submitted
    int vertexCount = 0;
    int primitiveCount = 0;
    uint32_t fvf = 0;
    PrimitiveType type = PT_TRIANGLELIST;
    const TextureRecord* texture = nullptr; // set when the batch was drawn

    int stride() const { return vertexStride(fvf); }
    // A float of vertex i at byte offset within the vertex.
    float floatAt(int i, int offset) const {
        float f;
        std::memcpy(&f, bytes.data() + size_t(i) * size_t(stride()) + size_t(offset), 4);
        return f;
    }
    uint32_t wordAt(int i, int offset) const {
        uint32_t v;
        std::memcpy(&v, bytes.data() + size_t(i) * size_t(stride()) + size_t(offset), 4);
        return v;
    }
};

// Records every batch while it exists (one recorder at a time).
class DrawRecorder {
public:
    DrawRecorder();
    ~DrawRecorder();
    DrawRecorder(const DrawRecorder&) = delete;
    DrawRecorder& operator=(const DrawRecorder&) = delete;

    std::vector<CapturedBatch> batches;
    void clear() { batches.clear(); }
};

// Pixels of the current target as R, G, B, A bytes, rows from the top.
bool readTargetPixels(int x, int y, int w, int h, uint8_t* rgba);
struct Pixel {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};
Pixel readPixel(int x, int y);

} // namespace aw
