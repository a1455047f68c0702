// The services of the shell, each forwarding to the subsystem that owns it.
#include "app/services.h"

#include "app/scenes.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "audio/sound_system.h"
#include "game/saved_games.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/settings.h"
#include "render/device.h"
#include "render/draw.h"
#include "render/render_states.h"
#include "render/text.h"
#include "render/transforms.h"
#include "resources/text_table.h"

#include <cstdio>

namespace aw {

bool deviceInit() {
    setDisplayRequest(shell.renderWidth, shell.renderHeight, shell.fullScreen != 0);
    return initRenderDevice();
}
void deviceRelease() { releaseRenderDevice(); }
void deviceBeginScene() { beginScene(); }
void deviceEndScene() { endScene(); }
void deviceClearTarget(Color color) { clearTarget(color); }
void deviceClearDepth(float z) { clearDepth(z); }
void deviceUpdateProjection() { updateProjection(); }
void devicePresent() { presentFrame(); }

void drawDiagnostics(const char* fpsText) {
    if (fontCount() > 0) { // the font arrives with the start-up load
        Matrix view = getView();
        begin2D();
        drawText(-360, -100, 10, fpsText, false);
        char tri[32];
        std::snprintf(tri, sizeof tri, "%i TRI", triangleCount);
        drawText(-360, -115, 10, tri, false);
        setProjection(renderDevice.perspectiveMatrix);
        setView(&view);
        disableFeature(4);
        disableFeature(5);
    }
    triangleCount = 0;
}

void readSettingsBeforeWindow() {
    setDataDirectory(shell.dataDirectory);
    readSettings();
    shell.fullScreen = settings().fullScreen;
}

void writePlayerFilesAtExit() { writePlayerFiles(); }
bool customCursorEnabled() { return settings().customCursor != 0; }

void shellAudioResume() { resumeSound(); }
void shellAudioPause() { suspendSound(); }
void shellAudioShutdown() { shutdownSound(); }

// The window's close (and SIGTERM, which arrives as one) keeps the level in
// progress; saveGame refuses when there is none.
void saveGameInProgress() { saveGame(); }
void freeTexts() { freeTextTable(); }

Scene* startupScene() { return &splashScene; }
void prepareStartupScene() { splashScene.prepare(); }

} // namespace aw
