#include "board_fixture.h"

namespace aw::test {
namespace {

class Moves : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        gs.cooldown = -1;
    }
    void pair(int r, int c, int kind) {
        at(r, c).fig.kind = kind;
        at(r, c + 1).fig.kind = kind;
        gs.groupSize = 0; // the board changed by hand: the hover must look again
    }
};

TEST_F(Moves, ClickOnASingleFigureIsNoMove) {
    clickAt(4, 4);
    EXPECT_EQ(gs.movesUsed, 0);
    EXPECT_FLOAT_EQ(gs.cooldown, -1);
    for (auto& row : board)
        for (auto& cell : row) EXPECT_EQ(cell.removal, 0);
    EXPECT_TRUE(playState.gameInProgress); // the player has acted, though
}

TEST_F(Moves, GroupClickMarksTheGroupAndCountsAMove) {
    pair(6, 2, 7);
    at(6, 3).lock = 1;
    clickAt(6, 2);
    EXPECT_EQ(gs.movesUsed, 1);
    EXPECT_FLOAT_EQ(gs.cooldown, 50);
    EXPECT_EQ(at(6, 2).removal, 1);
    EXPECT_EQ(at(6, 2).hit, 1);
    EXPECT_EQ(at(6, 3).removal, 0); // a locked figure only loses its lock
    EXPECT_EQ(at(6, 3).hit, 1);
    EXPECT_EQ(gs.lastClickedKind, 7);
    EXPECT_EQ(gs.groupSize, 0);
    runUntilRest();
    EXPECT_EQ(at(6, 3).lock, 0);
    EXPECT_EQ(at(6, 3).fig.kind, 7);
}

TEST_F(Moves, ClickWhileFiguresFallIsIgnored) {
    pair(6, 2, 7);
    at(10, 9).fig.kind = -1; // something still has to fall
    ASSERT_FALSE(isSettled());
    clickAt(6, 2);
    EXPECT_EQ(gs.movesUsed, 0);
    EXPECT_EQ(at(6, 2).removal, 0);
}

TEST_F(Moves, SecondClickWithinTheCooldownIsIgnored) {
    pair(6, 2, 7);
    pair(2, 8, 6);
    clickAt(6, 2);
    tick(16); // 34 ms of cooldown left, nothing has broken yet
    ASSERT_TRUE(isSettled());
    clickAt(2, 8);
    EXPECT_EQ(gs.movesUsed, 1);
    EXPECT_EQ(at(2, 8).removal, 0);
    EXPECT_EQ(gs.rapidClicks, 0);
}

TEST_F(Moves, HammerBreaksALockOrOneSquareLevel) {
    at(3, 3).lock = 1;
    at(3, 3).fig.kind = 9;
    gs.hammerArmed = true;
    clickAt(3, 3);
    EXPECT_EQ(gs.movesUsed, 0); // a hammer strike is no move
    EXPECT_FALSE(gs.hammerArmed);
    EXPECT_FALSE(gs.hammerReady);
    EXPECT_FLOAT_EQ(gs.hammerCharge, 0.18f);
    EXPECT_EQ(heard.count("UseHammer.ogg"), 1);
    breakStep();
    EXPECT_EQ(at(3, 3).lock, 0);
    EXPECT_EQ(at(3, 3).fig.kind, 9);

    at(8, 8).ground = 2;
    gs.hammerArmed = true;
    clickAt(8, 8);
    breakStep();
    EXPECT_EQ(at(8, 8).fig.kind, -1);
    EXPECT_EQ(at(8, 8).ground, 1);
}

TEST_F(Moves, RightClickDisarmsAndKeepsTheHammerReady) {
    gs.hammerArmed = true;
    onBoardRightDown();
    EXPECT_FALSE(gs.hammerArmed);
    EXPECT_TRUE(gs.hammerReady);
    onBoardRightUp();
    EXPECT_FALSE(gs.rightHeld);
}

TEST_F(Moves, RoutingOrderOfOutcomesAndTips) {
    static int resolved = 0, continued = 0;
    resolved = continued = 0;
    boardOutward.resolveLoss = [] { ++resolved; };
    boardOutward.continueAfterOutcome = [] { ++continued; };

    boardInput.tipShown = true;
    boardInput.tipHasButton = true;
    EXPECT_FALSE(routeClick()); // a bubble with a button swallows the click
    boardInput.tipHasButton = false;
    EXPECT_TRUE(routeClick()); // one without is closed and the click goes on
    EXPECT_FALSE(boardInput.tipShown);

    playState.levelLost = true;
    playState.levelWon = true;
    gs.outroTime = 500;
    EXPECT_FALSE(routeClick());
    EXPECT_EQ(continued, 0); // too early to continue, and won beats lost
    EXPECT_EQ(resolved, 0);
    gs.outroTime = 601;
    routeClick();
    EXPECT_EQ(continued, 1);
    playState.levelWon = false;
    routeClick();
    EXPECT_EQ(resolved, 1);

    playState.levelLost = false;
    gs.paused = true;
    EXPECT_FALSE(routeClick());
    EXPECT_FALSE(gs.paused);
    boardInput.mouse = {-280, 0}; // left of the board
    EXPECT_FALSE(routeClick());
}

TEST_F(Moves, KeysPauseAndUnpause) {
    onBoardKey(kKeySpace);
    EXPECT_TRUE(gs.paused);
    onBoardKey('A');
    EXPECT_FALSE(gs.paused);
    playState.levelLost = true;
    static int resolved = 0;
    resolved = 0;
    boardOutward.resolveLoss = [] { ++resolved; };
    onBoardKey(kKeySpace);
    EXPECT_FALSE(gs.paused);
    EXPECT_EQ(resolved, 1);
}

TEST_F(Moves, HintAfterSixQuietSeconds) {
    pair(6, 2, 7);
    boardInput.mouse = {-400, 0};
    for (int i = 0; i < 370; ++i) tick(16); // 5.92 s
    EXPECT_FALSE(gs.hintShown);
    for (int i = 0; i < 10; ++i) tick(16);
    EXPECT_TRUE(gs.hintShown);
    EXPECT_EQ(gs.hintGroup, 0);
    EXPECT_EQ(at(6, 2).groupId, 0);
    // Removing a figure hides it again.
    clickAt(6, 2);
    runUntilRest();
    EXPECT_FALSE(gs.hintShown);
}

TEST_F(Moves, BoardWithoutGroupsSaysSoAndIsRecoloured) {
    gs.figureCount = 1; // the re-colouring then makes one big group
    tick(16);
    EXPECT_EQ(heard.count("nomoves"), 1);
    EXPECT_TRUE(gs.refillActive);
    runUntilRest();
    EXPECT_EQ(heard.count("ReFillLevel.ogg"), kCells);
    EXPECT_TRUE(labelGroups());
    EXPECT_EQ(heard.count("nomoves"), 1);
}

TEST_F(Moves, BoardStillWithoutGroupsIsRecolouredAgain) {
    gs.figureCount = 4;
    // Holes on a checkerboard: no refill can ever make a group.
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if ((r + c) % 2) {
                at(r, c).ground = -1;
                at(r, c).fig.kind = -1;
            }
    at(0, 0).ground = 1;
    for (int i = 0; i < 200; ++i) {
        tick(16);
        if (gs.refillActive) refillStep(16);
    }
    EXPECT_GE(heard.count("nomoves"), 2);
    EXPECT_GE(heard.count("ReFillLevel.ogg"), 2 * kCells / 2);
}

TEST_F(Moves, TenRapidClicksAskForTheTrophy) {
    for (int i = 0; i < 10; ++i) {
        pair(10, 0, 5 + i % 2);
        clickAt(10, 0);
        runUntilRest();
        ASSERT_EQ(gs.movesUsed, i + 1);
        EXPECT_EQ(gs.rapidClicks, (i + 1) % 10) << gs.clickGap;
    }
    EXPECT_EQ(std::count(heard.trophyRequests.begin(), heard.trophyRequests.end(), 17), 1);
}

} // namespace
} // namespace aw::test
