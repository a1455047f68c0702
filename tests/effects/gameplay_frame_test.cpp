#include "effects_fixture.h"

#include "effects/gameplay_internal.h"
#include "render/draw_capture.h"

#include <cmath>
#include <string>
#include <vector>

using namespace aw;
using namespace awtest;

namespace {

class GameplayFrame : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        for (SpriteSheet& s : gameplayTextures.figures) s.cellWidth = s.cellHeight = 48;
        connectBoardPresentation();
        boardOutward.loadBackground = nullptr; // no paintings in the test's data
        std::string level = "figures=3\r\nlevel=\r\n";
        for (int r = 0; r < kRows; ++r) level += "000000000000\r\n";
        startLevelFromText(level, 0);
        boardInput.mouse = {1000, 1000}; // off the board
    }
    static void frames(float ms) {
        for (float t = 0; t < ms; t += 16) drawGameplayFrame(16, t);
    }
};

// The side lengths of the four-vertex quads of one frame.
std::vector<float> quadWidths() {
    DrawRecorder rec;
    drawGameplayFrame(16, 0);
    std::vector<float> widths;
    for (const CapturedBatch& b : rec.batches)
        if (b.vertexCount == 4 && b.type == PT_TRIANGLESTRIP)
            widths.push_back(std::round(std::fabs(b.floatAt(0, 0) - b.floatAt(2, 0))));
    return widths;
}

int countOf(const std::vector<float>& v, float w) {
    int n = 0;
    for (float x : v) n += x == w;
    return n;
}

} // namespace

TEST_F(GameplayFrame, EveryCellShowsItsTileAndFigureAndOnlyTheGroupUnderThePointerIsLit) {
    std::vector<float> widths = quadWidths();
    EXPECT_EQ(countOf(widths, 56), kCells); // tiles
    EXPECT_EQ(countOf(widths, 48), kCells); // figures

    // Point at a figure with a neighbour of its kind: its group animates.
    CellPos a{-1, -1}, b{-1, -1};
    for (int r = 0; r < kRows && b.row < 0; ++r)
        for (int c = 0; c + 1 < kColumns; ++c)
            if (board[r][c].fig.kind == board[r][c + 1].fig.kind) {
                if (a.row < 0) a = {r, c};
                else if (board[r][c].fig.kind != board[a.row][a.column].fig.kind) { b = {r, c}; break; }
            }
    ASSERT_GE(b.row, 0);
    boardInput.mouse = cellCentre(a.row, a.column);
    tick(16);
    gs.idleTime = 500;
    frames(16);
    EXPECT_TRUE(board[a.row][a.column + 1].fig.hovered);
    EXPECT_EQ(gs.idleTime, 0); // no move hint while a group is looked at
    int lit = 0;
    for (auto& row : board)
        for (auto& cell : row) lit += cell.fig.hovered;
    EXPECT_EQ(lit, gs.groupSize);

    // On to another group: the first one stops at once.
    boardInput.mouse = cellCentre(b.row, b.column);
    tick(16);
    frames(16);
    EXPECT_FALSE(board[a.row][a.column].fig.hovered);
    EXPECT_TRUE(board[b.row][b.column].fig.hovered);
}

TEST_F(GameplayFrame, AfterALossTheRowsFallOneAfterAnother) {
    int waves = 0;
    static int* counter = &waves;
    boardOutward.playSound = [](const char* name, int) {
        if (std::string(name) == "DefeatLevelEffect.ogg") ++*counter;
    };
    playState.levelLost = true;
    frames(1000);
    EXPECT_FALSE(board[2][5].fig.appear);
    EXPECT_TRUE(board[3][5].fig.appear);
    EXPECT_EQ(waves, 3);
    frames(4500);
    int falling = 0;
    for (const Debris& d : debris) falling += d.kind > 0 && d.type == 2;
    EXPECT_EQ(falling, kCells);
    EXPECT_EQ(waves, kRows);
    int shown = 0;
    for (auto& row : board)
        for (auto& cell : row) shown += cell.fig.appear;
    EXPECT_EQ(shown, 0); // the figures fall as debris, none stays in its cell

    // One long frame (a stalled machine) that runs past the wave's end still drops every row.
    SetUp();
    boardOutward.playSound = [](const char* name, int) {
        if (std::string(name) == "DefeatLevelEffect.ogg") ++*counter;
    };
    drawGameplayFrame(16, 0); // the wave of the last level is over
    waves = 0;
    playState.levelLost = true;
    drawGameplayFrame(16, 16);
    drawGameplayFrame(6000, 32);
    EXPECT_EQ(waves, kRows);
    shown = 0;
    for (auto& row : board)
        for (auto& cell : row) shown += cell.fig.appear;
    EXPECT_EQ(shown, 0);
}

TEST_F(GameplayFrame, BrokenSquaresFlyApartAndScoreNumbersRise) {
    for (auto& row : board)
        for (auto& cell : row) cell.fig.kind = -1; // an empty board keeps the count clear
    startSquareBreak(0, 0, 2);
    EXPECT_EQ(countOf(quadWidths(), 28), 4);
    frames(300);
    const Shard& s = presentation.shards[0];
    Vec2 firstQuarter = s.centre + Vec2{-14, 14} + s.velocity * (s.age / 10) - Vec2{0, s.age * s.age / 5000};
    EXPECT_LT(firstQuarter.x, -14 - 5); // the top-left quarter flies left ...
    EXPECT_LT(firstQuarter.y, 14);      // ... and drops
    frames(420);
    EXPECT_EQ(countOf(quadWidths(), 28), 0);

    spawnScorePopup(10, 20, 50);
    frames(16);
    EXPECT_NEAR(floatingPoints[gs.floatingRing - 1].position.y, 20 + 0.48f, 1e-4);
    EXPECT_NEAR(floatingPoints[gs.floatingRing - 1].opacity, 255 - 0.09f * 16, 1e-3);
}

TEST_F(GameplayFrame, TheLandscapeTintFollowsTheLevelAndThePause) {
    gameplayTick(16);
    EXPECT_FLOAT_EQ(presentation.tintTarget[2], 1.0f);
    EXPECT_FLOAT_EQ(presentation.tintTarget[0], 0.8f);
    playState.levelIndex = 1;
    gameplayTick(16);
    EXPECT_FLOAT_EQ(presentation.tintTarget[0], 1.0f);
    EXPECT_FLOAT_EQ(presentation.tintTarget[2], 0.8f);
    frames(4000);
    EXPECT_NEAR(boardColor().b(), 204, 2);
    gs.paused = true;
    gameplayTick(16);
    EXPECT_FLOAT_EQ(presentation.tintTarget[2], 1.0f);
}
