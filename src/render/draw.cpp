#include "render/draw.h"

#include "platform/gl_device.h"

#include <cstddef>
#include <vector>

namespace aw {

int triangleCount = 0;
long drawCallCount = 0;

namespace {
DrawHook drawHook = nullptr;
void* drawHookUser = nullptr;

gpu::Primitive primitiveOf(PrimitiveType t) {
    switch (t) {
    case PT_POINTLIST: return gpu::Primitive::Points;
    case PT_LINELIST: return gpu::Primitive::Lines;
    case PT_LINESTRIP: return gpu::Primitive::LineStrip;
    case PT_TRIANGLESTRIP: return gpu::Primitive::TriangleStrip;
    case PT_TRIANGLEFAN: return gpu::Primitive::TriangleFan;
    default: return gpu::Primitive::Triangles;
    }
}
} // namespace

int vertexStride(uint32_t fvf) { return gpu::vertexStride(fvf); }

int vertexCountFor(PrimitiveType type, int n) {
    if (n <= 0) return 0;
    switch (type) {
    case PT_POINTLIST: return n;
    case PT_LINELIST: return 2 * n;
    case PT_LINESTRIP: return n + 1;
    case PT_TRIANGLELIST: return 3 * n;
    case PT_TRIANGLESTRIP:
    case PT_TRIANGLEFAN: return n + 2;
    default: return 0;
    }
}

void drawUserPrimitive(const void* vertices, int primitiveCount, uint32_t fvf, PrimitiveType type) {
    int vertexCount = vertexCountFor(type, primitiveCount);
    if (!vertices || vertexCount == 0) return;
    if (drawHook) drawHook(vertices, vertexCount, primitiveCount, fvf, type, drawHookUser);
    gpu::drawArrays(primitiveOf(type), vertices, vertexCount, fvf);
    triangleCount += primitiveCount;
    drawCallCount += type == PT_POINTLIST && (fvf & FVF_PSIZE) ? vertexCount : 1;
}

void drawLine(Vec3 a, Vec3 b) {
    const Vec3 v[2] = {a, b};
    drawUserPrimitive(v, 1, FVF_XYZ, PT_LINELIST);
}

void createMeshBuffers(MeshBuffers& mesh, const void* vertices, int vertexCount, const uint32_t* indices,
                       int triangles, uint32_t fvf) {
    releaseMeshBuffers(mesh);
    mesh.fvf = fvf;
    mesh.stride = vertexStride(fvf);
    mesh.triangleCount = triangles > 0 ? triangles : 0;
    mesh.indexed = indices != nullptr;
    mesh.vertexCount = mesh.indexed ? vertexCount : mesh.triangleCount * 3;
    if (!vertices || mesh.vertexCount <= 0) return;
    mesh.vertexBuffer = gpu::createVertexBuffer(vertices, mesh.vertexCount * mesh.stride);
    if (mesh.indexed) {
        std::vector<uint16_t> narrow(std::size_t(mesh.triangleCount) * 3);
        for (std::size_t i = 0; i < narrow.size(); ++i) narrow[i] = uint16_t(indices[i]);
        mesh.indexBuffer = gpu::createIndexBuffer(narrow.data(), int(narrow.size()));
    }
}

void drawMesh(const MeshBuffers& mesh) {
    if (!mesh.vertexBuffer) return;
    gpu::drawBuffers(mesh.vertexBuffer, mesh.fvf, mesh.vertexCount, mesh.indexBuffer, mesh.triangleCount * 3);
    triangleCount += mesh.triangleCount;
    ++drawCallCount;
}

void releaseMeshBuffers(MeshBuffers& mesh) {
    gpu::deleteBuffer(mesh.vertexBuffer);
    gpu::deleteBuffer(mesh.indexBuffer);
    mesh = MeshBuffers{};
}

void discardManagedResources() {}

void setDrawHook(DrawHook hook, void* user) {
    drawHook = hook;
    drawHookUser = user;
}

} // namespace aw
