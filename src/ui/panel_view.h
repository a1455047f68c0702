// How a screen grows in and shrinks out: everything of a panel screen is
// scaled by 1 - amount squared about the screen centre and faded with it.
#pragma once
#include "ui/screens.h"

namespace aw {

struct PanelView {
    float s = 1;
    PanelView() {
        float a = transitionAmount();
        s = 1 - a * a;
    }
    float x(float v) const { return v * s; }
    float y(float v) const { return v * s; }
    float f(float size) const { return size * s; }
    float alpha() const { return s; }
};

// The font size at which text fits maxWidth (size itself when it already fits).
float fittingSize(const char* text, float size, float maxWidth);

} // namespace aw
