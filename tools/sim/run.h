// Driving the board from outside: clicks at cells, waiting for the board to
// come to rest, and saving the whole board to try a move and take it back.
#pragma once
#include "board/board.h"

namespace aw::sim {

// Every record the rules touch, so a move can be tried and undone.
struct Snapshot {
    Cell cells[kRows][kColumns];
    GameState state;
    Blast blastRing[kBlastCount];
    PlayState play;
    BoardInput input;
    float clock;
};
void save(Snapshot& s);
void restore(const Snapshot& s);

// The board can take a click now: settled, cooldown over, no blast or refill
// running, no outcome yet.
bool acceptsClick();
// Every consequence of the last click is done.
bool atRest();
// The same when whether the board has settled (isSettled) is known.
bool atRest(bool settled);
// Puts every figure at its cell at once, as if its fall were over, and
// answers isSettled for the board then, in the same pass.
bool landFigures();
// Clicks the cell as the player would: the mouse goes there, the hover group
// is built, the left button goes down and up. Returns the group size taken
// (0 when the click did nothing) and its kind.
int clickCell(int row, int column, int* kind);
// Arms the ready hammer, as its HUD button does, and strikes the cell.
void strikeCell(int row, int column);
// One frame: the tick and, as the drawing would, the refill wave.
void frame(float dt);

int squaresLeft();
int locksLeft();
// Both in one pass: the autoplayer asks for them around every click it tries.
struct Breakables {
    int squares = 0, locks = 0;
};
Breakables breakablesLeft();

} // namespace aw::sim
