// The full-screen iris drawn over the current scene around scene switches and
// changes of the menu scene's background.
//
// Lifetime: one record for the run; resetSceneTransition() stops it.
#pragma once

namespace aw {

constexpr int kTransitionCaptionSize = 128;

struct SceneTransition {
    float lengthMs = 0;
    float timerMs = 0;
    bool running = false;
    bool closing = false; // the closing half comes first, then an opening half
    char caption[kTransitionCaptionSize] = {};
};

// Plays "Gag.ogg" and opens the iris from black.
void openSceneTransition(float lengthMs, const char* caption);
// Plays "Gag.ogg", closes the iris, then opens it again: twice the length in all.
void startSceneTransition(float lengthMs, const char* caption);
void stopSceneTransition();
bool sceneTransitionRunning();
// How open the iris is this frame: 0 black, 1 an open view.
float sceneTransitionOpening();
const SceneTransition& sceneTransition();

// Once per frame: draws the iris and advances its timer by dt.
void advanceSceneTransition(float dtMs);
// The timer step alone (tests).
void stepSceneTransition(float dtMs);

void resetSceneTransition();

} // namespace aw
