// The landscape as it is shown, changed and drawn: numbers, reloading, the
// spray's droplets, leaf shades, the change between landscapes, the tint.
#include "board/play_state.h"
#include "effects/scenery_files.h"
#include "effects/scenery_motion.h"

using namespace aw;
using namespace awtest;

namespace {

class Backgrounds : public SceneryTest {
protected:
    void SetUp() override {
        SceneryTest::SetUp();
        picture("sky.tga", {90, 140, 220, 255});
        picture("spray.tga", {255, 255, 255, 255});
        picture("leaf.tga", {40, 160, 40, 255});
        catalogue("[scenery/] sky=sky.tga spray=spray.tga leaves1=leaf.tga [/scenery]");
        playState = PlayState{};
    }
    void TearDown() override {
        playState = PlayState{};
        SceneryTest::TearDown();
    }

    // Draws frames of dt until ms have passed; returns the droplets born.
    int run(float ms, float dt, bool gameplay = true) {
        int born = 0;
        for (float t = 0; t < ms; t += dt) {
            int before = sceneryDroplets().next;
            drawBackground(gameplay, dt);
            born += (sceneryDroplets().next - before + kMaxDroplets) % kMaxDroplets;
        }
        return born;
    }

    static std::vector<const CapturedBatch*> drawnWith(const DrawRecorder& r, const TextureRecord* t) {
        std::vector<const CapturedBatch*> out;
        for (const CapturedBatch& b : r.batches)
            if (b.texture == t) out.push_back(&b);
        return out;
    }
    static Color colourOf(const CapturedBatch& b) { return Color(b.wordAt(0, 12)); }
    static TextureRecord* painting(int n) { return findTexture(("_a_back" + std::to_string(n) + ".jpg").c_str()); }
};

} // namespace

TEST_F(Backgrounds, NumbersOutsideTheRangeShowBackgroundZeroAndTheSameOneIsNotReadAgain) {
    loadScenery();
    setBackground(18);
    EXPECT_EQ(currentBackground(), 0);
    EXPECT_NE(painting(0), nullptr);
    setBackground(7);
    EXPECT_EQ(painting(0), nullptr) << "the old painting is released";
    setBackground(-1);
    EXPECT_EQ(currentBackground(), 0);

    static int reads;
    reads = 0;
    setLoadProgressHandler([](int) { ++reads; });
    std::filesystem::remove(path("AnimBacks/_a_back0.jpg"));
    TextureRecord* shown = painting(0);
    setBackground(0);
    setBackground(0);
    setLoadProgressHandler(nullptr);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(painting(0), shown);

    // Layouts 16 and 17 wait for their first showing.
    EXPECT_FALSE(sceneryLayoutLoaded(17));
    setBackground(17);
    EXPECT_TRUE(sceneryLayoutLoaded(17));

    std::filesystem::remove(path("AnimBacks/_a_back4.jpg"));
    FatalHooks hooks;
    EXPECT_THROW(setBackground(4), FatalExit);
    EXPECT_EQ(lastBoxTitle(), "Loading Error");
    EXPECT_NE(lastBoxText().find("_a_back4.jpg"), std::string::npos);
}

TEST_F(Backgrounds, SprayGivesADropletAbout30MsApartAndNoneDuringAChange) {
    layout(0, {{"spray", -50, 50, 50, -50}}); // 100 by 100 units
    loadScenery();
    setBackground(0);
    int born = run(3000, 10);
    EXPECT_GE(born, 99);
    EXPECT_LE(born, 102);
    resetBackgrounds();
    setBackground(0);
    EXPECT_EQ(run(1000, 50), 20) << "one a frame at most";
    EXPECT_GT(sceneryDroplets().alive(), 0);
    changeBackground(1);
    EXPECT_EQ(run(400, 10), 0);

    // The droplets rise and fade over their life.
    EXPECT_FLOAT_EQ(dropletSize(kDropletLifeMs), 15);
    EXPECT_NEAR(dropletBrightness(kDropletLifeMs / 2), 1, 1e-6);
    EXPECT_NEAR(dropletBrightness(1), 0, 0.01);
    EXPECT_GT(dropletLift(10), dropletLift(1000));
}

TEST_F(Backgrounds, LeavesAreShadedByTheLengthOfTheirFlow) {
    layout(0, {{"leaves1", -100, 100, 100, 0}, {"leaves1", 0, 0, 200, -100, 0, 60, 80}, {"leaves1", 0, 0, 10, 10, 0, 300, 0}});
    loadScenery();
    setBackground(0);
    DrawRecorder r;
    drawBackground(false, 16);
    auto leaves = drawnWith(r, findTexture("leaf.tga"));
    ASSERT_EQ(leaves.size(), 3u);
    EXPECT_EQ(colourOf(*leaves[0]), Color(255, 255, 255, 255));
    EXPECT_EQ(colourOf(*leaves[1]), Color(155, 155, 155, 255));
    EXPECT_EQ(colourOf(*leaves[2]), Color(0, 0, 0, 255));
    // Each turns about the middle of its left edge (the second and fourth
    // corners), which stays put while the free end moves.
    EXPECT_NEAR((leaves[0]->floatAt(2, 0) + leaves[0]->floatAt(3, 0)) / 2, -100, 1e-3);
    EXPECT_NEAR((leaves[0]->floatAt(2, 4) + leaves[0]->floatAt(3, 4)) / 2, 50, 1e-3);
    EXPECT_NE(leaves[0]->floatAt(0, 4), 100);
}

TEST_F(Backgrounds, ChangeShowsTheOldSceneThenFadesInTheNewOne) {
    layout(0, {{"sky", -400, 300, 400, -300}});
    layout(5, {{"sky", -400, 300, 400, -300}});
    loadScenery();
    setBackground(0);
    changeBackground(5);
    TextureRecord *oldPicture = painting(0), *newPicture = painting(5);
    ASSERT_NE(newPicture, nullptr);
    DrawRecorder r;
    for (int frame = 0; frame < 30; ++frame) {
        r.clear();
        float timer = kTransitionMs - 100.0f * float(frame);
        drawBackground(true, 100);
        auto incoming = drawnWith(r, newPicture);
        if (timer >= 1500) {
            EXPECT_TRUE(incoming.empty()) << frame;
        } else {
            // The sky at a cubed, the painting at a.
            float a = 1 - timer / 1500;
            ASSERT_EQ(incoming.size(), 1u) << frame;
            EXPECT_NEAR(colourOf(*incoming[0]).a(), a * 255, 1.5f) << frame;
            auto skies = drawnWith(r, findTexture("sky.tga"));
            ASSERT_EQ(skies.size(), 2u);
            EXPECT_NEAR(colourOf(*skies[1]).a(), a * a * a * 255, 1.5f) << frame;
        }
        EXPECT_EQ(drawnWith(r, oldPicture).size(), 1u) << frame;
    }
    EXPECT_FALSE(backgroundChanging());
    EXPECT_EQ(currentBackground(), 5);
    EXPECT_EQ(painting(0), nullptr) << "the old painting is released at the end";

    // Behind the menus the change runs six times as fast.
    changeBackground(2);
    run(400, 100, false);
    EXPECT_TRUE(backgroundChanging());
    run(100, 100, false);
    EXPECT_FALSE(backgroundChanging());
    EXPECT_EQ(currentBackground(), 2);

    // The swing and zoom of the old scene.
    EXPECT_EQ(transitionLook(kTransitionMs).scale, 1);
    EXPECT_FLOAT_EQ(transitionLook(0).scale, 2.5f);
    EXPECT_NEAR(transitionLook(0).offset.x, 0, 1e-3);
    EXPECT_NEAR(transitionLook(1500).offset.y, 7.5f, 1e-4);
}

TEST_F(Backgrounds, ChangingToTheSameLandscapeKeepsItsPicture) {
    loadScenery();
    setBackground(3);
    TextureRecord* shown = painting(3);
    changeBackground(3);
    run(3000, 100);
    EXPECT_FALSE(backgroundChanging());
    EXPECT_EQ(painting(3), shown) << "released although it is still shown";
    DrawRecorder r;
    drawBackground(true, 16);
    EXPECT_EQ(drawnWith(r, shown).size(), 1u);
}

TEST_F(Backgrounds, TintMovesToItsTargetAndAnOpenScreenDarkensIt) {
    loadScenery();
    setBackground(0);
    DrawRecorder r;
    auto paintingColour = [&] {
        r.clear();
        drawBackground(true, 100);
        return colourOf(*drawnWith(r, painting(0)).at(0));
    };
    setTintNow(1, 0.8f, 0.8f, 1);
    EXPECT_EQ(paintingColour(), Color(255, 204, 204, 255));
    setTintTarget(0, 0.8f, 0.8f, 1);
    paintingColour(); // the tint steps by 0.0015 of the way per ms after drawing
    EXPECT_EQ(paintingColour().r(), int(255 * 0.85f));
    EXPECT_EQ(tinted(Color(255, 255, 255, 255)), Color(255, 255, 255, 255)) << "the tint is put back";

    setTintNow(1, 1, 1, 0.5f);
    playState.overlayShown = true;
    setOverlayFade(0.5f);
    EXPECT_EQ(paintingColour(), Color(229, 229, 229, 255)); // 0.9 of white, and opaque
    r.clear();
    drawBackground(false, 16); // the map and the menus are not darkened
    EXPECT_EQ(colourOf(*drawnWith(r, painting(0)).at(0)), Color(255, 255, 255, 127));
}
