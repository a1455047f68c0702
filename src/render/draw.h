// The one entry for vertex arrays in memory, lines, and the mesh buffers of
// the models; every submission adds to the frame's triangle count.
#pragma once
#include "core/vec.h"

#include <cstdint>

namespace aw {

enum PrimitiveType : int {
    PT_POINTLIST = 1,
    PT_LINELIST = 2,
    PT_LINESTRIP = 3,
    PT_TRIANGLELIST = 4,
    PT_TRIANGLESTRIP = 5,
    PT_TRIANGLEFAN = 6,
};

// Vertex layouts: components in the order position, normal, point size,
// diffuse, specular, texture coordinate.
constexpr uint32_t FVF_XYZ = 0x002;
constexpr uint32_t FVF_NORMAL = 0x010;
constexpr uint32_t FVF_PSIZE = 0x020;
constexpr uint32_t FVF_DIFFUSE = 0x040;
constexpr uint32_t FVF_SPECULAR = 0x080;
constexpr uint32_t FVF_TEX1 = 0x100;

// Triangles submitted this frame; the shell's diagnostics overlay prints and
// resets it.
extern int triangleCount;
// Draws submitted, counted from the start of the run (a point list with a
// size per point goes one point at a time). Benchmarks read the difference
// over a frame; gpu::drawCallsSubmitted() counts what reaches GL once
// triangles in a row under the same states are gathered.
extern long drawCallCount;

int vertexStride(uint32_t fvf);
// Vertices a primitive count takes (lists, strips, fans).
int vertexCountFor(PrimitiveType type, int primitiveCount);

void drawUserPrimitive(const void* vertices, int primitiveCount, uint32_t fvf, PrimitiveType type);
void drawLine(Vec3 a, Vec3 b);

// Vertex and index buffers of one model mesh.
struct MeshBuffers {
    unsigned vertexBuffer = 0, indexBuffer = 0;
    uint32_t fvf = 0;
    int stride = 0;
    int vertexCount = 0;
    int triangleCount = 0;
    bool indexed = false;
};
// indices (three per triangle) may be null: then vertices hold three per
// triangle. Indices are narrowed to 16 bits as the buffers store them.
void createMeshBuffers(MeshBuffers& mesh, const void* vertices, int vertexCount, const uint32_t* indices,
                       int triangles, uint32_t fvf);
void drawMesh(const MeshBuffers& mesh);
void releaseMeshBuffers(MeshBuffers& mesh);

// Evicts managed resources from video memory; ours live in GL, so nothing to do.
void discardManagedResources();

// [SECTION] capture for tests: called with every submitted batch.
using DrawHook = void (*)(const void* vertices, int vertexCount, int primitiveCount, uint32_t fvf,
                          PrimitiveType type, void* user);
void setDrawHook(DrawHook hook, void* user);

} // namespace aw
