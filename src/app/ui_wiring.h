// Connects the screens' hooks to what the app has: scene switches, the menu
// scene's sub-state, quitting, the display mode and the mouse.
#pragma once

namespace aw {

void connectUi();

} // namespace aw
