// The window's close keeps the level in progress (SIGTERM arrives as a close).
#include "app/shell_state.h"
#include "app/window_proc.h"
#include "board/board.h"
#include "game/saved_games.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "resources/registry.h"
#include "resources/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace aw;

TEST(CloseSavesTheGame, OnlyALevelInProgressIsWritten) {
    awtest::ScratchDir dir;
    resetPersistence();
    resetResources();
    std::string data = dir.path() + "/Data", settingsDir = dir.path() + "/home/settings";
    awtest::writeBytes(data + "/levels/" + levelFileName(2),
                       "figures=5\r\nlevel=\r\n000000000000\r\n111111111111\r\n222222222222\r\n");
    setDataDirectory(data);
    setSettingsDirectory(settingsDir);
    setLevelDataDirectory(data);
    ASSERT_TRUE(addProfile("Bo"));
    playState = PlayState{};
    playState.mode = kTimeless;
    startLevel(2);

    shell.quitRequested = 0;
    windowProc({Msg::Close, 0, 0, 0});
    EXPECT_EQ(shell.quitRequested, 1);
    EXPECT_FALSE(std::filesystem::exists(settingsDir + "/Bo_ndl.sav")); // nothing played yet

    playState.gameInProgress = true; // what the first click does
    shell.quitRequested = 0;
    windowProc({Msg::Close, 0, 0, 0});
    EXPECT_EQ(shell.quitRequested, 1);
    EXPECT_EQ(std::filesystem::file_size(settingsDir + "/Bo_ndl.sav"), uintmax_t(kSavedGameFileSize));
    EXPECT_EQ(currentProfile()->savedGame[kTimeless], 1);

    shell.quitRequested = 0;
    playState = PlayState{};
    setLevelDataDirectory("");
    resetPersistence();
    resetResources();
}
