// The credits: the block of "menutext.txt" scrolling up, fading by distance.
#include "ui/navigation_state.h"
#include "ui/screen_content.h"
#include "ui/ui_hooks.h"
#include "ui/widget_draw.h"

#include "audio/sound_system.h"

#include <cmath>

namespace aw {
namespace {

constexpr float kSpeed = 0.03f, kStartY = -200, kSpacing = 40;

// Lives for the run; restarted when the screen opens.
float scrolled = 0;
float lastClock = 0;

} // namespace

void onOpenCredits() {
    changeTune(1);
    scrolled = 0;
    lastClock = uiClockMs();
    uicall::setMenuSubState(kMenuCredits);
}

void drawCreditsScreen() {
    float now = uiClockMs();
    float dt = now - lastClock;
    lastClock = now;
    int count = creditsLineCount();
    float stop = kSpacing * float(count) - 50 - kStartY;
    if (scrolled < stop) scrolled += kSpeed * dt;
    if (scrolled > stop) scrolled = stop;
    float fade = 1 - transitionAmount();
    for (int i = 0; i < count; ++i) {
        float y = kStartY + scrolled - kSpacing * float(i);
        float d = std::fabs(y);
        float a = d <= 100 ? 1 : d >= 260 ? 0 : (260 - d) / 160;
        if (a <= 0) continue;
        const char* line = creditsLine(i);
        bool heading = line[0] && line[1] && static_cast<unsigned char>(line[2]) >= 0xE0;
        Color c = heading ? Color(255, 255, 0, int(255 * a * fade)) : Color(255, 255, 255, int(255 * a * fade));
        drawLabel(0, y, 16, line, true, c);
    }
}

float creditsScroll() { return scrolled; }

void resetCreditsScreen() {
    scrolled = 0;
    lastClock = 0;
}

} // namespace aw
