// Runs the real start-up load on a hidden window several times, and its
// floor (the files it read, read again and its pictures decoded in a tight
// loop) as often, turn about, and prints each time and the medians. The first of each is a
// warm-up that is not counted. Usage: amberwick-startup-bench [DATA_DIR] [RUNS]
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "audio/sound_system.h"
#include "load_floor.h"
#include "persistence/player_files.h"
#include "platform/audio_backend.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/text.h"
#include "render/texture.h"
#include "resources/registry.h"
#include "resources/text_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }
// CPU time of the whole process (the renderer's threads included): steadier
// than wall time on a busy machine.
double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

void forgetEverything(const std::string& data) {
    using namespace aw;
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
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    using namespace aw;
    std::string data = argc > 1 ? std::string(argv[1]) : findDataDirectory();
    if (char* real = realpath(data.c_str(), nullptr)) { // the load changes directories
        data = real;
        std::free(real);
    }
    if (data.back() != '/') data += '/';
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config) || !deviceInit()) {
        std::fprintf(stderr, "no window: %s\n", lastWindowError());
        return 1;
    }
    std::vector<double> loads, floors, loadCpus, floorCpus;
    for (int i = 0; i <= runs; ++i) {
        forgetEverything(data);
        shell.loadRequested = true; // draw the load bar as the game does
        auto t0 = Clock::now();
        double c0 = cpuMs();
        runStartupLoad();
        double load = msSince(t0), loadCpu = cpuMs() - c0;
        int loadFiles = splashScene.loadedFiles, loadBytes = splashScene.loadedBytes;

        // The same load without its load screen: what the redraws cost. The
        // warm-up's tells the floor what the load reads.
        forgetEverything(data);
        shell.loadRequested = false;
        if (i == 0) startRecordingLoad();
        double c1 = cpuMs();
        runStartupLoad();
        double quietCpu = cpuMs() - c1;
        if (i == 0) stopRecordingLoad();

        forgetEverything(data);
        audioInit(); // the mixer the load starts, without the rest of the sound system
        t0 = Clock::now();
        c0 = cpuMs();
        LoadFloorResult floor = replayLoadTight();
        double floorMs = msSince(t0), floorCpu = cpuMs() - c0;
        audioFree();

        std::printf("run %d%s: load %.0f ms, %.0f ms CPU (%d files, %d bytes; %.0f ms CPU undrawn); floor %.0f ms, %.0f ms CPU (%d files, "
                    "%lld bytes)\n",
                    i, i == 0 ? " (warm-up)" : "", load, loadCpu, loadFiles, loadBytes, quietCpu, floorMs, floorCpu, floor.files,
                    floor.bytes);
        if (i > 0) {
            loads.push_back(load), floors.push_back(floorMs);
            loadCpus.push_back(loadCpu), floorCpus.push_back(floorCpu);
        }
    }
    double l = median(loads), f = median(floors), lc = median(loadCpus), fc = median(floorCpus);
    std::printf("median: load %.0f ms, floor %.0f ms, load / floor %.2f; CPU: load %.0f ms, floor %.0f ms, %.2f\n", l,
                f, f > 0 ? l / f : 0.0, lc, fc, fc > 0 ? lc / fc : 0.0);
    return 0;
}
