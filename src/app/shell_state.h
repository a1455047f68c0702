// The process-wide values of the shell: directories, window flags, the frame
// clock and the mouse. They live for the whole run.
#pragma once
#include <cstdint>
#include <string>

namespace aw {

class Scene;

struct FrameClock {
    uint32_t lastTickMs = 0;  // timer value at the previous tick
    uint32_t rawDeltaMs = 0;  // milliseconds between the last two ticks
    float speedFactor = 1.0f; // scales every delta
    float frameDeltaMs = 0;   // the time step every update uses
    float animationTimeMs = 0; // running sum of frameDeltaMs
    uint32_t fpsWindowMs = 0;
    int fpsFrames = 0;
    char fpsText[32] = "";
};

// Advances the clock to now: the delta of the frame just presented becomes
// the time step of the next frame's update.
void clockTick(FrameClock& clock, uint32_t nowMs);

struct ShellState {
    std::string startDirectory;
    std::string dataDirectory; // absolute, ends in '/'; current for the whole run
    int renderWidth = 800, renderHeight = 600;
    int fullScreen = 1;
    int appActive = 0;
    int quitRequested = 0;
    bool loadRequested = false;
    bool settingsLoaded = false;
    bool diagnosticsOverlay = false;
    FrameClock clock;
    int mouseX = 0, mouseY = 0; // client pixels, origin top left, y down
    Scene* currentScene = nullptr;
};

extern ShellState shell;

// The key that switches the frame-rate and triangle counters on and off (F3).
constexpr int kDiagnosticsKey = 114;

} // namespace aw
