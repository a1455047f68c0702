// What reaches the frame on real GL: orientation, pixel placement, alpha
// test, the blend modes, culling, depth and render targets.
#include "render_support.h"

using namespace aw;
using awtest::pixelIs;
using awtest::Rgba;

namespace {

class Pixels : public awtest::RenderTest {
protected:
    void fill(Color c) {
        setTexture(nullptr);
        drawSprite(0, 0, 800, 600, UvRect(), c, 10);
    }
};

struct ColourVertex {
    float x, y, z;
    uint32_t c;
};

} // namespace

TEST_F(Pixels, FullScreenPictureFillsTheFrameTheRightWayUp) {
    awtest::ScratchDir dir;
    awtest::writeTga("quarters.tga", 800, 600, [](int x, int y) {
        if (y < 300) return x < 400 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
        return x < 400 ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255};
    });
    TextureRecord* t = textureManager.loadPicture("quarters.tga", 800, 600);
    begin2D();
    setTexture(t);
    drawSprite(0, 0, 800, 600, UvRect(0, 0, 800.0f / 1024, 600.0f / 1024), Color(), 10);
    EXPECT_TRUE(pixelIs(10, 10, 255, 0, 0));
    EXPECT_TRUE(pixelIs(790, 10, 0, 255, 0));
    EXPECT_TRUE(pixelIs(10, 590, 0, 0, 255));
    EXPECT_TRUE(pixelIs(790, 590, 255, 255, 255));
    EXPECT_TRUE(pixelIs(398, 298, 255, 0, 0));
    EXPECT_TRUE(pixelIs(402, 302, 255, 255, 255));
}

TEST_F(Pixels, APointOfTheCentredSpaceLandsOnItsWindowPixel) {
    begin2D();
    setTexture(nullptr);
    const int points[][2] = {{0, 0}, {-123, 45}, {399, -299}, {-400, 300}, {17, -3}};
    for (const auto& p : points) {
        clearTarget(Color(0, 0, 0, 255));
        drawSprite(float(p[0]), float(p[1]), 1, 1, UvRect(), Color(255, 255, 255, 255), 10);
        int wx = 400 + p[0], wy = 300 - p[1];
        EXPECT_TRUE(pixelIs(wx, wy, 255, 255, 255)) << p[0] << ", " << p[1];
        if (wx + 1 < 800) {
            EXPECT_TRUE(pixelIs(wx + 1, wy, 0, 0, 0)) << p[0] << ", " << p[1];
        }
        if (wx > 0) {
            EXPECT_TRUE(pixelIs(wx - 1, wy, 0, 0, 0)) << p[0] << ", " << p[1];
        }
        if (wy + 1 < 600) {
            EXPECT_TRUE(pixelIs(wx, wy + 1, 0, 0, 0)) << p[0] << ", " << p[1];
        }
        if (wy > 0) {
            EXPECT_TRUE(pixelIs(wx, wy - 1, 0, 0, 0)) << p[0] << ", " << p[1];
        }
    }
}

TEST_F(Pixels, ScreenRectCoversItsPixels) {
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
    setTexture(nullptr);
    drawScreenRect(100, 50, 110, 60, 0, 0, 1, 1, Color(0, 255, 0, 255));
    EXPECT_TRUE(pixelIs(100, 50, 0, 255, 0));
    EXPECT_TRUE(pixelIs(109, 59, 0, 255, 0));
    EXPECT_TRUE(pixelIs(110, 55, 0, 0, 0));
    EXPECT_TRUE(pixelIs(105, 60, 0, 0, 0));
    EXPECT_TRUE(pixelIs(99, 55, 0, 0, 0));
}

TEST_F(Pixels, AlphaTestDropsFragmentsBelowTheReference) {
    begin2D(); // reference 1, greater or equal
    setRenderState(RS_ALPHABLENDENABLE, 0);
    setTexture(nullptr);
    drawSprite(-100, 0, 10, 10, UvRect(), Color(255, 0, 0, 0), 10);
    drawSprite(100, 0, 10, 10, UvRect(), Color(255, 0, 0, 1), 10);
    EXPECT_TRUE(pixelIs(300, 300, 0, 0, 0));
    EXPECT_TRUE(pixelIs(500, 300, 255, 0, 0));
    applyDefaultStates(); // reference 128
    setRenderState(RS_ZENABLE, 0);
    setRenderState(RS_ALPHATESTENABLE, 1);
    setRenderState(RS_ALPHABLENDENABLE, 0);
    drawSprite(-100, 100, 10, 10, UvRect(), Color(0, 255, 0, 127), 10);
    drawSprite(100, 100, 10, 10, UvRect(), Color(0, 255, 0, 128), 10);
    EXPECT_TRUE(pixelIs(300, 200, 0, 0, 0));
    EXPECT_TRUE(pixelIs(500, 200, 0, 255, 0));
}

TEST_F(Pixels, TheThreeBlendModesMixAsTheirFactorsSay) {
    begin2D();
    setRenderState(RS_ALPHATESTENABLE, 0);
    setBlendMode(2);
    fill(Color(100, 100, 100, 255));
    const Color src(200, 50, 0, 128);
    setBlendMode(0);
    drawSprite(-200, 0, 20, 20, UvRect(), src, 10);
    setBlendMode(1);
    drawSprite(0, 0, 20, 20, UvRect(), src, 10);
    setBlendMode(2);
    drawSprite(200, 0, 20, 20, UvRect(), src, 10);
    EXPECT_TRUE(pixelIs(200, 300, 150, 75, 50, 2));   // src * a + dst * (1 - a)
    EXPECT_TRUE(pixelIs(400, 300, 255, 110, 100, 2)); // src * src + dst
    EXPECT_TRUE(pixelIs(600, 300, 200, 50, 0, 1));    // src
}

TEST_F(Pixels, CounterClockwiseCullingKeepsSpritesAndDropsScreenRects) {
    begin2D();
    setTexture(nullptr);
    EXPECT_EQ(getRenderState(RS_CULLMODE), kCullCcw);
    drawSprite(-200, 0, 20, 20, UvRect(), Color(255, 0, 0, 255), 10);
    drawScreenRect(590, 290, 610, 310, 0, 0, 1, 1, Color(255, 0, 0, 255));
    EXPECT_TRUE(pixelIs(200, 300, 255, 0, 0));
    EXPECT_TRUE(pixelIs(600, 300, 0, 0, 0));
    setRenderState(RS_CULLMODE, kCullCw);
    drawSprite(0, 0, 20, 20, UvRect(), Color(255, 0, 0, 255), 10);
    drawScreenRect(590, 290, 610, 310, 0, 0, 1, 1, Color(0, 0, 255, 255));
    EXPECT_TRUE(pixelIs(400, 300, 0, 0, 0));
    EXPECT_TRUE(pixelIs(600, 300, 0, 0, 255));
}

TEST_F(Pixels, VertexColoursKeepTheirChannelsAndDepthKeepsTheNearerSurface) {
    updateProjection();
    disableFeature(3); // perspective
    setRenderState(RS_CULLMODE, kCullNone);
    setTexture(nullptr);
    // Near red square drawn first, far blue one after: depth keeps red.
    const ColourVertex nearQuad[4] = {{-2, 2, 50, Color(255, 0, 0).argb}, {2, 2, 50, Color(255, 0, 0).argb},
                                      {-2, -2, 50, Color(255, 0, 0).argb}, {2, -2, 50, Color(255, 0, 0).argb}};
    const ColourVertex farQuad[4] = {{-60, 60, 300, Color(0, 0, 255).argb}, {60, 60, 300, Color(0, 0, 255).argb},
                                     {-60, -60, 300, Color(0, 0, 255).argb}, {60, -60, 300, Color(0, 0, 255).argb}};
    drawUserPrimitive(nearQuad, 2, FVF_XYZ | FVF_DIFFUSE, PT_TRIANGLESTRIP);
    drawUserPrimitive(farQuad, 2, FVF_XYZ | FVF_DIFFUSE, PT_TRIANGLESTRIP);
    EXPECT_TRUE(pixelIs(400, 300, 255, 0, 0));
    EXPECT_TRUE(pixelIs(400, 250, 0, 0, 255)); // outside the near square, inside the far one
    // Beyond the far plane nothing is drawn.
    const ColourVertex beyond[3] = {{-500, -500, 450, Color(0, 255, 0).argb}, {500, -500, 450, Color(0, 255, 0).argb},
                                    {0, 500, 450, Color(0, 255, 0).argb}};
    clearDepth(1);
    drawUserPrimitive(beyond, 1, FVF_XYZ | FVF_DIFFUSE, PT_TRIANGLELIST);
    EXPECT_TRUE(pixelIs(400, 250, 0, 0, 255));
}

TEST_F(Pixels, TwoDimensionalDepthShowsOnlyOneToOneHundred) {
    begin2D();
    setTexture(nullptr);
    drawSprite(-100, 0, 10, 10, UvRect(), Color(255, 0, 0, 255), 0.5f);
    drawSprite(0, 0, 10, 10, UvRect(), Color(255, 0, 0, 255), 45);
    drawSprite(100, 0, 10, 10, UvRect(), Color(255, 0, 0, 255), 150);
    EXPECT_TRUE(pixelIs(300, 300, 0, 0, 0));
    EXPECT_TRUE(pixelIs(400, 300, 255, 0, 0));
    EXPECT_TRUE(pixelIs(500, 300, 0, 0, 0));
}

TEST_F(Pixels, RenderTargetIsSampledTheRightWayUp) {
    TextureRecord* rt = textureManager.createTexture("scratch", 64, 64, PixelFormat::A8R8G8B8, true);
    ASSERT_NE(rt, nullptr);
    setRenderTarget(rt);
    begin2D();
    setRenderState(RS_ALPHATESTENABLE, 0);
    setBlendMode(2);
    clearTarget(Color(0, 0, 0, 255));
    setTexture(nullptr);
    // The target's own projection is the 800 x 600 space, squeezed into 64 x 64.
    drawSprite(0, 150, 800, 300, UvRect(), Color(255, 0, 0, 255), 10);
    drawSprite(0, -150, 800, 300, UvRect(), Color(0, 0, 255, 255), 10);
    EXPECT_TRUE(pixelIs(32, 5, 255, 0, 0));
    EXPECT_TRUE(pixelIs(32, 60, 0, 0, 255));
    setRenderTarget(nullptr);
    clearTarget(Color(0, 0, 0, 255));
    setTexture(rt);
    drawSprite(0, 0, 200, 200, UvRect(), Color(), 10);
    EXPECT_TRUE(pixelIs(400, 220, 255, 0, 0));
    EXPECT_TRUE(pixelIs(400, 380, 0, 0, 255));
}

TEST_F(Pixels, TexturesWrapAndTheTintDarkensWhatIsDrawn) {
    awtest::ScratchDir dir;
    awtest::writeTga("halves.tga", 2, 1, [](int x, int) { return x == 0 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255}; });
    TextureRecord* t = getTexture("halves.tga");
    begin2D();
    disableFeature(7); // point filtering
    setTexture(t);
    // u from 0 to 2: red, green, red, green across 400 pixels.
    drawSprite(0, 0, 400, 10, UvRect(0, 0, 2, 1), Color(), 10);
    EXPECT_TRUE(pixelIs(250, 300, 255, 0, 0));
    EXPECT_TRUE(pixelIs(350, 300, 0, 255, 0));
    EXPECT_TRUE(pixelIs(450, 300, 255, 0, 0));
    EXPECT_TRUE(pixelIs(550, 300, 0, 255, 0));
    setTint(0.5f, 1, 1, 1);
    drawSprite(0, 100, 400, 10, UvRect(0, 0, 1, 1), Color(), 10);
    EXPECT_TRUE(pixelIs(250, 200, 127, 0, 0, 2));
}

TEST_F(Pixels, MeshBuffersDrawTheirTrianglesAndCountThem) {
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
    setTexture(nullptr);
    const ColourVertex square[4] = {{-20, 20, 10, Color(0, 255, 255).argb}, {20, 20, 10, Color(0, 255, 255).argb},
                                    {20, -20, 10, Color(0, 255, 255).argb}, {-20, -20, 10, Color(0, 255, 255).argb}};
    const uint32_t indices[6] = {0, 1, 2, 0, 2, 3};
    MeshBuffers mesh;
    createMeshBuffers(mesh, square, 4, indices, 2, FVF_XYZ | FVF_DIFFUSE);
    triangleCount = 0;
    drawMesh(mesh);
    EXPECT_EQ(triangleCount, 2);
    EXPECT_TRUE(pixelIs(390, 290, 0, 255, 255));
    EXPECT_TRUE(pixelIs(410, 310, 0, 255, 255));
    releaseMeshBuffers(mesh);
    EXPECT_EQ(mesh.vertexBuffer, 0u);
}

// Sprites in a row are sent to GL as one draw; the frame must come out as if
// each had been drawn alone: order, strips' winding under culling, texture,
// blend and transform changes in the middle of a run, fans and lists.
TEST_F(Pixels, GatheredSpritesDrawTheSameFrameAsSpritesDrawnOneByOne) {
    awtest::ScratchDir dir;
    awtest::writeTga("stripes.tga", 64, 64, [](int x, int y) {
        return Rgba{uint8_t(x * 4), uint8_t(y * 4), uint8_t((x ^ y) & 16 ? 255 : 0), uint8_t(x < 32 ? 255 : 128)};
    });
    TextureRecord* stripes = textureManager.loadPicture("stripes.tga", 64, 64);
    auto scene = [&](bool oneByOne) {
        auto sent = [&] {
            if (oneByOne) gpu::flushBatch();
        };
        clearTarget(Color(0, 0, 0, 255));
        begin2D();
        setRenderState(RS_CULLMODE, kCullCcw);
        for (int i = 0; i < 40; ++i) {
            setTexture(i % 7 < 4 ? stripes : nullptr);
            if (i == 20) setBlendMode(1);
            if (i == 30) setBlendMode(0);
            Color c(uint8_t(60 + i * 5), uint8_t(255 - i * 4), uint8_t(i * 6), uint8_t(140 + i * 2));
            if (i % 3 == 0)
                drawSprite(float(i * 17 - 340), float((i % 5) * 60 - 150), 90, 70, UvRect(), c, 10);
            else if (i % 3 == 1)
                drawRotatedSprite(float(i * 15 - 300), float(120 - (i % 4) * 70), float(i * 15 - 300), 0,
                                  float(i * 9), 80, 50, UvRect(), c, 10);
            else
                drawScreenRect(float(i * 18), float(i * 11), float(i * 18 + 120), float(i * 11 + 40), 0, 0, 1, 1, c);
            sent();
        }
        std::vector<uint8_t> frame(800 * 600 * 4);
        EXPECT_TRUE(readTargetPixels(0, 0, 800, 600, frame.data()));
        return frame;
    };
    std::vector<uint8_t> alone = scene(true);
    long before = gpu::drawCallsSubmitted();
    std::vector<uint8_t> gathered = scene(false);
    EXPECT_LT(gpu::drawCallsSubmitted() - before, 30); // 40 sprites, fewer draws
    size_t differing = 0;
    for (size_t i = 0; i < alone.size(); ++i) differing += alone[i] != gathered[i];
    EXPECT_EQ(differing, 0u);
}
