// The scenery of the built data set, read by the game's own loaders the way
// the start-up load reads it: every placed kind exists and has its picture,
// every landscape is alive, and the 3D objects and meshes load and share.
#include "effects/meshes.h"
#include "effects/models.h"
#include "effects/scenery_catalogue.h"
#include "effects/scenery_files.h"
#include "effects/scenery_layout.h"

#include <cstdlib>

using namespace aw;
using namespace awtest;

namespace {

class ShippedScenery : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        resetScenery();
        const char* build = std::getenv("AW_BUILD_DIR");
        ASSERT_NE(build, nullptr);
        saved_ = currentDirectory();
        ASSERT_TRUE(setCurrentDirectory(std::string(build) + "/Data"));
        for (const char* a : kArchives) openArchive(a);
        loadScenery();
        for (const char* a : kArchives) closeArchive(a);
        setCurrentDirectory("AnimBacks");
        for (int n = kCachedLayoutsAtStart; n < kLayoutCount; ++n) sceneryLayout(n);
        setCurrentDirectory("..");
    }
    void TearDown() override {
        resetScenery();
        setCurrentDirectory(saved_);
        RenderTest::TearDown();
    }
    static constexpr const char* kArchives[] = {"targa.dat", "jpeg.dat", "texts.dat"};
    std::string saved_;
};

} // namespace

TEST_F(ShippedScenery, EveryLandscapeHasItsSkyWaterAndSwayingPieces) {
    for (int n = 0; n < kLayoutCount; ++n) {
        SCOPED_TRACE(n);
        const SceneryLayout& l = *sceneryLayout(n);
        ASSERT_GT(l.count, 0);
        int skies = 0, water = 0, swaying = 0;
        for (int i = 0; i < l.count; ++i) {
            const SceneryObject& o = l.objects[i];
            SCOPED_TRACE(o.kindName);
            ASSERT_NE(o.kind, nullptr) << "not in the catalogue";
            EXPECT_NE(o.role, SceneryRole::None) << "draws nothing";
            EXPECT_LT(o.x1, o.x2);
            EXPECT_GT(o.y1, o.y2);
            switch (o.role) {
            case SceneryRole::Sky:
                // First, and over the whole screen, so no clear part shows the bare frame.
                EXPECT_EQ(i, 0);
                EXPECT_TRUE(o.x1 <= -400 && o.y1 >= 300 && o.x2 >= 400 && o.y2 <= -300);
                ++skies;
                break;
            case SceneryRole::Water:
            case SceneryRole::Waterfall:
                EXPECT_GT(o.flow.length(), 0) << "still water";
                ++water;
                break;
            case SceneryRole::Leaves1:
            case SceneryRole::Leaves2:
            case SceneryRole::Leaves: ++swaying; break;
            default: break;
            }
        }
        EXPECT_EQ(skies, 1);
        EXPECT_GE(water, 1) << "every landscape plays the brook";
        EXPECT_GE(swaying, 1);
    }
}

TEST_F(ShippedScenery, ObjectsAndMeshesLoadWholeAndAreShared) {
    ASSERT_GE(modelCount(), 3);
    const SceneryKind* lantern = findSceneryKind("lantern");
    ASSERT_NE(lantern, nullptr);
    ASSERT_NE(lantern->model, nullptr);
    EXPECT_EQ(findSceneryKind("lantern_hung")->model, lantern->model);
    const Model* barrel = findSceneryKind("barrel")->model;
    ASSERT_NE(barrel, nullptr);
    EXPECT_EQ(lantern->model->parts[2].mesh, barrel->parts[1].mesh) << "the lid is read once";
    for (int i = 0; i < modelCount(); ++i) {
        const Model* m = modelAt(i);
        SCOPED_TRACE(m->fileName);
        ASSERT_GT(m->meshCount, 0);
        for (int k = 0; k < m->meshCount; ++k) {
            const Mesh* mesh = m->parts[k].mesh;
            ASSERT_NE(mesh, nullptr);
            EXPECT_NE(m->parts[k].texture, nullptr);
            EXPECT_GT(mesh->facesKept, 0);
            EXPECT_EQ(mesh->facesKept, mesh->facesInFile);
            // Normals point away from the mesh's middle, as the lighting needs.
            int outwards = 0;
            for (const MeshVertex& v : mesh->vertices) {
                Vec3 d = v.position - mesh->sphereCentre;
                outwards += d.x * v.normal.x + d.y * v.normal.y + d.z * v.normal.z > 0;
            }
            EXPECT_GT(outwards, int(mesh->vertices.size()) * 3 / 4);
        }
    }
}
