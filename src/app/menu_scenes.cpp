// The frame operations and input routing of the menu, game and trophy-room
// scenes; their contents belong to the subsystems they host.
#include "app/scene_parts.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "core/matrix.h"
#include "game/play_flow.h"
#include "render/render_states.h"
#include "render/text.h"
#include "render/transforms.h"

namespace aw {

MenuScene menuScene;
GameScene gameScene;
TrophyRoomScene trophyRoomScene;

namespace {

// The state the menu and trophy scenes draw in: alpha blended, no depth test,
// an 800 x 600 orthographic view moved back by 120 so depth 0 is visible.
void beginMenuFrame() {
    enableFeature(4);
    setBlendMode(0);
    disableFeature(1);
    enableFeature(5);
    setRenderState(RS_ALPHAREF, 1);
    disableFeature(0);
    setOrtho(800, 600, 1, 500);
    Matrix view = Matrix::translation(0, 0, 120);
    setView(&view);
    setWorld(nullptr);
    setRenderState(RS_CULLMODE, kCullNone);
}

void endMenuFrame() {
    advanceSceneTransition();
    disableFeature(5);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendInvSrcAlpha);
    advanceSharedTimers();
    if (customCursorOn()) drawCustomCursor();
    updateMusic();
}

} // namespace

void MenuScene::setSubState(int kind) {
    if (kind == subState) return;
    startSceneTransition(1000, "");
    subState = kind;
}

void MenuScene::onFrame() {
    timerMs += shell.clock.frameDeltaMs;
    beginMenuFrame();
    drawMenuBackground(subState);
    selectFont(0);
    screenUpdate();
    screenFrame();
    updateAndDrawParticles();
    advancePlayFlow(shell.clock.frameDeltaMs);
    endMenuFrame();
}

void MenuScene::onKeyDown(int key) { pendingKey = key; }
void MenuScene::onAfterFrame() {
    if (pendingKey) screenKeyDown(pendingKey);
    pendingKey = 0;
}
void MenuScene::onLeftDown() { screenClick(); }
void MenuScene::onLeftDoubleClick() { screenDoubleClick(); }
void MenuScene::onLeftUp() { screenRelease(); }
void MenuScene::onMouseMove() { screenMouseMoved(); }

void GameScene::onFrame() {
    selectFont(0);
    advanceGame();
    drawGameplayScreen();
    advanceSceneTransition();
    advanceSharedTimers();
    if (overlayShown()) {
        screenUpdate();
        screenFrame();
        updateAndDrawParticles();
    }
    advancePlayFlow(shell.clock.frameDeltaMs);
    if (customCursorOn()) drawCustomCursor();
}

// With a screen open over the board the screens get the keys and the left
// button; otherwise the board does. The right button always goes to the board.
void GameScene::onKeyDown(int key) {
    pendingKey = key;
    if (overlayShown())
        screenKeyDown(key);
    else
        boardKeyDown(key);
}
void GameScene::onLeftDown() {
    if (overlayShown())
        screenClick();
    else
        boardLeftDown();
}
void GameScene::onLeftDoubleClick() { boardDoubleClick(); } // the board ignores it under an overlay
void GameScene::onLeftUp() {
    if (overlayShown())
        screenRelease();
    else
        boardLeftUp();
}
void GameScene::onRightDown() { boardRightDown(); }
void GameScene::onRightUp() { boardRightUp(); }
void GameScene::onMouseMove() {
    if (overlayShown()) screenMouseMoved();
}

void TrophyRoomScene::onFrame() {
    beginMenuFrame();
    trophyRoomUpdate();
    trophyRoomDraw();
    selectFont(0);
    screenUpdate();
    updateAndDrawParticles();
    endMenuFrame();
}

void TrophyRoomScene::onKeyDown(int key) { pendingKey = key; }
void TrophyRoomScene::onAfterFrame() {
    if (pendingKey) trophyRoomKey(pendingKey);
    pendingKey = 0;
}
void TrophyRoomScene::onLeftDown() { trophyRoomLeftDown(); }
void TrophyRoomScene::onLeftDoubleClick() { trophyRoomDoubleClick(); }
void TrophyRoomScene::onLeftUp() { trophyRoomLeftUp(); }
void TrophyRoomScene::onMouseMove() { trophyRoomMouseMove(); }

} // namespace aw
