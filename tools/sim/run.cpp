#include "run.h"

#include <cstring>

namespace aw::sim {

void save(Snapshot& s) {
    std::memcpy(s.cells, board, sizeof board);
    s.state = gs;
    std::memcpy(s.blastRing, blasts, sizeof blasts);
    s.play = playState;
    s.input = boardInput;
    s.clock = animationTimeMs;
}

void restore(const Snapshot& s) {
    std::memcpy(board, s.cells, sizeof board);
    gs = s.state;
    std::memcpy(blasts, s.blastRing, sizeof blasts);
    playState = s.play;
    boardInput = s.input;
    animationTimeMs = s.clock;
}

namespace {
bool blastRunning() {
    for (const auto& b : blasts)
        if (b.type > 0) return true;
    return false;
}

bool marksPending() {
    for (const auto& row : board)
        for (const auto& cell : row)
            if (cell.removal || cell.hit) return true;
    return false;
}
} // namespace

bool atRest() {
    // The cheap tests first: most frames of a look-ahead wait for a cooldown.
    if (gs.cooldown >= 0 || gs.refillActive || !isSettled() || blastRunning() || marksPending()) return false;
    // The clear check runs one frame after the board comes to rest; until
    // then a cleared board is not done with its last click.
    if (gs.levelEnded) return true;
    for (const auto& row : board)
        for (const auto& cell : row)
            if (cell.ground > 0) return true;
    return false;
}

bool acceptsClick() { return !playState.levelWon && !playState.levelLost && !gs.paused && atRest(); }

int clickCell(int row, int column, int* kind) {
    boardInput.mouse = cellCentre(row, column);
    updateHover();
    int size = hasFigure(row, column) && gs.groupSize > 1 ? gs.groupSize : 0;
    if (kind) *kind = size > 0 ? gs.groupKind : (hasFigure(row, column) ? board[row][column].fig.kind : -1);
    int before = gs.movesUsed;
    onBoardLeftDown();
    onBoardLeftUp();
    return gs.movesUsed > before ? size : 0;
}

void strikeCell(int row, int column) {
    // What the HUD's hammer button does; the simulator has no HUD to click.
    gs.hammerArmed = true;
    gs.hammerReady = false;
    boardInput.mouse = cellCentre(row, column);
    updateHover();
    onBoardLeftDown();
    onBoardLeftUp();
}

void frame(float dt) {
    tick(dt);
    if (gs.refillActive) refillStep(dt);
}

int squaresLeft() {
    int n = 0;
    for (const auto& row : board)
        for (const auto& cell : row)
            if (cell.ground > 0) n += cell.ground;
    return n;
}

Breakables breakablesLeft() {
    Breakables b;
    for (const auto& row : board)
        for (const auto& cell : row) {
            if (cell.ground > 0) b.squares += cell.ground;
            if (cell.lock) ++b.locks;
        }
    return b;
}

int locksLeft() {
    int n = 0;
    for (const auto& row : board)
        for (const auto& cell : row)
            if (cell.lock) ++n;
    return n;
}

} // namespace aw::sim
