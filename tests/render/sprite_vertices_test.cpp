// What the sprite primitives submit: vertex order, texture corners, depth,
// colours after the tint.
#include "render_support.h"

using namespace aw;

namespace {

struct V {
    float x, y, z;
    uint32_t c;
    float u, v;
};

V vertexOf(const CapturedBatch& b, int i) {
    return {b.floatAt(i, 0), b.floatAt(i, 4), b.floatAt(i, 8), b.wordAt(i, 12), b.floatAt(i, 16), b.floatAt(i, 20)};
}

void expectVertex(const CapturedBatch& b, int i, float x, float y, float u, float v) {
    V got = vertexOf(b, i);
    EXPECT_FLOAT_EQ(got.x, x) << "vertex " << i;
    EXPECT_FLOAT_EQ(got.y, y) << "vertex " << i;
    EXPECT_FLOAT_EQ(got.u, u) << "vertex " << i;
    EXPECT_FLOAT_EQ(got.v, v) << "vertex " << i;
}

class SpriteVertices : public awtest::RenderTest {};

} // namespace

TEST_F(SpriteVertices, SpriteIsAStripFromTopRightWithTheTextureCornersOnTheRightCorners) {
    DrawRecorder rec;
    drawSprite(10, 20, 40, 30, UvRect(0.1f, 0.2f, 0.3f, 0.4f), Color(1, 2, 3, 4), 10);
    ASSERT_EQ(rec.batches.size(), 1u);
    const CapturedBatch& b = rec.batches[0];
    EXPECT_EQ(b.type, PT_TRIANGLESTRIP);
    EXPECT_EQ(b.primitiveCount, 2);
    EXPECT_EQ(b.fvf, FVF_XYZ | FVF_DIFFUSE | FVF_TEX1);
    EXPECT_EQ(b.bytes.size(), 4u * 24u);
    expectVertex(b, 0, 30, 35, 0.3f, 0.2f); // top right
    expectVertex(b, 1, 30, 5, 0.3f, 0.4f);  // bottom right
    expectVertex(b, 2, -10, 35, 0.1f, 0.2f); // top left
    expectVertex(b, 3, -10, 5, 0.1f, 0.4f);  // bottom left
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(vertexOf(b, i).z, 10);
        EXPECT_EQ(vertexOf(b, i).c, Color(1, 2, 3, 4).argb);
    }
    EXPECT_EQ(triangleCount, 2);
}

TEST_F(SpriteVertices, QuadFollowsItsRectangleCornersAndRotationTurnsCounterClockwise) {
    DrawRecorder rec;
    drawQuad(Rect(-5, 6, 7, -8), UvRect(0, 0, 1, 1), Color(), 3);
    // A quarter turn about the centre sends the top-right corner (w/2, h/2) to (-h/2, w/2).
    drawRotatedSprite(100, 0, 100, 0, 90, 20, 10, UvRect(0, 0, 1, 1), Color(), 3);
    ASSERT_EQ(rec.batches.size(), 2u);
    expectVertex(rec.batches[0], 0, 7, 6, 1, 0);
    expectVertex(rec.batches[0], 1, 7, -8, 1, 1);
    expectVertex(rec.batches[0], 2, -5, 6, 0, 0);
    expectVertex(rec.batches[0], 3, -5, -8, 0, 1);
    V tr = vertexOf(rec.batches[1], 0);
    EXPECT_NEAR(tr.x, 100 - 5, 1e-4);
    EXPECT_NEAR(tr.y, 10, 1e-4);
}

TEST_F(SpriteVertices, ScreenRectConvertsPixelsToCentredSpaceAndPullsTheTextureInwards) {
    DrawRecorder rec;
    drawScreenRect(100, 50, 300, 250, 0, 0, 1, 1, Color());
    ASSERT_EQ(rec.batches.size(), 1u);
    const CapturedBatch& b = rec.batches[0];
    expectVertex(b, 0, -100, 250, 0.999f, 0.001f); // (x1, y0)
    expectVertex(b, 1, -300, 250, 0.001f, 0.001f); // (x0, y0)
    expectVertex(b, 2, -100, 50, 0.999f, 0.999f);  // (x1, y1)
    expectVertex(b, 3, -300, 50, 0.001f, 0.999f);  // (x0, y1)
    EXPECT_FLOAT_EQ(vertexOf(b, 0).z, 10);
}

TEST_F(SpriteVertices, SheetCellNineIsColumnOneRowOneAndCellsOutsideTheGridDrawNothing) {
    SpriteSheet sheet;
    sheet.cellWidth = 48;
    DrawRecorder rec;
    drawSheetCell(sheet, 0, 0, 9, Color(), 2, 0);
    drawSheetCell(sheet, 0, 0, 32, Color(), 0, 0);
    drawSheetCell(sheet, 0, 0, -1, Color(), 0, 0);
    ASSERT_EQ(rec.batches.size(), 1u);
    EXPECT_EQ(sheetCellUv(9), UvRect(0.125f, 0.25f, 0.25f, 0.5f));
    const CapturedBatch& b = rec.batches[0];
    expectVertex(b, 0, 25, 25, 0.25f, 0.25f);
    expectVertex(b, 3, -25, -25, 0.125f, 0.5f);
    EXPECT_FLOAT_EQ(vertexOf(b, 0).z, 0);
    EXPECT_EQ(getRenderState(RS_ALPHABLENDENABLE), 1u);
    EXPECT_EQ(getRenderState(RS_SRCBLEND), kBlendSrcAlpha);
}

TEST_F(SpriteVertices, TintScalesEveryVertexColourUntilReset) {
    DrawRecorder rec;
    setTint(1, 1, 1, 0.5f);
    drawSprite(0, 0, 1, 1, UvRect(), Color(255, 200, 100, 255), 10);
    drawQuad3D({0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}, Color(10, 20, 30, 200));
    addFont(awtest::testFont());
    drawText(0, 0, 10, "A", false);
    setTint(1, 1, 1, 1);
    drawSprite(0, 0, 1, 1, UvRect(), Color(255, 200, 100, 255), 10);
    ASSERT_EQ(rec.batches.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(vertexOf(rec.batches[0], i).c, Color(255, 200, 100, 127).argb);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(vertexOf(rec.batches[1], i).c, Color(10, 20, 30, 100).argb);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(vertexOf(rec.batches[2], i).c >> 24, 127u);
    EXPECT_EQ(vertexOf(rec.batches[3], 0).c, Color(255, 200, 100, 255).argb);
    setTint(0.5f, 0.25f, 1, 1);
    EXPECT_EQ(tinted(Color(255, 255, 255, 255)), Color(127, 63, 255, 255));
}

TEST_F(SpriteVertices, QuadsInSpaceUseTheirFixedCoordinatesAndOrders) {
    Vec3 p(0, 0, 1), q(0, 1, 1), r(1, 1, 1), s(1, 0, 1);
    DrawRecorder rec;
    drawQuad3D(p, q, r, s, Color());
    drawQuad3DColors(p, q, r, s, Color(1, 0, 0), Color(2, 0, 0), Color(3, 0, 0), Color(4, 0, 0));
    drawQuad3DUv(p, q, r, s, {0.1f, 0.1f}, {0.2f, 0.2f}, {0.3f, 0.3f}, {0.4f, 0.4f}, Color());
    drawQuad3DPlain(p, q, r, s, {0, 0}, {0, 1}, {1, 1}, {1, 0});
    ASSERT_EQ(rec.batches.size(), 4u);
    const CapturedBatch& plainQ = rec.batches[0];
    EXPECT_EQ(plainQ.type, PT_TRIANGLELIST);
    const float uv[6][2] = {{0, 0}, {0, 1}, {1, 1}, {0, 0}, {1, 1}, {1, 0}};
    const Vec3 order[6] = {p, q, r, p, r, s};
    for (int i = 0; i < 6; ++i) {
        expectVertex(plainQ, i, order[i].x, order[i].y, uv[i][0], uv[i][1]);
        expectVertex(rec.batches[1], i, order[i].x, order[i].y, -uv[i][0], -uv[i][1]);
    }
    const uint32_t colours[6] = {1, 2, 3, 1, 3, 4};
    for (int i = 0; i < 6; ++i) EXPECT_EQ((vertexOf(rec.batches[1], i).c >> 16) & 255, colours[i]);
    // The strip variant goes q, r, p, s.
    EXPECT_EQ(rec.batches[2].type, PT_TRIANGLESTRIP);
    expectVertex(rec.batches[2], 0, q.x, q.y, 0.2f, 0.2f);
    expectVertex(rec.batches[2], 1, r.x, r.y, 0.3f, 0.3f);
    expectVertex(rec.batches[2], 2, p.x, p.y, 0.1f, 0.1f);
    expectVertex(rec.batches[2], 3, s.x, s.y, 0.4f, 0.4f);
    EXPECT_EQ(rec.batches[3].fvf, FVF_XYZ | FVF_TEX1);
    EXPECT_EQ(rec.batches[3].bytes.size(), 6u * 20u);
    EXPECT_EQ(triangleCount, 8);
}

TEST_F(SpriteVertices, BeamLiesAcrossTheViewingDirectionWithItsColoursAtTheRightEnds) {
    Matrix view = Matrix::identity(); // looking along +z
    setView(view);
    DrawRecorder rec;
    drawGradientBeam({0, 0, 50}, {10, 0, 50}, 2, Color(255, 0, 0), Color(0, 0, 255));
    ASSERT_EQ(rec.batches.size(), 1u);
    const CapturedBatch& b = rec.batches[0];
    // side = normalise((from - to) x -(0, 0, 1)) * 2 = (0, -2, 0)
    V p = vertexOf(b, 0), q = vertexOf(b, 1), r = vertexOf(b, 2), s = vertexOf(b, 5);
    EXPECT_NEAR(p.x, 10, 1e-3);
    EXPECT_NEAR(p.y, 2, 1e-3);
    EXPECT_NEAR(q.y, -2, 1e-3);
    EXPECT_NEAR(r.x, 0, 1e-3);
    EXPECT_NEAR(r.y, -2, 1e-3);
    EXPECT_NEAR(s.y, 2, 1e-3);
    EXPECT_EQ(p.c, Color(0, 0, 255).argb);
    EXPECT_EQ(q.c, Color(0, 0, 255).argb);
    EXPECT_EQ(r.c, Color(255, 0, 0).argb);
    EXPECT_EQ(s.c, Color(255, 0, 0).argb);
}

TEST_F(SpriteVertices, HighlightGlowsAdditivelyAtDepth35AndPutsTransparencyBack) {
    DrawRecorder rec;
    drawHighlight(Rect(-10, 10, 10, -10), Color(9, 9, 9, 9));
    ASSERT_EQ(rec.batches.size(), 1u);
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(vertexOf(rec.batches[0], i).z, 35);
    EXPECT_EQ(getRenderState(RS_SRCBLEND), kBlendSrcAlpha);
    EXPECT_EQ(getRenderState(RS_DESTBLEND), kBlendInvSrcAlpha);
    EXPECT_EQ(getRenderState(RS_ALPHATESTENABLE), 1u);
}

TEST_F(SpriteVertices, EveryVertexLayoutHasItsStrideAndAddsItsPrimitivesToTheCount) {
    struct Case {
        uint32_t fvf;
        int stride;
    } cases[] = {
        {FVF_XYZ, 12},
        {FVF_XYZ | FVF_NORMAL, 24},
        {FVF_XYZ | FVF_NORMAL | FVF_TEX1, 32},
        {FVF_XYZ | FVF_PSIZE | FVF_DIFFUSE, 20},
        {FVF_XYZ | FVF_DIFFUSE | FVF_SPECULAR | FVF_TEX1, 28},
    };
    std::vector<uint8_t> zeros(64 * 40, 0);
    DrawRecorder rec;
    for (const Case& c : cases) {
        EXPECT_EQ(vertexStride(c.fvf), c.stride);
        drawUserPrimitive(zeros.data(), 3, c.fvf, PT_TRIANGLELIST);
        EXPECT_EQ(rec.batches.back().bytes.size(), size_t(9 * c.stride));
    }
    drawUserPrimitive(zeros.data(), 4, FVF_XYZ, PT_TRIANGLEFAN);
    EXPECT_EQ(rec.batches.back().vertexCount, 6);
    drawUserPrimitive(zeros.data(), 5, FVF_XYZ | FVF_PSIZE, PT_POINTLIST);
    EXPECT_EQ(rec.batches.back().vertexCount, 5);
    drawLine({0, 0, 0}, {1, 1, 1});
    EXPECT_EQ(rec.batches.back().type, PT_LINELIST);
    EXPECT_EQ(rec.batches.back().vertexCount, 2);
    EXPECT_EQ(triangleCount, 5 * 3 + 4 + 5 + 1);
}
