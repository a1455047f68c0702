// The builder's own rules, on inputs the shipped data does not exercise:
// characters the font lacks stop the build, every line-end style comes out as
// CR LF, and a data set that breaks the naming rules is refused.
#include "code_page.h"
#include "placement.h"
#include "text_file.h"

#include <gtest/gtest.h>

using namespace aw::datagen;

TEST(TextBuilder, EncodesTheFontsCharactersAndRefusesOthers) {
    EncodeResult ok = encodeUtf8("Hunter’s “gold” — ◆");
    ASSERT_TRUE(ok.error.empty()) << ok.error;
    EXPECT_EQ(ok.bytes, "Hunter\x92s \x93gold\x94 \x97 \xE0");
    EXPECT_FALSE(encodeUtf8("line one\nзолото").error.empty()); // Cyrillic has no glyphs here
    EXPECT_NE(encodeUtf8("ok\nok\n\xC3\xA9").error.find("line 3"), std::string::npos);
    EXPECT_FALSE(encodeUtf8("\xE2\x82").error.empty()); // truncated sequence
    EXPECT_FALSE(encodeUtf8("\x80").error.empty());
    // Every byte that encodes has a glyph, and the round trip holds.
    for (uint8_t b : drawableBytes()) EXPECT_EQ(byteForCodePoint(glyphCodePoint(b)), b);
}

TEST(TextBuilder, WritesCrLfAndASafeEnding) {
    EXPECT_EQ(normaliseTextFile("a=1\nb=2").bytes, "a=1\r\nb=2\r\n\r\n\r\n");
    EXPECT_EQ(normaliseTextFile("a=1\r\nb=2\r\n").bytes, "a=1\r\nb=2\r\n\r\n\r\n");
    EXPECT_EQ(normaliseTextFile("a=1\rb=2\n\n\n\n").bytes, "a=1\r\nb=2\r\n\r\n\r\n");
    // Inner empty lines end menu entries and must stay.
    EXPECT_EQ(normaliseTextFile("m=\nx\n\nn=\ny\n").bytes, "m=\r\nx\r\n\r\nn=\r\ny\r\n\r\n\r\n");
    EXPECT_FALSE(normaliseTextFile("a=\t1").error.empty());
}

TEST(Placement, KeepsLateAndRewrittenFilesOnDiskAndPacksTheRest) {
    EXPECT_EQ(placeFile("splash1.jpg").home, Home::Disk);
    EXPECT_EQ(placeFile("levels/pack1_01.lvl").home, Home::Disk);
    EXPECT_EQ(placeFile("AnimBacks/_a_back3.jpg").home, Home::Disk);
    EXPECT_EQ(placeFile("Sounds/Gag.ogg").home, Home::Disk);
    EXPECT_EQ(placeFile("trophyes/trophy.cfg").home, Home::Disk);
    EXPECT_EQ(placeFile("smallart07.tga").home, Home::Disk);
    EXPECT_EQ(placeFile("mask/cover1.tga").home, Home::Disk);

    Placement field = placeFile("field/field1.tga");
    EXPECT_EQ(field.home, Home::Targa);
    EXPECT_EQ(field.entryName, "field\\field1.tga");
    Placement figure = placeFile("figures/aqua.tga");
    EXPECT_EQ(figure.home, Home::Targa);
    EXPECT_EQ(figure.entryName, "aqua.tga");
    EXPECT_EQ(placeFile("trophyes/trophy03_glow.tga").entryName, "trophy03_glow.tga");
    EXPECT_EQ(placeFile("podsvet.jpg").home, Home::Jpeg);
    EXPECT_EQ(placeFile("font.dat").home, Home::Texts);
}

TEST(Placement, RefusesSetsThatBreakTheNamingRules) {
    EXPECT_TRUE(checkDataSet({"figures/aqua.tga", "field/field0.tga", "strings.txt"}).empty());
    // Bare entry names meet in one registry.
    EXPECT_EQ(checkDataSet({"figures/red.tga", "trophyes/red.tga"}).size(), 1u);
    EXPECT_EQ(checkDataSet({"font.dat", "FONT.DAT"}).size(), 1u);
    // One alpha-JPEG would stand in for both hammer gauges.
    EXPECT_EQ(checkDataSet({"_a_hammer.jpg"}).size(), 1u);
    EXPECT_EQ(checkDataSet({"gem.big.tga", "gem.small.tga", "_a_gem.jpg"}).size(), 1u);
    EXPECT_TRUE(checkDataSet({"gem.big.tga", "_a_gem.jpg"}).empty());
    EXPECT_EQ(checkDataSet({std::string(60, 'n') + ".tga"}).size(), 1u);
    EXPECT_EQ(alphaJpegSubstitute("hammer.texture1.tga"), "_a_hammer.jpg");
    EXPECT_EQ(alphaJpegSubstitute("field\\field0.tga"), "_a_field\\field0.jpg");
    EXPECT_EQ(alphaJpegSubstitute("flare.jpg"), "");
}
