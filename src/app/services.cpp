// The services of the shell. Until the device, player-file, audio and scene
// subsystems are wired in, each does the least the shell needs to run: the
// device clears and presents the frame, the settings give the window mode.
#include "app/services.h"

#include "app/scene.h"
#include "app/shell_state.h"
#include "platform/files.h"
#include "platform/frame_buffer.h"
#include "platform/paths.h"

#include <cstring>
#include <vector>

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
    // Full screen unless the settings file says otherwise (offset 40).
    std::vector<uint8_t> bytes;
    shell.fullScreen = 1;
    if (readFile(playerDirectory() + "/settings/settings.dat", bytes) && bytes.size() >= 44) {
        int32_t v;
        std::memcpy(&v, bytes.data() + 40, 4);
        shell.fullScreen = v != 0;
    }
}

void writePlayerFilesAtExit() {}
bool customCursorEnabled() { return false; }
void audioResume() {}
void audioPause() {}
void audioShutdown() {}
void saveGameInProgress() {}
void freeTexts() {}

namespace {
class StartupScene : public Scene {};
StartupScene startup;
} // namespace

Scene* startupScene() { return &startup; }
void prepareStartupScene() {}
void runStartupLoad() {}

} // namespace aw
