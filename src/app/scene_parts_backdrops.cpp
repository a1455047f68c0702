// What the menu scene draws behind its screens: the landscape or the map.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "effects/backgrounds.h"
#include "game/map_draw.h"
#include "ui/ui_hooks.h"

namespace aw {

// Sub-states 0 (main) and 4 (credits) stand over the landscape; 1 is the
// adventure map, drawn under the mode screen's buttons.
void drawMenuBackground(int subState) {
    if (subState == kMenuMap) {
        Vec2 mouse{float(shell.mouseX) - 400, 300 - float(shell.mouseY)};
        mapFrame(shell.clock.frameDeltaMs, mouse);
        return;
    }
    if (subState != kMenuMain && subState != kMenuCredits) return;
    // The screens choose the landscape when they open; until one has, the
    // main menu's stands there.
    if (currentBackground() < 0) setBackground(kMainMenuBackground);
    drawBackground(false, shell.clock.frameDeltaMs);
}

} // namespace aw
