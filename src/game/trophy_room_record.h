// The room's record for its own two files: the drawing stores the panel
// button's rectangle there for the next click.
#pragma once
#include "game/trophy_room.h"

namespace aw {

TrophyRoom& trophyRoomRecord();

} // namespace aw
