#include "app/frame_loop.h"

#include "app/board_description.h"
#include "app/scene.h"
#include "app/scene_motion.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "app/window_proc.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/pacing.h"

namespace aw {

void runFrame() {
    if (!shell.appActive) {
        sleepMs(200); // inactive: nothing drawn, the clock stands still
        return;
    }
    deviceClearDepth(1.0f);
    deviceClearTarget(Color(0xFFB4B4B4u));
    deviceBeginScene();
    if (shell.currentScene) shell.currentScene->onFrame();
    if (shell.diagnosticsOverlay) drawDiagnostics(shell.clock.fpsText);
    deviceEndScene();
    devicePresent();
    if (sceneInMotion()) noteActivity();
    paceFrame(); // waits here, as a present that syncs to the display would
    clockTick(shell.clock, ticksMs());
    if (shell.currentScene) shell.currentScene->onAfterFrame();
    applySceneSwitch();
    shell.clock.animationTimeMs += shell.clock.frameDeltaMs;
    describeBoardIfAsked();
}

namespace {

bool isInput(Msg m) {
    switch (m) {
    case Msg::KeyDown:
    case Msg::KeyUp:
    case Msg::MouseMove:
    case Msg::LButtonDown:
    case Msg::LButtonDblClk:
    case Msg::LButtonUp:
    case Msg::RButtonDown:
    case Msg::RButtonDblClk:
    case Msg::RButtonUp:
    case Msg::MButtonDown:
    case Msg::MButtonUp: return true;
    default: return false;
    }
}

} // namespace

bool runLoopPass() {
    if (shell.quitRequested) return false;
    WindowMessage m;
    if (peekMessage(m)) {
        if (isInput(m.msg)) noteActivity();
        if (m.msg == Msg::Quit)
            shell.quitRequested = 1;
        else
            windowProc(m);
    } else {
        runFrame();
        if (shell.loadRequested) {
            runStartupLoad();
            shell.diagnosticsOverlay = false;
            shell.loadRequested = false;
        }
    }
    return !shell.quitRequested;
}

void runMessageLoop() {
    while (runLoopPass()) {
    }
}

} // namespace aw
