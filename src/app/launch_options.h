// The few command-line switches: a player needs none of them. They serve
// benchmarks and tests; unknown arguments are reported and ignored.
#pragma once
#include <string>

namespace aw {

struct LaunchOptions {
    bool unpaced = false; // --unpaced: frames as fast as possible (benchmarks)
    int startLevel = 0;   // --level N: after the load, play level N (1..129) at once; 0 = the menus
    int startMode = 0;    // --mode adventure|timeless|puzzle, with --level or --map
    bool openMap = false; // --map: after the splash, the mode's map from the profile's progress
    int mapCompleted = 0; // --completed N: as right after completing level N, the one before the
                          // profile's current level (129: the mode finished)
    std::string describeBoardPath; // --describe-board FILE: tests read where the game is (board_description.h)
    float clockSpeed = 1;  // --clock-speed F (1..20): every clock runs F times faster (tests of timed outcomes)
};

// Lives for the run; filled once by main.
extern LaunchOptions launchOptions;

// Reads argv[1..argc-1]; every problem is written to errors (one line each)
// and the rest of the line is still read.
LaunchOptions parseLaunchOptions(int argc, const char* const* argv, std::string& errors);

// The --map start, in place of the main menu: the menu scene in its map
// sub-state, the map placed from the current profile's progress in --mode
// (with --completed, the new star of that level, or the congratulation after
// the last), and the mode's screen. False when there is no profile.
bool openLaunchMap();

} // namespace aw
