// amberwick-art OUTDIR [--docs DOCDIR]
// Paints every picture of the data set into OUTDIR, named by its path
// relative to the Data directory. With --docs it also writes the contact
// sheet, the greyscale figure sheet and the board screenshot into DOCDIR.
// amberwick-art --icons OUTDIR APP_ID writes the desktop icons and the
// window icon instead (see icons.h).
#include "docs.h"
#include "icons.h"
#include "output.h"
#include "painters.h"
#include "scenery_art.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    std::string outDir, docsDir;
    if (argc >= 4 && std::strcmp(argv[1], "--icons") == 0) {
        if (argc >= 6 && std::strcmp(argv[4], "--art-dir") == 0) art::setArtSourceDir(argv[5]);
        return art::writeIcons(argv[2], argv[3]) ? 0 : 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--docs") == 0 && i + 1 < argc) {
            docsDir = argv[++i];
        } else if (std::strcmp(argv[i], "--art-dir") == 0 && i + 1 < argc) {
            art::setArtSourceDir(argv[++i]);
        } else if (argv[i][0] != '-' && outDir.empty()) {
            outDir = argv[i];
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr,
                     "usage: amberwick-art OUTDIR [--docs DOCDIR] [--art-dir SVGDIR]\n"
                     "       amberwick-art --icons OUTDIR APP_ID [--art-dir SVGDIR]\n");
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    art::initEncoders();
    art::Sink sink(outDir, !docsDir.empty());

    std::vector<std::function<void()>> jobs;
    // The landscapes are the slowest; they go first so the pool ends evenly.
    for (int i = 0; i < 18; ++i) jobs.push_back([&sink, i] { art::paintLandscape(sink, i); });
    jobs.push_back([&] { art::paintScreens(sink); });
    jobs.push_back([&] { art::paintMap(sink); });
    jobs.push_back([&] { art::paintArtefacts(sink); });
    jobs.push_back([&] { art::paintFigures(sink); });
    jobs.push_back([&] { art::paintBoardPieces(sink); });
    jobs.push_back([&] { art::paintHud(sink); });
    jobs.push_back([&] { art::paintCandle(sink); });
    jobs.push_back([&] { art::paintUiAtlases(sink); });
    jobs.push_back([&] { art::paintParticles(sink); });
    jobs.push_back([&] { art::paintTrophies(sink); });
    jobs.push_back([&] { art::paintSceneryPictures(sink); });

    // Each job paints its own files, so the order of work does not change
    // the bytes written.
    std::atomic<size_t> nextJob{0};
    unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned w = 0; w < workers; ++w)
        pool.emplace_back([&] {
            for (size_t j; (j = nextJob++) < jobs.size();) jobs[j]();
        });
    for (auto& t : pool) t.join();
    if (sink.failed()) return 1;

    if (!docsDir.empty() && !art::writeDocs(sink.entries(), docsDir)) {
        std::fprintf(stderr, "amberwick-art: cannot write the sheets into %s\n", docsDir.c_str());
        return 1;
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("amberwick-art: %d pictures in %.0f ms\n", sink.count(), ms);
    return 0;
}
