// amberwick-scenery-view: shows one landscape, or the change from one to
// another, on a fixed clock and writes chosen frames as PNG.
//
//   amberwick-scenery-view --show N [--change M --at MS] [--gameplay]
//       [--frames MS,MS,...] [--dt MS] [--out PREFIX] [--data DIR]
//
// The clock advances by dt (default 16.667 ms) every frame, whatever the
// real time, so the same command writes the same pictures. Frame PREFIX-T.png
// is the frame whose clock first reaches T ms. --gameplay draws as behind the
// board (the change then takes 3000 ms; in the menus 500 ms). Run it under
// Xvfb to watch the window as well.
#include "core/matrix.h"
#include "effects/backgrounds.h"
#include "platform/events.h"
#include "platform/frame_buffer.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/render_states.h"
#include "render/transforms.h"
#include "resources/registry.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace aw;

namespace {

struct Options {
    int show = 0, change = -1;
    float changeAtMs = 1000, dtMs = 16.667f;
    bool gameplay = false;
    std::vector<float> frames = {0, 2000, 4000};
    std::string out = "scenery", data;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        if (a == "--gameplay") {
            o.gameplay = true;
            continue;
        }
        if (!v) return false;
        ++i;
        if (a == "--show") o.show = std::atoi(v);
        else if (a == "--change") o.change = std::atoi(v);
        else if (a == "--at") o.changeAtMs = float(std::atof(v));
        else if (a == "--dt") o.dtMs = std::max(0.1f, float(std::atof(v)));
        else if (a == "--out") o.out = v;
        else if (a == "--data") o.data = v;
        else if (a == "--frames") {
            o.frames.clear();
            for (const char* p = v; *p;) {
                o.frames.push_back(float(std::atof(p)));
                const char* comma = std::strchr(p, ',');
                if (!comma) break;
                p = comma + 1;
            }
            std::sort(o.frames.begin(), o.frames.end());
        } else return false;
    }
    return !o.frames.empty();
}

// The two ways the game draws a landscape: behind the board (the 2D set-up)
// or behind the menus (the view moved back by 120, far 500).
void beginFrame(bool gameplay) {
    clearTarget(Color(0, 0, 0, 255));
    clearDepth(1);
    begin2D();
    if (!gameplay) {
        setProjection(buildOrtho(800, 600, 1, 500));
        Matrix view = Matrix::translation(0, 0, 120);
        setView(&view);
    }
    setRenderState(RS_CULLMODE, kCullNone);
}

bool writeFrame(const std::string& path) {
    std::vector<uint8_t> rgba(800 * 600 * 4);
    return readFramePixels(0, 0, 800, 600, rgba.data()) && stbi_write_png(path.c_str(), 800, 600, 4, rgba.data(), 800 * 4);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: amberwick-scenery-view --show N [--change M --at MS] [--gameplay] "
                             "[--frames MS,MS,...] [--dt MS] [--out PREFIX] [--data DIR]\n");
        return 2;
    }
    std::string data = o.data.empty() ? findDataDirectory() : o.data;
    if (o.out.empty() || o.out[0] != '/') o.out = currentDirectory() + "/" + o.out; // the data directory becomes current
    WindowConfig config;
    config.title = "Amberwick scenery";
    if (!openWindow(config)) {
        std::fprintf(stderr, "amberwick-scenery-view: %s\n", lastWindowError());
        return 1;
    }
    if (!initRenderDevice()) return 1;
    if (!setCurrentDirectory(data)) {
        std::fprintf(stderr, "amberwick-scenery-view: no data directory %s\n", data.c_str());
        return 1;
    }
    // As the start-up load does it: the scenery's files are packed.
    const char* archives[] = {"targa.dat", "jpeg.dat", "texts.dat"};
    for (const char* a : archives) openArchive(a);
    loadScenery();
    for (const char* a : archives) closeArchive(a);

    setBackground(o.show);
    float clock = 0;
    bool changed = o.change < 0;
    size_t next = 0;
    while (next < o.frames.size()) {
        WindowMessage m;
        while (peekMessage(m))
            if (m.msg == Msg::Close || m.msg == Msg::Quit) next = o.frames.size();
        if (!changed && clock >= o.changeAtMs) {
            changeBackground(o.change);
            changed = true;
        }
        beginScene();
        beginFrame(o.gameplay);
        drawBackground(o.gameplay, o.dtMs);
        endScene();
        if (next < o.frames.size() && clock >= o.frames[next]) {
            char path[512];
            std::snprintf(path, sizeof path, "%s-%05d.png", o.out.c_str(), int(o.frames[next]));
            if (!writeFrame(path)) std::fprintf(stderr, "amberwick-scenery-view: cannot write %s\n", path);
            else std::printf("%s\n", path);
            ++next;
        }
        presentFrame();
        clock += o.dtMs;
    }
    resetScenery();
    releaseRenderDevice();
    closeWindow();
    return 0;
}
