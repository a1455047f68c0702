#include "board/board_state.h"

#include "board/play_state.h"

namespace aw {

Cell board[kRows][kColumns];
GameState gs;
Blast blasts[kBlastCount];
Debris debris[kDebrisCount];
FloatingPoints floatingPoints[kFloatingCount];
BoltSet boltSets[kBoltSets];
Shake shake;
BoardInput boardInput;
float animationTimeMs = 0;
PlayState playState;

void resetLevelState() {
    for (auto& row : board)
        for (auto& cell : row) cell = Cell{}; // plain cell, no figure
    gs = GameState{};
    for (auto& b : blasts) b = Blast{};
    for (auto& d : debris) d = Debris{};
    for (auto& f : floatingPoints) f = FloatingPoints{};
    for (auto& s : boltSets) s = BoltSet{};
    shake = Shake{};

    gs.streakTrigger = 1;
    gs.lastClickedKind = -2;
    gs.hintDelay = 6000;
    gs.hammerFull = 0.88f;
    gs.hammerEmpty = 0.18f;
    gs.hammerCharge = 0.18f;
    gs.hammerTarget = 0.18f;
    for (int k = 0; k < kKinds; ++k) gs.displayTable[k] = k;

    playState.levelWon = false;
    playState.levelLost = false;
    playState.levelAdvanced = false;
    playState.finished = false;
    playState.gameInProgress = false;
}

} // namespace aw
