// [SECTION] local matrix
// [SECTION] building a mesh from its file
// [SECTION] the cache
#include "effects/meshes.h"

#include "persistence/binary_fields.h"
#include "resources/registry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aw {
namespace {

// Lives for the run (emptied by releaseAllMeshes).
struct MeshCache {
    Mesh* meshes[kMaxMeshes] = {};
    int count = 0;
} cache;

struct Quaternion {
    float x = 0, y = 0, z = 0, w = 1;
};

Quaternion operator*(const Quaternion& a, const Quaternion& b) {
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

Quaternion aboutAxis(int axis, float angle) {
    Quaternion q;
    float s = std::sin(angle / 2);
    (axis == 0 ? q.x : axis == 1 ? q.y : q.z) = s;
    q.w = std::cos(angle / 2);
    return q;
}

Vec3 readVec3(const uint8_t* p) { return {getFloat32(p), getFloat32(p + 4), getFloat32(p + 8)}; }

// One face as read: three vertex indices and the (u, v) of each corner, v
// already turned the right way up.
struct Face {
    int32_t index[3];
    float u[3], v[3];
};

// Equal texture coordinates compare equal here (so 0 and -0 group together).
uint64_t uvKey(float u, float v) {
    u += 0.0f;
    v += 0.0f;
    uint32_t a, b;
    std::memcpy(&a, &u, 4);
    std::memcpy(&b, &v, 4);
    return uint64_t(a) << 32 | b;
}

void buildBounds(Mesh& m, const std::vector<Vec3>& points) {
    if (points.empty()) return; // both at the origin with size 0
    Vec3 lo = points[0], hi = points[0];
    for (const Vec3& p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    m.boxMin = lo;
    m.boxHalf = (hi - lo) * 0.5f;
    // The box centre and the farthest vertex from it.
    m.sphereCentre = lo + m.boxHalf;
    float r = 0;
    for (const Vec3& p : points) r = std::max(r, (p - m.sphereCentre).length());
    m.sphereRadius = r;
}

Vec3 faceNormal(const std::vector<Vec3>& points, const Face& f) {
    Vec3 p0 = points[size_t(f.index[0])], p1 = points[size_t(f.index[1])], p2 = points[size_t(f.index[2])];
    Vec3 n = (p2 - p0).cross(p1 - p0);
    n.normalize();
    return n;
}

void buildFlat(Mesh& m, const std::vector<Vec3>& points, const std::vector<Face>& faces) {
    m.vertices.reserve(faces.size() * 3);
    for (const Face& f : faces) {
        Vec3 n = faceNormal(points, f);
        for (int k = 0; k < 3; ++k) m.vertices.push_back({points[size_t(f.index[k])], n, f.u[k], f.v[k]});
    }
}

// Shared vertices with averaged normals, split where the corners using one
// vertex carry different texture coordinates. Output vertices are numbered
// vertex by vertex, and within a vertex in the order of the first corner of
// each (u, v) group.
void buildSmooth(Mesh& m, const std::vector<Vec3>& points, const std::vector<Face>& faces) {
    size_t vertexCount = points.size(), cornerCount = faces.size() * 3;
    std::vector<Vec3> normals(vertexCount);
    for (const Face& f : faces) {
        Vec3 n = faceNormal(points, f);
        for (int k = 0; k < 3; ++k) normals[size_t(f.index[k])] += n;
    }
    for (Vec3& n : normals) n.normalize();

    // The corners of each vertex, in face order.
    std::vector<uint32_t> start(vertexCount + 1, 0), corners(cornerCount);
    for (const Face& f : faces)
        for (int k = 0; k < 3; ++k) ++start[size_t(f.index[k]) + 1];
    for (size_t i = 0; i < vertexCount; ++i) start[i + 1] += start[i];
    std::vector<uint32_t> fill(start.begin(), start.end() - 1);
    for (size_t c = 0; c < cornerCount; ++c) corners[fill[size_t(faces[c / 3].index[c % 3])]++] = uint32_t(c);

    m.indices.assign(cornerCount, 0);
    struct Keyed {
        uint64_t key;
        uint32_t corner;
    };
    std::vector<Keyed> keyed;
    std::vector<std::pair<uint32_t, size_t>> groups; // first corner, position in keyed
    for (size_t i = 0; i < vertexCount; ++i) {
        keyed.clear();
        for (uint32_t j = start[i]; j < start[i + 1]; ++j) {
            const Face& f = faces[corners[j] / 3];
            int k = int(corners[j] % 3);
            keyed.push_back({uvKey(f.u[k], f.v[k]), corners[j]});
        }
        std::sort(keyed.begin(), keyed.end(),
                  [](const Keyed& a, const Keyed& b) { return a.key != b.key ? a.key < b.key : a.corner < b.corner; });
        groups.clear();
        for (size_t j = 0; j < keyed.size(); ++j)
            if (j == 0 || keyed[j].key != keyed[j - 1].key) groups.push_back({keyed[j].corner, j});
        std::sort(groups.begin(), groups.end());
        for (const auto& [first, at] : groups) {
            uint32_t out = uint32_t(m.vertices.size());
            const Face& f = faces[first / 3];
            m.vertices.push_back({points[i], normals[i], f.u[first % 3], f.v[first % 3]});
            for (size_t j = at; j < keyed.size() && keyed[j].key == keyed[at].key; ++j) m.indices[keyed[j].corner] = out;
        }
    }
}

} // namespace

// [SECTION] local matrix

Matrix meshLocalMatrix(Vec3 position, Vec3 rotation) {
    Quaternion q = aboutAxis(2, rotation.z) * aboutAxis(1, rotation.y) * aboutAxis(0, rotation.x);
    float x = q.x, y = q.y, z = q.z, w = q.w;
    // The rotation for column vectors, stored transposed for row vectors.
    float r[3][3] = {{1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)},
                     {2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)},
                     {2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)}};
    Matrix m = Matrix::identity();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m.m[i][j] = r[j][i];
    m.m[3][0] = position.x;
    m.m[3][1] = position.y;
    m.m[3][2] = position.z;
    return m;
}

// [SECTION] building a mesh from its file

void buildMesh(const uint8_t* data, size_t size, Mesh& out) {
    std::string path = std::move(out.path);
    out = Mesh{};
    out.path = std::move(path);
    if (!data || size < kMeshHeaderSize) return;
    out.smooth = data[kMeshSmoothOffset] != 0;
    out.local = meshLocalMatrix(readVec3(data + kMeshPositionOffset), readVec3(data + kMeshRotationOffset));

    // Offsets follow the declared counts; only what lies inside the file is read.
    int64_t declaredVertices = std::max<int32_t>(0, getInt32(data + kMeshVertexCountOffset));
    int64_t declaredFaces = std::max<int32_t>(0, getInt32(data + kMeshFaceCountOffset));
    out.facesInFile = int(declaredFaces);
    int64_t fileSize = int64_t(size);
    int64_t vertexCount = std::min<int64_t>(declaredVertices, (fileSize - int64_t(kMeshHeaderSize)) / int64_t(kMeshVertexSize));
    std::vector<Vec3> points(static_cast<size_t>(vertexCount));
    for (int64_t i = 0; i < vertexCount; ++i)
        points[size_t(i)] = readVec3(data + kMeshHeaderSize + size_t(i) * kMeshVertexSize);

    int64_t faceStart = int64_t(kMeshHeaderSize) + declaredVertices * int64_t(kMeshVertexSize);
    int64_t uvStart = faceStart + declaredFaces * int64_t(kMeshFaceSize);
    std::vector<Face> faces;
    for (int64_t f = 0; f < declaredFaces; ++f) {
        int64_t at = faceStart + f * int64_t(kMeshFaceSize), uvAt = uvStart + f * int64_t(kMeshFaceUvSize);
        if (at + int64_t(kMeshFaceSize) > fileSize || uvAt + int64_t(kMeshFaceUvSize) > fileSize) break;
        Face face;
        bool inRange = true;
        for (int k = 0; k < 3; ++k) {
            face.index[k] = getInt32(data + at + 4 * k);
            inRange = inRange && face.index[k] >= 0 && face.index[k] < vertexCount;
            face.u[k] = getFloat32(data + uvAt + 8 * k);
            face.v[k] = 1 - getFloat32(data + uvAt + 8 * k + 4);
        }
        if (inRange) faces.push_back(face);
    }
    out.facesKept = int(faces.size());

    buildBounds(out, points);
    if (out.smooth)
        buildSmooth(out, points, faces);
    else
        buildFlat(out, points, faces);
}

// [SECTION] the cache

Mesh* loadMesh(const char* path) {
    if (!path) return nullptr;
    for (int i = 0; i < cache.count; ++i)
        if (cache.meshes[i]->path == path) return cache.meshes[i];
    if (cache.count >= kMaxMeshes) return nullptr;
    int size = 0;
    uint8_t* data = loadResource(path, &size, true);
    Mesh* mesh = new Mesh;
    mesh->path = path;
    buildMesh(data, size_t(size > 0 ? size : 0), *mesh);
    releaseResource(data);
    cache.meshes[cache.count++] = mesh;
    return mesh;
}

int meshCount() { return cache.count; }

void releaseAllMeshes() {
    for (int i = 0; i < cache.count; ++i) delete cache.meshes[i];
    cache = MeshCache{};
}

} // namespace aw
