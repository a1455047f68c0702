// A whole course through the real flow, headless: the screens take the keys,
// the board rules decide every outcome, the autoplayer makes the moves.
#include "flow_fixture.h"

#include <cstring>

using namespace aw;
using namespace flowtest;

namespace {

// The first row of the mode's table as "hiscore.dat" holds it.
std::pair<std::string, int> firstRowOnDisk(int mode) {
    std::string bytes = fileText(settingsPath("hiscore.dat"));
    size_t at = size_t(mode) * kHighScoreRows * kHighScoreRowSize;
    if (bytes.size() != size_t(kHighScoreFileSize)) return {"", 0};
    std::string name(bytes.data() + at, strnlen(bytes.data() + at, kHighScoreNameSize));
    int32_t score = 0;
    for (int i = 3; i >= 0; --i) score = score * 256 + uint8_t(bytes[at + kHighScoreNameSize + i]);
    return {name, score};
}

} // namespace

class Course : public FlowTest {
protected:
    // Plays on without a move until the board's time limit has run out.
    void waitForTheCandle() {
        for (int i = 0; i < 20000 && !playState.levelLost; ++i) frame(100);
        ASSERT_TRUE(playState.levelLost);
    }
};

TEST_F(Course, NewProfileWinsLosesRestartsAndEntersTheHighScores) {
    removeProfile(0);
    openScreenByName("newprofile");
    settle();
    for (const char* c = "ZOE"; *c; ++c) press(*c);
    press(vk::Return);
    settle();
    ASSERT_EQ(current(), "main");
    ASSERT_STREQ(profile().name, "ZOE");

    // The first mode: the prolog, then level 0.
    choose("adventure");
    ASSERT_STREQ(messageBoxKey(), "prolog");
    choose("ok");
    ASSERT_EQ(world.scene, Scene::game);
    ASSERT_EQ(playState.levelIndex, 0);
    levelRecord(kAdventure, 0)->fewestMoves = 999;
    ASSERT_TRUE(playToWin());
    int firstScore = gs.score;
    EXPECT_EQ(currentLevelOf(profile(), kAdventure), 1);
    EXPECT_EQ(modeScoreOf(profile(), kAdventure), firstScore) << "saved with the bonus, though still counting up";
    EXPECT_FALSE(playState.overlayShown) << "the result waits for 7 s or the player";
    press(vk::Space);
    settle();
    ASSERT_EQ(current(), "levelcomplete");
    press(vk::Return);
    choose("oknextlevel");
    clickBoard();
    EXPECT_EQ(playState.scoreBase, firstScore);
    EXPECT_STREQ(levelRecord(kAdventure, 0)->movesHolder, "ZOE") << "the level joins its records";
    clickBoard();
    settle();
    ASSERT_EQ(current(), "adventure");
    EXPECT_EQ(mapSelectedLevel(), 1);
    EXPECT_EQ(mapState.moveFromLevel, 0) << "the map shows the new star";

    // The next level, lost to the candle: a life goes, the level comes again.
    choose("start");
    ASSERT_EQ(playState.levelIndex, 1);
    EXPECT_EQ(playState.scoreBase, firstScore);
    waitForTheCandle();
    sitOutLoss();
    EXPECT_EQ(world.messages.back(), "loselife");
    ASSERT_STREQ(messageBoxKey(), "lostlifetime");
    choose("ok");
    EXPECT_EQ(lives(), 2);

    // A restart from the pause screen costs the next one.
    press(vk::Escape);
    settle();
    choose("restart level");
    choose("yes");
    EXPECT_EQ(lives(), 1);
    waitForTheCandle();
    sitOutLoss();
    EXPECT_EQ(world.messages.back(), "lastlife");
    choose("ok");
    EXPECT_EQ(lives(), 0);

    // The last life lost: game over, and the score tops the table.
    waitForTheCandle();
    for (int i = 0; i < 30; ++i) frame(100);
    EXPECT_EQ(world.messages.back(), "gameover");
    press(vk::Return);
    EXPECT_FALSE(playFlow().lossResolved) << "a key before 4 s does nothing";
    for (int i = 0; i < 12; ++i) frame(100);
    press(vk::Return);
    settle();
    ASSERT_EQ(current(), "hiscore");
    EXPECT_EQ(highlightedRow(), 0);
    auto [name, score] = firstRowOnDisk(kAdventure);
    EXPECT_EQ(name, "ZOE");
    EXPECT_EQ(score, firstScore);
    EXPECT_EQ(lives(), 3);
    EXPECT_EQ(modeScoreOf(profile(), kAdventure), 0);
    choose("back");
    EXPECT_EQ(world.scene, Scene::menu);
    EXPECT_EQ(current(), "main");
}
