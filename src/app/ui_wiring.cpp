#include "app/ui_wiring.h"

#include "app/scenes.h"
#include "app/shell_state.h"
#include "effects/backgrounds.h"
#include "game/map_state.h"
#include "persistence/settings.h"
#include "render/device.h"
#include "ui/ui_hooks.h"

namespace aw {

// The particle effects, the trophy room and the play flow connect their
// own hooks when they arrive.
void connectUi() {
    uiHooks.setMenuBackground = [](int number) {
        setBackground(number);
        setTintNow(1, 1, 1, 1);
    };
    uiHooks.setMenuSubState = [](int kind) { menuScene.setSubState(kind); };
    uiHooks.switchToMenuScene = [] { requestSceneSwitch(&menuScene); };
    uiHooks.quit = [] { shell.quitRequested = 1; };
    uiHooks.applyDisplayMode = [](bool fullScreen) {
        shell.fullScreen = fullScreen ? 1 : 0;
        settings().fullScreen = shell.fullScreen;
        setDisplayRequest(shell.renderWidth, shell.renderHeight, fullScreen);
        requestModeChange(); // the window changes at the next present
    };
    uiHooks.displayFullScreen = [] { return renderDevice.fullScreen; };
    uiHooks.hostedByGame = [] { return shell.currentScene == &gameScene; };
    // Only the map in view answers: the menu scene in its map sub-state.
    uiHooks.mapClick = [] {
        if (shell.currentScene != &menuScene || menuScene.subState != kMenuMap) return;
        mapClick({float(shell.mouseX) - 400, 300 - float(shell.mouseY)});
    };
    uiHooks.mousePosition = [](int& x, int& y) {
        x = shell.mouseX;
        y = shell.mouseY;
    };
}

} // namespace aw
