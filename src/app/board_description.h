// The test switch --describe-board FILE: after every frame whose state a
// test cares about has changed, the game writes a small text file saying
// where it is (scene, screen, box, selected item, tip), the play state
// (mode, level, score, lives, outcome) and, on a settled board, every
// cell's figure, ground, lock and group with its centre in window pixels,
// so an end-to-end test can click reliably. Without the switch nothing is
// composed or written.
//
// Format: one "key value..." line each; "item INDEX NAME" per item of the
// current screen; "message TEXT" per timed message over the board; "cell ROW COLUMN KIND GROUND LOCK GROUP X Y" per cell
// (kind -1 empty, ground -1 hole) and "bonus ROW COLUMN TYPE" per figure
// holding a bonus (TYPE as board_state.h's Bonus: 1 bomb, 2 thunder, 3 cross,
// 4 diagonal, 5 super bomb), both written only while "settled 1"; "ready 1"
// when a click on a group would be taken now; "hammer 1" while the hammer is
// charged (ready or armed).
//
// Lifetime: the last text written lives for the run.
#pragma once
#include <cstddef>

namespace aw {

constexpr size_t kDescriptionSize = 16384;

// Composes the description into out (always terminated, cut at capacity);
// returns its length.
size_t composeDescription(char* out, size_t capacity);
// Once per frame: writes the file (temporary file renamed over it) when the
// switch names one and the description differs from the last one written.
void describeBoardIfAsked();

} // namespace aw
