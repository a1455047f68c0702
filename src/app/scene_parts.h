// The operations of the subsystems the scenes host: the screen tree, the
// animated landscapes, the adventure map, the trophy room, the particle
// effects, the scene transition, the game update and the gameplay screen.
// Each forwards to its subsystem (one file per owner: scene_parts_screens,
// _game, _backdrops, _trophy_room); a subsystem that is not in the build yet
// has nothing to show, so its operations do nothing (an empty screen tree
// opens no screen, no particle is alive, no landscape is loaded).
#pragma once

namespace aw {

// Screen tree.
bool openScreenByName(const char* name);
void screenUpdate();
void screenFrame();
void screenKeyDown(int key);
void screenClick();
void screenDoubleClick();
void screenRelease();
void screenMouseMoved();
bool overlayShown();

// Shared presentation.
void advanceSceneTransition();
void advanceSharedTimers();
void drawCustomCursor();
void updateAndDrawParticles();
void drawMenuBackground(int subState);
void updateMusic();

// The game scene's contents.
void advanceGame();
void drawGameplayScreen();
void boardKeyDown(int key);
void boardLeftDown();
void boardDoubleClick();
void boardLeftUp();
void boardRightDown();
void boardRightUp();
// With --level N: sets level N up in the game scene (after the load); false without it.
bool startLaunchLevel();

// The trophy room.
void trophyRoomUpdate();
void trophyRoomDraw();
void trophyRoomKey(int key);
void trophyRoomLeftDown();
void trophyRoomDoubleClick();
void trophyRoomLeftUp();
void trophyRoomMouseMove();


} // namespace aw

namespace aw {
// Starts the full-screen iris of the given length with a caption (may be empty).
void startSceneTransition(float lengthMs, const char* caption);
bool customCursorOn();
} // namespace aw
