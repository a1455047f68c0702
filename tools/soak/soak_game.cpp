#include "soak_game.h"

#include "app/frame_loop.h"
#include "app/launch_options.h"
#include "app/scene.h"
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "core/fast_sqrt.h"
#include "effects/backgrounds.h"
#include "persistence/profiles.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/pacing.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "ui/screens.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

namespace aw::soak {
namespace {

// The soak's clock: it stands still inside a frame and moves one step
// between frames, so every frame's measured delta is the step however long
// the machine took to draw it. A sleep of the game passes on this clock.
uint32_t nowMs = 1000;
uint32_t stepMs = 33;
double elapsedMs = 0;

uint32_t soakTicks() { return nowMs; }
void soakSleep(uint32_t ms) { nowMs += ms; }

// Passes of the loop allowed for one frame: the messages posted before it
// are handled one per pass.
constexpr int kPassesPerFrame = 64;

bool framesFor(double ms) {
    for (double until = elapsedMs + ms; elapsedMs < until;)
        if (!frame()) return false;
    return true;
}

// Frames until the condition holds, for at most ms of game time.
template <class Condition> bool framesUntil(Condition done, double ms) {
    for (double until = elapsedMs + ms; !done(); ) {
        if (elapsedMs >= until || !frame()) return false;
    }
    return true;
}

} // namespace

bool frame() {
    nowMs += stepMs;
    elapsedMs += stepMs;
    for (int pass = 0; pass < kPassesPerFrame; ++pass) {
        if (!runLoopPass()) return false;
        // A drawn frame ticks the clock to now; a message or an inactive
        // pass (which sleeps) does not.
        if (shell.clock.lastTickMs == nowMs) return true;
    }
    return false;
}

double clockMs() { return elapsedMs; }

void click(int x, int y) {
    postMessage({Msg::MouseMove, 0, x, y});
    postMessage({Msg::LButtonDown, 0, x, y});
    postMessage({Msg::LButtonUp, 0, x, y});
}

void pressKey(int virtualKey) { postMessage({Msg::KeyDown, virtualKey, 0, 0}); }

long heapInUseKiB() {
    struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

void returnFreeHeap() { malloc_trim(0); }

long residentKiB() {
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long pages = 0, resident = -1;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The start-up of the game's entry point, in its order, with a hidden
// window and the soak's clock; the single-instance lock is left out so a
// soak can run beside a game.
bool startGame(const std::string& data, float step) {
    stepMs = uint32_t(step < 1 ? 1 : step);
    setClockOverride(soakTicks, soakSleep);
    launchOptions.unpaced = true;
    initFastSqrt();
    shell.startDirectory = currentDirectory();
    shell.dataDirectory = data;
    setCurrentDirectory(shell.dataDirectory);
    readSettingsBeforeWindow();

    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config)) {
        std::fprintf(stderr, "amberwick-soak: no window: %s\n", lastWindowError());
        return false;
    }
    if (!deviceInit()) {
        closeWindow();
        return false;
    }
    // As the shown window is activated: offscreen sends no focus event.
    postMessage({Msg::Activate, 1, 0, 0});
    deviceUpdateProjection();
    startFramePacing(false);
    shell.currentScene = startupScene();
    setCurrentDirectory(shell.dataDirectory);
    prepareStartupScene();
    shell.clock.lastTickMs = ticksMs();

    // The splash pictures, the load and the fade (the activation starts it).
    if (!framesUntil([] { return shell.currentScene == &menuScene && currentScreenIs("newprofile"); }, 60000)) {
        std::fprintf(stderr, "amberwick-soak: the start did not reach the name entry of a first profile\n");
        return false;
    }
    // Let the screen come in, then type a name and confirm it.
    if (!framesFor(1500)) return false;
    // The menus take one key per frame, as typing gives them.
    for (int key : {int('S'), int('O'), int('A'), int('K'), vk::Return}) {
        pressKey(key);
        if (!framesFor(100)) return false;
    }
    if (!framesUntil([] { return profileCount() == 1 && currentScreenIs("main"); }, 5000)) {
        std::fprintf(stderr, "amberwick-soak: the name entry made no profile\n");
        return false;
    }
    return framesFor(1500);
}

void stopGame() {
    postMessage({Msg::Close, 0, 0, 0});
    while (runLoopPass()) {
    }
    if (shell.settingsLoaded) writePlayerFilesAtExit();
    // The game's order: the meshes before the textures they name, the audio
    // thread before the process goes.
    resetScenery();
    deviceRelease();
    shellAudioShutdown();
    freeTexts();
    closeWindow();
    setClockOverride(nullptr, nullptr);
}

} // namespace aw::soak
