#include "board/falling.h"

#include "board/board_state.h"
#include "board/geometry.h"
#include "board/groups.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "core/random.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace aw {
namespace {

// A layout that can never hold a group would refill forever; after this many
// fills the board is played as it is and the no-moves refill takes over.
constexpr int kMaxFillAttempts = 200;
int lastFillAttempts = 0;

inline bool emptyCell(int r, int c) { return isCell(r, c) && board[r][c].fig.kind < 0; }
inline bool freeFigure(int r, int c) { return hasFigure(r, c) && board[r][c].lock == 0; }
inline bool atRest(int r, int c) { return board[r][c].fig.offset.isZero(); }

// The figure record travels; ground, lock and working fields stay.
void moveFigure(int fromR, int fromC, int toR, int toC) {
    board[toR][toC].fig = board[fromR][fromC].fig;
    board[fromR][fromC].fig.kind = -1;
    board[fromR][fromC].fig.bonus = 0;
    board[fromR][fromC].fig.nextBonus = 0;
    board[fromR][fromC].fig.offset = {0, 0};
    board[fromR][fromC].fig.refilling = 0;
}

constexpr uint32_t kAllColumns = (1u << kColumns) - 1;

bool straightFall(const RowMasks& m) {
    for (int r = 0; r < kRows - 1; ++r)
        if (m.free[r] & m.empty[r + 1]) return true;
    return false;
}

// A free figure above or diagonally above an empty cell: what can still fall.
bool canFall(const RowMasks& m) {
    for (int r = 0; r < kRows - 1; ++r) {
        const uint32_t below = m.empty[r + 1];
        if (m.free[r] & (below | below << 1 | below >> 1)) return true;
    }
    return false;
}

// The first cell (rows 10 to 1, left to right) that a diagonal slide can
// fill, taking from the upper right before the upper left; the masks follow.
bool diagonalSlide(RowMasks& m, bool needRest) {
    for (int r = kRows - 1; r >= 1; --r) {
        const uint32_t above = needRest ? m.resting[r - 1] : m.free[r - 1];
        const uint32_t targets = m.empty[r] & (above >> 1 | above << 1) & kAllColumns;
        if (!targets) continue;
        const int c = std::countr_zero(targets);
        const int from = c < kColumns - 1 && (above >> (c + 1) & 1u) ? c + 1 : c - 1;
        moveFigure(r - 1, from, r, c);
        board[r][c].fig.offset = cellCentre(r - 1, from) - cellCentre(r, c);
        board[r][c].fig.diagonal = 1;
        const uint32_t to = 1u << c, gone = 1u << from;
        m.empty[r] &= ~to;
        m.free[r] |= to & ~m.locked[r];
        m.empty[r - 1] |= gone;
        m.free[r - 1] &= ~gone;
        m.resting[r - 1] &= ~gone;
        return true;
    }
    return false;
}

// Can a figure resting at (r, c) still drop somewhere below it?
bool canFallFurther(int r, int c) {
    for (int rr = r; rr <= kRows - 2; ++rr) {
        if (emptyCell(rr + 1, c)) return true;
        if (c < kColumns - 1 && emptyCell(rr + 1, c + 1)) return true;
        if (c > 0 && emptyCell(rr + 1, c - 1)) return true;
    }
    return false;
}

} // namespace

void spawnFigure(int row, int column) {
    Figure& f = board[row][column].fig;
    f.kind = gs.figureCount > 0 ? random(gs.figureCount) : 0;
    f.offset = cellCentre(row - 1, column) - cellCentre(row, column);
    f.bonus = 0;
    f.nextBonus = 0;
    f.refilling = 0;
    f.diagonal = 0;
    if (row == kRows - 1) {
        f.fallSpeed = 0;
        return;
    }
    // Keep pace with the figures falling below.
    f.fallSpeed = board[row + 1][column].fig.fallSpeed;
    if (column < kColumns - 1) {
        const Figure& br = board[row + 1][column + 1].fig;
        if (br.diagonal && br.fallSpeed > f.fallSpeed) f.fallSpeed = br.fallSpeed;
    }
    if (column > 0) {
        const Figure& bl = board[row + 1][column - 1].fig;
        if (bl.diagonal && bl.fallSpeed > f.fallSpeed) f.fallSpeed = bl.fallSpeed;
    }
}

// Asked several times a tick by the rules and the autoplayer: one bit per
// column lets the three cells under every figure of a row be tested at once.
bool isSettled() {
    uint32_t emptyBelow = 0; // the row under the current one; none under the last
    for (int r = kRows - 1; r >= 0; --r) {
        uint32_t empty = 0, free = 0;
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (!cell.fig.offset.isZero() || cell.fig.refilling) return false;
            if (cell.ground < 0) continue;
            if (cell.fig.kind < 0) empty |= 1u << c;
            else if (cell.lock == 0) free |= 1u << c;
        }
        if (free & (emptyBelow | emptyBelow << 1 | emptyBelow >> 1)) return false;
        emptyBelow = empty;
    }
    return true;
}

RowMasks readMasks() {
    RowMasks m;
    uint32_t moving = 0;
    for (int r = 0; r < kRows; ++r) {
        m.empty[r] = m.free[r] = m.resting[r] = m.hole[r] = m.locked[r] = 0;
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            const uint32_t bit = 1u << c;
            const bool still = atRest(r, c);
            moving |= uint32_t(!still) | cell.fig.refilling;
            if (cell.ground < 0) {
                m.hole[r] |= bit;
                continue;
            }
            if (cell.lock) m.locked[r] |= bit;
            if (cell.fig.kind < 0) {
                m.empty[r] |= bit;
            } else if (!cell.lock) {
                m.free[r] |= bit;
                if (still) m.resting[r] |= bit;
            }
        }
    }
    m.moving = moving != 0;
    return m;
}

bool settledBy(const RowMasks& m) { return !m.moving && !canFall(m); }

bool straightFallPossible() { return straightFall(readMasks()); }

namespace {

// The falls and new figures of a step and at most one diagonal slide; true
// when a slide was made. The masks follow every change.
bool dropFigures(RowMasks& m) {
    // The rows are walked from the bottom as the figures step down, a row's
    // movers leaving their cells empty for the row above.
    for (int r = kRows - 2; r >= 0; --r) {
        const uint32_t movers = m.resting[r] & m.empty[r + 1];
        for (uint32_t left = movers; left; left &= left - 1) {
            const int c = std::countr_zero(left);
            moveFigure(r, c, r + 1, c);
            board[r + 1][c].fig.offset = {0, kCellPitch};
            board[r + 1][c].fig.diagonal = 0;
        }
        m.empty[r + 1] &= ~movers;
        m.free[r + 1] |= movers & ~m.locked[r + 1];
        m.empty[r] |= movers;
        m.free[r] &= ~movers;
        m.resting[r] &= ~movers;
    }

    // New figures where nothing can fall in from above: the top row and
    // under holes. Spawning takes random numbers, so reading order is kept.
    for (int r = 0; r < kRows; ++r) {
        const uint32_t open = m.empty[r] & (r == 0 ? kAllColumns : m.hole[r - 1]);
        for (uint32_t left = open; left; left &= left - 1) spawnFigure(r, std::countr_zero(left));
        m.empty[r] &= ~open;
        m.free[r] |= open & ~m.locked[r];
    }

    return !straightFall(m) && diagonalSlide(m, true);
}

// Moves every drawn figure towards its cell; with stopResting, a figure
// already at its cell first loses its speed and its slide, as a step
// without a slide leaves it. True when a figure is still on its way or
// refilling.
bool moveCells(float dt, bool stopResting) {
    bool moving = false;
    for (int r = kRows - 1; r >= 0; --r)
        for (int c = 0; c < kColumns; ++c) {
            Figure& f = board[r][c].fig;
            if (!f.offset.isZero()) {
                float step = f.fallSpeed * f.fallSpeed * dt * 0.02f;
                if (step > 10) step = 10;
                if (f.diagonal) step *= 1.5f;
                float length = std::sqrt(f.offset.x * f.offset.x + f.offset.y * f.offset.y);
                if (length <= step) {
                    f.offset = {0, 0};
                    if (f.kind >= 0 && !canFallFurther(r, c)) report::playSound("FigureFall.ogg");
                } else {
                    f.offset -= f.offset * (step / length);
                }
            } else if (stopResting) {
                f.fallSpeed = 0;
                f.diagonal = 0;
            }
            f.fallSpeed += dt * 0.012f;
            moving |= !f.offset.isZero() || f.refilling;
        }
    return moving;
}

} // namespace

bool fallStep() {
    RowMasks m = readMasks();
    if (!dropFigures(m))
        for (auto& row : board)
            for (auto& cell : row)
                if (cell.fig.offset.isZero()) {
                    cell.fig.fallSpeed = 0;
                    cell.fig.diagonal = 0;
                }
    return canFall(m);
}

bool moveFigures(float dt) { return moveCells(dt, false); }

bool fallAndMove(RowMasks& m, float dt) {
    const bool slid = dropFigures(m);
    const bool moving = moveCells(dt, !slid);
    return !canFall(m) && !moving;
}

void initialFill() {
    for (lastFillAttempts = 1;; ++lastFillAttempts) {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                Cell& cell = board[r][c];
                if (cell.ground >= 0) cell.fig.appear = 1;
                if (!cell.lock && !cell.fig.bonus) cell.fig.kind = -1;
            }
        for (int pass = 0; pass < 100; ++pass) {
            for (int r = kRows - 1; r >= 1; --r)
                for (int c = 0; c < kColumns; ++c) {
                    if (!emptyCell(r, c)) continue;
                    if (freeFigure(r - 1, c)) moveFigure(r - 1, c, r, c);
                    else if (insideBoard(r - 1, c) && board[r - 1][c].ground == -1) spawnFigure(r, c);
                }
            for (int c = 0; c < kColumns; ++c)
                if (emptyCell(0, c)) spawnFigure(0, c);
            RowMasks m = readMasks();
            if (straightFall(m)) continue;
            if (!diagonalSlide(m, false)) break;
        }
        for (auto& row : board)
            for (auto& cell : row) cell.fig.offset = {0, 0};
        if (labelGroups() || lastFillAttempts >= kMaxFillAttempts) return;
    }
}

int initialFillAttempts() { return lastFillAttempts; }

void startRefill() {
    if (playState.overlayShown || playState.levelWon || boardInput.tipShown || gs.paused || playState.levelLost) return;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (freeFigure(r, c)) board[r][c].fig.refilling = 1;
    gs.refillActive = true;
}

void refillStep(float dt) {
    // A figure is re-coloured when the clock first reaches its stagger; a
    // non-zero kind of "done" is kept in the refilling flag: 1 waiting, 2 done.
    bool allDone = true;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Figure& f = board[r][c].fig;
            if (f.refilling != 1) continue;
            if (gs.refillClock >= float(r + c) * 50.0f) {
                Vec2 at = cellCentre(r, c);
                report::playSound("ReFillLevel.ogg");
                report::spawnEffect("refill1", at.x, at.y);
                f.kind = random(gs.figureCount);
                f.refilling = 2;
            } else {
                allDone = false;
            }
        }
    gs.refillClock += dt;
    if (gs.refillClock > 1050 && allDone) {
        for (auto& row : board)
            for (auto& cell : row) cell.fig.refilling = 0;
        gs.refillClock = 0;
        gs.groupSize = 0;
        gs.refillActive = false;
    }
    gs.idleTime = 0;
}

} // namespace aw
