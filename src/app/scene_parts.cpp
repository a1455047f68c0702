// The shared presentation calls of the scenes that belong to no one subsystem.
#include "app/scene_parts.h"

#include "app/shell_state.h"
#include "audio/sound_system.h"
#include "persistence/settings.h"

namespace aw {

void updateMusic() { updateSound(shell.clock.frameDeltaMs); }
bool customCursorOn() { return settings().customCursor != 0; }

} // namespace aw
