// The window's mouse pointer: the system arrow, the game's two cursor
// pictures, or none (while the game draws its own).
#pragma once
#include <cstdint>

namespace aw {

constexpr int kPointerHidden = -1, kPointerArrow = 0;
constexpr int kPointerPictures = 2; // states 1 and 2

// A picture for pointer state 1 or 2 (bytes B, G, R, A, rows top first).
bool setPointerPicture(int state, const uint8_t* bgra, int width, int height, int hotX, int hotY);
// Shows the pointer of a state; a state without a picture shows the arrow.
void showPointer(int state);
int shownPointer();
// Frees the pictures (shutdown, tests).
void releasePointers();

} // namespace aw
