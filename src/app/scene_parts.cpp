#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "audio/sound_system.h"
#include "persistence/settings.h"

namespace aw {

bool openScreenByName(const char*) { return false; }
void screenUpdate() {}
void screenFrame() {}
void screenKeyDown(int) {}
void screenClick() {}
void screenDoubleClick() {}
void screenRelease() {}
void screenMouseMoved() {}
bool overlayShown() { return false; }

void advanceSceneTransition() {}
void advanceSharedTimers() {}
void drawCustomCursor() {}
void updateAndDrawParticles() {}
void drawMenuBackground(int) {}
void updateMusic() { updateSound(shell.clock.frameDeltaMs); }

void advanceGame() {}
void drawGameplayScreen() {}
void boardKeyDown(int) {}
void boardLeftDown() {}
void boardDoubleClick() {}
void boardLeftUp() {}
void boardRightDown() {}
void boardRightUp() {}

void trophyRoomUpdate() {}
void trophyRoomDraw() {}
void trophyRoomKey(int) {}
void trophyRoomLeftDown() {}
void trophyRoomDoubleClick() {}
void trophyRoomLeftUp() {}
void trophyRoomMouseMove() {}


} // namespace aw

namespace aw {
void startSceneTransition(float, const char*) {}
bool customCursorOn() { return settings().customCursor != 0; }
} // namespace aw
