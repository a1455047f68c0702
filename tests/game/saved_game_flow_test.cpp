// Saved games in the flow: "main" on the pause screen, the close, the resume
// question and declining it.
#include "flow_fixture.h"

#include <filesystem>

using namespace aw;
using namespace flowtest;

namespace {

std::vector<int> kinds() {
    std::vector<int> k;
    for (auto& row : board)
        for (auto& cell : row) k.push_back(cell.fig.kind);
    return k;
}

} // namespace

class SavedGameFlow : public FlowTest {
protected:
    void SetUp() override {
        FlowTest::SetUp();
        profile().tutorialPending[0] = 0;
        storeCurrentLevel(profile(), kAdventure, 2);
        setModeScore(profile(), kAdventure, 3000);
        choose("adventure");
        choose("start");
        ASSERT_EQ(world.scene, Scene::game);
    }
    // Two moves of the autoplayer, and the board at rest again.
    void playTwoMoves() {
        for (int moves = 0; moves < 2;) {
            int r = 0, c = 0;
            if (sim::acceptsClick() && sim::chooseClick(&r, &c)) moves += sim::clickCell(r, c, nullptr) > 0;
            frame(16);
        }
        for (int i = 0; i < 500 && !sim::atRest(); ++i) frame(16);
    }
    void backToTheMode() {
        world.scene = Scene::menu;
        openScreenByName("main");
        settle();
        choose("adventure");
    }
    std::string file() const { return settingsPath("ANNA_cls.sav"); }
};

TEST_F(SavedGameFlow, MainFromThePauseSavesAndYesBringsTheSameBoardBack) {
    playTwoMoves();
    std::vector<int> before = kinds();
    int moves = gs.movesUsed, score = gs.score;
    press(vk::Escape);
    settle();
    choose("main");
    EXPECT_STREQ(messageBoxKey(), "savemsg");
    EXPECT_TRUE(std::filesystem::exists(file()));
    choose("ok");
    EXPECT_EQ(world.scene, Scene::menu);
    EXPECT_EQ(current(), "main");

    choose("adventure");
    ASSERT_EQ(current(), "loadgamequest");
    choose("yes");
    EXPECT_EQ(world.scene, Scene::game);
    EXPECT_FALSE(playState.overlayShown) << "saved under the pause screen, resumed without it";
    EXPECT_TRUE(playState.gameInProgress);
    EXPECT_EQ(gs.movesUsed, moves);
    EXPECT_EQ(gs.score, score);
    EXPECT_EQ(kinds(), before);
    EXPECT_EQ(playState.scoreBase, 3000);
}

TEST_F(SavedGameFlow, AfterTheCloseNoStartsTheLevelAfreshWithTheProfilesScore) {
    playTwoMoves();
    for (int i = 0; i < 200; ++i) frame(16); // the shown score catches up
    int reached = 3000 + gs.displayedScore;
    ASSERT_TRUE(saveGame()); // what closing the window does
    backToTheMode();
    ASSERT_EQ(current(), "loadgamequest");
    choose("no");
    choose("start");
    EXPECT_EQ(gs.movesUsed, 0);
    EXPECT_FALSE(playState.gameInProgress);
    EXPECT_EQ(playState.scoreBase, reached);
    EXPECT_EQ(profile().savedGame[kAdventure], 0);
}

TEST_F(SavedGameFlow, NothingIsWrittenRightAfterAWinOrALoss) {
    playTwoMoves();
    runOutOfTime();
    openPauseScreen();
    settle();
    choose("main");
    EXPECT_EQ(current(), "main") << "no savemsg";
    EXPECT_FALSE(std::filesystem::exists(file()));

    choose("adventure");
    choose("start");
    playTwoMoves();
    for (auto& row : board)
        for (auto& cell : row) cell.ground = cell.ground > 0 ? 0 : cell.ground;
    for (int i = 0; i < 20 && !playState.levelWon; ++i) frame(16);
    ASSERT_TRUE(playState.levelWon);
    openPauseScreen();
    settle();
    choose("main");
    EXPECT_EQ(current(), "main");
    EXPECT_FALSE(std::filesystem::exists(file()));
}
