// Level files: the text format, reading a level into the board, the start-up
// scan for the background table, and the limits derived after the fill.
#pragma once
#include "board/board_state.h"
#include "core/game_constants.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace aw {

// The largest "time=" (seconds) and "moves=" a level may give; larger values
// are taken as these.
constexpr float kLevelTimeLimit = 100000;
constexpr int kLevelMovesLimit = 1000000;

// What one level text says, before it is applied to the board.
struct LevelLayout {
    int figureCount = 8;
    int32_t displayTable[kKinds] = {};
    float timeSeconds = 10;
    int moves = 50;
    int background = 0;          // 0 means "pick one at random"
    struct Code {
        int32_t ground = 0, lock = 0, kind = -1, bonus = 0;
    } cells[kRows][kColumns];
};

// The display slot a look name stands for, or -1. The whole value must match:
// "perl" and "perls" are different looks.
int lookSlot(std::string_view name);
// Pure: decodes a level text.
LevelLayout parseLevel(std::string_view text);
// Writes a decoded level into GameState and the board (after resetLevelState)
// and its background into the table; a background of 0 draws one of 0..15.
void applyLevel(const LevelLayout& layout, int levelIndex);

// The data directory the level files are read below ("levels/"); empty means
// the current directory. The game sets it once; tests and tools point it anywhere.
void setLevelDataDirectory(const std::string& dir);
const std::string& levelDataDirectory();
// "pack1_%.2i.lvl" for the 1-based number of the index.
std::string levelFileName(int levelIndex);

// Reads level index through the resource registry (a missing file is fatal,
// as for every required data file) and applies it. Returns true.
bool readLevel(int levelIndex);
// Reads a level's file without touching the board (the map's miniature);
// false, with out untouched, when the file is nowhere.
bool readLevelLayout(int levelIndex, LevelLayout& out);
// Reads an explicit file (tools, tests); false when it cannot be read.
bool readLevelFile(const std::string& path, int levelIndex);
void readLevelText(std::string_view text, int levelIndex);
// Reads all 129 levels to fill the background table.
void scanLevels();
int levelBackground(int levelIndex);

// After the initial fill: breakables, time and move limits by mode and index,
// and the completion-display delay of every square.
void applyLevelLimits();

} // namespace aw
