// Runs the real start-up load on a hidden window several times and prints
// how long each took. Usage: amberwick-startup-bench [DATA_DIR] [RUNS]
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "audio/sound_system.h"
#include "persistence/player_files.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/text.h"
#include "render/texture.h"
#include "resources/registry.h"
#include "resources/text_table.h"

#include <SDL.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using namespace aw;
    std::string data = argc > 1 ? std::string(argv[1]) : findDataDirectory();
    if (data.back() != '/') data += '/';
    int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config) || !deviceInit()) {
        std::fprintf(stderr, "no window: %s\n", lastWindowError());
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        resetResources();
        resetTextTable();
        resetPersistence();
        resetText();
        releaseAllTextures();
        shutdownSound();
        resetSound();
        splashScene.reset();
        shell.dataDirectory = data;
        setCurrentDirectory(data);
        shell.loadRequested = true; // draw the load bar as the game does
        auto t0 = std::chrono::steady_clock::now();
        runStartupLoad();
        auto t1 = std::chrono::steady_clock::now();
        std::printf("run %d: %.0f ms, %d files, %d bytes\n", i + 1,
                    std::chrono::duration<double, std::milli>(t1 - t0).count(), splashScene.loadedFiles,
                    splashScene.loadedBytes);
    }
    return 0;
}
