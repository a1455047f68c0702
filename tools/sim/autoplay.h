// The simulator's built-in player.
#pragma once

namespace aw::sim {

// Picks the cell to click on a board that accepts a click; false when the
// board has no group (the caller then waits for the refill).
bool chooseClick(int* row, int* column);

} // namespace aw::sim
