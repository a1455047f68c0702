#include "run.h"

#include <cstdint>
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

bool atRest() { return gs.cooldown < 0 && !gs.refillActive && atRest(isSettled()); }

bool atRest(bool settled) {
    // The cheap tests first: most frames of a look-ahead wait for a cooldown.
    if (gs.cooldown >= 0 || gs.refillActive || !settled || blastRunning() || marksPending()) return false;
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

bool landFigures() {
    bool refilling = false, canFall = false;
    uint32_t emptyBelow = 0; // the row under the current one; none under the last
    for (int r = kRows - 1; r >= 0; --r) {
        uint32_t empty = 0, free = 0;
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            cell.fig.offset = {0, 0};
            refilling |= cell.fig.refilling != 0;
            if (cell.ground < 0) continue;
            if (cell.fig.kind < 0) empty |= 1u << c;
            else if (cell.lock == 0) free |= 1u << c;
        }
        canFall |= (free & (emptyBelow | emptyBelow << 1 | emptyBelow >> 1)) != 0;
        emptyBelow = empty;
    }
    return !refilling && !canFall;
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
