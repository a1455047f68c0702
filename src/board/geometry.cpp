#include "board/geometry.h"

#include "board/board_state.h"

namespace aw {

CellPos cellAt(Vec2 p) {
    // Truncation runs towards zero, so negative offsets get one more pitch to
    // land in the cell left of or above the board instead of cell 0.
    int a = int(p.x) + 270;
    int b = 295 - int(p.y);
    if (a < 0) a -= 54;
    if (b < 0) b -= 54;
    return {b / 54, a / 54};
}

} // namespace aw
