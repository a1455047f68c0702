#include "app/startup.h"

#include "app/frame_loop.h"
#include "app/launch_options.h"
#include "app/scene.h"
#include "app/services.h"
#include "app/window_icon.h"
#include "app/window_proc.h"
#include "app/shell_state.h"
#include "core/fast_sqrt.h"
#include "effects/backgrounds.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/pacing.h"
#include "platform/paths.h"
#include "platform/single_instance.h"
#include "platform/window.h"

#include <cstdio>

namespace aw {
namespace {

void showWindowNow() {
    raiseWindow();
    // Showing a window activates it before any scene exists; offscreen and
    // bare X servers send no focus event, so the shell activates it itself.
    windowProc({Msg::Activate, 1, 0, 0});
}

void shutdownApplication() {
    resetScenery(); // the meshes and 3D objects, before the textures they name go
    deviceRelease();
    shellAudioShutdown();
    freeTexts();
    closeWindow();
}

} // namespace

int runApplication() {
    if (!acquireSingleInstance("Amberwick")) return 0; // a second copy ends silently
    initFastSqrt();

    shell.startDirectory = currentDirectory();
    shell.dataDirectory = findDataDirectory();
    setCurrentDirectory(shell.dataDirectory);

    readSettingsBeforeWindow();
    shell.renderWidth = 800;
    shell.renderHeight = 600;

    WindowConfig config;
    config.title = "Amberwick";
    config.fullScreen = shell.fullScreen != 0;
    config.appId = kAppId;
    if (!openWindow(config)) {
        std::fprintf(stderr, "Amberwick: %s\n", lastWindowError());
        return 0;
    }
    applyWindowIcon();
    installCloseSignalHandlers();
    if (!shell.fullScreen) showWindowNow();
    if (!deviceInit()) {
        closeWindow();
        return 0;
    }
    if (shell.fullScreen) showWindowNow();
    deviceUpdateProjection();
    startFramePacing(!launchOptions.unpaced);

    shell.currentScene = startupScene();
    deviceBeginScene();
    deviceClearTarget(Color(0xFF000000u));
    deviceEndScene();
    devicePresent();

    setCurrentDirectory(shell.dataDirectory);
    prepareStartupScene();

    shell.clock.lastTickMs = ticksMs();
    shell.clock.speedFactor = launchOptions.clockSpeed;
    runMessageLoop();

    if (shell.settingsLoaded) writePlayerFilesAtExit();
    shutdownApplication();
    releaseSingleInstance();
    return 0;
}

} // namespace aw
