// Drawing the widgets. Each call draws this frame's widget and registers its
// line or control (widgets.h); callers pass positions in the centred, y-up
// 800 x 600 screen.
#pragma once
#include "core/color.h"
#include "core/rect.h"

namespace aw {

struct UiControl;

constexpr Color kPanelFill{55, 15, 0, 200};
constexpr Color kDisabledGrey{155, 155, 155, 255};
constexpr Color kShadow{0, 0, 0, 192};

// A filled, framed panel; scale about the screen centre (1 - amount squared).
void drawPanel(const Rect& r, float scale = 1);
// The panel centred on (cx, cy), w by h, scaled about the screen centre.
void drawPanelCentred(float cx, float cy, float w, float h, float scale);

// The label is given text or, when null, the text of the current screen's
// child whose index is the number of lines registered so far; the selected
// button's label glows. Registers a menu line. alpha scales everything.
void drawButton(float x, float y, float w, float h, float fontSize, const char* label, float alpha = 1,
                bool withPicture = true);

// The button's picture alone (its three slices), registering nothing: for
// buttons that others draw and test themselves (the map's "OK").
void drawButtonPicture(float x, float y, float w, float h, float alpha = 1);

// A horizontal slider of steps positions bound to value (0..steps-1).
UiControl* drawSlider(float x0, float x1, float y, int steps, int& value);
// A check box centred on (x, y) bound to flag; the label stands 47 right of it.
UiControl* drawCheckBox(float x, float y, int& flag, const char* label);
// Atlas sprites 14 and 15 as left and right arrow controls.
void drawArrow(float x, float y, bool right);
// A text link; white while hovered, else the given colour. Returns its control.
UiControl* drawLink(float x, float y, float fontSize, const char* text, Color idle);
// A pulsing outline around the focused control (small: 10 by 10 larger, else 32 by 16).
void drawFocusFrame(bool small = false);

// Text with the black shadow the screens use.
void drawLabel(float x, float y, float size, const char* text, bool centred, Color color);

// The plain list of the current screen's children: panel, texts, lines.
void drawDefaultList(float x, float y, float fontSize, bool centred, int first = 0, int count = -1);

// Colours of this frame.
Color highlightText();
Color highlightGlow();

} // namespace aw
