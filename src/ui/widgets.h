// The immediate-mode widgets: every frame a screen's draw routine registers
// its menu lines and controls anew, in drawing order, and the input of the
// next events tests those rectangles. Behaviour (hit tests, slider steps and
// drags, value binding) is kept apart from drawing so it runs without a frame.
//
// Lifetime: the tables live for the run; lines are cleared every frame, the
// control records keep their values while a screen registers them in the
// same order.
#pragma once
#include "core/color.h"
#include "core/rect.h"

#include <cstdint>

namespace aw {

constexpr int kMaxMenuLines = 32;
constexpr int kMaxControls = 32;
// A slider reacts this far beyond its ends; a click beyond kSliderStepReach steps it.
constexpr float kSliderBand = 64.0f;
constexpr float kSliderStepReach = 25.6f;

enum ControlKind : int32_t {
    kControlSlider = 0,
    kControlCheckBox = 1,
    kControlLeftArrow = 4,
    kControlRightArrow = 5,
    kControlLink = 7,
    kControlProfileLine = 8,
};

// Line i is the current screen's child i.
struct MenuLine {
    float left = 0, top = 0, right = 0, bottom = 0;
};

struct UiControl {
    float left = 0, top = 0, right = 0, bottom = 0;
    int32_t kind = -1;
    int16_t steps = 0;
    int16_t value = 0;
    uint8_t on = 0;
};

struct WidgetTables {
    MenuLine lines[kMaxMenuLines];
    int lineCount = 0;
    UiControl controls[kMaxControls];
    int controlCount = 0;
};
extern WidgetTables widgets;

// Strict on every side: left < x < right, bottom < y < top.
bool insideStrict(float left, float top, float right, float bottom, float x, float y);
inline bool lineHit(const MenuLine& l, float x, float y) { return insideStrict(l.left, l.top, l.right, l.bottom, x, y); }
inline bool controlHit(const UiControl& c, float x, float y) {
    return insideStrict(c.left, c.top, c.right, c.bottom, x, y);
}

// Forgets this frame's lines and the count of controls (records keep values).
void clearRegistrations();
// Null when the table is full.
MenuLine* registerLine(float left, float top, float right, float bottom);
// The next control record in drawing order; a record that held another kind
// starts from zero. Null when the table is full.
UiControl* registerControl(ControlKind kind, float left, float top, float right, float bottom);

// What a click does to a slider at (x, y).
enum class SliderClick { kMissed, kDown, kUp, kFocus };
SliderClick sliderClickBehavior(UiControl& slider, float x, float y);
// While the button is held: the value follows the mouse across the track.
// True when the mouse was over the slider.
bool sliderDragBehavior(UiControl& slider, float x, float y);

// The value binding: while the screen fades in, the control shows the
// program value (kept to the control's steps); afterwards the control's
// value is written back to it.
void bindValue(UiControl& control, bool fadingIn, int& variable);
void bindFlag(UiControl& control, bool fadingIn, int& variable);

// [SECTION] highlight colours, recomputed every frame from a free-running clock.
struct Highlight {
    Color text{255, 150, 0, 255};
    Color glow{255, 200, 100, 50};
};
Highlight highlightAt(float clockMs);

} // namespace aw
