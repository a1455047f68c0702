// Mesh files and 3D objects: building, the split by texture coordinate,
// bounds, the local matrix, hostile files, and sharing through the caches.
#include "effects/meshes.h"
#include "effects/models.h"
#include "effects/scenery_catalogue.h"
#include "effects/scenery_files.h"

#include <cmath>

using namespace aw;
using namespace awtest;

namespace {

Mesh build(const std::string& bytes) {
    Mesh m;
    buildMesh(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), m);
    return m;
}

// A cube of side 2 about the origin, two triangles a side, each triangle's
// normal pointing out; every side has texture coordinates of its own, so
// each corner carries three different pairs.
MeshSource cube(bool smooth) {
    MeshSource s;
    s.smooth = smooth;
    for (int i = 0; i < 8; ++i) s.vertices.insert(s.vertices.end(), {i & 1 ? 1.f : -1.f, i & 2 ? 1.f : -1.f, i & 4 ? 1.f : -1.f});
    const int sides[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (int side = 0; side < 6; ++side) {
        const int* q = sides[side];
        const float u[4] = {0, 0, 1, 1}, v[4] = {0, 1, 1, 0};
        for (int t : {0, 1}) {
            int k[3] = {q[0], q[t ? 3 : 2], q[t ? 2 : 1]};
            int c[3] = {0, t ? 3 : 2, t ? 2 : 1};
            for (int j = 0; j < 3; ++j) {
                s.faces.push_back(k[j]);
                s.uvs.insert(s.uvs.end(), {0.1f * side + 0.05f * u[c[j]], 0.05f * v[c[j]]});
            }
        }
    }
    return s;
}

Vec3 corner(const MeshSource& s, int i) { return {s.vertices[size_t(i) * 3], s.vertices[size_t(i) * 3 + 1], s.vertices[size_t(i) * 3 + 2]}; }

} // namespace

TEST(MeshFile, SmoothCubeSplitsEachCornerByItsThreeTextureCoordinates) {
    MeshSource src = cube(true);
    Mesh m = build(meshBytes(src));
    ASSERT_TRUE(m.smooth);
    ASSERT_EQ(m.vertices.size(), 24u);
    ASSERT_EQ(m.indices.size(), 36u);
    // Made corner by corner in file order: three output vertices per corner.
    for (int i = 0; i < 24; ++i) EXPECT_EQ(m.vertices[size_t(i)].position, corner(src, i / 3)) << i;
    for (size_t c = 0; c < 36; ++c) {
        const MeshVertex& v = m.vertices[m.indices[c]];
        EXPECT_EQ(v.position, corner(src, src.faces[c])) << c;
        EXPECT_FLOAT_EQ(v.u, src.uvs[c * 2]) << c;
        EXPECT_FLOAT_EQ(v.v, 1 - src.uvs[c * 2 + 1]) << c; // stored upside down
    }
    // Averaged normals: unit length, pointing out of the cube.
    for (const MeshVertex& v : m.vertices) {
        EXPECT_NEAR(v.normal.x * v.normal.x + v.normal.y * v.normal.y + v.normal.z * v.normal.z, 1, 1e-3);
        EXPECT_GT(v.normal.x * v.position.x + v.normal.y * v.position.y + v.normal.z * v.position.z, 0.5f);
    }
    // The same cube with one pair everywhere shares its eight corners.
    for (float& f : src.uvs) f = 0.5f;
    EXPECT_EQ(build(meshBytes(src)).vertices.size(), 8u);
}

TEST(MeshFile, FlatMeshHasThreeVerticesPerFaceWithTheFaceNormal) {
    Mesh m = build(meshBytes(cube(false)));
    EXPECT_FALSE(m.smooth);
    EXPECT_EQ(m.vertices.size(), 36u);
    EXPECT_TRUE(m.indices.empty());

    MeshSource one;
    one.vertices = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    one.faces = {0, 1, 2};
    one.uvs = {0, 0, 1, 0.25f, 0, 1};
    Mesh t = build(meshBytes(one));
    ASSERT_EQ(t.vertices.size(), 3u);
    for (const MeshVertex& v : t.vertices) EXPECT_EQ(v.normal, Vec3(0, 0, -1)); // (p2 - p0) x (p1 - p0)
    EXPECT_FLOAT_EQ(t.vertices[1].u, 1);
    EXPECT_FLOAT_EQ(t.vertices[1].v, 0.75f);
}

TEST(MeshFile, BoundsAndLocalMatrix) {
    MeshSource s;
    s.vertices = {-1, 0, 2, 3, 4, -2, 1, 1, 1};
    s.position[0] = 5, s.position[1] = 6, s.position[2] = 7;
    s.rotation[0] = 1.5707964f, s.rotation[2] = 1.5707964f;
    Mesh m = build(meshBytes(s));
    EXPECT_EQ(m.boxMin, Vec3(-1, 0, -2));
    EXPECT_EQ(m.boxHalf, Vec3(2, 2, 2));
    EXPECT_EQ(m.sphereCentre, Vec3(1, 2, 0));
    EXPECT_NEAR(m.sphereRadius, std::sqrt(12.f), 1e-3);
    // x turns first, then z: y goes to z and stays there; then the position.
    Vec3 p = m.local.transformPoint({0, 1, 0});
    EXPECT_NEAR(p.x, 5, 1e-5);
    EXPECT_NEAR(p.y, 6, 1e-5);
    EXPECT_NEAR(p.z, 8, 1e-5);
    Vec3 q = meshLocalMatrix({}, {0, 0, 1.5707964f}).transformPoint({1, 0, 0}); // z turns x onto y
    EXPECT_NEAR(q.x, 0, 1e-6);
    EXPECT_NEAR(q.y, 1, 1e-6);

    Mesh empty = build(meshBytes(MeshSource{}));
    EXPECT_EQ(empty.boxMin, Vec3());
    EXPECT_EQ(empty.boxHalf, Vec3());
    EXPECT_EQ(empty.sphereRadius, 0);
}

TEST(MeshFile, ReadsOnlyWhatTheFileHolds) {
    EXPECT_TRUE(build(std::string(20, '\x01')).vertices.empty()); // shorter than the header

    MeshSource s = cube(true);
    s.vertexCount = 0x7FFFFFFF; // far beyond the file: the faces' place is unknown
    Mesh huge = build(meshBytes(s));
    EXPECT_TRUE(huge.vertices.empty());
    EXPECT_EQ(huge.boxHalf, Vec3(1, 1, 1)); // the vertices that are there still count

    s = cube(true);
    s.faceCount = 1000000000; // the texture coordinates would lie past the end
    EXPECT_TRUE(build(meshBytes(s)).vertices.empty());

    s = cube(false);
    s.vertexCount = -5;
    s.faceCount = -1;
    EXPECT_TRUE(build(meshBytes(s)).vertices.empty());

    // A file cut inside its texture coordinates keeps the faces that are whole.
    std::string cut = meshBytes(cube(false));
    cut.resize(cut.size() - 30);
    Mesh partial = build(cut);
    EXPECT_EQ(partial.facesKept, 10);
    EXPECT_EQ(partial.vertices.size(), 30u);

    // Faces naming vertices the file lacks are dropped, the others kept.
    MeshSource bad;
    bad.smooth = true;
    bad.vertices = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    bad.faces = {0, 1, 2, 0, 1, 3, -1, 1, 2};
    bad.uvs.assign(18, 0.5f);
    Mesh kept = build(meshBytes(bad));
    EXPECT_EQ(kept.facesInFile, 3);
    EXPECT_EQ(kept.facesKept, 1);
    EXPECT_EQ(kept.vertices.size(), 3u);
    for (uint32_t i : kept.indices) EXPECT_LT(i, 3u);
}

// The caches and the object files, through the game's file loader.
class Models : public SceneryTest {};

TEST_F(Models, ObjectTextsReadAsFarAsTheyNameMeshes) {
    ModelFileEntry e[kMaxModelMeshes];
    EXPECT_EQ(parseModelFile("nummeshes=3\r\nmesh0=a.msh_s\r\ntexture0=t.jpg\r\nmesh1=b.msh_s\r\n", e, kMaxModelMeshes), 2);
    EXPECT_EQ(e[0].meshPath, "a.msh_s");
    EXPECT_EQ(e[0].textureName, "t.jpg");
    EXPECT_EQ(e[1].textureName, "");
    EXPECT_EQ(parseModelFile("nummeshes=-4\r\nmesh0=a.msh_s\r\n", e, kMaxModelMeshes), 0);
    std::string many = "nummeshes=99999\r\n";
    for (int i = 0; i < 40; ++i) many += "mesh" + std::to_string(i) + "=m.msh_s\r\n";
    EXPECT_EQ(parseModelFile(many, e, kMaxModelMeshes), kMaxModelMeshes);
}

TEST_F(Models, KindsShareObjectsAndObjectsShareMeshes) {
    picture("stone.tga", {120, 120, 120, 255});
    writeBytes(path("cube.msh_s"), meshBytes(cube(false)));
    writeBytes(path("lid.msh_s"), meshBytes(cube(true)));
    writeBytes(path("a.cgo"), "nummeshes=2\r\nmesh0=cube.msh_s\r\ntexture0=stone.tga\r\nmesh1=lid.msh_s\r\ntexture1=stone.tga\r\n\r\n");
    writeBytes(path("b.cgo"), "nummeshes=1\r\nmesh0=lid.msh_s\r\ntexture0=stone.tga\r\n\r\n");
    catalogue("[things/]\r\nbox=a.cgo\r\nsame=a.cgo\r\nother=b.cgo\r\n[/things]\r\n");
    int reads = 0;
    static int* counter;
    counter = &reads;
    setLoadProgressHandler([](int) { ++*counter; });
    loadSceneryCatalogue();
    setLoadProgressHandler(nullptr);

    ASSERT_EQ(sceneryKindCount(), 3);
    EXPECT_EQ(modelCount(), 2);
    EXPECT_EQ(meshCount(), 2);
    const Model* a = findSceneryKind("box")->model;
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(findSceneryKind("same")->model, a);
    const Model* b = findSceneryKind("other")->model;
    ASSERT_EQ(a->meshCount, 2);
    ASSERT_EQ(b->meshCount, 1);
    EXPECT_EQ(a->parts[1].mesh, b->parts[0].mesh);
    EXPECT_EQ(a->parts[0].mesh->vertices.size(), 36u);
    EXPECT_EQ(a->parts[0].texture, findTexture("stone.tga"));
    // The catalogue, two objects, two meshes and one picture: each read once.
    EXPECT_EQ(reads, 6);
    EXPECT_EQ(loadMesh("lid.msh_s"), b->parts[0].mesh);
    EXPECT_EQ(meshCount(), 2);
}

TEST_F(Models, MissingObjectFileEndsTheProgramWithTheLoadingError) {
    catalogue("[things/]\r\nbox=gone.cgo\r\n[/things]\r\n");
    FatalHooks hooks;
    EXPECT_THROW(loadSceneryCatalogue(), FatalExit);
    EXPECT_EQ(lastBoxTitle(), "Loading Error");
    EXPECT_NE(lastBoxText().find("gone.cgo"), std::string::npos);
}
