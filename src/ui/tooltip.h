// The tooltip balloon: parchment with word-wrapped text and a tail pointing
// at a spot, for the main menu's tips and the game's hints. The caller owns
// the record; the balloon returns the rectangle of its button for the click test.
//
// The game's tips stand off their anchor (standOff): an arrow picture floats
// beside the anchor and points at it, and the panel stands beyond the arrow,
// away from the anchor along the pointer direction.
#pragma once
#include "core/rect.h"
#include "core/vec.h"

namespace aw {

// Where the balloon stands relative to its anchor.
enum class BalloonSide { kAuto, kAbove, kBelow, kRight, kLeft };

// No fixed pointer direction: the arrow comes from the screen centre's side.
constexpr float kBalloonAutoDirection = -1000;
constexpr float kStandOffFontSize = 12;
constexpr float kStandOffButtonFont = 17;
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
    bool standOff = false;                // the game's tip look (arrow, panel beyond it)
    float directionDeg = kBalloonAutoDirection; // standOff: from the anchor towards the panel
};

// Where the parts of a stand-off balloon go at full size (scale-in aside).
struct StandOffLayout {
    Rect box;          // the panel
    Vec2 direction;    // unit vector from the anchor towards the panel
    Vec2 arrowCentre;  // the 128 x 64 arrow, turned to point at the anchor
    float arrowDegrees = 0;
    Rect button;       // empty without a button label
};
StandOffLayout standOffLayout(const TooltipBalloon& balloon);

// The rectangle of the balloon for a record (without drawing).
Rect tooltipBalloonRect(const TooltipBalloon& balloon);
// Draws it; returns the button's rectangle, empty (all zero) without a button.
Rect drawTooltipBalloon(const TooltipBalloon& balloon);
// Strict hit test of a button rectangle returned above.
bool balloonButtonHit(const Rect& button, float x, float y);

} // namespace aw
