#include "board_fixture.h"

namespace aw::test {
namespace {

TEST(Geometry, CellCentresAndBack) {
    EXPECT_EQ(cellCentre(0, 0), (Vec2{-243, 268}));
    EXPECT_EQ(cellCentre(10, 11), (Vec2{351, -272}));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Vec2 p = cellCentre(r, c);
            EXPECT_EQ(cellAt(p), (CellPos{r, c}));
            EXPECT_EQ(cellAt(p + Vec2{26, -26}), (CellPos{r, c}));
            EXPECT_EQ(cellAt(p + Vec2{-27, 26}), (CellPos{r, c}));
        }
}

TEST(Geometry, PointsLeftOfOrAboveTheBoardGiveNegativeIndices) {
    EXPECT_EQ(cellAt({-271, 0}).column, -1);
    EXPECT_EQ(cellAt({-270, 0}).column, 0);
    EXPECT_EQ(cellAt({-270.9f, 0}).column, 0); // truncation runs towards zero
    EXPECT_EQ(cellAt({0, 295}).row, 0);
    EXPECT_EQ(cellAt({0, 296}).row, -1);
    EXPECT_EQ(cellAt({-400, 0}).column, -3);
}

TEST(Geometry, CellAndFigureTests) {
    resetLevelState();
    EXPECT_TRUE(isCell(0, 0));
    EXPECT_FALSE(isCell(-1, 0));
    EXPECT_FALSE(isCell(0, 12));
    EXPECT_FALSE(hasFigure(3, 3)); // reset leaves no figure
    board[3][3].fig.kind = 2;
    EXPECT_TRUE(hasFigure(3, 3));
    board[3][3].ground = -1;
    EXPECT_FALSE(hasFigure(3, 3));
    EXPECT_FALSE(isCell(3, 3));
}

TEST(Geometry, ResetLeavesPlainCellsAndStartValues) {
    board[2][2].ground = 2;
    board[2][2].lock = 1;
    gs.score = 99;
    playState.levelWon = playState.levelLost = true;
    blasts[5].type = 1;
    resetLevelState();
    for (auto& row : board)
        for (auto& cell : row) {
            EXPECT_EQ(cell.ground, 0);
            EXPECT_EQ(cell.lock, 0);
        }
    EXPECT_EQ(gs.score, 0);
    EXPECT_EQ(blasts[5].type, 0);
    EXPECT_FALSE(playState.levelWon);
    EXPECT_FALSE(playState.levelLost);
    EXPECT_EQ(gs.streakTrigger, 1);
    EXPECT_EQ(gs.lastClickedKind, -2);
    EXPECT_FLOAT_EQ(gs.hintDelay, 6000);
    EXPECT_FLOAT_EQ(gs.hammerCharge, 0.18f);
    EXPECT_FLOAT_EQ(gs.hammerFull, 0.88f);
    EXPECT_EQ(gs.displayTable[16], 16);
}

} // namespace
} // namespace aw::test
