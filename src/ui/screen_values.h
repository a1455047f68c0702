// Values the screens show that belong to the play flow, set by it.
#pragma once

namespace aw {

// The row of the high-score table the last insertion took (none: row -1);
// shown only while the table of that mode is on screen.
void setHighlightedRow(int mode, int row);
void clearHighlightedRow();
int highlightedRow();
int highlightedRowMode();
// The mode whose table the high-score screen shows.
int shownHiscoreMode();

// The counter of the game tips ("gametip1" onwards); 0 at program start.
int gameTipCounter();

// The profile the profile screens act on ("rename", "remove", the link).
int profileToActOn();

} // namespace aw
