#include "ui/ui_hooks.h"

#include "ui/screens.h"

namespace aw {

UiHooks uiHooks;

namespace uicall {

void clearParticles() {
    if (uiHooks.clearParticles) uiHooks.clearParticles();
}
void spawnEffect(const char* name, float x, float y, float size) {
    if (uiHooks.spawnEffect) uiHooks.spawnEffect(name, x, y, size);
}
void setMenuBackground(int number) {
    if (uiHooks.setMenuBackground) uiHooks.setMenuBackground(number);
}
void setMenuSubState(int kind) {
    if (uiHooks.setMenuSubState) uiHooks.setMenuSubState(kind);
}
void switchToMenuScene() {
    if (uiHooks.switchToMenuScene) uiHooks.switchToMenuScene();
}
bool enterTrophyRoomFromMenu() {
    if (!uiHooks.enterTrophyRoomFromMenu) return false;
    uiHooks.enterTrophyRoomFromMenu();
    return true;
}
bool enterTrophyRoomFromModeScreen() {
    if (!uiHooks.enterTrophyRoomFromModeScreen) return false;
    uiHooks.enterTrophyRoomFromModeScreen();
    return true;
}
void mapClick() {
    if (uiHooks.mapClick) uiHooks.mapClick();
}
void quit() {
    if (uiHooks.quit) uiHooks.quit();
}
void applyDisplayMode(bool fullScreen) {
    if (uiHooks.applyDisplayMode) uiHooks.applyDisplayMode(fullScreen);
}
bool displayFullScreen() { return uiHooks.displayFullScreen && uiHooks.displayFullScreen(); }
void refreshMouse() {
    if (!uiHooks.mousePosition) return;
    int x = 0, y = 0;
    uiHooks.mousePosition(x, y);
    setScreenMouse(x, y);
}
bool hostedByGame() { return uiHooks.hostedByGame && uiHooks.hostedByGame(); }

} // namespace uicall
} // namespace aw
