// Filling the tables that persistence stores: the top ten of each mode and
// the per-level records (best score, best combo, fewest moves, shortest time).
#pragma once

namespace aw {

// Places score in the mode's table below every row that is at least as high
// (so an equal score goes below) and returns its row, or -1 when every row
// is higher and the table stays as it was. The last row drops out.
int insertHighScore(int mode, const char* name, int score);

// What the player achieved on one level.
struct LevelFigures {
    int score = 0;
    int combo = 0;
    int moves = 0;
    int timeMs = 0;
};

// Takes each figure that is at least as good as the record (score and combo
// greater or equal, moves and time smaller or equal) with the holder's name.
// Moves and time are records of clearing the level: only a cleared level sets them.
void updateLevelRecord(int mode, int level, const char* name, const LevelFigures& figures, bool cleared);

} // namespace aw
