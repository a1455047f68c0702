// A shallow search: the most promising groups are played out on the live
// records (saved and restored around each try) until the board rests, then
// the most promising groups of the new board likewise; a line is judged by
// the squares and locks it breaks and by the groups it leaves.
#include "autoplay.h"

#include "recorder.h"
#include "run.h"

#include <algorithm>
#include <vector>

namespace aw::sim {
namespace {

constexpr int kDepth = 2;          // clicks looked ahead
constexpr size_t kTriedFirst = 8;  // groups played out for the click to make
constexpr size_t kTriedNext = 4;   // and for each of those, for the click after
constexpr float kLookDt = 40;      // coarse frames are enough to see the outcome
constexpr int kLookFrames = 600;
constexpr float kChurnWeight = 3;  // per ungrouped square above a removed figure
constexpr int kChurnCap = 5;

struct Candidate {
    int row = 0, column = 0;
    float value = 0;
};

constexpr int kRayStep[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
constexpr int kBombCells[12][2] = {{0, 1}, {0, 2}, {0, -1}, {0, -2}, {-1, -1}, {-1, 0},
                                   {-1, 1}, {1, -1}, {1, 0}, {1, 1}, {-2, 0}, {2, 0}};

int groundAt(int r, int c) { return isCell(r, c) && board[r][c].ground > 0 ? board[r][c].ground : 0; }

// Square levels a bonus going off at (r, c) would reach.
int reach(int r, int c, int bonus) {
    int n = groundAt(r, c);
    switch (bonus) {
    case kBomb:
        for (auto& d : kBombCells) n += groundAt(r + d[0], c + d[1]);
        break;
    case kThunder: {
        int kind = board[r][c].fig.kind;
        for (int rr = 0; rr < kRows; ++rr)
            for (int cc = 0; cc < kColumns; ++cc)
                if (hasFigure(rr, cc) && board[rr][cc].fig.kind == kind) n += groundAt(rr, cc) > 0;
        break;
    }
    default:
        for (int k = 0; k < 8; ++k) {
            bool straight = k < 4;
            if (straight && bonus == kDiagonalBomb) continue;
            if (!straight && bonus == kCrossBomb) continue;
            for (int i = 1; i <= 11; ++i) n += groundAt(r + kRayStep[k][0] * i, c + kRayStep[k][1] * i) > 0;
        }
        break;
    }
    return n;
}

// What a group is worth without playing it: the squares and locks it hits,
// what the bonuses it sets off reach, and what a bonus it earns could reach.
std::vector<Candidate> candidates() {
    std::vector<Candidate> out;
    if (!labelGroups()) return out;
    out.resize(size_t(gs.groupCount));
    std::vector<int> sizes(size_t(gs.groupCount), 0);
    for (const auto& row : board)
        for (const auto& cell : row)
            if (cell.groupId >= 0) ++sizes[size_t(cell.groupId)];
    std::vector<int> bestReach(size_t(gs.groupCount), -1);
    // Squares above a removed figure get new figures as the column falls, a
    // fresh chance for a group: the only way to reach squares no group
    // touches, such as those in narrow wells.
    int squaresAbove[kColumns] = {};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (cell.groupId >= 0) {
                Candidate& cand = out[size_t(cell.groupId)];
                cand.value += kChurnWeight * float(std::min(squaresAbove[c], kChurnCap));
            }
            if (cell.ground > 0 && cell.groupId < 0) ++squaresAbove[c];
        }
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (cell.groupId < 0) continue;
            size_t g = size_t(cell.groupId);
            Candidate& cand = out[g];
            if (cell.lock) cand.value += 30;
            else if (cell.ground > 0) cand.value += 100;
            if (cell.fig.bonus > 0) cand.value += 80.0f * float(reach(r, c, cell.fig.bonus)) + 20;
            // The clicked figure stays behind as an earned bonus: put it
            // where its blast will reach the most squares.
            int earned = sizes[g] >= 8 ? kSuperBomb : sizes[g] >= 5 ? kBomb : 0;
            int here = earned ? reach(r, c, earned) : (cell.ground > 0 ? 0 : 1);
            if (here > bestReach[g]) {
                bestReach[g] = here;
                cand.row = r;
                cand.column = c;
            }
        }
    for (size_t g = 0; g < out.size(); ++g) {
        int n = sizes[g];
        if (n >= 5) out[g].value += 40.0f * float(bestReach[g]) + 30;
        out[g].value += float(n);
    }
    return out;
}

// How promising a board is for the next click.
float outlook() {
    float first = 0, second = 0;
    for (const auto& c : candidates()) {
        if (c.value > first) {
            second = first;
            first = c.value;
        } else if (c.value > second) {
            second = c.value;
        }
    }
    return 0.5f * first + 0.25f * second;
}

// Plays the click out on the live records. Figures arrive at once in every
// frame, so a fall costs one frame per row instead of a dozen; what lands
// where is unchanged.
float playOut(const Candidate& cand, const Breakables& before) {
    int scoreBefore = gs.score;
    clickCell(cand.row, cand.column, nullptr);
    // Only the board step: what the rest of the frame does (score count-up,
    // displays, sounds) cannot change where the squares go.
    // A click starts a cooldown, and the rest test looks no further while it runs.
    bool settled = gs.cooldown < 0 && isSettled();
    for (int i = 0; i < kLookFrames && !atRest(settled); ++i) {
        boardStep(kLookDt);
        animationTimeMs += kLookDt;
        if (gs.refillActive) refillStep(kLookDt);
        settled = landFigures();
    }
    const Breakables after = breakablesLeft();
    if (playState.levelWon || after.squares == 0) return 1e6f;
    float value = float(before.squares - after.squares) * 100.0f + float(before.locks - after.locks) * 30.0f;
    value += float(gs.score - scoreBefore) * 0.002f;
    return value;
}

std::vector<Candidate> bestFirst(size_t keep) {
    std::vector<Candidate> list = candidates();
    std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
    if (list.size() > keep) list.resize(keep);
    return list;
}

// The value of the best line of play from here, depth clicks deep.
float search(int depth, Candidate* choice) {
    static Snapshot saved[kDepth + 1]; // large; kept out of the stack
    std::vector<Candidate> list = bestFirst(depth == kDepth ? kTriedFirst : kTriedNext);
    if (list.empty()) return 0;
    float best = -1e30f;
    save(saved[depth]);
    const Breakables before = breakablesLeft(); // every try starts from this board
    for (auto& cand : list) {
        float value = playOut(cand, before);
        bool lost = playState.mode == kPuzzle && gs.movesUsed >= gs.moveLimit;
        if (value < 1e6f) {
            if (lost) value -= 1e5f;
            else value += depth > 1 ? 0.7f * search(depth - 1, nullptr) : outlook();
        }
        restore(saved[depth]);
        if (value > best) {
            best = value;
            if (choice) *choice = cand;
        }
    }
    return best;
}

// Neighbours through which no figure of a group can ever touch the cell.
int walledSides(int r, int c) {
    int n = 0;
    for (int k = 0; k < 4; ++k) {
        int rr = r + kRayStep[k][0], cc = c + kRayStep[k][1];
        if (!isCell(rr, cc) || board[rr][cc].ground < 0) ++n;
    }
    return n;
}

} // namespace

bool chooseHammerStrike(int* row, int* column) {
    if (!gs.hammerReady) return false;
    labelGroups();
    float best = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (!hasFigure(r, c) || cell.groupId >= 0 || cell.ground <= 0) continue;
            // A chained figure only loses its chain; the square stays.
            float value = cell.lock ? 2.0f : cell.ground == 1 ? 10.0f : 6.0f;
            value += 3.0f * float(walledSides(r, c));
            if (cell.fig.bonus > 0 && !cell.lock) value += 4.0f * float(reach(r, c, cell.fig.bonus));
            if (value > best) {
                best = value;
                *row = r;
                *column = c;
            }
        }
    return best > 0;
}

bool chooseClick(int* row, int* column) {
    std::vector<Candidate> list = bestFirst(kTriedFirst);
    if (list.empty()) return false;
    Candidate choice = list[0];
    if (list.size() > 1) {
        BoardOutward wired = boardOutward;
        installSilence();
        search(kDepth, &choice);
        boardOutward = wired;
    }
    *row = choice.row;
    *column = choice.column;
    return true;
}

} // namespace aw::sim
