#include "board/groups.h"

#include "board/board_state.h"
#include "board/geometry.h"

#include <cstdint>

namespace aw {
namespace {
// Right, left, lower, upper: the order in which neighbours join a group.
constexpr int kStepRow[4] = {0, 0, 1, -1};
constexpr int kStepColumn[4] = {1, -1, 0, 0};
} // namespace

bool labelGroups() {
    gs.groupCount = 0;
    for (auto& row : board)
        for (auto& cell : row) cell.searchDistance = cell.groupId = -1;

    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& start = board[r][c];
            // An empty cell never grows a group: nothing to label.
            if (start.ground < 0 || start.fig.kind < 0 || start.groupId >= 0) continue;
            const int kind = start.fig.kind;
            start.searchDistance = 0;
            start.groupId = gs.groupCount;
            // A queue visits the cells in order of distance, which labels the
            // same distances as pass-by-pass growth at a fraction of the scans.
            int8_t queueRow[kCells], queueColumn[kCells];
            int head = 0, tail = 0;
            queueRow[tail] = int8_t(r);
            queueColumn[tail++] = int8_t(c);
            while (head < tail) {
                int rr = queueRow[head], cc = queueColumn[head++];
                int distance = board[rr][cc].searchDistance + 1;
                for (int d = 0; d < 4; ++d) {
                    int nr = rr + kStepRow[d], nc = cc + kStepColumn[d];
                    if (!insideBoard(nr, nc)) continue;
                    Cell& n = board[nr][nc];
                    // A hole never holds a figure the search could match.
                    if (n.ground < 0 || n.fig.kind != kind || n.groupId != -1) continue;
                    n.searchDistance = distance;
                    n.groupId = gs.groupCount;
                    queueRow[tail] = int8_t(nr);
                    queueColumn[tail++] = int8_t(nc);
                }
            }
            if (tail > 1) ++gs.groupCount;
            else start.searchDistance = start.groupId = -1;
        }
    return gs.groupCount > 0;
}

void buildHoverGroup(int row, int column) {
    gs.groupColumns[0] = column;
    gs.groupRows[0] = row;
    if (!hasFigure(row, column)) return;
    gs.groupKind = board[row][column].fig.kind;
    gs.hoverPosition = cellCentre(row, column);
    gs.groupSize = 1;
    for (auto& r : board)
        for (auto& cell : r) cell.searchDistance = -1;
    board[row][column].searchDistance = 0;
    for (int k = 0;; ++k) {
        bool appended = false;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                if (board[r][c].searchDistance != k) continue;
                for (int d = 0; d < 4; ++d) {
                    int nr = r + kStepRow[d], nc = c + kStepColumn[d];
                    if (!insideBoard(nr, nc)) continue;
                    Cell& n = board[nr][nc];
                    if (n.ground < 0 || n.fig.kind != gs.groupKind || n.searchDistance != -1) continue;
                    n.searchDistance = k + 1;
                    gs.groupColumns[gs.groupSize] = nc;
                    gs.groupRows[gs.groupSize] = nr;
                    ++gs.groupSize;
                    appended = true;
                }
            }
        if (!appended) break;
    }
}

} // namespace aw
