// The game scene's contents: the board update, the gameplay screen, the
// board's input and the particle effects.
#include "app/launch_options.h"
#include "app/scene_parts.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "board/board.h"
#include "effects/backgrounds.h"
#include "effects/gameplay_screen.h"
#include "effects/particles.h"
#include "game/play_flow.h"
#include "ui/screens.h"

namespace aw {

// The board keeps the pointer in board coordinates (y up, origin at the centre).
static Vec2 boardMouse() { return {float(shell.mouseX) - 400, 300 - float(shell.mouseY)}; }

void updateAndDrawParticles() { updateAndDrawEffects(shell.clock.frameDeltaMs); }

void advanceGame() {
    boardInput.mouse = boardMouse();
    tick(shell.clock.frameDeltaMs, int(shell.clock.rawDeltaMs));
    // The sound requests of this tick start now, and the music follows its fades.
    updateMusic();
}

void drawGameplayScreen() {
    // A screen over the board darkens the landscape as it fades in (0 shown, 1 gone).
    if (playState.overlayShown) setOverlayFade(transitionAmount());
    drawGameplayFrame(shell.clock.frameDeltaMs, shell.clock.animationTimeMs);
}

void boardKeyDown(int key) { onBoardKey(key); }
void boardLeftDown() {
    boardInput.mouse = boardMouse();
    // The hover group follows the tick; a click arriving between two ticks
    // on another group builds it now, so the click takes the group it is on.
    updateHover();
    onBoardLeftDown();
}
void boardDoubleClick() { onBoardDoubleClick(); }
void boardLeftUp() { onBoardLeftUp(); }
void boardRightDown() { onBoardRightDown(); }
void boardRightUp() { onBoardRightUp(); }

// The test start: the level of --level in the mode of --mode, straight after
// the load, as the flow starts the mode's current level, so that winning or
// losing it goes on as in a game.
bool startLaunchLevel() {
    if (launchOptions.startLevel <= 0) return false;
    playState = PlayState{};
    playLevelAtOnce(GameMode(launchOptions.startMode), launchOptions.startLevel - 1);
    return true;
}

} // namespace aw
