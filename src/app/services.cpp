// The services of the shell. Until the device, player-file, audio and scene
// subsystems are wired in, each does the least the shell needs to run: the
// device clears and presents the frame.
#include "app/services.h"

#include "app/scene.h"
#include "app/shell_state.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/settings.h"
#include "platform/frame_buffer.h"
#include "resources/text_table.h"

namespace aw {

bool deviceInit() { return true; }
void deviceRelease() {}
void deviceBeginScene() { bindFrameBuffer(); }
void deviceEndScene() {}
void deviceClearTarget(Color color) { clearFrame(color.r() / 255.f, color.g() / 255.f, color.b() / 255.f, color.a() / 255.f); }
void deviceClearDepth(float z) { clearFrameDepth(z); }
void deviceUpdateProjection() {}
void devicePresent() { presentFrameBuffer(); }
void drawDiagnostics(const char*) {}

void readSettingsBeforeWindow() {
    setDataDirectory(shell.dataDirectory);
    readSettings();
    shell.fullScreen = settings().fullScreen;
}

void writePlayerFilesAtExit() { writePlayerFiles(); }
bool customCursorEnabled() { return settings().customCursor != 0; }
void audioResume() {}
void audioPause() {}
void audioShutdown() {}
void saveGameInProgress() {}
void freeTexts() { freeTextTable(); }

namespace {
class StartupScene : public Scene {};
StartupScene startup;
} // namespace

Scene* startupScene() { return &startup; }
void prepareStartupScene() {}
void runStartupLoad() {}

} // namespace aw
