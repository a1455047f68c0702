#include "board/groups.h"

#include "board/board_state.h"
#include "board/geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace aw {
namespace {
// Right, left, lower, upper: the order in which neighbours join a group.
constexpr int kStepRow[4] = {0, 0, 1, -1};
constexpr int kStepColumn[4] = {1, -1, 0, 0};
} // namespace

bool labelGroups() {
    // The search runs on a byte copy of the kinds with a border of -1 around
    // it (holes and empty cells read -1 too): no bounds tests, and one byte
    // a cell instead of the whole cell record. Asked every settled tick and
    // for every try of the autoplayer, mostly for the board it was last
    // asked for: then the last labels are written again without a search.
    constexpr int kWidth = kColumns + 2;
    constexpr int kPadded = (kRows + 2) * kWidth;
    constexpr int kStep[4] = {1, -1, kWidth, -kWidth}; // right, left, lower, upper
    static int8_t lastKinds[kPadded];
    static int16_t groupOf[kPadded], distanceOf[kPadded];
    static int lastCount = -1;

    int8_t kinds[kPadded];
    std::memset(kinds, -1, sizeof kinds);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (cell.ground >= 0 && cell.fig.kind >= 0) kinds[(r + 1) * kWidth + c + 1] = int8_t(cell.fig.kind);
        }

    if (lastCount < 0 || std::memcmp(kinds, lastKinds, sizeof kinds) != 0) {
        std::memcpy(lastKinds, kinds, sizeof kinds);
        std::memset(groupOf, -1, sizeof groupOf);
        std::memset(distanceOf, -1, sizeof distanceOf);
        // Most figures have no neighbour of their kind: one pass over the
        // bytes finds those that do, and only they can start a group.
        uint8_t paired[kPadded] = {};
        for (int at = kWidth + 1; at < kPadded - kWidth - 1; ++at) {
            const int8_t k = kinds[at];
            paired[at] = uint8_t(k >= 0) & uint8_t((k == kinds[at + 1]) | (k == kinds[at - 1]) |
                                                   (k == kinds[at + kWidth]) | (k == kinds[at - kWidth]));
        }
        int count = 0;
        int16_t queue[kCells];
        for (int start = kWidth + 1; start < kPadded - kWidth; ++start) {
            if (!paired[start] || groupOf[start] >= 0) continue;
            const int8_t kind = kinds[start];
            const auto id = int16_t(count);
            groupOf[start] = id;
            distanceOf[start] = 0;
            // A queue visits the cells in order of distance, which labels the
            // same distances as pass-by-pass growth at a fraction of the scans.
            int head = 0, tail = 0;
            queue[tail++] = int16_t(start);
            while (head < tail) {
                const int at = queue[head++];
                const auto distance = int16_t(distanceOf[at] + 1);
                for (int step : kStep) {
                    const int n = at + step;
                    if (kinds[n] != kind || groupOf[n] >= 0) continue;
                    groupOf[n] = id;
                    distanceOf[n] = distance;
                    queue[tail++] = int16_t(n);
                }
            }
            ++count;
        }
        lastCount = count;
    }

    gs.groupCount = lastCount;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const int at = (r + 1) * kWidth + c + 1;
            Cell& cell = board[r][c];
            cell.groupId = groupOf[at];
            cell.searchDistance = distanceOf[at];
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
    // Grown distance by distance, each distance's cells taken in reading
    // order: the order the list of the group's cells is kept in.
    int16_t frontier[kCells], next[kCells];
    int frontierSize = 1;
    frontier[0] = int16_t(row * kColumns + column);
    for (int k = 0; frontierSize > 0; ++k) {
        int nextSize = 0;
        for (int i = 0; i < frontierSize; ++i) {
            const int r = frontier[i] / kColumns, c = frontier[i] % kColumns;
            for (int d = 0; d < 4; ++d) {
                int nr = r + kStepRow[d], nc = c + kStepColumn[d];
                if (!insideBoard(nr, nc)) continue;
                Cell& n = board[nr][nc];
                if (n.ground < 0 || n.fig.kind != gs.groupKind || n.searchDistance != -1) continue;
                n.searchDistance = k + 1;
                gs.groupColumns[gs.groupSize] = nc;
                gs.groupRows[gs.groupSize] = nr;
                ++gs.groupSize;
                next[nextSize++] = int16_t(nr * kColumns + nc);
            }
        }
        std::sort(next, next + nextSize);
        std::copy(next, next + nextSize, frontier);
        frontierSize = nextSize;
    }
}

} // namespace aw
