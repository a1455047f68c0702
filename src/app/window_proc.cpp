#include "app/window_proc.h"

#include "app/scene.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "platform/clock.h"
#include "platform/pacing.h"

namespace aw {

void windowProc(const WindowMessage& m) {
    Scene* scene = shell.currentScene;
    switch (m.msg) {
    case Msg::Size:
        deviceUpdateProjection();
        updateRefreshPeriod(); // the window may have moved to another display
        break;
    case Msg::Activate:
        // Only changes count: a window system may report focus again for the
        // window that already has it, and that is no return to the game.
        if (bool(m.wParam) == bool(shell.appActive)) break;
        if (m.wParam) {
            shellAudioResume();
            shell.appActive = 1;
            // Time spent inactive is never counted.
            shell.clock.frameDeltaMs = 0;
            shell.clock.rawDeltaMs = 0;
            shell.clock.lastTickMs = ticksMs();
            if (scene) scene->onActivate();
        } else {
            shellAudioPause();
            shell.appActive = 0;
        }
        break;
    case Msg::Close:
        saveGameInProgress();
        shell.quitRequested = 1;
        break;
    case Msg::KeyDown:
        if (m.wParam == kDiagnosticsKey) {
            shell.diagnosticsOverlay = !shell.diagnosticsOverlay;
            break;
        }
        if (scene) scene->onKeyDown(m.wParam);
        break;
    case Msg::MouseMove:
        shell.mouseX = m.x;
        shell.mouseY = m.y;
        if (scene) scene->onMouseMove();
        break;
    // Button handlers read the position of the last mouse move.
    case Msg::LButtonDown: if (scene) scene->onLeftDown(); break;
    case Msg::LButtonDblClk: if (scene) scene->onLeftDoubleClick(); break;
    case Msg::LButtonUp: if (scene) scene->onLeftUp(); break;
    case Msg::RButtonDown: if (scene) scene->onRightDown(); break;
    case Msg::RButtonUp: if (scene) scene->onRightUp(); break;
    case Msg::MButtonDown: if (scene) scene->onMiddleDown(); break;
    case Msg::Quit: shell.quitRequested = 1; break;
    // A right double click, the middle button's release and key releases do nothing.
    default: break;
    }
}

} // namespace aw
