// The play flow: progress, high scores and records, choosing a mode,
// starting from the map, losing, the last level, and the pause items.
#include "flow_fixture.h"

#include "game/score_tables.h"

using namespace aw;
using namespace flowtest;

TEST(ModeProgress, CrossesEveryStageAndStartsOverAfterTheLastLevel) {
    Profile p{};
    for (int s = 0, first = 0; s < kStageCount; first += kStageSizes[s++]) {
        int last = first + kStageSizes[s] - 1;
        advanceProgress(p, kPuzzle, last);
        EXPECT_EQ(currentLevelOf(p, kPuzzle), last + 1 < kLevelCount ? last + 1 : 0) << "stage " << s;
        EXPECT_EQ(furthestLevelOf(p, kPuzzle), std::min(last + 1, kLevelCount - 1));
    }
    advanceProgress(p, kPuzzle, 3); // a replayed early level never lowers the furthest
    EXPECT_EQ(currentLevelOf(p, kPuzzle), 4);
    EXPECT_EQ(furthestLevelOf(p, kPuzzle), 128);
    p.currentStage[kTimeless] = 99; // a damaged profile still names levels that exist
    p.furthestStage[kTimeless] = 3;
    p.furthestLevel[kTimeless] = -40;
    EXPECT_EQ(currentLevelOf(p, kTimeless), 0);
    EXPECT_EQ(furthestLevelOf(p, kTimeless), firstLevelOfStage(3));
}

TEST(ScoreTables, AnEqualScoreGoesBelowAndOnlyAClearedLevelSetsMovesAndTime) {
    resetRecords();
    for (int r = 0; r < kHighScoreRows; ++r) highScoreRow(kTimeless, r)->score = (10 - r) * 100;
    EXPECT_EQ(insertHighScore(kTimeless, "EVE", 800), 3);
    EXPECT_EQ(highScoreRow(kTimeless, 2)->score, 800);
    EXPECT_EQ(highScoreRow(kTimeless, 9)->score, 200) << "the old last row dropped out";
    EXPECT_EQ(insertHighScore(kTimeless, "LOW", 200), -1);

    LevelRecord* rec = levelRecord(kPuzzle, 7);
    rec->fewestMoves = 40;
    updateLevelRecord(kPuzzle, 7, "LOST", {500, 2, 10, 0}, false);
    EXPECT_EQ(rec->fewestMoves, 40) << "a lost level sets no fewest moves";
    updateLevelRecord(kPuzzle, 7, "WIN", {500, 1, 40, 0}, true);
    EXPECT_STREQ(rec->scoreHolder, "WIN") << "an equal figure takes the record";
    EXPECT_STREQ(rec->comboHolder, "LOST");
    EXPECT_STREQ(rec->movesHolder, "WIN");
}

class ChoosingAMode : public FlowTest {};

TEST_F(ChoosingAMode, ANewProfileGetsThePrologAndItsFirstGameAtLevelZero) {
    choose("timeless");
    EXPECT_STREQ(messageBoxKey(), "prolog");
    choose("ok");
    EXPECT_EQ(world.scene, Scene::game);
    EXPECT_EQ(playState.levelIndex, 0);
    EXPECT_EQ(lives(), 3);
    EXPECT_GT(gs.breakables, 0) << "level 0 is on the board";
    // A mode already played is never started over by the prolog, whose byte
    // stays until the first tip shows.
    world.scene = Scene::menu;
    openScreenByName("main");
    settle();
    storeCurrentLevel(profile(), kPuzzle, 9);
    choose("puzzle");
    EXPECT_EQ(current(), "puzzle");
    EXPECT_EQ(mapSelectedLevel(), 9);
}

TEST_F(ChoosingAMode, ASavedGameAsksToResumeAndAnEarlierBoxCannotAnswerIt) {
    profile().tutorialPending[0] = 0;
    storeCurrentLevel(profile(), kPuzzle, 6);
    profile().savedGame[kPuzzle] = 1;
    choose("puzzle");
    EXPECT_EQ(current(), "loadgamequest");
    choose("no");
    EXPECT_EQ(current(), "puzzle");
    EXPECT_EQ(mapSelectedLevel(), 6);
    // A removal asked and declined before must not turn this "yes" into one.
    ASSERT_TRUE(addProfile("BOB"));
    selectProfile(0);
    openScreenByName("main");
    settle();
    messageBox("removeplayer", false);
    settle();
    choose("no");
    choose("puzzle");
    choose("yes");
    EXPECT_EQ(profileCount(), 2);
    EXPECT_EQ(world.scene, Scene::game);
    EXPECT_EQ(playState.levelIndex, 6);
    EXPECT_EQ(profile().savedGame[kPuzzle], 0) << "setting the level up clears the byte";
}

TEST_F(FlowTest, StartingFromTheMapCarriesTheScoreOrAsksBeforeDroppingIt) {
    profile().tutorialPending[0] = 0;
    storeCurrentLevel(profile(), kAdventure, 5);
    advanceProgress(profile(), kAdventure, 4);
    setModeScore(profile(), kAdventure, 7000);
    setLives(profile(), kAdventure, 1);
    choose("adventure");
    ASSERT_TRUE(selectMapLevel(2));
    choose("start");
    EXPECT_STREQ(messageBoxKey(), "zeroscore");
    choose("no");
    EXPECT_EQ(current(), "adventure");
    choose("start"); // the map placed the current level again
    EXPECT_EQ(playState.levelIndex, 5);
    EXPECT_EQ(playState.scoreBase, 7000);
    EXPECT_EQ(lives(), 1) << "a running game keeps its lives";

    returnToMap();
    settle();
    ASSERT_TRUE(selectMapLevel(2));
    choose("start");
    choose("yes");
    EXPECT_EQ(playState.levelIndex, 2);
    EXPECT_EQ(playState.scoreBase, 0);
    EXPECT_EQ(lives(), 3);
    EXPECT_EQ(furthestLevelOf(profile(), kAdventure), 5);
    // With no score left an earlier level starts at once, the map's marks reset.
    returnToMap();
    settle();
    ASSERT_TRUE(selectMapLevel(1));
    choose("start");
    EXPECT_EQ(playState.levelIndex, 1);
    EXPECT_FALSE(mapState.completed[0]);
}

TEST_F(FlowTest, TheLastLevelCanBeLostAgainAndAgainOthersOpenDefeat) {
    startAt(kPuzzle, 128);
    setLives(profile(), kPuzzle, 9);
    for (int round = 0; round < 3; ++round) {
        gs.movesUsed = gs.moveLimit;
        sitOutLoss();
        ASSERT_STREQ(messageBoxKey(), "lostlifemoves") << "round " << round;
        choose("ok");
    }
    EXPECT_EQ(lives(), 6);
    startAt(kPuzzle, 5);
    for (int round = 0; round < 2; ++round) {
        gs.movesUsed = gs.moveLimit;
        sitOutLoss();
        if (round == 0) choose("ok");
    }
    EXPECT_EQ(current(), "defeat");
    choose("skip level");
    choose("yes");
    EXPECT_EQ(currentLevelOf(profile(), kPuzzle), 6);
    EXPECT_EQ(furthestLevelOf(profile(), kPuzzle), 0) << "a skipped level is not completed";
    EXPECT_EQ(lives(), 1) << "one for the restart, one for the skip";
}

TEST_F(FlowTest, TimelessNeverLoses) {
    startAt(kTimeless, 0);
    for (int i = 0; i < 12000; ++i) frame(100); // twenty minutes
    EXPECT_FALSE(playState.levelLost);
    EXPECT_TRUE(world.messages.empty());
}

TEST_F(FlowTest, CompletingTheLastLevelFinishesTheModeAndEntersTheHighScore) {
    setModeScore(profile(), kTimeless, 8000);
    startAt(kTimeless, 128);
    for (auto& row : board)
        for (auto& cell : row) cell.ground = cell.ground > 0 ? 0 : cell.ground;
    for (int i = 0; i < 600 && !playState.overlayShown; ++i) frame(16); // the result opens at 7 s
    EXPECT_EQ(current(), "levelcomplete");
    press(vk::Return);
    choose("oknextlevel");
    int total = 8000 + gs.score;
    clickBoard();
    EXPECT_TRUE(playState.finished);
    EXPECT_EQ(currentLevelOf(profile(), kTimeless), 0);
    EXPECT_EQ(modeScoreOf(profile(), kTimeless), 0);
    EXPECT_EQ(lives(), 3);
    ASSERT_GE(highlightedRow(), 0);
    EXPECT_EQ(highScoreRow(kTimeless, highlightedRow())->score, total);
    clickBoard();
    settle();
    EXPECT_EQ(current(), "timeless");
    EXPECT_EQ(mapSelectedLevel(), 128) << "until the map's congratulation";
}

TEST_F(FlowTest, PauseItemsAskFirstCostALifeAndNeverSkipPastTheEnd) {
    startAt(kAdventure, 127);
    setLives(profile(), kAdventure, 1);
    auto pause = [this] {
        press(vk::Escape);
        settle();
        ASSERT_EQ(current(), "gameplay");
    };
    pause();
    choose("restart level");
    EXPECT_STREQ(messageBoxKey(), "restartquest");
    choose("no");
    EXPECT_EQ(current(), "gameplay");
    choose("skip level");
    choose("yes");
    EXPECT_EQ(playState.levelIndex, 128) << "yes to skipping skips";
    EXPECT_EQ(lives(), 0);
    pause();
    choose("skip level");
    EXPECT_EQ(current(), "gameplay") << "nothing lies beyond the last level";
    choose("resume game");
    EXPECT_FALSE(playState.overlayShown);
    pause();
    choose("restart level");
    EXPECT_STREQ(messageBoxKey(), "nomorelives");
    choose("yes");
    EXPECT_EQ(current(), "hiscore");
    EXPECT_EQ(lives(), 3);
}
