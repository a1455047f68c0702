// The trophy room scene's contents, with the shell's clock and mouse.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "game/trophy_room.h"

namespace aw {
namespace {

// The mouse in the centred, y-up screen the room is laid out in.
Vec2 roomMouse() { return Vec2{float(shell.mouseX) - 400, 300 - float(shell.mouseY)}; }

} // namespace

void trophyRoomUpdate() { updateTrophyRoom(shell.clock.frameDeltaMs, roomMouse()); }
void trophyRoomDraw() { drawTrophyRoom(shell.clock.frameDeltaMs); }
void trophyRoomKey(int key) { trophyRoomKeyDown(key); }
void trophyRoomLeftDown() { trophyRoomClick(roomMouse()); }
// The second press of a double click is a click as well.
void trophyRoomDoubleClick() { trophyRoomClick(roomMouse()); }
void trophyRoomLeftUp() {}
// Hover follows the mouse in the room's update.
void trophyRoomMouseMove() {}

} // namespace aw
