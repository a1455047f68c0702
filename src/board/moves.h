// The player's input on the board: clicks, keys, the group under the mouse,
// the hammer click, the no-moves check and the idle hint.
#pragma once

namespace aw {

constexpr int kKeySpace = 32;
constexpr int kKeyEscape = 27;

// Scene input while no overlay is open; the mouse position is boardInput.mouse.
void onBoardLeftDown();
void onBoardLeftUp();
void onBoardDoubleClick();
void onBoardRightDown();
void onBoardRightUp();
void onBoardKey(int key);

// True when the click is meant for the board itself.
bool routeClick();
// A click on the board: hammer strike or group click.
void clickGroup();
// The group under the mouse (a step of the tick).
void updateHover();
// On a settled board: re-colour when no group is left, else time the hint.
void checkMovesAndHint(float dt);
void pauseBoard();
// What the trophy notice calls when it has been shown.
void finishTrophyNotice();

} // namespace aw
