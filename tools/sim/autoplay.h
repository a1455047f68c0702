// The simulator's built-in player.
#pragma once

namespace aw::sim {

// Picks the cell to click on a board that accepts a click; false when the
// board has no group (the caller then waits for the refill).
bool chooseClick(int* row, int* column);

// With the hammer ready, picks the figure to strike: one standing on a square
// that no group can take, preferring the last level of a square and cells
// walled in by holes or the edge, where new figures rarely come to match.
// False when no such figure is on the board.
bool chooseHammerStrike(int* row, int* column);

} // namespace aw::sim
