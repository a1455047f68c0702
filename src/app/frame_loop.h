// The message loop with one idle frame per pass.
#pragma once

namespace aw {

// One idle frame: clear, the scene's frame, present, clock, after-frame, switch.
void runFrame();
// One pass of the loop: a pending message, or else a frame (and the
// start-up load when the splash asked for it). Returns false once quit.
bool runLoopPass();
void runMessageLoop();

} // namespace aw
