#include "board_fixture.h"

#include <cstring>
#include <vector>

namespace aw::test {
namespace {

class Falling : public BoardTest {};

TEST_F(Falling, EmptyCellUnderALockIsFilledOnlyDiagonally) {
    at(9, 5).lock = 1;
    at(10, 5).fig.kind = -1;
    ASSERT_FALSE(isSettled());
    int lockedKind = at(9, 5).fig.kind;
    int rightKind = at(9, 6).fig.kind;
    fallStep();
    EXPECT_EQ(at(9, 5).fig.kind, lockedKind); // the lock keeps its figure
    EXPECT_EQ(at(10, 5).fig.kind, rightKind); // taken from the upper right
    EXPECT_EQ(at(10, 5).fig.diagonal, 1);
    EXPECT_EQ(at(10, 5).fig.offset, cellCentre(9, 6) - cellCentre(10, 5));
}

TEST_F(Falling, UnreachableEmptyCellLeavesTheBoardSettled) {
    at(10, 5).fig.kind = -1;
    at(9, 5).lock = 1;
    at(9, 4).lock = 1;
    at(9, 6).ground = -1;
    at(9, 6).fig.kind = -1;
    EXPECT_TRUE(isSettled());
    fallStep();
    EXPECT_EQ(at(10, 5).fig.kind, -1);
    EXPECT_TRUE(isSettled());
}

TEST_F(Falling, NoSlideWhileAStraightFallIsPossible) {
    at(9, 5).lock = 1;
    at(10, 5).fig.kind = -1; // fillable only by a slide
    at(6, 0).fig.kind = -1;  // a straight fall elsewhere
    at(5, 0).fig.offset = {0, 20}; // still moving: the fall is possible but waits
    fallStep();
    EXPECT_EQ(at(10, 5).fig.kind, -1);
    EXPECT_TRUE(straightFallPossible());
}

TEST_F(Falling, AFigureThatHasJustFallenWithMoreGapBelowStillHoldsOffTheSlides) {
    at(9, 5).lock = 1;
    at(10, 5).fig.kind = -1; // fillable only by a slide
    at(10, 0).fig.kind = -1; // a gap two deep: the column steps into it twice
    at(9, 0).fig.kind = -1;
    const int rightOfGap = at(9, 1).fig.kind;
    fallStep();
    EXPECT_EQ(at(10, 5).fig.kind, -1);
    EXPECT_EQ(at(10, 0).fig.kind, -1); // not taken from (9, 1) by a slide
    EXPECT_EQ(at(9, 1).fig.kind, rightOfGap);
    EXPECT_TRUE(straightFallPossible());
}

TEST_F(Falling, OneSlidePerTickLowestRowFirstThenLeftToRight) {
    // Two slide targets in row 10 and one in row 8; all below locks.
    for (int c : {2, 8}) {
        at(9, c).lock = 1;
        at(10, c).fig.kind = -1;
    }
    at(7, 5).lock = 1;
    at(8, 5).fig.kind = -1;
    at(9, 5).lock = 1; // so (8,5) cannot pass its emptiness on straight down
    at(9, 4).lock = 1;
    at(9, 6).lock = 1;
    fallStep();
    EXPECT_NE(at(10, 2).fig.kind, -1);
    EXPECT_EQ(at(10, 8).fig.kind, -1);
    EXPECT_EQ(at(8, 5).fig.kind, -1);
    EXPECT_EQ(at(10, 2).fig.offset, cellCentre(9, 3) - cellCentre(10, 2));
}

TEST_F(Falling, SlideTakesUpperLeftWhenUpperRightCannotMove) {
    at(9, 5).lock = 1;
    at(9, 6).lock = 1;
    at(10, 5).fig.kind = -1;
    int leftKind = at(9, 4).fig.kind;
    fallStep();
    EXPECT_EQ(at(10, 5).fig.kind, leftKind);
    EXPECT_EQ(at(9, 4).fig.kind, -1);
}

TEST_F(Falling, FiguresFallOneRowPerTickAndEnterFromTheTop) {
    int kinds[kRows];
    for (int r = 0; r < kRows - 1; ++r) kinds[r] = at(r, 3).fig.kind;
    at(10, 3).fig.kind = -1;
    fallStep();
    // Rows are visited bottom-up, so the whole column steps down one row
    // in this tick and a new figure enters at the top.
    for (int r = 1; r < kRows; ++r) {
        EXPECT_EQ(at(r, 3).fig.kind, kinds[r - 1]) << r;
        EXPECT_EQ(at(r, 3).fig.offset, (Vec2{0, 54})) << r;
    }
    EXPECT_GE(at(0, 3).fig.kind, 0);
    EXPECT_EQ(at(0, 3).fig.offset, (Vec2{0, 54}));
    EXPECT_FALSE(isSettled());
    // A figure still moving does not move again.
    fallStep();
    EXPECT_EQ(at(10, 3).fig.kind, kinds[9]);
}

TEST_F(Falling, EveryFigureOfAFallingColumnLandsOnce) {
    at(10, 3).fig.kind = -1;
    for (int i = 0; i < 600 && !isSettled(); ++i) {
        fallStep();
        moveFigures(16);
    }
    ASSERT_TRUE(isSettled());
    EXPECT_EQ(heard.count("FigureFall.ogg"), 11);
    heard.sounds.clear();
    for (int i = 0; i < 10; ++i) {
        fallStep();
        moveFigures(16);
    }
    EXPECT_EQ(heard.count("FigureFall.ogg"), 0);
}

TEST_F(Falling, SingleFigureLandsWithOneSound) {
    at(10, 3).fig.kind = -1;
    at(8, 3).lock = 1;
    for (int c : {2, 4}) {
        at(8, c).ground = -1;
        at(8, c).fig.kind = -1;
    }
    int kind = at(9, 3).fig.kind;
    for (int i = 0; i < 600 && !isSettled(); ++i) {
        fallStep();
        moveFigures(16);
    }
    ASSERT_TRUE(isSettled());
    EXPECT_EQ(at(10, 3).fig.kind, kind);
    EXPECT_EQ(at(9, 3).fig.kind, -1); // under a lock between holes: unreachable
    EXPECT_EQ(heard.count("FigureFall.ogg"), 1);
}

TEST_F(Falling, SpawnedFigureKeepsPaceWithTheOneBelow) {
    at(1, 4).fig.fallSpeed = 0.5f;
    at(0, 4).fig.kind = -1;
    spawnFigure(0, 4);
    EXPECT_EQ(at(0, 4).fig.offset, (Vec2{0, 54}));
    EXPECT_FLOAT_EQ(at(0, 4).fig.fallSpeed, 0.5f);
    at(1, 6).fig.fallSpeed = 0.2f;
    at(1, 7).fig.fallSpeed = 0.9f;
    at(1, 7).fig.diagonal = 1;
    spawnFigure(0, 6);
    EXPECT_FLOAT_EQ(at(0, 6).fig.fallSpeed, 0.9f);
    spawnFigure(10, 6);
    EXPECT_FLOAT_EQ(at(10, 6).fig.fallSpeed, 0);
}

TEST_F(Falling, InitialFillRepeatsUntilTheBoardHasAGroup) {
    gs.figureCount = 8;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        seedRandom(seed);
        for (auto& row : board)
            for (auto& cell : row) cell = Cell{};
        initialFill();
        ASSERT_TRUE(labelGroups());
        for (auto& row : board)
            for (auto& cell : row) {
                EXPECT_GE(cell.fig.kind, 0);
                EXPECT_EQ(cell.fig.offset, (Vec2{0, 0}));
            }
    }
}

TEST_F(Falling, InitialFillRefillsWhenTheFirstFillHasNoGroup) {
    // Holes everywhere but a checkerboard of isolated cells: no fill can
    // ever make a group, so the attempt limit must end the filling.
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) board[r][c].ground = (r + c) % 2 ? -1 : 0;
    initialFill();
    EXPECT_FALSE(labelGroups());
    EXPECT_GT(initialFillAttempts(), 1);

    // Two cells under a hole in one column, one kind: the first fill groups.
    for (auto& row : board)
        for (auto& cell : row) { cell = Cell{}; cell.ground = -1; }
    board[5][5].ground = board[6][5].ground = 0;
    gs.figureCount = 1;
    initialFill();
    EXPECT_EQ(initialFillAttempts(), 1);
    EXPECT_TRUE(labelGroups());
}

TEST_F(Falling, InitialFillKeepsLetterFigures) {
    for (auto& row : board)
        for (auto& cell : row) cell = Cell{};
    at(4, 4).lock = 1;
    at(4, 4).fig.kind = 9;
    at(7, 7).fig.kind = 3;
    at(7, 7).fig.bonus = kBomb;
    initialFill();
    EXPECT_EQ(at(4, 4).fig.kind, 9);
    EXPECT_EQ(at(4, 4).fig.appear, 1);
}

TEST_F(Falling, RefillRecoloursFreeFiguresOnceInAWave) {
    gs.figureCount = 8;
    at(0, 0).lock = 1;
    startRefill();
    EXPECT_TRUE(gs.refillActive);
    EXPECT_EQ(at(0, 0).fig.refilling, 0);
    EXPECT_FALSE(isSettled());
    for (int i = 0; i < 100 && gs.refillActive; ++i) refillStep(16);
    EXPECT_FALSE(gs.refillActive);
    EXPECT_EQ(heard.count("ReFillLevel.ogg"), kCells - 1);
    EXPECT_EQ(heard.count("refill1"), kCells - 1);
    EXPECT_TRUE(isSettled());
    // Nothing re-colours under an open overlay.
    playState.overlayShown = true;
    startRefill();
    EXPECT_FALSE(gs.refillActive);
}

// The frame falls and moves in one pass and takes its answer for whether the
// board has settled instead of looking again. On boards with holes, locks
// and gaps, frame after frame, every figure must end where the separate
// steps leave it, and the answer must be the full check's.
TEST_F(Falling, TheFramesOnePassMovesAndAnswersAsTheSeparateStepsAndTheFullCheck) {
    gs.figureCount = 6;
    constexpr int kFrames = 200;
    auto figures = [] {
        std::vector<float> v;
        for (const auto& row : board)
            for (const auto& cell : row) {
                const Figure& f = cell.fig;
                v.insert(v.end(), {float(f.kind), f.offset.x, f.offset.y, f.fallSpeed, float(f.diagonal)});
            }
        return v;
    };
    int settledFrames = 0, movingFrames = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        seedRandom(seed);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                Cell& cell = at(r, c);
                cell = Cell{};
                const int roll = random(20);
                cell.ground = roll == 0 ? -1 : 0;
                cell.lock = roll == 1 || roll == 2;
                cell.fig.kind = cell.ground < 0 || roll == 3 || roll == 4 ? -1 : random(6);
            }
        static Cell start[kRows][kColumns];
        std::memcpy(start, board, sizeof board);
        std::vector<std::vector<float>> separate;
        seedRandom(1000 + seed); // the new figures
        for (int frame = 0; frame < kFrames; ++frame) {
            fallStep();
            moveFigures(16);
            separate.push_back(figures());
        }
        std::memcpy(board, start, sizeof board);
        seedRandom(1000 + seed);
        for (int frame = 0; frame < kFrames; ++frame) {
            RowMasks masks = readMasks();
            const bool settled = fallAndMove(masks, 16);
            ASSERT_EQ(figures(), separate[size_t(frame)]) << "seed " << seed << ", frame " << frame;
            ASSERT_EQ(settled, isSettled()) << "seed " << seed << ", frame " << frame;
            (settled ? settledFrames : movingFrames) += 1;
        }
    }
    EXPECT_GT(settledFrames, 0);
    EXPECT_GT(movingFrames, 0);
}

} // namespace
} // namespace aw::test
