#include "effects_fixture.h"

#include "render/draw_capture.h"
#include "resources/registry.h"
#include "resources/test_support.h"

#include <cmath>
#include <cstdio>
#include <map>

using namespace aw;
using namespace awtest;

namespace {

using Particles = EffectsTest;

int liveOf(int definition) {
    int n = 0;
    for (int i = 0; i < kParticlePoolSize; ++i) {
        const Particle& p = particleAt(i);
        n += p.age < p.life && p.definition == definition ? 1 : 0;
    }
    return n;
}

} // namespace

TEST_F(Particles, FilesAreReadAsFarAsTheyAreValid) {
    std::string longName(40, 'x');
    ParticleDefinition d = parseParticleDefinition(
        "parfrequency=abc\r\ncolor0=(0.2,0.3)\r\ncolor1=(0.5,0.2\r\nsimetria=-5\r\nsimetriapar=99999999\r\n"
        "partime=nan\r\nnumparticle=7.9\r\nexterneffect1=" + longName + "\r\n",
        longName + ".par");
    EXPECT_EQ(std::string(d.name), std::string(31, 'x'));
    EXPECT_EQ(std::string(d.external[0]), std::string(31, 'x'));
    EXPECT_EQ(d.external[1][0], 0);
    EXPECT_EQ(d.frequency, 0);
    EXPECT_EQ(d.color0, Color4f(0.2f, 0.3f, 1, 1)); // a short list keeps the rest
    EXPECT_EQ(d.color1, Color4f(0, 0, 0, 0));       // an unclosed list changes nothing
    EXPECT_EQ(d.symmetry, 0);
    EXPECT_EQ(d.copies, kMaxDrawnCopies);
    EXPECT_EQ(d.life, 0);
    EXPECT_EQ(d.cell, 7);
    EXPECT_TRUE(d.missingRequired);

    // The first occurrence of a key wins, also inside a longer key.
    ParticleDefinition r = parseParticleDefinition("drot=30\r\nrot=10\r\n" + still(), "spin.a.par");
    EXPECT_EQ(std::string(r.name), "spin");
    EXPECT_EQ(r.rot, 30);
    EXPECT_EQ(r.spin, 30);
    EXPECT_FALSE(r.missingRequired);
}

TEST_F(Particles, LoadingTakesTheFirst256FilesInListingOrder) {
    ScratchDir dir;
    for (int i = 0; i < 258; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "effects/e%03d.par", i);
        writeBytes(dir.path() + "/" + name, "parfrequency=" + std::to_string(i) + "\r\n" + still());
    }
    loadParticleDefinitions((dir.path() + "/").c_str());
    EXPECT_EQ(particleDefinitionCount(), kMaxEffectDefinitions);
    EXPECT_EQ(findEffect("e000"), 0);
    EXPECT_EQ(particleDefinition(findEffect("e255"))->frequency, 255);
    EXPECT_EQ(findEffect("e256"), -1);
    EXPECT_EQ(findEffect("E000"), -1); // names compare exactly
    EXPECT_EQ(resourceCount(), 0);     // every file was given back
}

TEST_F(Particles, ABurstMakesItsPassesWithSymmetricCopies) {
    int b = define("b", "parfrequency=3\r\nsimetria=4\r\npolar=(10,0,0,0)\r\npartime=1000\r\n" + still());
    startEffect("b", 100, 50);
    EXPECT_EQ(liveOf(b), 12);
    std::map<std::pair<int, int>, int> at;
    for (int i = 0; i < kParticlePoolSize; ++i)
        if (particleAt(i).life > 0)
            at[{int(std::lround(particleAt(i).position.x)), int(std::lround(particleAt(i).position.y))}]++;
    std::map<std::pair<int, int>, int> expected{{{110, 50}, 3}, {{100, 60}, 3}, {{90, 50}, 3}, {{100, 40}, 3}};
    EXPECT_EQ(at, expected);
}

TEST_F(Particles, AnEmitterTravelsToItsTargetAndThenStops) {
    int e = define("e", "effecttime=2000\r\nparfrequency=10\r\npartime=100000\r\n" + still());
    startEffect("e", 0, 0, 200, 0);
    EXPECT_FLOAT_EQ(emitterAt(0).velocity.x, 0.1f);
    for (int i = 0; i < 40; ++i) updateEffects(50);
    EXPECT_NEAR(emitterAt(0).position.x, 200, 0.01);
    int born = liveOf(e);
    EXPECT_GE(born, 19);
    EXPECT_LE(born, 20);
    for (int i = 0; i < 40; ++i) updateEffects(50);
    EXPECT_EQ(liveOf(e), born);
    EXPECT_NEAR(emitterAt(0).position.x, 200, 0.01);
}

TEST_F(Particles, WithoutEffectTimeABurstAndWithoutFrequencyNothingOfItsOwn) {
    int child = define("child", "parfrequency=1\r\npartime=500\r\n" + still());
    int parent = define("parent", "externeffect1=child\r\npartime=500\r\n" + still());
    startEffect("parent", 0, 0);
    EXPECT_EQ(liveOf(parent), 0);
    EXPECT_EQ(liveOf(child), 1);
    for (int i = 0; i < kEmitterPoolSize; ++i) EXPECT_EQ(emitterAt(i).definition, -1);
    startEffect("nobody", 0, 0); // an unknown name does nothing
    EXPECT_EQ(liveParticleCount(), 1);
}

TEST_F(Particles, ChainedStartsStopAtEightUntil100msPassAndNeverRestartThemselves) {
    int leaf = define("leaf", "parfrequency=1\r\npartime=5000\r\n" + still());
    std::string hub;
    for (int i = 1; i <= 8; ++i) hub += "externeffect" + std::to_string(i) + "=leaf\r\n";
    define("hub", hub + still());
    startEffect("hub", 0, 0);
    startEffect("hub", 0, 0);
    EXPECT_EQ(liveOf(leaf), 8);
    updateEffects(60);
    startEffect("hub", 0, 0);
    EXPECT_EQ(liveOf(leaf), 8);
    updateEffects(60); // 120 ms after the last chained start
    startEffect("hub", 0, 0);
    EXPECT_EQ(liveOf(leaf), 16);

    int self = define("self", "externeffect1=self\r\nparfrequency=1\r\npartime=5000\r\n" + still());
    updateEffects(200);
    startEffect("self", 0, 0);
    EXPECT_EQ(liveOf(self), 1);
}

TEST_F(Particles, WithoutADeathColourEveryComponentFadesToZero) {
    define("fade", "parfrequency=1\r\npartime=1000\r\nblendtype=1\r\nradius0=10\r\n" + still());
    startEffect("fade", 0, 0);
    updateEffects(0);
    ASSERT_EQ(drawListCount(), 1);
    EXPECT_EQ(drawListAt(0).color, 0xFFFFFFFFu);
    updateEffects(999);
    drawEffectList();
    updateEffects(0);
    ASSERT_EQ(drawListCount(), 1);
    EXPECT_EQ(drawListAt(0).color, 0u);
    drawEffectList();
}

TEST_F(Particles, PoolsStayBoundedWhateverAFileAsks) {
    define("flood", "parfrequency=1e30\r\nsimetria=1000000\r\npartime=1000\r\nsimetriapar=1e9\r\n" + still());
    define("hose", "effecttime=1000\r\nparfrequency=1e30\r\npartime=1000\r\n" + still());
    startEffect("flood", 0, 0);
    startEffect("hose", 0, 0);
    updateEffects(16);
    EXPECT_LE(liveParticleCount(), kParticlePoolSize);
    EXPECT_EQ(drawListCount(), kDrawListSize);
    drawEffectList();
    EXPECT_EQ(drawListCount(), 0);
}

TEST_F(Particles, CellOverridesAndTheDrawnQuads) {
    int d = define("glow", "parfrequency=1\r\npartime=1000\r\nnumparticle=5\r\nradius0=20\r\nradius1=20\r\n" + still());
    startEffect("glow", 0, 0, kNoTarget, kNoTarget, 1, 30);
    startEffect("glow", 0, 0, kNoTarget, kNoTarget, 1, 40);
    startEffect("glow", 0, 0, kNoTarget, kNoTarget, 2, -1);
    EXPECT_EQ(particleAt(0).cell, 10); // 25 to 38 stand for the general sparkle
    EXPECT_EQ(particleAt(1).cell, 40);
    EXPECT_EQ(particleAt(2).cell, 5);
    EXPECT_EQ(particleAt(2).size0, 40); // the scale enlarges it
    EXPECT_EQ(liveOf(d), 3);

    // Additive and alpha-blended sprites go out in runs, in order, as camera-facing squares.
    define("soft", "parfrequency=1\r\npartime=1000\r\nblendtype=1\r\nradius0=20\r\nradius1=20\r\n" + still());
    clearEffects();
    startEffect("glow", 0, 0);
    startEffect("soft", 50, 0);
    startEffect("glow", 0, 50);
    updateEffects(0);
    DrawRecorder rec;
    drawEffectList();
    ASSERT_EQ(rec.batches.size(), 3u);
    EXPECT_EQ(rec.batches[0].vertexCount, 6);
    EXPECT_FLOAT_EQ(rec.batches[1].floatAt(0, 0), 40); // the top-left corner of the square at x 50
    EXPECT_FLOAT_EQ(rec.batches[1].floatAt(0, 4), 10);
    EXPECT_EQ(getRenderState(RS_DESTBLEND), kBlendInvSrcAlpha);
}
