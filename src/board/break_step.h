// The break step: marked figures go, hit locks and squares break, points
// are paid. Also the debris and floating-points rings it fills.
#pragma once

namespace aw {

// Runs on a settled board with the cooldown over (the board step checks).
void breakStep();
// Moves the flying figures; frees those that left the screen.
void updateDebris(float dt);
// Moves and fades the floating points texts (the drawing calls it per frame).
void updateFloatingPoints(float dt);
// The break sound of a combo level, and the frequency to play it at.
const char* breakSoundName(int sameKindStreak, int* frequency);

} // namespace aw
