// The one record of the game being played, shared by the board and the play
// flow. The board sets levelWon and levelLost and reads the rest; the play
// flow owns everything else about it. Lives for the run.
#pragma once
#include <cstdint>

namespace aw {

enum GameMode : int8_t { kAdventure = 0, kTimeless = 1, kPuzzle = 2 };

struct PlayState {
    GameMode mode = kAdventure;
    int levelIndex = 0;      // 0..128, 129 only for a moment after the last level
    int scoreBase = 0;       // score carried into the current level
    bool gameInProgress = false;
    bool levelWon = false;
    bool levelLost = false;
    bool levelAdvanced = false;
    bool finished = false;
    bool lostOnce = false;
    bool overlayShown = false;
    bool replaying = false;
};

extern PlayState playState;

} // namespace aw
