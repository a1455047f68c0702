// Every level file as the game reads it: the text layout, the decoded board
// and the course rules the level set promises (backgrounds, looks, bonuses).
#include "board/level_file.h"
#include "levels/level_files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using levels::kLevelCount;

bool isValidCode(unsigned char c) {
    if (c == '.' || c == '0' || c == '1' || c == '2') return true;
    if ((c >= 'A' && c <= 'O') || (c >= 'Q' && c <= '_') || (c >= 'a' && c <= 'o')) return true;
    if (c >= 'q' && c <= 'z') return true;
    return (c >= 0xC0 && c <= 0xCE) || (c >= 0xD0 && c <= 0xDE);
}

class LevelFile : public ::testing::TestWithParam<int> {};

TEST_P(LevelFile, TextHasCrLfKeysAndAFullGrid) {
    int number = GetParam();
    std::string text = levels::readBytes(levels::levelPath(number));
    ASSERT_FALSE(text.empty()) << levels::levelPath(number);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << "the last value must end with CR";
    for (const char* key : {"figures=", "time=", "moves=", "back=", "level="})
        EXPECT_NE(text.find(key), std::string::npos) << key;

    // The grid: eleven lines of twelve cell codes right after "level=", and nothing
    // after it, so no stray code can shift the layout.
    size_t at = text.find("level=\r\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.find("level="), at);
    std::string grid = text.substr(at + 8);
    ASSERT_EQ(grid.size(), size_t(aw::kRows * (aw::kColumns + 2)));
    for (int r = 0; r < aw::kRows; ++r) {
        std::string line = grid.substr(size_t(r) * (aw::kColumns + 2), aw::kColumns + 2);
        EXPECT_EQ(line.substr(aw::kColumns), "\r\n") << "row " << r;
        for (int c = 0; c < aw::kColumns; ++c)
            EXPECT_TRUE(isValidCode(static_cast<unsigned char>(line[size_t(c)])))
                << "row " << r << " column " << c << " code " << int(static_cast<unsigned char>(line[size_t(c)]));
    }
}

TEST_P(LevelFile, DecodedBoardIsPlayable) {
    int number = GetParam();
    aw::LevelLayout level = aw::parseLevel(levels::readBytes(levels::levelPath(number)));

    EXPECT_GE(level.figureCount, 5);
    EXPECT_LE(level.figureCount, 8);
    EXPECT_GE(level.background, 1);
    EXPECT_LE(level.background, 15);
    EXPECT_GT(level.timeSeconds, 0);
    EXPECT_GT(level.moves, 0);

    // Kinds in play must all look different: slots k and k + 8 share a picture.
    std::set<int> looks;
    for (int k = 0; k < level.figureCount; ++k) looks.insert(level.displayTable[k] % 8);
    EXPECT_EQ(int(looks.size()), level.figureCount);

    int squares = 0;
    auto exists = [&](int r, int c) {
        return r >= 0 && r < aw::kRows && c >= 0 && c < aw::kColumns && level.cells[r][c].ground >= 0;
    };
    for (int r = 0; r < aw::kRows; ++r)
        for (int c = 0; c < aw::kColumns; ++c) {
            const auto& cell = level.cells[r][c];
            if (cell.ground < 0) continue;
            if (cell.ground > 0) squares += cell.ground;
            // A chained figure of a kind that never falls in could never be grouped.
            if (cell.lock) {
                EXPECT_LT(cell.kind, level.figureCount) << "row " << r << " column " << c;
            }
            // A cell without neighbours can never be part of a group.
            EXPECT_TRUE(exists(r - 1, c) || exists(r + 1, c) || exists(r, c - 1) || exists(r, c + 1))
                << "row " << r << " column " << c;
        }
    EXPECT_GT(squares, 0);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, LevelFile, ::testing::Range(1, kLevelCount + 1));

TEST(LevelCourse, StagesShareBackgroundsAndTeachEveryBonus) {
    std::set<int> backgrounds;
    int stageBackground[15];
    bool bonusSeen[6] = {};
    int firstBonusLevel[6] = {};
    for (int n = 1; n <= kLevelCount; ++n) {
        aw::LevelLayout level = aw::parseLevel(levels::readBytes(levels::levelPath(n)));
        int stage = levels::stageOf(n - 1);
        if (n == 1 || levels::stageOf(n - 2) != stage) stageBackground[stage] = level.background;
        EXPECT_EQ(level.background, stageBackground[stage]) << "level " << n;
        backgrounds.insert(level.background);
        for (auto& row : level.cells)
            for (auto& cell : row)
                if (cell.lock && !bonusSeen[cell.bonus]) {
                    bonusSeen[cell.bonus] = true;
                    firstBonusLevel[cell.bonus] = n;
                }
        if (stage == 0) {
            // The first stage is gentle: five kinds, single squares only, no chains.
            EXPECT_EQ(level.figureCount, 5) << "level " << n;
            for (auto& row : level.cells)
                for (auto& cell : row) EXPECT_TRUE(cell.ground == 0 || cell.ground == 1) << "level " << n;
        }
    }
    EXPECT_EQ(backgrounds.size(), 15u);
    for (int b = 0; b < 6; ++b) EXPECT_TRUE(bonusSeen[b]) << "no chained figure with bonus " << b;
    // Bonuses are introduced one at a time, in the order the course teaches them.
    for (int b = 1; b < 6; ++b) EXPECT_LT(firstBonusLevel[b - 1], firstBonusLevel[b]) << b;
}

} // namespace
