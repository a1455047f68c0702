// Board geometry: cell (row, column) to board coordinates and back.
#pragma once
#include "board/board_state.h"
#include "core/vec.h"

namespace aw {

constexpr float kCellPitch = 54;

struct CellPos {
    int row = 0, column = 0;
    constexpr bool operator==(const CellPos&) const = default;
};

// Inline, like the tests below: the rules and the autoplayer ask these
// millions of times a level.
inline Vec2 cellCentre(int row, int column) {
    return {kCellPitch * float(column) - 243.0f, 268.0f - kCellPitch * float(row)};
}
// Points left of or above the board give negative indices.
CellPos cellAt(Vec2 p);
inline bool insideBoard(int row, int column) { return row >= 0 && row < kRows && column >= 0 && column < kColumns; }
// Inside the board and not a hole.
inline bool isCell(int row, int column) { return insideBoard(row, column) && board[row][column].ground >= 0; }
// A cell that exists and holds a figure.
inline bool hasFigure(int row, int column) { return isCell(row, column) && board[row][column].fig.kind >= 0; }

} // namespace aw
