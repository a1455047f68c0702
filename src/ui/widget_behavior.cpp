#include "ui/widgets.h"

#include <cmath>

namespace aw {

WidgetTables widgets;

bool insideStrict(float left, float top, float right, float bottom, float x, float y) {
    return left < x && x < right && bottom < y && y < top;
}

void clearRegistrations() {
    widgets.lineCount = 0;
    widgets.controlCount = 0;
}

MenuLine* registerLine(float left, float top, float right, float bottom) {
    if (widgets.lineCount >= kMaxMenuLines) return nullptr;
    MenuLine& l = widgets.lines[widgets.lineCount++];
    l = MenuLine{left, top, right, bottom};
    return &l;
}

UiControl* registerControl(ControlKind kind, float left, float top, float right, float bottom) {
    if (widgets.controlCount >= kMaxControls) return nullptr;
    UiControl& c = widgets.controls[widgets.controlCount++];
    if (c.kind != kind) c = UiControl{};
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.right = right;
    c.bottom = bottom;
    return &c;
}

SliderClick sliderClickBehavior(UiControl& s, float x, float y) {
    if (!(s.bottom < y && y < s.top)) return SliderClick::kMissed;
    if (x <= s.left - kSliderBand || x >= s.right + kSliderBand) return SliderClick::kMissed;
    if (x <= s.left - kSliderStepReach) {
        if (s.value > 0) --s.value;
        return SliderClick::kDown;
    }
    if (x >= s.right + kSliderStepReach) {
        if (s.value < s.steps - 1) ++s.value;
        return SliderClick::kUp;
    }
    return SliderClick::kFocus;
}

bool sliderDragBehavior(UiControl& s, float x, float y) {
    if (!(s.left - kSliderStepReach < x && x < s.right + kSliderStepReach && s.bottom < y && y < s.top)) return false;
    int last = s.steps > 0 ? s.steps - 1 : 0;
    if (x < s.left) s.value = 0;
    else if (x > s.right) s.value = int16_t(last);
    else {
        int v = s.right > s.left ? int((x - s.left) / (s.right - s.left) * float(s.steps)) : 0;
        s.value = int16_t(v > last ? last : v);
    }
    return true;
}

void bindValue(UiControl& c, bool fadingIn, int& variable) {
    if (fadingIn) {
        int last = c.steps > 0 ? c.steps - 1 : 0;
        c.value = int16_t(variable < 0 ? 0 : variable > last ? last : variable);
    }
    else variable = c.value;
}

void bindFlag(UiControl& c, bool fadingIn, int& variable) {
    if (fadingIn) c.on = variable != 0;
    else variable = c.on ? 1 : 0;
}

Highlight highlightAt(float clockMs) {
    float s = std::sin(0.005f * clockMs) / 2 + 0.5f;
    Highlight h;
    h.text = Color(255, 150 + int(50 * s), 0, 255);
    h.glow = Color(255, 200, 100, 50 + int(20 * s));
    return h;
}

} // namespace aw
