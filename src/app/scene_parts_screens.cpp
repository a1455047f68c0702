// The screen tree, the scene transition and the drawn cursor, as the scenes
// see them. openScreenByName, the input calls and startSceneTransition are
// the ui's own (src/ui/screens.h, src/ui/scene_transition.h); the rest
// forwards here with the shell's clock and mouse.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "board/play_state.h"
#include "persistence/settings.h"
#include "ui/cursor.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"

namespace aw {

void screenUpdate() { aw::screenUpdate(shell.clock.frameDeltaMs); }
void screenFrame() { screenDraw(); }
bool overlayShown() { return playState.overlayShown; }

void advanceSceneTransition() { aw::advanceSceneTransition(shell.clock.frameDeltaMs); }
void advanceSharedTimers() {
    advanceUiClock(shell.clock.frameDeltaMs);
    applyCursorSetting(settings().customCursor != 0);
}
void drawCustomCursor() {
    setScreenMouse(shell.mouseX, shell.mouseY);
    aw::drawCustomCursor(mouseVirtualX(), mouseVirtualY(), shell.clock.frameDeltaMs);
}

} // namespace aw
