// The tooltip balloon: parchment with word-wrapped text and a tail pointing
// at a spot, for the main menu's tips and the game's hints. The caller owns
// the record; the balloon returns the rectangle of its button for the click test.
#pragma once
#include "core/rect.h"
#include "core/vec.h"

namespace aw {

// Where the balloon stands relative to its anchor.
enum class BalloonSide { kAuto, kAbove, kBelow, kRight, kLeft };

struct TooltipBalloon {
    Vec2 anchor;                          // the point the tail shows (the centre without a tail)
    const char* text = nullptr;           // already looked up
    float width = 300;                    // the balloon's width; the text wraps inside it
    float fontSize = 12;
    bool pointer = true;                  // draw the tail
    BalloonSide side = BalloonSide::kAuto; // a fixed direction, or chosen to stay on screen
    float scaleIn = 1;                    // 0..1: the balloon grows in about its anchor
    const char* buttonLabel = nullptr;    // a button under the text ("continue"), or none
    float ageMs = 0;                      // since it appeared; the balloon breathes with it
};

// The rectangle of the balloon for a record (without drawing).
Rect tooltipBalloonRect(const TooltipBalloon& balloon);
// Draws it; returns the button's rectangle, empty (all zero) without a button.
Rect drawTooltipBalloon(const TooltipBalloon& balloon);
// Strict hit test of a button rectangle returned above.
bool balloonButtonHit(const Rect& button, float x, float y);

} // namespace aw
