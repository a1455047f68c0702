// The pointer: the window's cursor for the pointer states (0 arrow, 1 and 2
// the game's cursors "cursor1.tga" and "cursor2.tga"), or, with the custom
// cursor setting on, a golden pointer drawn from atlas sprites 22 to 25.
//
// Lifetime: the pointer state lives for the run; resetCursor() for tests.
#pragma once

namespace aw {

// Decodes the two cursor pictures and gives them to the window.
void loadCursorPictures();
// The game asks for a pointer state (the hammer asks for 1).
void setPointerState(int state);
int pointerState();
// Follows the custom-cursor setting: hides the window's pointer while it is on.
void applyCursorSetting(bool custom);
// Draws the pointer at the mouse (virtual coordinates); advances its glint.
void drawCustomCursor(float x, float y, float dtMs);

void resetCursor();

} // namespace aw
