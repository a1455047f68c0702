// Runs the real frame loop offscreen, unpaced, and prints for each scene the
// mean and the 99th percentile of its frame time, their ratio to an empty
// frame (clear and present only), the CPU time of a frame (every thread of the
// process, a software renderer's included), its draws and the GL draws they
// became once gathered into batches, in one run.
// Usage: amberwick-framebench [FRAMES] [DATA_DIR]
// Player files go to a private directory that is removed at the end. With
// AW_BENCH_SHOTS=DIR each scene's last frame is written there as a PPM.
#include "bench_scenes.h"

#include "platform/clock.h"
#include "platform/gl_device.h"
#include "platform/paths.h"
#include "render/draw.h"
#include "render/draw_capture.h"

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Timing {
    double mean = 0, p99 = 0, draws = 0, glDraws = 0, cpu = 0;
};


void writeShot(int id) {
    const char* dir = std::getenv("AW_BENCH_SHOTS");
    if (!dir) return;
    constexpr int kWidth = 800, kHeight = 600;
    std::vector<uint8_t> rgba(size_t(kWidth) * kHeight * 4);
    if (!aw::readTargetPixels(0, 0, kWidth, kHeight, rgba.data())) return;
    std::string path = std::string(dir) + "/scene" + std::to_string(id) + ".ppm";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6 %d %d 255\n", kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) std::fwrite(&rgba[(size_t(y) * kWidth + x) * 4], 1, 3, f);
    std::fclose(f);
}

Timing measure(int id, int frames) {
    aw::bench::enter(id);
    std::vector<double> ms;
    ms.reserve(size_t(frames));
    long drawsBefore = aw::drawCallCount, glDrawsBefore = aw::gpu::drawCallsSubmitted();
    int64_t cpuBefore = aw::processCpuUs();
    for (int i = 0; i < frames; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        aw::bench::frame(id);
        auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    writeShot(id);
    Timing t;
    t.draws = double(aw::drawCallCount - drawsBefore) / frames;
    t.glDraws = double(aw::gpu::drawCallsSubmitted() - glDrawsBefore) / frames;
    t.cpu = double(aw::processCpuUs() - cpuBefore) / 1000 / frames;
    for (double v : ms) t.mean += v;
    t.mean /= double(ms.size());
    std::sort(ms.begin(), ms.end());
    t.p99 = ms[std::min(ms.size() - 1, size_t(double(ms.size()) * 0.99))];
    return t;
}

} // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? std::max(100, std::atoi(argv[1])) : 1500;
    std::string data = argc > 2 ? std::string(argv[2]) : aw::findDataDirectory();
    if (data.back() != '/') data += '/';
    char home[] = "/tmp/amberwick-bench-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("amberwick-framebench: temporary directory");
        return 1;
    }
    setenv("XDG_DATA_HOME", home, 1);
    if (!aw::bench::startUp(data)) return 1;

    std::vector<Timing> results;
    for (int id = 0; id < aw::bench::kSceneCount; ++id) results.push_back(measure(id, frames));
    std::printf("%-28s %9s %9s %7s %7s %8s %8s %8s\n", "scene", "mean ms", "p99 ms", "mean x", "p99 x", "cpu ms",
                "draws", "gl draws");
    for (size_t i = 0; i < results.size(); ++i)
        std::printf("%-28s %9.3f %9.3f %7.2f %7.2f %8.3f %8.1f %8.1f\n", aw::bench::sceneName(int(i)),
                    results[i].mean, results[i].p99, results[i].mean / results[0].mean,
                    results[i].p99 / results[0].p99, results[i].cpu, results[i].draws, results[i].glDraws);
    aw::bench::shutDown();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return 0;
}
