#include "board_fixture.h"

#include "platform/message_box.h"
#include "platform/paths.h"
#include "resources/registry.h"

#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <fstream>

namespace aw::test {
namespace {

// Joins lines with the CR LF line ends of the data files.
std::string crlf(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

TEST(LevelText, MissingOrZeroFigureCountMeansEight) {
    EXPECT_EQ(parseLevel(crlf({"moves=40", "level="})).figureCount, 8);
    EXPECT_EQ(parseLevel(crlf({"figures=0", "level="})).figureCount, 8);
    EXPECT_EQ(parseLevel(crlf({"figures=5", "level="})).figureCount, 5);
    // Beyond the 17 kinds the display table has.
    EXPECT_EQ(parseLevel(crlf({"figures=40", "level="})).figureCount, 17);
    EXPECT_EQ(parseLevel(crlf({"figures=-3", "level="})).figureCount, 8);
}

TEST(LevelText, MissingLimitsTakeTheirDefaults) {
    LevelLayout l = parseLevel("level=");
    EXPECT_FLOAT_EQ(l.timeSeconds, 10);
    EXPECT_EQ(l.moves, 50);
    l = parseLevel(crlf({"time=61.5", "moves=33", "level="}));
    EXPECT_FLOAT_EQ(l.timeSeconds, 61.5f);
    EXPECT_EQ(l.moves, 33);
}

TEST(LevelText, LookSwapsTwoDisplaySlots) {
    LevelLayout l = parseLevel(crlf({"figures=5", "figure0=rings2", "level="}));
    EXPECT_EQ(l.displayTable[0], 4);
    EXPECT_EQ(l.displayTable[4], 0);
    for (int k : {1, 2, 3, 5, 16}) EXPECT_EQ(l.displayTable[k], k);
}

TEST(LevelText, LookNamesMatchWholeValues) {
    EXPECT_EQ(lookSlot("perl"), 2);
    EXPECT_EQ(lookSlot("perls"), 3);
    EXPECT_EQ(lookSlot("diamond"), 16);
    EXPECT_EQ(lookSlot("per"), -1);
    EXPECT_EQ(lookSlot("perlsx"), -1);
    // An unknown name changes nothing; a kind beyond the count is not read.
    LevelLayout l = parseLevel(crlf({"figures=3", "figure1=ruby", "figure5=crown", "level="}));
    for (int k = 0; k < kKinds; ++k) EXPECT_EQ(l.displayTable[k], k);
    // Bare LF line ends still give the name alone.
    l = parseLevel("figures=3\nfigure1=perls\nlevel=\n");
    EXPECT_EQ(l.displayTable[1], 3);
    EXPECT_EQ(l.displayTable[3], 1);
}

TEST(LevelText, LaterLooksApplyOnTopOfEarlierOnes) {
    LevelLayout l = parseLevel(crlf({"figures=8", "figure0=rings2", "figure1=coins", "level="}));
    EXPECT_EQ(l.displayTable[1], 0);
    EXPECT_EQ(l.displayTable[0], 1);
    EXPECT_EQ(l.displayTable[4], 0);
}

TEST(LevelText, LetterCellsAreLockedFiguresOnDualSquares) {
    LevelLayout l = parseLevel(crlf({"level=", "ab.012AOQ_qz"}));
    for (int c : {0, 1}) {
        EXPECT_EQ(l.cells[0][c].ground, 2);
        EXPECT_EQ(l.cells[0][c].lock, 1);
        EXPECT_EQ(l.cells[0][c].bonus, kThunder);
        EXPECT_EQ(l.cells[0][c].kind, c);
    }
    EXPECT_EQ(l.cells[0][2].ground, -1);
    EXPECT_EQ(l.cells[0][3].ground, 0);
    EXPECT_EQ(l.cells[0][4].ground, 1);
    EXPECT_EQ(l.cells[0][5].ground, 2);
    EXPECT_EQ(l.cells[0][5].lock, 0);
    EXPECT_EQ(l.cells[0][6].kind, 0);
    EXPECT_EQ(l.cells[0][6].bonus, kNoBonus);
    EXPECT_EQ(l.cells[0][7].kind, 14);
    EXPECT_EQ(l.cells[0][8].bonus, kBomb);
    EXPECT_EQ(l.cells[0][9].kind, 14);
    EXPECT_EQ(l.cells[0][10].bonus, kCrossBomb);
    EXPECT_EQ(l.cells[0][11].kind, 9);
}

TEST(LevelText, HighBytesAndUnusedCodes) {
    std::string row = "\xC0\xCE\xD0\xDE\xCF\xDFP9p`@0";
    LevelLayout l = parseLevel("level=\r\n" + row);
    EXPECT_EQ(l.cells[0][0].bonus, kDiagonalBomb);
    EXPECT_EQ(l.cells[0][1].kind, 14);
    EXPECT_EQ(l.cells[0][2].bonus, kSuperBomb);
    EXPECT_EQ(l.cells[0][3].kind, 14);
    for (int c = 4; c < 12; ++c) {
        EXPECT_EQ(l.cells[0][c].ground, 0) << c;
        EXPECT_EQ(l.cells[0][c].lock, 0) << c;
        EXPECT_EQ(l.cells[0][c].kind, -1) << c;
    }
    // Separators ("{".."~", 0x80..0xBF, spaces) are skipped.
    l = parseLevel("level=\r\n1{|}~\x80\xBF 2");
    EXPECT_EQ(l.cells[0][0].ground, 1);
    EXPECT_EQ(l.cells[0][1].ground, 2);
}

TEST(LevelText, EmptyLineEndsTheGrid) {
    std::string text = "level=\r\n";
    for (int r = 0; r < 6; ++r) text += "111111111111\r\n";
    text += "\r\n222222222222\r\n";
    LevelLayout l = parseLevel(text);
    for (int c = 0; c < kColumns; ++c) {
        EXPECT_EQ(l.cells[5][c].ground, 1);
        for (int r = 6; r < kRows; ++r) EXPECT_EQ(l.cells[r][c].ground, 0);
    }
}

TEST(LevelText, MissingGridOrEarlyEndIsAllPlain) {
    LevelLayout l = parseLevel("figures=4\r\nmoves=3");
    for (auto& row : l.cells)
        for (auto& cell : row) EXPECT_EQ(cell.ground, 0);
    l = parseLevel("level=11");
    EXPECT_EQ(l.cells[0][1].ground, 1);
    EXPECT_EQ(l.cells[0][2].ground, 0);
}

class LevelApply : public BoardTest {};

TEST_F(LevelApply, ZeroBackgroundIsDrawnAtRandom) {
    bool seen[16] = {};
    for (int i = 0; i < 400; ++i) {
        readLevelText("back=0\r\nlevel=", 7);
        int b = levelBackground(7);
        ASSERT_GE(b, 0);
        ASSERT_LE(b, 15);
        seen[b] = true;
    }
    int distinct = 0;
    for (bool s : seen) distinct += s;
    EXPECT_GE(distinct, 12);
    readLevelText("back=9\r\nlevel=", 7);
    EXPECT_EQ(levelBackground(7), 9);
}

TEST_F(LevelApply, ReadingResetsTheDisplayTableFirst) {
    readLevelText("figures=5\r\nfigure0=rings2\r\nlevel=", 3);
    readLevelText("figures=5\r\nfigure1=coins\r\nlevel=", 3);
    EXPECT_EQ(gs.displayTable[0], 1);
    EXPECT_EQ(gs.displayTable[1], 0);
    EXPECT_EQ(gs.displayTable[4], 4);
}

TEST_F(LevelApply, AdventureTimeLimitFollowsTheLevelNumber) {
    playState.mode = kAdventure;
    playState.levelIndex = 5;
    readLevelText("time=60\r\nlevel=", 5);
    applyLevelLimits();
    EXPECT_NEAR(gs.timeLimit / 1000.0f, 190.8f, 0.2f);
    playState.levelIndex = 0;
    applyLevelLimits();
    EXPECT_FLOAT_EQ(gs.timeLimit, 300000);
    playState.levelIndex = 1;
    applyLevelLimits();
    EXPECT_FLOAT_EQ(gs.timeLimit, 150000);
    EXPECT_EQ(gs.moveLimit, 150);
}

TEST_F(LevelApply, PuzzleMoveLimitAndOtherModesTime) {
    resetLevelState();
    readLevelText("moves=40\r\nlevel=\r\n1122A.", 1);
    playState.mode = kPuzzle;
    playState.levelIndex = 1;
    applyLevelLimits();
    EXPECT_EQ(gs.moveLimit, 80);
    EXPECT_EQ(gs.breakables, 1 + 1 + 2 + 2 + 2 + 1); // squares plus the lock
    EXPECT_EQ(gs.breakablesAtStart, gs.breakables);
    EXPECT_FLOAT_EQ(gs.timeLimit, gs.breakables * 7000.0f);
    playState.levelIndex = 9; // n = 10: 40 * (1 + 29 / 38.25)
    applyLevelLimits();
    EXPECT_EQ(gs.moveLimit, 70);
    EXPECT_FLOAT_EQ(board[0][0].outroDelay, 5000);
    EXPECT_FLOAT_EQ(board[0][1].outroDelay, 4950);
    EXPECT_FLOAT_EQ(board[0][2].outroDelay, 5600);

    // Absurd limits are pinned, so the scaled limits fit an int and a saved game.
    resetLevelState();
    readLevelText("moves=111111111111\r\ntime=1e30\r\nlevel=\r\n1", 3);
    playState.levelIndex = 3;
    applyLevelLimits();
    EXPECT_GT(gs.moveLimit, kLevelMovesLimit);
    EXPECT_LT(gs.moveLimit, 4 * kLevelMovesLimit);
    playState.mode = kAdventure;
    applyLevelLimits();
    EXPECT_GT(gs.timeLimit, kLevelTimeLimit * 1000);
    EXPECT_LT(gs.timeLimit, 1.0e9f);
}

TEST_F(LevelApply, ReadLevelGoesThroughTheLevelsDirectoryAndBack) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("aw_levels_" + std::to_string(::getpid()));
    fs::create_directories(dir / "levels");
    std::ofstream(dir / "levels" / "pack1_04.lvl", std::ios::binary) << "figures=6\r\nback=11\r\nlevel=\r\n.2";
    std::string before = currentDirectory();
    setLevelDataDirectory(dir.string());
    EXPECT_TRUE(readLevel(3));
    EXPECT_EQ(gs.figureCount, 6);
    EXPECT_EQ(board[0][0].ground, -1);
    EXPECT_EQ(board[0][1].ground, 2);
    EXPECT_EQ(levelBackground(3), 11);
    EXPECT_TRUE(fs::equivalent(currentDirectory(), dir));
    setCurrentDirectory(before);
    setLevelDataDirectory("");
    EXPECT_EQ(levelFileName(99), "pack1_100.lvl");
    EXPECT_FALSE(readLevelFile((dir / "missing.lvl").string(), 0));
    fs::remove_all(dir);
}

struct FatalExit {
    int code;
};

std::string lastBoxText;

TEST_F(LevelApply, ScanReadsEveryLevelAndAMissingOneIsFatal) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("aw_scan_" + std::to_string(::getpid()));
    fs::create_directories(dir / "levels");
    for (int i = 0; i < kLevelCount; ++i)
        std::ofstream(dir / "levels" / levelFileName(i), std::ios::binary)
            << "back=" << (i % 15 + 1) << "\r\nlevel=\r\n";
    std::string before = currentDirectory();
    setLevelDataDirectory(dir.string());
    scanLevels();
    for (int i = 0; i < kLevelCount; ++i) EXPECT_EQ(levelBackground(i), i % 15 + 1) << i;

    fs::remove(dir / "levels" / levelFileName(40));
    resetResources();
    setMessageBoxHook([](const char*, const char* text) { lastBoxText = text; });
    setExitHook([](int code) { throw FatalExit{code}; });
    int code = 0;
    try {
        readLevel(40);
    } catch (const FatalExit& e) {
        code = e.code;
    }
    setExitHook(nullptr);
    setMessageBoxHook(nullptr);
    EXPECT_EQ(code, 1);
    EXPECT_NE(lastBoxText.find("pack1_41.lvl"), std::string::npos) << lastBoxText;

    setCurrentDirectory(before);
    setLevelDataDirectory("");
    resetResources();
    fs::remove_all(dir);
}

} // namespace
} // namespace aw::test
