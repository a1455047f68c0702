// The three modes and the names each one carries: its key (also the name of
// its map screen), its titles, its saved-game file and the message after a
// lost level. Every per-mode table of the game is indexed by GameMode.
#pragma once
#include "board/play_state.h"

namespace aw {

struct ModeInfo {
    const char* key;             // "adventure": the main menu item and the mode screen
    const char* hiscoreTitleKey; // "classicmode": the high-score table's title
    const char* resumeTitleKey;  // "loadclassicmode": the resume question's title
    const char* savedGameFormat; // "%s_cls.sav", formed with the profile's name
    const char* lifeLostKey;     // "lostlifetime"; null where no level is ever lost
};

// The row of a mode; a value outside 0..2 gives the adventure row.
const ModeInfo& modeInfo(int mode);
// The mode whose key is name exactly; -1 for any other text (and null).
int modeFromKey(const char* name);

} // namespace aw
