// The landscape behind the board and the menus: one of 18 paintings, its
// tint, and the change between levels. Callers use only these operations.
//
// Lifetime: the current painting and the tint live for the run;
// resetBackgrounds() forgets them (tests).
#pragma once

namespace aw {

constexpr int kBackgroundCount = 18;
constexpr int kMainMenuBackground = 15;
constexpr int kTrophyRoomBackground = 17;

// Shows the painting of number (outside 0..17: 0) at once; the same number
// again changes nothing.
void setBackground(int number);
// Moves to the painting of number through the change transition.
void changeBackground(int number);
int currentBackground();

// The tint the landscape moves towards, and one that applies at once.
void setTintTarget(float r, float g, float b, float a);
void setTintNow(float r, float g, float b, float a);

// Draws the landscape for this frame and advances its clocks by dt (ms).
// inGameplay: behind the board (the menus and the map pass false).
void drawBackground(bool inGameplay, float dt);

void resetBackgrounds();

} // namespace aw
