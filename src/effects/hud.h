// The game bar's layout and behaviour, apart from its drawing: the lives row,
// the breathing buttons, the pause prompts and the click rectangles.
#pragma once
#include "core/rect.h"
#include "core/vec.h"

namespace aw {

struct HudButton;

// Click rectangles in board coordinates (they do not move with the bar).
constexpr Rect kMenuButtonRect{-380, 22, -295, 2};
constexpr Rect kTrophyButtonRect{-380, 62, -295, 42};
constexpr Rect kHammerButtonRect{-378, -2, -314, -136};
constexpr Rect kBarRect{-400, 300, -285, -100}; // a double click here does not pause
constexpr float kLifePulseMs = 2400;

struct LivesRow {
    int hearts = 0;            // hearts drawn (0 to 3)
    Rect boxes[3];             // each heart's box
    const char* textKey = nullptr; // "lastlife" with no life left
    char count[16] = {};       // "x%i" with more than three lives
    Vec2 textAt;               // where the text stands
    bool countText = false;    // the green count (not centred)
};
// The row for a number of lives at the bar offset; sincePulse is the time
// since a life was gained (the hearts grow for 2400 ms), negative for none.
LivesRow livesRowLayout(int lives, float bar, float sincePulse);

// One frame of a button: breathes while hovered, back at its lower bound otherwise.
void stepHudButton(HudButton& b, bool hovered, float dt);
// Whether the HUD buttons answer the pointer now (time left, no overlay, no bubble).
bool hudButtonsLive();
// Hover and breathing of both buttons for this frame (the pointer is the board mouse).
void updateHudButtons(float dt);
bool menuButtonHovered();
bool trophyButtonHovered();

struct PausePrompts {
    bool showPause = false; // the big word, only in the first 7000 ms
    float pauseSize = 0;
    float promptSize = 0;   // "keytoresume"
    float promptAlpha = 0;  // 0..1
};
PausePrompts pausePrompts(float pauseClock);

// The lives of the current profile in the mode being played (0 without a profile).
int currentLives();

} // namespace aw
