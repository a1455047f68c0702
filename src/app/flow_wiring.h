// Connects the play flow: its hooks into the scenes, the board's play-flow
// hooks and the flow's items. After the screen tree is loaded.
#pragma once

namespace aw {

void connectFlow();

} // namespace aw
