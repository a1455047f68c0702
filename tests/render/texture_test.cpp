// The texture manager: names, the alpha-JPEG alternative, picture placement,
// alpha planes, masks, limits and the failure boxes.
#include "render_support.h"

#include <cstring>
#include <string>

using namespace aw;
using awtest::Rgba;

namespace {

Rgba grey(int, int) { return {128, 128, 128, 255}; }

// A JPEG with a raw alpha plane behind it.
void writeAlphaJpeg(const std::string& path, int w, int h, const std::string& plane) {
    awtest::writeBytes(path, awtest::jpegBytes(w, h, grey) + plane);
}

int alphaAt(TextureRecord* t, int x, int y) {
    int pitch = 0;
    uint8_t* p = lockTexture(t, &pitch);
    int a = p ? p[y * pitch + x * 4 + 3] : -1;
    unlockTexture(t);
    return a;
}

class Textures : public awtest::RenderTest {
protected:
    awtest::ScratchDir dir;
};

} // namespace

TEST_F(Textures, NextPowerOfTwoStopsAt2048) {
    EXPECT_EQ(nextPowerOfTwo(512), 512);
    EXPECT_EQ(nextPowerOfTwo(513), 1024);
    EXPECT_EQ(nextPowerOfTwo(3000), 0);
    EXPECT_EQ(nextPowerOfTwo(1), 2);
    EXPECT_EQ(nextPowerOfTwo(2048), 2048);
}

TEST_F(Textures, TgaRequestYieldsTheAlphaJpegUnderItsOwnNameEveryTime) {
    awtest::writeTga("button.tga", 4, 4, grey);
    writeAlphaJpeg("_a_button.jpg", 4, 4, std::string(16, '\x40'));
    TextureRecord* first = getTexture("button.tga");
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->name, "_a_button.jpg");
    EXPECT_TRUE(first->hasAlpha);
    EXPECT_EQ(alphaAt(first, 3, 3), 0x40);
    EXPECT_EQ(getTexture("button.tga"), first);
    EXPECT_EQ(textureManager.count(), 1);
    EXPECT_EQ(findTexture("button.tga"), nullptr);
}

TEST_F(Textures, NamesAreCaseSensitiveAndAlphaFollowsTheNameOrTheRequest) {
    awtest::writeTga("pic.tga", 2, 2, grey);
    awtest::writeBytes("photo.jpg", awtest::jpegBytes(2, 2, grey));
    TextureRecord* lower = getTexture("pic.tga");
    TextureRecord* upper = getTexture("PIC.tga");
    ASSERT_NE(lower, nullptr);
    ASSERT_NE(upper, nullptr);
    EXPECT_NE(lower, upper);
    EXPECT_EQ(textureManager.count(), 2);
    EXPECT_TRUE(lower->hasAlpha);
    EXPECT_FALSE(getTexture("photo.jpg")->hasAlpha);
    releaseTexture(findTexture("photo.jpg"));
    EXPECT_TRUE(textureManager.loadTexture("photo.jpg", true, true)->hasAlpha);
    EXPECT_EQ(textureManager.loadTexture("missing.jpg", false, false), nullptr);
    EXPECT_EQ(resourceCount(), 0);
}

TEST_F(Textures, TgaKeepsItsAlphaAndTheTexelsKeepTheirPlace) {
    awtest::writeTga("corner.tga", 3, 2, [](int x, int y) {
        return x == 2 && y == 1 ? Rgba{255, 0, 0, 100} : Rgba{0, 0, 255, 255};
    });
    TextureRecord* t = getTexture("corner.tga");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->width, 3);
    EXPECT_EQ(t->height, 2);
    int pitch = 0;
    uint8_t* p = lockTexture(t, &pitch);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(pitch, 12);
    // Bytes blue, green, red, alpha.
    EXPECT_EQ(p[pitch + 8 + 2], 255);
    EXPECT_EQ(p[pitch + 8 + 0], 0);
    EXPECT_EQ(p[pitch + 8 + 3], 100);
    EXPECT_EQ(p[0], 255);
    unlockTexture(t);
}

TEST_F(Textures, FullScreenPictureSitsInTheCornerOfA1024Texture) {
    awtest::writeTga("full.tga", 800, 600, [](int x, int y) {
        return x == 799 && y == 599 ? Rgba{0, 255, 0, 255} : Rgba{10, 20, 30, 255};
    });
    TextureRecord* t = textureManager.loadPicture("full.tga", 800, 600);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->width, 1024);
    EXPECT_EQ(t->height, 1024);
    int pitch = 0;
    uint8_t* p = lockTexture(t, &pitch);
    EXPECT_EQ(pitch, 4096);
    EXPECT_EQ(p[599 * pitch + 799 * 4 + 1], 255);
    EXPECT_EQ(p[0 + 2], 10);
    unlockTexture(t);
    EXPECT_EQ(textureManager.loadPicture("full.tga", 800, 600), t);
}

TEST_F(Textures, AlphaJpegIsSplitAtTheFirstEndMarker) {
    const uint8_t bytes[] = {1, 0xFF, 2, 0xFF, 0xD9, 7, 0xFF, 0xD9};
    EXPECT_EQ(alphaJpegSplit(bytes, sizeof bytes), 5);
    EXPECT_EQ(alphaJpegSplit(bytes, 3), 3); // no marker: all of it is the picture
    // The plane itself holds FF D9: only the first pair, the JPEG's own end, splits.
    std::string plane = {char(0xFF), char(0xD9), 3, 4};
    writeAlphaJpeg("_a_mark.jpg", 2, 2, plane);
    TextureRecord* t = textureManager.loadAlphaJpeg("_a_mark.jpg", true);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(alphaAt(t, 0, 0), 0xFF);
    EXPECT_EQ(alphaAt(t, 1, 0), 0xD9);
    EXPECT_EQ(alphaAt(t, 0, 1), 3);
    EXPECT_EQ(alphaAt(t, 1, 1), 4);
}

TEST_F(Textures, AlphaPlanesCoverTheTextureInOneLoaderAndThePictureInTheOther) {
    // A 3 x 2 picture; plane bytes numbered 1.. so each texel shows which it got.
    std::string plane;
    for (int i = 1; i <= 8; ++i) plane.push_back(char(i));
    writeAlphaJpeg("_a_strip.jpg", 3, 2, plane);

    TextureRecord* whole = textureManager.loadAlphaJpeg("_a_strip.jpg", true);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->width, 3);
    EXPECT_EQ(alphaAt(whole, 2, 0), 3);
    EXPECT_EQ(alphaAt(whole, 0, 1), 4);
    EXPECT_EQ(alphaAt(whole, 2, 1), 6); // the two spare plane bytes go nowhere
    releaseTexture(whole);

    TextureRecord* placed = textureManager.loadAlphaPicture("_a_strip.jpg", 3, 2);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->width, 4);
    EXPECT_EQ(alphaAt(placed, 2, 0), 3);
    EXPECT_EQ(alphaAt(placed, 3, 0), 0); // outside the picture: not covered
    EXPECT_EQ(alphaAt(placed, 0, 1), 4);
    EXPECT_EQ(alphaAt(placed, 2, 1), 6);

    // A short plane leaves the rest as decoded.
    writeAlphaJpeg("_a_short.jpg", 3, 2, std::string(2, '\x11'));
    TextureRecord* shortPlane = textureManager.loadAlphaPicture("_a_short.jpg", 3, 2);
    EXPECT_EQ(alphaAt(shortPlane, 1, 0), 0x11);
    EXPECT_EQ(alphaAt(shortPlane, 2, 0), 255);
    EXPECT_EQ(textureManager.loadAlphaPicture("_a_none.jpg", 4, 4), nullptr);
}

TEST_F(Textures, MaskGivesTheCopyItsAlphaFromTheMasksBlueBytes) {
    awtest::writeTga("art.tga", 4, 2, [](int, int) { return Rgba{200, 100, 50, 255}; });
    awtest::writeTga("mask.tga", 4, 2, [](int x, int) { return Rgba{0, 0, uint8_t(x * 60), 255}; });
    awtest::writeTga("tiny.tga", 2, 1, [](int, int) { return Rgba{0, 0, 77, 255}; });
    TextureRecord* t = textureManager.loadTextureWithMask("art-masked", "art.tga", "mask.tga");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(alphaAt(t, 0, 0), 0);
    EXPECT_EQ(alphaAt(t, 3, 1), 180);
    int pitch = 0;
    EXPECT_EQ(lockTexture(t, &pitch)[2], 200); // colour copied from the source
    unlockTexture(t);
    // A mask smaller than the picture covers what it has and no more.
    TextureRecord* s = textureManager.loadTextureWithMask("art-tiny", "art.tga", "tiny.tga");
    EXPECT_EQ(alphaAt(s, 1, 0), 77);
    EXPECT_EQ(alphaAt(s, 2, 0), 255);
    TextureRecord* scaled = textureManager.copyTexture("art-big", "art.tga", 8, 4);
    EXPECT_EQ(scaled->width, 8);
    EXPECT_EQ(lockTexture(scaled, &pitch)[7 * 4 + 3 * pitch + 1], 100);
    unlockTexture(scaled);
}

TEST_F(Textures, ReleaseKeepsTheOrderOfTheOthers) {
    TextureRecord* a = textureManager.createTexture("a", 2, 2, PixelFormat::A8R8G8B8, false);
    TextureRecord* b = textureManager.createTexture("b", 2, 2, PixelFormat::A8R8G8B8, false);
    TextureRecord* c = textureManager.createTexture("c", 2, 2, PixelFormat::A8R8G8B8, false);
    EXPECT_EQ(textureManager.createTexture("b", 8, 8, PixelFormat::A8R8G8B8, false), b);
    releaseTexture(b);
    EXPECT_EQ(textureManager.count(), 2);
    EXPECT_EQ(textureManager.at(0), a);
    EXPECT_EQ(textureManager.at(1), c);
    EXPECT_EQ(findTexture("b"), nullptr);
}

TEST_F(Textures, OnlyOneThousandAndTwentyThreeTexturesFit) {
    awtest::FatalHooks hooks;
    char name[32];
    for (int i = 0; i < kMaxTextures; ++i) {
        std::snprintf(name, sizeof name, "t%d", i);
        ASSERT_NE(textureManager.createTexture(name, 2, 2, PixelFormat::A8R8G8B8, false), nullptr) << i;
    }
    EXPECT_EQ(awtest::lastBoxTitle(), "");
    EXPECT_EQ(textureManager.createTexture("one too many", 2, 2, PixelFormat::A8R8G8B8, false), nullptr);
    EXPECT_EQ(awtest::lastBoxTitle(), "Init error");
    EXPECT_EQ(awtest::lastBoxText(), "Couldn't create texture: one too many");
    // A file load into a full manager is refused quietly.
    awtest::lastBoxTitle().clear();
    awtest::writeTga("late.tga", 2, 2, grey);
    EXPECT_EQ(textureManager.loadTexture("late.tga", true, false), nullptr);
    EXPECT_EQ(awtest::lastBoxTitle(), "");
    EXPECT_EQ(resourceCount(), 0);
}

TEST_F(Textures, FailuresShowTheirBoxes) {
    awtest::FatalHooks hooks;
    EXPECT_THROW(getTexture("gone.tga"), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxTitle(), "Loading error");
    EXPECT_EQ(awtest::lastBoxText(), "Couldn't load texture: gone.tga");

    awtest::writeBytes("junk.jpg", "not a picture at all");
    EXPECT_THROW(getTexture("junk.jpg"), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxText(), "Couldn't load texture: junk.jpg");

    awtest::writeBytes("_a_junk.jpg", std::string("rubbish\xFF\xD9plane", 14));
    EXPECT_EQ(textureManager.loadAlphaJpeg("_a_junk.jpg", false), nullptr);
    EXPECT_THROW(textureManager.loadAlphaJpeg("_a_junk.jpg", true), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxText(), "Can't load texture: _a_junk.jpg");
    // Missing is no worse than undecodable: the game went on without the map's start button.
    EXPECT_EQ(textureManager.loadAlphaJpeg("_a_gone.jpg", false), nullptr);
    EXPECT_THROW(textureManager.loadAlphaJpeg("_a_gone.jpg", true), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxText(), "Can't load _a_gone.jpg...\nProgram will now stop.");

    EXPECT_THROW(textureManager.loadPicture("nothere.jpg", 800, 600), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxTitle(), "Loading Error");

    // A name with a format directive is text, never a format.
    EXPECT_THROW(getTexture("%s%n.tga"), awtest::FatalExit);
    EXPECT_EQ(awtest::lastBoxText(), "Couldn't load texture: %s%n.tga");

    awtest::lastBoxTitle().clear();
    EXPECT_EQ(textureManager.createTexture("huge", nextPowerOfTwo(4000), 4, PixelFormat::A8R8G8B8, false), nullptr);
    EXPECT_EQ(awtest::lastBoxTitle(), "Init error");
}

TEST_F(Textures, RenderTargetsSurviveAReset) {
    int lost = 0;
    static int* counter = nullptr;
    counter = &lost;
    setRenderTargetsLostHandler([] { ++*counter; });
    TextureRecord* rt = textureManager.createTexture("target", 64, 32, PixelFormat::A8R8G8B8, true);
    ASSERT_NE(rt, nullptr);
    EXPECT_TRUE(rt->isRenderTarget);
    EXPECT_EQ(lockTexture(rt, nullptr), nullptr);
    textureManager.releaseRenderTargets();
    EXPECT_EQ(rt->texture, 0u);
    textureManager.recreateRenderTargets();
    EXPECT_NE(rt->texture, 0u);

    renderDevice.fullScreen = false;
    requestModeChange();
    EXPECT_TRUE(renderDevice.modeChangeRequested);
    EXPECT_EQ(lost, 0); // not before the next present
    presentFrame();
    EXPECT_FALSE(renderDevice.modeChangeRequested);
    EXPECT_EQ(lost, 1);
    EXPECT_NE(rt->texture, 0u);
    EXPECT_EQ(findTexture("target"), rt);
}
