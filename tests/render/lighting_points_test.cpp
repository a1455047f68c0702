// The less travelled device paths on real GL: lighting, point sprites with
// per-vertex sizes, the texture transform and camera-space normals.
#include "render_support.h"

using namespace aw;
using awtest::pixelIs;
using awtest::Rgba;

namespace {

struct LitVertex {
    float x, y, z, nx, ny, nz;
};

struct PointVertex {
    float x, y, z, size;
    uint32_t color;
};

struct NormalTexVertex {
    float x, y, z, nx, ny, nz, u, v;
};

class DevicePaths : public awtest::RenderTest {
protected:
    TextureRecord* halves() {
        awtest::writeTga("halves.tga", 2, 1,
                         [](int x, int) { return x == 0 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255}; });
        return getTexture("halves.tga");
    }
    awtest::ScratchDir dir;
};

} // namespace

TEST_F(DevicePaths, DirectionalLightBrightensFacesTurnedTowardsIt) {
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
    setTexture(nullptr);
    enableFeature(0);
    setDirectionalLight(0, {0, 0, 1}, Color4f(1, 1, 1, 1)); // travelling away from the camera
    setMaterialColors(Color4f(1, 1, 1, 1), Color4f(0.2f, 0.2f, 0.2f, 1));
    const LitVertex facing[3] = {{-150, -20, 10, 0, 0, -1}, {-110, -20, 10, 0, 0, -1}, {-130, 20, 10, 0, 0, -1}};
    const LitVertex sideways[3] = {{110, -20, 10, 1, 0, 0}, {150, -20, 10, 1, 0, 0}, {130, 20, 10, 1, 0, 0}};
    drawUserPrimitive(facing, 1, FVF_XYZ | FVF_NORMAL, PT_TRIANGLELIST);
    drawUserPrimitive(sideways, 1, FVF_XYZ | FVF_NORMAL, PT_TRIANGLELIST);
    disableFeature(0);
    EXPECT_TRUE(pixelIs(270, 300, 255, 255, 255));
    EXPECT_TRUE(pixelIs(530, 300, 51, 51, 51, 3)); // ambient 0.2 of the white ambient state
}

TEST_F(DevicePaths, PointsTakeTheirOwnSizesAndSpriteCoordinates) {
    begin2D();
    setRenderState(RS_POINTSCALEENABLE, 0);
    setTexture(nullptr);
    const PointVertex points[2] = {{-100, 0, 10, 9, Color(255, 255, 0).argb}, {100, 0, 10, 3, Color(0, 255, 255).argb}};
    drawUserPrimitive(points, 2, FVF_XYZ | FVF_PSIZE | FVF_DIFFUSE, PT_POINTLIST);
    EXPECT_TRUE(pixelIs(300, 300, 255, 255, 0));
    EXPECT_TRUE(pixelIs(304, 300, 255, 255, 0));
    EXPECT_TRUE(pixelIs(306, 300, 0, 0, 0));
    EXPECT_TRUE(pixelIs(500, 300, 0, 255, 255));
    EXPECT_TRUE(pixelIs(503, 300, 0, 0, 0));

    // A sprite spans the whole texture: the left half of a big point is red, the right green.
    setTexture(halves());
    disableFeature(7);
    const PointVertex big[1] = {{0, 100, 10, 40, Color().argb}};
    drawUserPrimitive(big, 1, FVF_XYZ | FVF_PSIZE | FVF_DIFFUSE, PT_POINTLIST);
    EXPECT_TRUE(pixelIs(390, 200, 255, 0, 0));
    EXPECT_TRUE(pixelIs(410, 200, 0, 255, 0));
    // Triangles drawn afterwards keep their own coordinates.
    drawSprite(0, -100, 40, 10, UvRect(0.75f, 0, 0.75f, 1), Color(), 10);
    EXPECT_TRUE(pixelIs(390, 400, 0, 255, 0));
}

TEST_F(DevicePaths, TextureTransformMovesTwoComponentCoordinatesByItsThirdRow) {
    TextureRecord* t = halves();
    begin2D();
    disableFeature(7);
    setTexture(t);
    Matrix shift = Matrix::identity();
    shift.m[2][0] = 0.5f; // two-component coordinates are moved by the third row
    setTextureTransform(shift);
    drawSprite(0, 0, 40, 10, UvRect(0.25f, 0, 0.25f, 1), Color(), 10);
    EXPECT_TRUE(pixelIs(400, 300, 0, 255, 0));
    setTextureStageState(TSS_TEXTURETRANSFORMFLAGS, kTtffDisable);
    drawSprite(0, 0, 40, 10, UvRect(0.25f, 0, 0.25f, 1), Color(), 10);
    EXPECT_TRUE(pixelIs(400, 300, 255, 0, 0));
}

TEST_F(DevicePaths, EnvironmentTextureSamplesByTheCameraSpaceNormal) {
    TextureRecord* t = halves();
    begin2D();
    disableFeature(7);
    setRenderState(RS_CULLMODE, kCullNone);
    setTextureStageState(TSS_TEXTURETRANSFORMFLAGS, kTtffDisable);
    setEnvironmentTexture(t);
    // Texture coordinates 0 would pick red; the normals point at u = 0.75 (green).
    const NormalTexVertex tri[3] = {{-20, -20, 10, 0.75f, 0, -0.6614f, 0, 0},
                                    {20, -20, 10, 0.75f, 0, -0.6614f, 0, 0},
                                    {0, 20, 10, 0.75f, 0, -0.6614f, 0, 0}};
    drawUserPrimitive(tri, 1, FVF_XYZ | FVF_NORMAL | FVF_TEX1, PT_TRIANGLELIST);
    EXPECT_TRUE(pixelIs(400, 305, 0, 255, 0));
    setTextureStageState(TSS_TEXCOORDINDEX, kTciPassThru);
    drawUserPrimitive(tri, 1, FVF_XYZ | FVF_NORMAL | FVF_TEX1, PT_TRIANGLELIST);
    EXPECT_TRUE(pixelIs(400, 305, 255, 0, 0));
}
