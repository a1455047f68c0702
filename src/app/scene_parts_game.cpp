// The game scene's contents: the board update, the gameplay screen, the
// board's input and the particle effects.
#include "app/scene_parts.h"

namespace aw {

void updateAndDrawParticles() {}

void advanceGame() {}
void drawGameplayScreen() {}
void boardKeyDown(int) {}
void boardLeftDown() {}
void boardDoubleClick() {}
void boardLeftUp() {}
void boardRightDown() {}
void boardRightUp() {}

} // namespace aw
