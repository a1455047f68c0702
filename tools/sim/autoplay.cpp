// Greedy with one move of look-ahead: every promising group is tried on a
// copy of the board, played out until the board rests, and the result is
// judged by the squares broken plus the best group the new board offers.
#include "autoplay.h"

#include "recorder.h"
#include "run.h"

#include <algorithm>
#include <vector>

namespace aw::sim {
namespace {

constexpr int kTried = 10;         // groups played out per decision
constexpr float kLookDt = 40;      // coarse frames are enough to see the outcome
constexpr int kLookFrames = 600;

struct Candidate {
    int row = 0, column = 0;
    float value = 0;
};

// What a group is worth without playing it: squares and locks it hits,
// bonuses it sets off or earns.
std::vector<Candidate> candidates() {
    std::vector<Candidate> out;
    if (!labelGroups()) return out;
    out.resize(size_t(gs.groupCount));
    std::vector<int> sizes(size_t(gs.groupCount), 0);
    std::vector<bool> placed(size_t(gs.groupCount), false);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            if (cell.groupId < 0) continue;
            Candidate& cand = out[size_t(cell.groupId)];
            ++sizes[size_t(cell.groupId)];
            if (cell.ground > 0) cand.value += 100;
            if (cell.lock) cand.value += 15;
            if (cell.fig.bonus > 0) cand.value += 120;
            // Click where the figure that stays behind as a bonus covers no
            // square, so the square under the rest still breaks cleanly.
            if (!placed[size_t(cell.groupId)] || (cell.ground <= 0 && board[cand.row][cand.column].ground > 0)) {
                cand.row = r;
                cand.column = c;
                placed[size_t(cell.groupId)] = true;
            }
        }
    for (size_t g = 0; g < out.size(); ++g) {
        int n = sizes[g];
        if (n >= 8) out[g].value += 150;
        else if (n >= 5) out[g].value += 60;
        out[g].value += float(n);
    }
    return out;
}

float bestStatic() {
    float best = 0;
    for (const auto& c : candidates()) best = std::max(best, c.value);
    return best;
}

float playOut(const Candidate& cand) {
    int squaresBefore = squaresLeft();
    int scoreBefore = gs.score;
    clickCell(cand.row, cand.column, nullptr);
    for (int i = 0; i < kLookFrames && !atRest(); ++i) frame(kLookDt);
    if (playState.levelWon) return 1e9f;
    float value = float(squaresBefore - squaresLeft()) * 100.0f;
    value += float(gs.score - scoreBefore) * 0.002f;
    value += 0.5f * bestStatic();
    return value;
}

} // namespace

bool chooseClick(int* row, int* column) {
    std::vector<Candidate> list = candidates();
    if (list.empty()) return false;
    std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
    if (list.size() > size_t(kTried)) list.resize(size_t(kTried));

    if (list.size() > 1) {
        static Snapshot before; // large; kept out of the stack
        save(before);
        BoardOutward wired = boardOutward;
        installSilence();
        for (auto& cand : list) {
            cand.value = playOut(cand);
            restore(before);
        }
        boardOutward = wired;
        std::stable_sort(list.begin(), list.end(),
                         [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
    }
    *row = list[0].row;
    *column = list[0].column;
    return true;
}

} // namespace aw::sim
