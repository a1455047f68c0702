// The screen tree, the scene transition and the drawn cursor, as the scenes see them.
#include "app/scene_parts.h"

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
void startSceneTransition(float, const char*) {}

} // namespace aw
