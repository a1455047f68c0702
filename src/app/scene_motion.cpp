#include "app/scene_motion.h"

#include "app/scenes.h"
#include "app/shell_state.h"
#include "board/falling.h"
#include "board/play_state.h"
#include "game/map_state.h"
#include "ui/ui_hooks.h"
#include "ui/scene_transition.h"

namespace aw {

// Idle animation (the landscape, a breathing button, the candle, figures
// turning) may slow down; a fall, a fade, a level's end or a star arriving
// may not.
bool sceneInMotion() {
    if (shell.loadRequested || sceneSwitchPending() || sceneTransitionRunning()) return true;
    if (shell.currentScene == &splashScene) return true;
    if (shell.currentScene == &gameScene)
        return !isSettled() || playState.levelWon || playState.levelLost || playState.levelAdvanced;
    if (shell.currentScene == &menuScene && menuScene.subState == kMenuMap)
        return !mapState.viewNear || mapState.moveFromLevel >= 0 ||
               mapState.congratulation == kCongratulationGrow || mapState.congratulation == kCongratulationShrink;
    return false;
}

} // namespace aw
