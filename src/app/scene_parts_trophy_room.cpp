// The trophy room scene's contents.
#include "app/scene_parts.h"

namespace aw {

void trophyRoomUpdate() {}
void trophyRoomDraw() {}
void trophyRoomKey(int) {}
void trophyRoomLeftDown() {}
void trophyRoomDoubleClick() {}
void trophyRoomLeftUp() {}
void trophyRoomMouseMove() {}

} // namespace aw
