// Falling and refill: figures drop into gaps, slide diagonally where a
// straight fall is blocked, enter from the top and below holes.
#pragma once

namespace aw {

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
// The board at level start, filled at once until it has a group.
void initialFill();
// How many times initialFill had to fill the board (the last call).
int initialFillAttempts();
// The no-moves re-colouring.
void startRefill();
// Once per frame while refillActive.
void refillStep(float dt);

} // namespace aw
