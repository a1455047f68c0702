// What the shell needs from the other subsystems, in one place: the render
// device, the player files, the audio output, the saved game, the start-up
// load and the scenes. Each function forwards to the subsystem that owns it.
#pragma once
#include "core/color.h"

namespace aw {

class Scene;

bool deviceInit();
void deviceRelease();
void deviceBeginScene();
void deviceEndScene();
void deviceClearTarget(Color color);
void deviceClearDepth(float z);
void deviceUpdateProjection();
void devicePresent();
// Draws the frame-rate and triangle counters and resets the triangle count.
void drawDiagnostics(const char* fpsText);

void readSettingsBeforeWindow();
void writePlayerFilesAtExit();
bool customCursorEnabled();

void shellAudioResume();
void shellAudioPause();
void shellAudioShutdown();

void saveGameInProgress();
void freeTexts();

// The scene shown from start-up until the load is done.
Scene* startupScene();
// Loads the splash pictures (the data directory is current).
void prepareStartupScene();

} // namespace aw
