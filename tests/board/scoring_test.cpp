#include "board_fixture.h"

namespace aw::test {
namespace {

class Scoring : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        gs.cooldown = -1;
    }
};

TEST_F(Scoring, LevelStartCountsWhatIsLeftToBreak) {
    playState.mode = kTimeless;
    startLevelFromText("figures=4\r\nlevel=\r\n0A0B00001000\r\n", 4);
    EXPECT_EQ(gs.breakables, 2 + 2 + 2 + 1); // letters stand on dual squares
    EXPECT_EQ(gs.figureCount, 4);
    EXPECT_EQ(board[0][1].fig.kind, 0);
    EXPECT_EQ(board[0][3].fig.kind, 1);
    EXPECT_EQ(board[0][3].lock, 1);
    EXPECT_EQ(gs.moveLimit, 150);
    EXPECT_TRUE(labelGroups());
}

TEST_F(Scoring, LocksAloneDoNotHoldALevelOpen) {
    playState.mode = kTimeless;
    at(0, 11).ground = 0;
    at(3, 3).lock = 1;
    at(7, 7).lock = 1;
    tick(16);
    EXPECT_TRUE(playState.levelWon);
    EXPECT_TRUE(gs.levelEnded);
    EXPECT_EQ(heard.completed, 1);
    EXPECT_EQ(gs.levelBonus, 0);
}

TEST_F(Scoring, LevelBonusByMode) {
    at(0, 11).ground = 0; // nothing left to break
    playState.mode = kAdventure;
    gs.timeLimit = 100000;
    gs.timeUsed = 100000 - 12900;
    clearCheck();
    EXPECT_EQ(gs.levelBonus, 600);
    EXPECT_EQ(gs.score, 600);
    EXPECT_TRUE(playState.levelWon);

    resetLevelState();
    playState.mode = kPuzzle;
    gs.moveLimit = 20;
    gs.movesUsed = 13;
    clearCheck();
    EXPECT_EQ(gs.levelBonus, 700);

    resetLevelState();
    playState.mode = kTimeless;
    gs.moveLimit = 20;
    clearCheck();
    EXPECT_EQ(gs.levelBonus, 0);

    resetLevelState();
    playState.mode = kAdventure;
    gs.timeLimit = 1000;
    gs.timeUsed = 1016; // the last frame ran past the limit
    clearCheck();
    EXPECT_EQ(gs.levelBonus, 0);
}

TEST_F(Scoring, ClearCheckRunsOnce) {
    at(0, 11).ground = 0;
    gs.moveLimit = 10;
    clearCheck();
    clearCheck();
    EXPECT_EQ(gs.score, 1000);
    EXPECT_EQ(heard.completed, 1);
}

TEST_F(Scoring, OneLifeForCrossingTwoMarksInOneStep) {
    playState.mode = kPuzzle;
    playState.scoreBase = 240000;
    gs.score = 400000;
    countUpScore(100); // a long frame: the whole difference at once
    EXPECT_EQ(gs.displayedScore, 400000);
    EXPECT_EQ(heard.lives, 4);
    EXPECT_EQ(heard.count("GetLife.ogg"), 1);
    EXPECT_EQ(heard.count("getlife"), 1);
    countUpScore(16);
    EXPECT_EQ(heard.lives, 4);
}

TEST_F(Scoring, ScoreCountsUpAndTimelessEarnsNoLives) {
    playState.mode = kTimeless;
    playState.scoreBase = 249000;
    gs.score = 5000;
    countUpScore(16); // 5000 * 0.16 = 800
    EXPECT_EQ(gs.displayedScore, 800);
    EXPECT_EQ(heard.count("score"), 1);
    for (int i = 0; i < 200; ++i) countUpScore(16);
    EXPECT_EQ(gs.displayedScore, 5000);
    EXPECT_EQ(heard.lives, 3);
}

TEST_F(Scoring, ShortChainsAreCarriedIntoTheNextAnnouncement) {
    gs.chainCount = 2;
    announceChains();
    EXPECT_EQ(gs.chainCount, 2);
    EXPECT_TRUE(heard.messages.empty());
    gs.chainCount += 1;
    announceChains();
    EXPECT_EQ(gs.chainCount, 0);
    EXPECT_EQ(gs.score, 750);
    EXPECT_EQ(heard.messages, (std::vector<std::string>{"coolcombo", "youwon"}));
    EXPECT_EQ(heard.count("BonusPrize.ogg"), 1);
    EXPECT_TRUE(heard.trophyRequests.empty());
}

TEST_F(Scoring, ChainKeysAndTrophies) {
    EXPECT_EQ(chainTextKey(2), nullptr);
    EXPECT_STREQ(chainTextKey(5), "supercombo");
    EXPECT_STREQ(chainTextKey(8), "megacombo");
    EXPECT_STREQ(chainTextKey(10), "ultracombo");
    EXPECT_STREQ(chainTextKey(11), "impossible");
    heard.grantTrophies = false;
    gs.chainCount = 12;
    announceChains();
    EXPECT_EQ(heard.trophyRequests, (std::vector<int>{3, 9, 1}));
    EXPECT_EQ(gs.score, 3000);
    // Not while the board is still moving.
    gs.chainCount = 4;
    at(10, 0).fig.kind = -1;
    announceChains();
    EXPECT_EQ(gs.chainCount, 4);
}

TEST_F(Scoring, LastMoveThatBreaksTheLastSquareWins) {
    at(0, 11).ground = 0;
    at(10, 0).ground = 1;
    at(10, 0).fig.kind = 6;
    at(10, 1).fig.kind = 6;
    gs.moveLimit = 1;
    clickAt(10, 0);
    tick(16);
    EXPECT_TRUE(playState.levelLost); // the moves ran out with this click
    runUntilRest();
    EXPECT_TRUE(playState.levelWon);
    EXPECT_EQ(gs.levelBonus, 0);
}

TEST_F(Scoring, PuzzleIsLostWhenTheMovesRunOut) {
    gs.moveLimit = 1;
    at(10, 0).fig.kind = 6;
    at(10, 1).fig.kind = 6;
    clickAt(10, 0);
    runUntilRest();
    EXPECT_TRUE(playState.levelLost);
    EXPECT_FALSE(playState.levelWon);
}

TEST_F(Scoring, AdventureTimeRunsOutWithWarningsAndOneDefeat) {
    playState.mode = kAdventure;
    gs.timeLimit = 25000;
    int frames = 0;
    while (!playState.levelLost && frames++ < 3000) tick(16);
    ASSERT_TRUE(playState.levelLost);
    EXPECT_NEAR(gs.limitClock, 25000, 17);
    EXPECT_EQ(heard.count("DefeatLevel.ogg"), 1);
    // Ticks from 600 ms apart down to 300 ms over the last 20 s.
    int ticks = heard.count("TimeOut.ogg");
    EXPECT_GT(ticks, 20000 / 600);
    EXPECT_LT(ticks, 20000 / 300 + 1);
    float lastVolume = 0;
    for (auto& s : heard.sounds)
        if (s.name == "TimeOut.ogg") {
            EXPECT_GE(s.volume, lastVolume);
            lastVolume = s.volume;
        }
    for (int i = 0; i < 100; ++i) tick(16);
    EXPECT_EQ(heard.count("DefeatLevel.ogg"), 1);
}

TEST_F(Scoring, CompletionDisplayOpensTheResultScreenOnce) {
    at(0, 11).ground = 0;
    gs.moveLimit = 5;
    tick(16);
    ASSERT_TRUE(playState.levelWon);
    for (int i = 0; i < 40; ++i) tick(16);
    EXPECT_EQ(heard.count("levelcomplete"), 1);
    EXPECT_EQ(heard.count("bonusmoves"), 1);
    for (int i = 0; i < 500; ++i) tick(16);
    EXPECT_EQ(heard.results, 1);
    EXPECT_GT(heard.count("levelover0"), kCells);
}

TEST_F(Scoring, TrophyNoticePausesAndHandsOver) {
    static bool pending = true;
    static int notices = 0;
    pending = true;
    notices = 0;
    at(10, 0).fig.kind = 6; // a group, so the board stays settled
    at(10, 1).fig.kind = 6;
    boardOutward.trophyPending = [] { return pending; };
    boardOutward.showTrophyNotice = [] {
        ++notices;
        pending = false;
        finishTrophyNotice();
    };
    for (int i = 0; i < 40; ++i) tick(16); // 640 ms
    EXPECT_TRUE(gs.paused);
    for (int i = 0; i < 60; ++i) tick(16);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(heard.count("GetTrophy.ogg"), 1);
    EXPECT_FALSE(gs.paused);
}

TEST_F(Scoring, ComboStreakAsksForTrophies) {
    heard.grantTrophies = false;
    gs.lastClickedKind = 6;
    gs.sameKindStreak = 10;
    at(10, 0).fig.kind = 6;
    at(10, 1).fig.kind = 6;
    clickAt(10, 0);
    EXPECT_EQ(gs.sameKindStreak, 11);
    EXPECT_EQ(gs.bestStreak, 11);
    EXPECT_EQ(heard.trophyRequests, (std::vector<int>{12, 10}));
}

} // namespace
} // namespace aw::test
