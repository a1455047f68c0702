// Starting a level and the per-frame update of the board.
#pragma once
#include <string>

namespace aw {

// Sets up level index: reset, background, the level file (through the
// resource registry), the initial fill, the limits, the music track.
void startLevel(int index);
// The same with an explicit level file (tools); false when it cannot be read.
bool startLevelFromFile(const std::string& path, int index);
// The same with the level text itself.
void startLevelFromText(const std::string& text, int index);

// Back to what a fresh process holds: the records that outlive a level (the
// birds' turn, the animation clock), for a host that plays many runs in turn.
void resetBoardRun();

// One frame of play. dt is the frame time in ms; rawDtMs the integer frame
// time that drives the ambient sounds (negative: the integer part of dt).
void tick(float dt, int rawDtMs = -1);
// Blasts, the break step, falling and the no-moves check (a step of tick).
void boardStep(float dt);

} // namespace aw
