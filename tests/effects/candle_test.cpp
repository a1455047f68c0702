// The candle and the level bonus counter: what they show for the time or the
// moves left, the warning's threshold and pulse, the unclamped length, the
// drops run by the board's limit, the sparks of a won level.
#include "effects_fixture.h"

#include "effects/candle.h"
#include "effects/gameplay_internal.h"
#include "render/draw_capture.h"

#include <cmath>
#include <string>

using namespace aw;
using namespace awtest;

namespace {

class Candle : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        plainFont();
        const std::string texts = "timelast=%i seconds left!\r\nmoveslast=Moves left: %i\r\n";
        parseTextBlock(texts.data(), int(texts.size()));
        connectBoardPresentation();
        boardOutward.loadBackground = nullptr;
        std::string level = "figures=4\r\nlevel=\r\n";
        for (int r = 0; r < kRows; ++r) level += "111111111111\r\n";
        startLevelFromText(level, 5);
        boardInput.mouse = {1000, 1000};
    }
    static void timeLeft(float ms) {
        playState.mode = kAdventure;
        gs.timeLimit = 100000;
        gs.timeUsed = gs.timeLimit - ms;
    }
    static void movesLeft(int moves) {
        playState.mode = kPuzzle;
        gs.moveLimit = 40;
        gs.movesUsed = 40 - moves;
        gs.candleMoves = float(gs.movesUsed);
    }
    // Quads of the stick's size (128 by 512) in one frame.
    static int sticksDrawn() {
        DrawRecorder rec;
        drawGameplayFrame(16, 0);
        int n = 0;
        for (const CapturedBatch& b : rec.batches)
            if (b.vertexCount == 4 && std::round(std::fabs(b.floatAt(0, 0) - b.floatAt(2, 0))) == 128 &&
                std::round(std::fabs(b.floatAt(0, 4) - b.floatAt(1, 4))) == 512)
                ++n;
        return n;
    }
};

} // namespace

TEST_F(Candle, TimelessHasNeitherCandleNorBonusCounter) {
    timeLeft(50000);
    EXPECT_EQ(sticksDrawn(), 1);
    playState.mode = kTimeless;
    EXPECT_EQ(sticksDrawn(), 0);
    EXPECT_FALSE(candleView(0, 0).shown);
    playState.levelWon = true;
    gs.levelBonus = 500;
    gs.outroTime = 2000;
    EXPECT_FALSE(levelBonusView().shown);
    playState.mode = kPuzzle;
    EXPECT_TRUE(levelBonusView().shown);
}

TEST_F(Candle, TheTimeWarningStartsBelowTwentySecondsWithTheWholeSeconds) {
    timeLeft(20000);
    CandleView v = candleView(0, 0);
    EXPECT_FALSE(v.warning);
    EXPECT_FALSE(v.darken);
    timeLeft(19999);
    v = candleView(0, 0);
    ASSERT_TRUE(v.warning);
    EXPECT_STREQ(v.text, "19 seconds left!");
    EXPECT_LE(v.textAt.x + 8 * v.textSize * 0.5f, 400); // the text stays inside the frame
    timeLeft(5000);
    EXPECT_TRUE(candleView(0, 0).darken);
    EXPECT_NEAR(candleView(0, 0).darkness, 0.625f, 0.001f);
    // An overrun frame never shows a negative count or a candle below its foot.
    gs.timeUsed = gs.timeLimit + 30;
    v = candleView(0, 0);
    EXPECT_STREQ(v.text, "0 seconds left!");
    EXPECT_FLOAT_EQ(v.candle.y0 - v.candle.y1, 32);
    // A lost level drops the frozen count, keeping the dark scene, under its loss message and box.
    playState.levelLost = true;
    v = candleView(0, 0);
    EXPECT_FALSE(v.warning);
    EXPECT_TRUE(v.darken);
    playState.levelLost = false;
    // A won level shows no warning; the rest burns down in 4 s.
    timeLeft(10000);
    playState.levelWon = true;
    gs.outroTime = 1000;
    v = candleView(0, 0);
    EXPECT_FALSE(v.warning);
    EXPECT_FLOAT_EQ(v.remaining, 7500);
    gs.outroTime = 4500;
    EXPECT_FLOAT_EQ(candleView(0, 0).remaining, 0);
}

TEST_F(Candle, ALimitBeyondAFullCandleMakesItLonger) {
    timeLeft(50000);
    gs.timeLimit = 700000; // 650 s left of a 600 s candle
    gs.timeUsed = 50000;
    CandleView v = candleView(0, 0);
    EXPECT_LT(v.burned, 0);
    EXPECT_NEAR(v.candle.y0 - v.candle.y1, 480 * (1 - v.burned) + 32, 0.01f);
    EXPECT_FLOAT_EQ(v.candle.y1, -280); // the foot stays in its holder
    EXPECT_GT(v.flame.y, 232);
}

TEST_F(Candle, ThePuzzleMovesTextIsAlwaysThereAndPulsesBelowFive) {
    movesLeft(12);
    CandleView v = candleView(0, 0);
    ASSERT_TRUE(v.warning);
    EXPECT_STREQ(v.text, "Moves left: 12");
    EXPECT_FLOAT_EQ(candleView(0, 157).textSize, 16);
    movesLeft(5);
    EXPECT_FLOAT_EQ(candleView(0, 157).textSize, 16);
    EXPECT_TRUE(candleView(0, 0).darken); // the last five moves darken the scene
    movesLeft(4);
    EXPECT_NEAR(candleView(0, 157.08f).textSize, 20, 0.01f);
    EXPECT_NEAR(candleView(0, 0).darkness, 0.9f, 0.001f);
    // The length follows the eased move count, the text the real one.
    gs.candleMoves = 30;
    v = candleView(0, 0);
    EXPECT_STREQ(v.text, "Moves left: 4");
    EXPECT_NEAR(v.burned, 1 - 10.0f / 300, 1e-5f);
}

TEST_F(Candle, DropsRunWithTheLimitAndAWonLevelSendsSparksToTheCounter) {
    timeLeft(90000);
    // Drops start within 15 s of the limit running, on the board's own tick.
    for (int i = 0; i < 1000 && activeCandleDrops() == 0; ++i) tick(16);
    EXPECT_GT(activeCandleDrops(), 0);

    // The bonus counts up from 500 ms, stands from 3500 ms, fades out until 5500 ms.
    playState.levelWon = true;
    gs.levelBonus = 3000;
    const float at[] = {2000, 4000, 5000};
    const int values[] = {1500, 3000, 3000};
    const float sizes[] = {30, 30, 15};
    for (int i = 0; i < 3; ++i) {
        gs.outroTime = at[i];
        EXPECT_EQ(levelBonusView().value, values[i]);
        EXPECT_NEAR(levelBonusView().size, sizes[i], 0.01f);
    }
    gs.outroTime = 5600;
    EXPECT_FALSE(levelBonusView().shown);

    // While the rest burns down, sparks fly; afterwards they all reach the counter.
    gs.outroTime = 500;
    for (int i = 0; i < 20; ++i) drawCandle(16, 0);
    EXPECT_GE(activeBonusSparks(), 5);
    gs.outroTime = 4000;
    for (int i = 0; i < 250 && activeBonusSparks() > 0; ++i) drawCandle(16, 0);
    EXPECT_EQ(activeBonusSparks(), 0);
}
