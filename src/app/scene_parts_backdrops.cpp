// What the menu scene draws behind its screens: the landscape or the map.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "effects/backgrounds.h"

namespace aw {

namespace {
constexpr int kMainSubState = 0, kCreditsSubState = 4;
}

// Sub-states 0 (main) and 4 (credits) stand over the landscape; 1 is the
// adventure map, which has no drawing of its own yet.
void drawMenuBackground(int subState) {
    if (subState != kMainSubState && subState != kCreditsSubState) return;
    // The screens choose the landscape when they open; until one has, the
    // main menu's stands there.
    if (currentBackground() < 0) setBackground(kMainMenuBackground);
    drawBackground(false, shell.clock.frameDeltaMs);
}

} // namespace aw
