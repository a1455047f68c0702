#include "app/board_description.h"
#include "app/launch_options.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "board/board_state.h"
#include "platform/files.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace aw;

namespace {

std::string describe() {
    static char text[kDescriptionSize];
    size_t n = composeDescription(text, sizeof text);
    return std::string(text, n);
}

} // namespace

// What the end-to-end journey clicks by: a wrong centre or a stale board makes it miss.
TEST(BoardDescription, SettledBoardCellsAtWindowPixelsAndNothingWrittenWithoutTheSwitch) {
    WindowConfig config;
    config.hidden = true;
    ASSERT_TRUE(openWindow(config)) << lastWindowError();
    shell = ShellState{};
    shell.startDirectory = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "/tmp";
    shell.currentScene = &gameScene;
    resetLevelState();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) board[r][c].fig.kind = (r + c) % 3;
    board[6][4].ground = 2;
    board[2][5].fig.bonus = kBomb;
    board[9][0].fig.bonus = kThunder;

    std::string d = describe();
    EXPECT_NE(d.find("scene game\n"), std::string::npos) << d;
    EXPECT_NE(d.find("settled 1\n"), std::string::npos);
    // The window is the 800 x 600 frame itself: cell (r, c) is at (157 + 54c, 32 + 54r).
    EXPECT_NE(d.find("cell 0 0 0 0 0 -1 157 32\n"), std::string::npos);
    EXPECT_NE(d.find("cell 6 4 1 2 0 -1 373 356\n"), std::string::npos);
    EXPECT_NE(d.find("cell 10 11 0 0 0 -1 751 572\n"), std::string::npos);
    // Which figures hold a bonus, one line each, after the cells the journey reads unchanged.
    EXPECT_NE(d.find("cell 2 5 1 0 0 -1 427 140\n"), std::string::npos);
    EXPECT_GT(d.find("bonus 2 5 1\n"), d.find("cell 10 11 "));
    EXPECT_NE(d.find("bonus 9 0 2\n"), std::string::npos);
    size_t bonusLines = 0;
    for (size_t at = d.find("\nbonus "); at != std::string::npos; at = d.find("\nbonus ", at + 1)) ++bonusLines;
    EXPECT_EQ(bonusLines, 2u);
    EXPECT_NE(d.find("hammer 0\n"), std::string::npos);
    gs.hammerReady = true;
    EXPECT_NE(describe().find("hammer 1\n"), std::string::npos);

    board[3][3].fig.offset = {0, 12}; // a figure still falling: no cells to click by
    d = describe();
    EXPECT_NE(d.find("settled 0\n"), std::string::npos);
    EXPECT_EQ(d.find("cell "), std::string::npos);
    EXPECT_EQ(d.find("bonus "), std::string::npos);

    const std::string path = "journey-description-test.txt";
    const std::string full = shell.startDirectory + "/" + path;
    std::remove(full.c_str());
    launchOptions = LaunchOptions{};
    describeBoardIfAsked();
    EXPECT_FALSE(fileExists(full)) << "a player's game writes nothing";
    launchOptions.describeBoardPath = path; // relative: the directory the game was started in
    describeBoardIfAsked();
    EXPECT_TRUE(fileExists(full));
    std::remove(full.c_str());
    describeBoardIfAsked();
    EXPECT_FALSE(fileExists(full)) << "an unchanged state is not written again";
    board[3][3].fig.offset = {0, 0};
    describeBoardIfAsked();
    EXPECT_TRUE(fileExists(full));
    std::remove(full.c_str());

    launchOptions = LaunchOptions{};
    resetLevelState();
    shell = ShellState{};
    closeWindow();
}
