#include "game/score_tables.h"

#include "persistence/records.h"

#include <cstdio>

namespace aw {
namespace {

template <int N>
void copyName(char (&out)[N], const char* name) {
    std::snprintf(out, N, "%s", name ? name : "");
}

} // namespace

int insertHighScore(int mode, const char* name, int score) {
    int row = 0;
    while (row < kHighScoreRows && highScoreRow(mode, row) && highScoreRow(mode, row)->score >= score) ++row;
    if (row >= kHighScoreRows || !highScoreRow(mode, row)) return -1;
    for (int r = kHighScoreRows - 1; r > row; --r) *highScoreRow(mode, r) = *highScoreRow(mode, r - 1);
    HighScoreRow& taken = *highScoreRow(mode, row);
    taken = HighScoreRow{};
    copyName(taken.name, name);
    taken.score = score;
    return row;
}

void updateLevelRecord(int mode, int level, const char* name, const LevelFigures& f, bool cleared) {
    LevelRecord* r = levelRecord(mode, level);
    if (!r) return;
    if (f.score >= r->bestScore) {
        r->bestScore = f.score;
        copyName(r->scoreHolder, name);
    }
    if (f.combo >= r->bestCombo) {
        r->bestCombo = f.combo;
        copyName(r->comboHolder, name);
    }
    if (!cleared) return;
    if (f.moves <= r->fewestMoves) {
        r->fewestMoves = f.moves;
        copyName(r->movesHolder, name);
    }
    if (f.timeMs <= r->shortestTime) {
        r->shortestTime = f.timeMs;
        copyName(r->timeHolder, name);
    }
}

} // namespace aw
