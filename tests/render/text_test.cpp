// Text layout as submitted: glyph centres, line steps, wrapping, shadows and
// the font files.
#include "render_support.h"

#include <cstring>
#include <string>

using namespace aw;

namespace {

// Advances: 'W' 2 (a whole cell of 32 atlas pixels, times 2), 'i' 0.5,
// every other byte 1.
Font layoutFont() {
    uint8_t metrics[kFontMetricsSize] = {16, 0, 0, 0};
    for (int c = 0; c < 256; ++c) metrics[4 + c] = 16;
    metrics[4 + 'W'] = 32;
    metrics[4 + 'i'] = 8;
    metrics[260 + 'A'] = 17; // column 1, row 1 of the 16 x 16 grid
    Font f;
    EXPECT_TRUE(parseFontMetrics(metrics, sizeof metrics, 1, 1, f));
    return f;
}

float centreX(const CapturedBatch& b) { return (b.floatAt(0, 0) + b.floatAt(1, 0) + b.floatAt(2, 0) + b.floatAt(3, 0)) / 4; }
float centreY(const CapturedBatch& b) { return (b.floatAt(0, 4) + b.floatAt(1, 4) + b.floatAt(2, 4) + b.floatAt(3, 4)) / 4; }

class Text : public awtest::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        ASSERT_TRUE(addFont(layoutFont()));
    }
};

} // namespace

TEST_F(Text, MetricsGiveAdvancesInTextSizesAndCellsOfTheGrid) {
    Font* f = currentFont();
    ASSERT_NE(f, nullptr);
    EXPECT_FLOAT_EQ(f->advance[uint8_t('W')], 2);
    EXPECT_FLOAT_EQ(f->advance[uint8_t('i')], 0.5f);
    EXPECT_FLOAT_EQ(f->cellUv, 1.0f / 16);
    EXPECT_EQ(textColor(), Color(255, 255, 255, 255));
    Font bad;
    uint8_t shortFile[100] = {};
    EXPECT_FALSE(parseFontMetrics(shortFile, sizeof shortFile, 1, 1, bad));
    uint8_t zeroCells[kFontMetricsSize] = {};
    ASSERT_TRUE(parseFontMetrics(zeroCells, sizeof zeroCells, 1, 1, bad));
    EXPECT_EQ(bad.cellsPerRow, 1); // never a division by zero
}

TEST_F(Text, SingleCharacterIsCentredOnXLeftAlignedAndOnItsHalfWidthCentred) {
    DrawRecorder rec;
    drawText(40, 10, 10, "W", false);
    drawText(40, 10, 10, "W", true);
    ASSERT_EQ(rec.batches.size(), 2u);
    EXPECT_FLOAT_EQ(centreX(rec.batches[0]), 40);
    // W = 10 * 2: the glyph centre sits at x - W / 2 + size / 2.
    EXPECT_FLOAT_EQ(centreX(rec.batches[1]), 40 - 10 + 5);
    // A glyph is two text sizes wide and high, at depth 45, with its cell's corners.
    const CapturedBatch& b = rec.batches[0];
    EXPECT_FLOAT_EQ(b.floatAt(1, 0) - b.floatAt(0, 0), 20);
    EXPECT_FLOAT_EQ(b.floatAt(0, 4) - b.floatAt(2, 4), 20);
    EXPECT_FLOAT_EQ(b.floatAt(0, 8), 45);
}

TEST_F(Text, GlyphCentresAreSpacedByTheMeanOfNeighbouringAdvances) {
    DrawRecorder rec;
    drawText(0, 0, 10, "WiA", false);
    ASSERT_EQ(rec.batches.size(), 3u);
    EXPECT_FLOAT_EQ(centreX(rec.batches[0]), 0);
    EXPECT_FLOAT_EQ(centreX(rec.batches[1]), 10 + 2.5f);
    EXPECT_FLOAT_EQ(centreX(rec.batches[2]), 12.5f + 2.5f + 5);
    // 'A' uses cell 17: column 1, row 1.
    const CapturedBatch& a = rec.batches[2];
    EXPECT_FLOAT_EQ(a.floatAt(0, 16), 1.0f / 16);
    EXPECT_FLOAT_EQ(a.floatAt(0, 20), 1.0f / 16);
    EXPECT_FLOAT_EQ(a.floatAt(3, 16), 2.0f / 16);
    EXPECT_FLOAT_EQ(a.floatAt(3, 20), 2.0f / 16);
}

TEST_F(Text, LineBreaksStepDownOneAndEightTenthsSizesAndStartAgainAtX) {
    DrawRecorder rec;
    drawText(5, 100, 10, "WW\r\n", false);
    EXPECT_EQ(rec.batches.size(), 2u);
    EXPECT_FLOAT_EQ(penPosition().y, 100 - 18); // down once, nothing more drawn
    rec.clear();
    drawText(5, 100, 10, "W\r\niW\nA", false);
    ASSERT_EQ(rec.batches.size(), 4u);
    EXPECT_FLOAT_EQ(centreX(rec.batches[1]), 5);
    EXPECT_FLOAT_EQ(centreY(rec.batches[1]), 82);
    EXPECT_FLOAT_EQ(centreX(rec.batches[3]), 5);
    EXPECT_FLOAT_EQ(centreY(rec.batches[3]), 64);
    // A CR as the very last byte ends the text; the terminator is not skipped.
    rec.clear();
    drawText(0, 0, 10, "A\r", false);
    EXPECT_EQ(rec.batches.size(), 1u);
}

TEST_F(Text, CentredLinesAreCentredEachOnItsOwnWidth) {
    DrawRecorder rec;
    drawText(0, 0, 10, "WW\r\nA", true);
    ASSERT_EQ(rec.batches.size(), 3u);
    // First line W = 40: glyphs at -20 + 5 and then 20 further.
    EXPECT_FLOAT_EQ(centreX(rec.batches[0]), -15);
    EXPECT_FLOAT_EQ(centreX(rec.batches[1]), 5);
    // Later lines sit half an advance of their first character to the right.
    EXPECT_FLOAT_EQ(centreX(rec.batches[2]), -5 + 5 + 5);
    EXPECT_FLOAT_EQ(centreY(rec.batches[2]), -18);
}

TEST_F(Text, ShadowIsDrawnFirstOffsetByTheScaledOffsetAndTheColourEndsAtTheMainOne) {
    DrawRecorder rec;
    drawTextShadowed(30, 40, 10, "A", true, Color(255, 200, 0, 255), Color(0, 0, 0, 192), 2, 1, -1);
    ASSERT_EQ(rec.batches.size(), 2u);
    EXPECT_FLOAT_EQ(centreX(rec.batches[0]) - centreX(rec.batches[1]), 2);
    EXPECT_FLOAT_EQ(centreY(rec.batches[0]) - centreY(rec.batches[1]), -2);
    EXPECT_EQ(rec.batches[0].wordAt(0, 12), Color(0, 0, 0, 192).argb);
    EXPECT_EQ(rec.batches[1].wordAt(0, 12), Color(255, 200, 0, 255).argb);
    EXPECT_EQ(textColor(), Color(255, 200, 0, 255));
}

TEST_F(Text, MeasureSumsTheAdvances) {
    EXPECT_FLOAT_EQ(measureText("WiA", 10), 20 + 5 + 10);
    EXPECT_FLOAT_EQ(measureText("", 10), 0);
}

TEST_F(Text, WrapLeavesAShortTextAloneAndBreaksLongOnesAtTheLastSpace) {
    EXPECT_FLOAT_EQ(wrapText(1000, "A short text", 10), 18);
    EXPECT_STREQ(wrappedText(), "A short text");
    EXPECT_FLOAT_EQ(wrapText(75, "aaa bbb ccc", 10), 36);
    EXPECT_STREQ(wrappedText(), "aaa bbb\nccc");
    // A CR LF already in the text counts as a line of its own.
    EXPECT_FLOAT_EQ(wrapText(1000, "one\r\ntwo", 10), 36);
    EXPECT_STREQ(wrappedText(), "one\r\ntwo");
}

TEST_F(Text, WrapEndsOnWordsWiderThanTheLineAndNeverRunsPastItsBuffer) {
    // Without a guard the same break candidate would be taken for ever.
    float h = wrapText(30, "abcdefghijkl mnopqrstuvwx yz", 10);
    EXPECT_GT(h, 18);
    EXPECT_EQ(std::strlen(wrappedText()), std::strlen("abcdefghijkl mnopqrstuvwx yz"));
    std::string longText(5000, 'x');
    for (size_t i = 7; i < longText.size(); i += 8) longText[i] = ' ';
    wrapText(200, longText.c_str(), 10);
    EXPECT_EQ(std::strlen(wrappedText()), size_t(kWrapBufferSize - 1));
    // A CR as the last byte: the candidate never points past the terminator.
    wrapText(5, "ab\r", 10);
    EXPECT_EQ(std::strlen(wrappedText()), 3u);
}

TEST_F(Text, FontsAreSelectedRoundTheLoadedCount) {
    Font second = layoutFont();
    second.scale = 3;
    ASSERT_TRUE(addFont(second));
    EXPECT_FLOAT_EQ(currentFont()->scale, 3);
    selectFont(2);
    EXPECT_FLOAT_EQ(currentFont()->scale, 1);
    selectFont(-1);
    EXPECT_FLOAT_EQ(currentFont()->scale, 3);
    for (int i = fontCount(); i < kMaxFonts; ++i) EXPECT_TRUE(addFont(layoutFont()));
    EXPECT_FALSE(addFont(layoutFont()));
    EXPECT_EQ(fontCount(), kMaxFonts);
}

TEST_F(Text, FontLoadsItsAtlasMetricsAndHighlightThroughTheRegistry) {
    awtest::ScratchDir dir;
    resetText();
    awtest::writeTga("font.tga", 64, 64, [](int, int) { return awtest::Rgba{255, 255, 255, 255}; });
    std::string metrics(kFontMetricsSize, '\0');
    metrics[0] = 8;
    metrics[4 + 'A'] = 64; // a whole cell of 512 / 8
    metrics[260 + 'A'] = 9;
    awtest::writeBytes("font.dat", metrics);
    awtest::writeBytes("podsvet.jpg", awtest::jpegBytes(8, 8, [](int, int) { return awtest::Rgba{90, 90, 90, 255}; }));
    ASSERT_TRUE(loadFont("font", 1, 1));
    Font* f = currentFont();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->cellsPerRow, 8);
    EXPECT_FLOAT_EQ(f->advance[uint8_t('A')], 2);
    EXPECT_EQ(f->glyphCell[uint8_t('A')], 9);
    ASSERT_NE(f->texture, nullptr);
    EXPECT_STREQ(f->texture->name, "font.tga");
    EXPECT_NE(findTexture("podsvet.jpg"), nullptr);
    EXPECT_EQ(resourceCount(), 0); // every file block given back
}

TEST_F(Text, FontWithoutMetricsEndsTheProgramWithTheLoadingError) {
    awtest::ScratchDir dir;
    awtest::FatalHooks hooks;
    awtest::writeTga("font.tga", 8, 8, [](int, int) { return awtest::Rgba{255, 255, 255, 255}; });
    EXPECT_THROW(loadFont("font", 1, 1), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxTitle(), "Loading Error");
}
