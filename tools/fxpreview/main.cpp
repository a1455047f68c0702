// amberwick-fxpreview PREFIX LEVEL WHAT ARG1 ARG2 [MS...]
//   WHAT = effect NAME|x,y  (ARG1 the effect, ARG2 "x,y" in board units)
//        | bomb|thunder|cross|diagonal|super ROW COLUMN (a bonus goes off there)
// Plays level LEVEL (1..129) offscreen in fixed 16 ms frames and writes the
// frame at each moment (default 0 100 250 500 1000 ms) to PREFIX-<ms>.png.
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "board/board.h"
#include "core/fast_sqrt.h"
#include "effects/gameplay_screen.h"
#include "effects/particles.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/draw_capture.h"

#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace aw;

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s PREFIX LEVEL effect NAME x,y | BONUS ROW COLUMN [MS...]\n", argv[0]);
        return 2;
    }
    std::string prefix = argv[1], what = argv[3];
    int level = std::atoi(argv[2]);
    std::vector<int> moments;
    for (int i = 6; i < argc; ++i) moments.push_back(std::atoi(argv[i]));
    if (moments.empty()) moments = {0, 100, 250, 500, 1000};

    initFastSqrt();
    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config) || !deviceInit()) return 1;
    shell.dataDirectory = findDataDirectory();
    setCurrentDirectory(shell.dataDirectory);
    runStartupLoad();
    playState = PlayState{};
    playState.mode = kTimeless;
    startLevel(std::max(1, std::min(129, level)) - 1);

    const char* bonuses[] = {"", "bomb", "thunder", "cross", "diagonal", "super"};
    int bonus = 0;
    for (int b = 1; b <= 5; ++b)
        if (what == bonuses[b]) bonus = b;
    float time = 0;
    auto frame = [&] {
        tick(16, 16);
        beginScene();
        clearTarget(Color(0xFF000000u));
        drawGameplayFrame(16, time);
        endScene();
        time += 16;
    };
    for (int i = 0; i < 60; ++i) frame(); // the landscape's tint settles
    time = 0;
    if (bonus) {
        int r = std::atoi(argv[4]), c = std::atoi(argv[5]);
        if (!hasFigure(r, c)) return 1;
        board[r][c].lock = 0;
        board[r][c].fig.bonus = bonus;
        board[r][c].removal = 1;
        board[r][c].hit = 1;
        triggerBonuses(0);
    } else {
        float x = 0, y = 0;
        std::sscanf(argv[5], "%f,%f", &x, &y);
        startEffect(argv[4], x, y);
    }
    std::vector<uint8_t> rgba(800 * 600 * 4);
    size_t next = 0;
    while (next < moments.size()) {
        if (time >= float(moments[next])) {
            readTargetPixels(0, 0, 800, 600, rgba.data());
            char name[512];
            std::snprintf(name, sizeof name, "%s-%d.png", prefix.c_str(), moments[next]);
            stbi_write_png(name, 800, 600, 4, rgba.data(), 800 * 4);
            ++next;
            continue;
        }
        frame();
    }
    return 0;
}
