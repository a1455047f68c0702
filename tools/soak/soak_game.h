// The game as the soak runs it: started as a player starts it (the splash,
// the start-up load from the data directory, the first profile typed on the
// name entry), offscreen, with its frames on a clock that moves a fixed step
// per frame. Input goes in as window messages, the way the window's events
// reach the game.
#pragma once
#include <string>

namespace aw::soak {

// Opens a hidden window and runs the real frame loop through the splash and
// the load to the main menu, where a profile is made. The player files go
// where XDG_DATA_HOME points: the caller gives a private one. False, with
// the reason on stderr, when the window, the load or the profile fails.
bool startGame(const std::string& data, float stepMs);
// Closes the window as a player does and shuts down in the game's order.
void stopGame();

// One frame of the real loop, after any messages posted before it; the
// clock moves one step. False when no frame was drawn (the loop quit or
// the window is inactive).
bool frame();
// Game time: the sum of the steps so far.
double clockMs();

// Posts a left click at a client pixel: the mouse moves there, the button
// goes down and up. Handled before the next frame.
void click(int x, int y);
// A key press; the menus read one key per frame.
void pressKey(int virtualKey);

// Resident memory of the process in KiB.
long residentKiB();
// What the program holds from the allocator in KiB: the blocks in use, the
// large ones that have their own mappings among them.
long heapInUseKiB();
// Gives the allocator's free pages back to the system, so the resident size
// counts what is held rather than what fragmentation left over.
void returnFreeHeap();

} // namespace aw::soak
