// Board geometry: cell (row, column) to board coordinates and back.
#pragma once
#include "core/vec.h"

namespace aw {

constexpr float kCellPitch = 54;

struct CellPos {
    int row = 0, column = 0;
    constexpr bool operator==(const CellPos&) const = default;
};

Vec2 cellCentre(int row, int column);
// Points left of or above the board give negative indices.
CellPos cellAt(Vec2 p);
bool insideBoard(int row, int column);
// Inside the board and not a hole.
bool isCell(int row, int column);
// A cell that exists and holds a figure.
bool hasFigure(int row, int column);

} // namespace aw
