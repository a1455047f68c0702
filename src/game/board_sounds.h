// Connects what the board reports by name to the sound system: its sound
// events and its music changes.
#pragma once

namespace aw {

// Called once the sounds are loaded; the rest of the board's outward calls
// are connected by the subsystems that answer them.
void connectBoardSounds();

} // namespace aw
