// What the menu scene draws behind its screens: the landscape or the map.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "game/map_draw.h"
#include "ui/ui_hooks.h"

namespace aw {

void drawMenuBackground(int subState) {
    if (subState == kMenuMap) {
        Vec2 mouse{float(shell.mouseX) - 400, 300 - float(shell.mouseY)};
        mapFrame(shell.clock.frameDeltaMs, mouse);
        return;
    }
}

} // namespace aw
