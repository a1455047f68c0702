// One level of the soak: started as the game's test start does, played by
// the simulator's autoplayer through mouse clicks on the board and the
// hammer button, every prompt on the way answered with Enter, until the
// level is won (and the game has moved past its result) or lost (and the
// loss has been resolved).
#pragma once
#include "board/game_modes.h"

namespace aw::soak {

enum class Outcome { Won, Lost, OverBudget, Stalled };

struct LevelRun {
    Outcome outcome = Outcome::Stalled;
    long frames = 0;
    int moves = 0;   // the board's move count when the outcome came
    int strikes = 0; // hammer strikes
};

const char* outcomeName(Outcome outcome);

// Plays level index (0..128) of the mode in at most frameBudget frames.
LevelRun playLevel(GameMode mode, int index, long frameBudget);

} // namespace aw::soak
