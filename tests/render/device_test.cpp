// The device record: the mode table, mode selection, the projection
// builders, the numbered features, the 2D set-up and the gamma ramp.
#include "render_support.h"

#include <cmath>

using namespace aw;

namespace {

class Device : public awtest::RenderTest {};

void expectMatrix(const Matrix& m, const float (&want)[16]) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m.m[i / 4][i % 4], want[i], 1e-5) << "element " << i / 4 << i % 4;
}

} // namespace

TEST_F(Device, ModeTableKeepsFourByThreeModesOncePerSizeAndDepth) {
    const ReportedMode reported[] = {
        {1280, 1024, 32}, // 1.25: not 4:3
        {1152, 864, 32},  {800, 600, 32}, {800, 600, 32}, // a second refresh rate
        {800, 600, 16},   {640, 480, 32}, {639, 479, 32}, // too small
        {1920, 1080, 32}, {1024, 768, 8},                 // wrong shape, wrong depth
        {1024, 768, 16},
    };
    buildModeTable(reported, int(std::size(reported)));
    ASSERT_EQ(renderDevice.modeCount, 5);
    EXPECT_EQ(renderDevice.modes[0].width, 1152);
    EXPECT_EQ(renderDevice.modes[1].width, 800);
    EXPECT_EQ(renderDevice.modes[1].bitsPerPixel, 32);
    EXPECT_EQ(renderDevice.modes[2].bitsPerPixel, 16);
    EXPECT_EQ(renderDevice.modes[2].backBufferFormat, PixelFormat::R5G6B5);
    EXPECT_EQ(renderDevice.modes[1].backBufferFormat, PixelFormat::A8R8G8B8);
    EXPECT_EQ(renderDevice.resolutionCount, 4); // 1152, 800, 640, 1024
    EXPECT_EQ(renderDevice.resolutions[3].width, 1024);

    buildModeTable(nullptr, 0);
    ASSERT_EQ(renderDevice.modeCount, 1);
    EXPECT_EQ(renderDevice.modes[0].width, 800);
    EXPECT_EQ(renderDevice.modes[0].height, 600);
}

TEST_F(Device, FullScreenTakesThe16BitModeAndFallsBackToTheFirstRecord) {
    const ReportedMode reported[] = {{1024, 768, 32}, {800, 600, 32}, {800, 600, 16}};
    buildModeTable(reported, 3);
    setDisplayRequest(800, 600, true);
    EXPECT_EQ(renderDevice.colorDepthPreference, 0);
    renderDevice.colorDepthPreference = 1; // the request sets it again
    requestModeChange();
    EXPECT_EQ(renderDevice.colorDepthPreference, 0);
    EXPECT_EQ(renderDevice.currentMode.bitsPerPixel, 16);
    EXPECT_EQ(renderDevice.currentMode.width, 800);
    EXPECT_EQ(renderDevice.resolutionIndex, 1);
    EXPECT_TRUE(renderDevice.modeChangeRequested);

    const ReportedMode only32[] = {{1024, 768, 32}, {800, 600, 32}};
    buildModeTable(only32, 2);
    selectMode();
    EXPECT_EQ(renderDevice.currentMode.width, 1024); // record 0

    renderDevice.fullScreen = false;
    requestModeChange();
    EXPECT_EQ(renderDevice.colorDepthPreference, 1);
    EXPECT_EQ(renderDevice.currentMode.width, 800);
    EXPECT_EQ(renderDevice.currentMode.bitsPerPixel, 32);
    renderDevice.modeChangeRequested = false;
}

TEST_F(Device, ProjectionBuildersFollowTheirFormulas) {
    float c = 1 / std::tan(0.7853982f / 2);
    const float persp[16] = {c / (4.0f / 3), 0, 0, 0, 0, c, 0, 0, 0, 0, 400.0f / 395, 1, 0, 0, -5 * 400.0f / 395, 0};
    updateProjection();
    expectMatrix(renderDevice.perspectiveMatrix, persp);
    const float ortho[16] = {2.0f / 800, 0, 0, 0, 0, 2.0f / 600, 0, 0, 0, 0, 1.0f / 99, 0, 0, 0, 1.0f / -99, 1};
    expectMatrix(buildOrtho(800, 600, 1, 100), ortho);
    // A point at the near plane has depth 0, at the far plane depth 1 (after the divide).
    Matrix p = buildPerspective(1, 1, 5, 400);
    float zNear = 5 * p.m[2][2] + p.m[3][2], zFar = 400 * p.m[2][2] + p.m[3][2];
    EXPECT_NEAR(zNear / 5, 0, 1e-6);
    EXPECT_NEAR(zFar / 400, 1, 1e-6);
}

TEST_F(Device, FeatureThreeSwitchesBetweenTheOrthographicAndTheSharedPerspective) {
    updateProjection();
    enableFeature(3);
    EXPECT_EQ(getProjection(), buildOrtho(800, 600, 1, 500));
    disableFeature(3);
    EXPECT_EQ(getProjection(), renderDevice.perspectiveMatrix);
    enableFeature(7);
    EXPECT_EQ(getTextureStageState(TSS_MIPFILTER), kTexfLinear);
    disableFeature(7);
    EXPECT_EQ(getTextureStageState(TSS_MAGFILTER), kTexfPoint);
    EXPECT_EQ(getTextureStageState(TSS_MIPFILTER), kTexfNone);
    for (int n = 0; n <= 6; ++n) {
        if (n == 3) continue;
        const int state[] = {RS_LIGHTING, RS_ZENABLE, RS_ZWRITEENABLE, 0, RS_ALPHABLENDENABLE, RS_ALPHATESTENABLE,
                             RS_POINTSPRITEENABLE};
        enableFeature(n);
        EXPECT_EQ(getRenderState(state[n]), 1u) << n;
        disableFeature(n);
        EXPECT_EQ(getRenderState(state[n]), 0u) << n;
    }
}

TEST_F(Device, TwoDimensionalSetUpResetsTheTransformsAndBlendsTransparently) {
    Matrix moved = Matrix::translation(1, 2, 3);
    setWorld(moved);
    setView(moved);
    begin2D();
    EXPECT_EQ(getWorld(), Matrix::identity());
    EXPECT_EQ(getView(), Matrix::identity());
    EXPECT_EQ(getProjection(), buildOrtho(800, 600, 1, 100));
    EXPECT_EQ(getRenderState(RS_ZENABLE), 0u);
    EXPECT_EQ(getRenderState(RS_ALPHAREF), 1u);
    EXPECT_EQ(getRenderState(RS_DESTBLEND), kBlendInvSrcAlpha);
    setWorld(nullptr);
    EXPECT_EQ(getWorld(), Matrix::identity());
}

TEST_F(Device, DefaultStatesAreTheFrameStartingPoint) {
    EXPECT_EQ(getRenderState(RS_ALPHAREF), 128u);
    EXPECT_EQ(getRenderState(RS_ALPHAFUNC), kCmpGreaterEqual);
    EXPECT_EQ(getRenderState(RS_CULLMODE), kCullCcw);
    EXPECT_EQ(getRenderState(RS_LIGHTING), 0u);
    EXPECT_EQ(getRenderState(RS_AMBIENT), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(bitsFloat(getRenderState(RS_POINTSCALE_B)), 5.0f);
    EXPECT_EQ(getTextureStageState(TSS_ADDRESSU), kAddressWrap);
    EXPECT_EQ(getTextureStageState(TSS_TEXTURETRANSFORMFLAGS), kTtffCount2);
}

TEST_F(Device, NeutralGammaIsTheIdentityRampAndBrighterOnesClip) {
    uint16_t ramp[256];
    buildGammaRamp(0.5f, ramp);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(ramp[i], i * 256);
    buildGammaRamp(1.0f, ramp);
    EXPECT_EQ(ramp[100], 100 * 256 * 3 / 2);
    EXPECT_EQ(ramp[255], 0xFFFF);
    setGamma(0.5f);
    EXPECT_FALSE(renderDevice.gammaDirty);
    setGamma(0.7f);
    EXPECT_TRUE(renderDevice.gammaDirty);
    presentFrame();
    EXPECT_FALSE(renderDevice.gammaDirty);
    EXPECT_EQ(renderDevice.gammaRamp[1], uint16_t(1.2f * 256));
}

TEST_F(Device, PresentedFrameStaysReadable) {
    begin2D();
    setTexture(nullptr);
    drawSprite(0, 0, 10, 10, UvRect(), Color(255, 255, 0, 255), 10);
    presentFrame();
    // The frame keeps its pixels until the next clear.
    EXPECT_TRUE(awtest::pixelIs(400, 300, 255, 255, 0));
}

TEST_F(Device, DisplayModesComeFromTheDisplay) {
    initRenderDevice(); // enumerates again; the device itself stays as it was
    ASSERT_GE(renderDevice.modeCount, 1);
    for (int i = 0; i < renderDevice.modeCount; ++i) {
        const DisplayModeRecord& m = renderDevice.modes[i];
        EXPECT_GT(m.width, 639);
        EXPECT_NEAR(double(m.width) / m.height, 1.33, 0.01);
        EXPECT_TRUE(m.bitsPerPixel == 32 || m.bitsPerPixel == 16);
    }
    std::printf("display modes: %d, first %d x %d x %d\n", renderDevice.modeCount, renderDevice.modes[0].width,
                renderDevice.modes[0].height, renderDevice.modes[0].bitsPerPixel);
}
