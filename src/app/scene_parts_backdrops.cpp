// What the menu scene draws behind its screens: the landscape or the map.
#include "app/scene_parts.h"

namespace aw {

void drawMenuBackground(int) {}

} // namespace aw
