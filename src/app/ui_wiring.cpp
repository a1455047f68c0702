#include "app/ui_wiring.h"

#include "app/scene.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "board/outward.h"
#include "effects/backgrounds.h"
#include "effects/particles.h"
#include "game/map_state.h"
#include "game/trophy_room.h"
#include "persistence/settings.h"
#include "render/device.h"
#include "ui/cursor.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <cstring>

namespace aw {

namespace {

// The mode screen the room was entered from is the mode it goes back to.
int modeScreenReturnCode() {
    const MenuNode* screen = currentScreen();
    const char* const modes[] = {"adventure", "timeless", "puzzle"};
    for (int m = 0; m < 3; ++m)
        if (screen && std::strcmp(screen->name, modes[m]) == 0) return m;
    return kRoomFromMainMenu;
}

} // namespace

// The play flow connects its own hooks when it arrives.
void connectUi() {
    uiHooks.clearParticles = clearEffects;
    uiHooks.spawnEffect = [](const char* name, float x, float y, float size) {
        startEffect(name, x, y, kNoTarget, kNoTarget, size);
    };
    // The armed hammer is the window's hammer pointer (state 1).
    boardOutward.setHammerCursor = [](bool hammer) { setPointerState(hammer ? 1 : 0); };
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
    uiHooks.enterTrophyRoomFromMenu = [] { enterTrophyRoom(kRoomFromMainMenu); };
    uiHooks.enterTrophyRoomFromModeScreen = [] { enterTrophyRoom(modeScreenReturnCode()); };
    trophyRoomHooks.showRoomScene = [] { requestSceneSwitch(&trophyRoomScene); };
    trophyRoomHooks.showGameScene = [] { requestSceneSwitch(&gameScene); };
    trophyRoomHooks.showMenuScene = [](int subState) {
        menuScene.setSubState(subState);
        requestSceneSwitch(&menuScene);
    };
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
