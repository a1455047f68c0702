// Runs the real frame loop offscreen, unpaced, and prints the mean and the
// 99th percentile of each scene's frame time and their ratio to an empty
// frame (clear and present only), all in one run.
// Usage: amberwick-framebench [FRAMES] [DATA_DIR]
#include "app/frame_loop.h"
#include "app/scene.h"
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "app/window_proc.h"
#include "board/board.h"
#include "core/fast_sqrt.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/draw_capture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace aw;

// Draws nothing: the frame loop's clear and present are the whole frame.
class EmptyScene : public Scene {
public:
    void onFrame() override {}
} emptyScene;

// A full board with a bomb chain set off again whenever the board is quiet.
void setUpBoard() {
    playState = PlayState{};
    playState.mode = kTimeless;
    startLevel(0);
}

void keepBombsGoing() {
    if (!isSettled() || gs.cooldown >= 0 || playState.levelWon) return;
    const int columns[] = {1, 3, 5, 7, 9, 11};
    for (int c : columns)
        if (hasFigure(6, c)) board[6][c].fig.bonus = kBomb;
    if (hasFigure(6, 1)) {
        board[6][1].removal = 1;
        triggerBonuses(0);
    }
}

struct BenchScene {
    const char* name;
    Scene* (*setUp)();
    void (*everyFrame)();
};

const BenchScene kScenes[] = {
    {"empty frame", [] { return static_cast<Scene*>(&emptyScene); }, nullptr},
    {"board, effects, bomb chain", [] { setUpBoard(); return static_cast<Scene*>(&gameScene); }, keepBombsGoing},
};

struct Timing {
    double mean = 0, p99 = 0;
};

Timing measure(const BenchScene& s, int frames) {
    shell.currentScene = s.setUp();
    std::vector<double> ms;
    ms.reserve(size_t(frames));
    for (int i = 0; i < frames + 60; ++i) {
        if (s.everyFrame) s.everyFrame();
        auto t0 = std::chrono::steady_clock::now();
        runFrame();
        readPixel(0, 0); // waits for the renderer, so the frame's whole cost is counted
        auto t1 = std::chrono::steady_clock::now();
        if (i >= 60) ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    Timing t;
    for (double v : ms) t.mean += v;
    t.mean /= double(ms.size());
    std::sort(ms.begin(), ms.end());
    t.p99 = ms[std::min(ms.size() - 1, size_t(double(ms.size()) * 0.99))];
    return t;
}

} // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? std::max(100, std::atoi(argv[1])) : 1500;
    std::string data = argc > 2 ? std::string(argv[2]) : findDataDirectory();
    if (data.back() != '/') data += '/';
    initFastSqrt();
    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config) || !deviceInit()) {
        std::fprintf(stderr, "no window: %s\n", lastWindowError());
        return 1;
    }
    shell.dataDirectory = data;
    setCurrentDirectory(data);
    runStartupLoad();
    windowProc({Msg::Activate, 1, 0, 0});

    std::vector<Timing> results;
    for (const BenchScene& s : kScenes) results.push_back(measure(s, frames));
    std::printf("%-30s %10s %10s %8s %8s\n", "scene", "mean ms", "p99 ms", "mean x", "p99 x");
    for (size_t i = 0; i < results.size(); ++i)
        std::printf("%-30s %10.3f %10.3f %8.2f %8.2f\n", kScenes[i].name, results[i].mean, results[i].p99,
                    results[i].mean / results[0].mean, results[i].p99 / results[0].p99);
    deviceRelease();
    closeWindow();
    return 0;
}
