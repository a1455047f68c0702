// Falling and refill: figures drop into gaps, slide diagonally where a
// straight fall is blocked, enter from the top and below holes.
#pragma once

namespace aw {

void spawnFigure(int row, int column);
// Nothing moves, nothing can fall, no refill is pending.
bool isSettled();
// True when some unlocked figure stands above an existing empty cell.
bool straightFallPossible();
void fallStep();
void moveFigures(float dt);
// The board at level start, filled at once until it has a group.
void initialFill();
// How many times initialFill had to fill the board (the last call).
int initialFillAttempts();
// The no-moves re-colouring.
void startRefill();
// Once per frame while refillActive.
void refillStep(float dt);

} // namespace aw
