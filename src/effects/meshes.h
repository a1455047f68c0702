// The meshes of the scenery's 3D objects: ".msh_s" files read once and kept
// in a cache keyed by their exact path, so two objects naming one file share
// it. Nothing in the game draws them; they are held for the run.
//
// Lifetime: the cache lives for the run; releaseAllMeshes() empties it (exit
// and tests).
#pragma once
#include "core/matrix.h"
#include "core/vec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

constexpr int kMaxMeshes = 1024;

// ".msh_s" layout (little-endian, packed).
constexpr size_t kMeshSmoothOffset = 3;
constexpr size_t kMeshPositionOffset = 4;
constexpr size_t kMeshRotationOffset = 16;
constexpr size_t kMeshVertexCountOffset = 29;
constexpr size_t kMeshFaceCountOffset = 33;
constexpr size_t kMeshHeaderSize = 37;
constexpr size_t kMeshVertexSize = 12; // three floats
constexpr size_t kMeshFaceSize = 12;   // three int32 indices
constexpr size_t kMeshFaceUvSize = 24; // three (u, v) float pairs

// Position, normal, one texture coordinate: 32 bytes.
struct MeshVertex {
    Vec3 position;
    Vec3 normal;
    float u = 0, v = 0;
};
static_assert(sizeof(MeshVertex) == 32);

struct Mesh {
    std::string path;
    bool smooth = false;
    Matrix local = Matrix::identity(); // rotation qz * qy * qx, then the position
    Vec3 boxMin, boxHalf;              // axis-aligned bounds: minimum corner and half size
    Vec3 sphereCentre;
    float sphereRadius = 0;
    std::vector<MeshVertex> vertices;
    std::vector<uint32_t> indices; // smooth meshes: three per face; flat meshes: none
    int facesInFile = 0;           // faces the file declared
    int facesKept = 0;             // faces read (within the file, indices in range)
};

// Rotation about x, y and z (radians) as the quaternion product qz * qy * qx
// (x turns first), in row-vector form, then translated by position.
Matrix meshLocalMatrix(Vec3 position, Vec3 rotation);

// Builds a mesh from the bytes of a ".msh_s" file. Counts and indices are
// checked against the file: a short file gives an empty mesh, vertices and
// faces are read only as far as the file holds them, and a face naming a
// vertex the file lacks is dropped.
void buildMesh(const uint8_t* data, size_t size, Mesh& out);

// The cached mesh of that exact path, or a new one read from the file (a file
// that cannot be read ends the program with the loading error). Null only
// when the cache is full.
Mesh* loadMesh(const char* path);
int meshCount();
void releaseAllMeshes();

} // namespace aw
