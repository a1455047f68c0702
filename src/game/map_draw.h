// The adventure map as the menu scene shows it in its map sub-state, under
// the mode screen's two buttons.
#pragma once
#include "core/vec.h"

namespace aw {

// Draws the map as the last update left it (the screens' 2D state).
void drawMap();
// One frame: updateMap, then drawMap. The mouse is in virtual pixels.
void mapFrame(float dtMs, Vec2 mouse);

} // namespace aw
