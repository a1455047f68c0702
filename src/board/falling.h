// Falling and refill: figures drop into gaps, slide diagonally where a
// straight fall is blocked, enter from the top and below holes.
#pragma once
#include "board/board_state.h"

#include <cstdint>

namespace aw {

// One bit per column of every row, read in one pass over the board: what
// the falling needs to know, so that its rules test a whole row at a time.
struct RowMasks {
    uint32_t empty[kRows];   // cells without a figure (not holes)
    uint32_t free[kRows];    // unlocked figures
    uint32_t resting[kRows]; // unlocked figures at rest
    uint32_t hole[kRows];
    uint32_t locked[kRows];
    bool moving = false;     // a figure on its way to its cell, or refilling
};
RowMasks readMasks();
// What isSettled says, from masks read since the board last changed.
bool settledBy(const RowMasks& m);

void spawnFigure(int row, int column);
// Nothing moves, nothing can fall, no refill is pending.
bool isSettled();
// True when some unlocked figure stands above an existing empty cell.
bool straightFallPossible();
// One step of falling; true when a figure can still fall after it (a free
// figure above or diagonally above an empty cell).
bool fallStep();
// Moves every drawn figure towards its cell; true when one is still on its
// way or refilling. After fallStep, neither answer true: the board is settled.
bool moveFigures(float dt);
// fallStep then moveFigures in one pass over the cells, with masks read
// since the board last changed (they follow the step); true when the board
// has settled.
bool fallAndMove(RowMasks& m, float dt);
// The board at level start, filled at once until it has a group.
void initialFill();
// How many times initialFill had to fill the board (the last call).
int initialFillAttempts();
// The no-moves re-colouring.
void startRefill();
// Once per frame while refillActive.
void refillStep(float dt);

} // namespace aw
