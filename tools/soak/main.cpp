// amberwick-soak: every level of every mode through the real frame loop,
// offscreen, with the simulator's autoplayer at the mouse; one line per level
// and a summary. Fails on a level that does not end within the frame budget
// and on resident memory that grows after the first level.
//
//   amberwick-soak [--mode adventure|timeless|puzzle] [--levels A-B] [--step MS] [DATA_DIR]
//
// Player files go to a private directory that is removed at the end.
#include "soak_game.h"
#include "soak_level.h"

#include "board/game_modes.h"
#include "core/game_constants.h"
#include "effects/backgrounds.h"
#include "platform/paths.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

using namespace aw;

namespace {

// Game time a level may take before the soak calls it stuck: longer than
// any time limit and than the autoplayer needs in the modes without one.
constexpr double kLevelBudgetMs = 20 * 60 * 1000;
// What the resident size may rise above its value after the first level:
// the driver keeps some slack. The size is read after the allocator has
// given its free pages back, so fragmentation does not count as growth.
// Each landscape brings its own pictures, so a level is measured against the
// first level that stood over the same landscape: what is left is growth.
constexpr long kGrowthToleranceKiB = 8 * 1024;

struct Options {
    int firstMode = 0, lastMode = kModeCount - 1;
    int firstLevel = 1, lastLevel = kLevelCount;
    float stepMs = 33;
    std::string data;
};

int usage(const char* why) {
    std::fprintf(stderr, "amberwick-soak: %s\n", why);
    std::fprintf(stderr, "usage: amberwick-soak [--mode adventure|timeless|puzzle] [--levels A-B] [--step MS] [DATA_DIR]\n");
    return 2;
}

bool parseInt(const std::string& s, int lo, int hi, int* out) {
    if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos) return false;
    int v = std::stoi(s);
    if (v < lo || v > hi) return false;
    *out = v;
    return true;
}

int parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--mode") {
            int m = modeFromKey(value.c_str());
            if (m < 0) return usage("--mode needs adventure, timeless or puzzle");
            o.firstMode = o.lastMode = m;
            ++i;
        } else if (a == "--levels") {
            size_t dash = value.find('-');
            std::string first = value.substr(0, dash), last = dash == std::string::npos ? first : value.substr(dash + 1);
            if (!parseInt(first, 1, kLevelCount, &o.firstLevel) || !parseInt(last, o.firstLevel, kLevelCount, &o.lastLevel))
                return usage("--levels needs A-B within 1-129");
            ++i;
        } else if (a == "--step") {
            int ms = 0;
            if (!parseInt(value, 1, 100, &ms)) return usage("--step needs 1..100 ms");
            o.stepMs = float(ms);
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            return usage(("unknown option " + a).c_str());
        } else {
            o.data = a;
        }
    }
    return 0;
}

// What the crash report names: the level being played.
char playing[96] = "the start";

// Only write() here: nothing else is safe in a signal handler.
void say(const char* text) { (void)!write(2, text, std::strlen(text)); }

void onCrash(int sig) {
    char number[4] = {char('0' + sig / 10 % 10), char('0' + sig % 10), ')', 0};
    say("amberwick-soak: crashed (signal ");
    say(number);
    say(" in ");
    say(playing);
    say("\n");
    _exit(1);
}

// SIGINT or SIGTERM ends the soak after the level being played, with the
// summary of the levels played so far.
volatile sig_atomic_t stopAsked = 0;
void onStop(int) { stopAsked = 1; }

void catchSignals() {
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) signal(sig, onCrash);
    for (int sig : {SIGINT, SIGTERM}) signal(sig, onStop);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (int bad = parseOptions(argc, argv, o)) return bad;
    std::string data = o.data.empty() ? findDataDirectory() : std::filesystem::absolute(o.data).string();
    if (data.empty() || !std::filesystem::is_directory(data)) return usage("no data directory");
    if (data.back() != '/') data += '/';

    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char home[] = "/tmp/amberwick-soak-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("amberwick-soak: temporary directory");
        return 1;
    }
    setenv("XDG_DATA_HOME", home, 1);
    catchSignals();

    auto wallStart = std::chrono::steady_clock::now();
    const long budget = long(kLevelBudgetMs / o.stepMs);
    if (!soak::startGame(data, o.stepMs)) return 1;
    std::printf("frames of %.0f ms game time, unpaced; a level may take %ld frames; memory after each level\n", o.stepMs,
                budget);
    std::printf("%-9s %5s  %-11s %7s %6s %7s %8s %8s %8s\n", "mode", "level", "outcome", "frames", "moves", "hammer",
                "RSS KiB", "heap KiB", "wall s");

    int played = 0, unfinished = 0;
    long firstKiB = -1, lastKiB = -1, growth = 0, firstHeap = -1, lastHeap = -1;
    std::map<int, long> firstOverLandscape;
    for (int m = o.firstMode; m <= o.lastMode && !stopAsked; ++m)
        for (int level = o.firstLevel; level <= o.lastLevel && !stopAsked; ++level) {
            auto levelStart = std::chrono::steady_clock::now();
            std::snprintf(playing, sizeof playing, "%s level %d", modeInfo(m).key, level);
            soak::LevelRun run = soak::playLevel(GameMode(m), level - 1, budget);
            soak::returnFreeHeap();
            long kib = soak::residentKiB(), heap = soak::heapInUseKiB();
            ++played;
            if (run.outcome != soak::Outcome::Won && run.outcome != soak::Outcome::Lost) ++unfinished;
            if (firstKiB < 0) {
                firstKiB = kib;
                firstHeap = heap;
            }
            auto first = firstOverLandscape.emplace(currentBackground(), kib).first;
            growth = std::max(growth, kib - first->second);
            lastKiB = kib;
            lastHeap = heap;
            std::printf("%-9s %5d  %-11s %7ld %6d %7d %8ld %8ld %8.1f\n", modeInfo(m).key, level,
                        soak::outcomeName(run.outcome), run.frames, run.moves, run.strikes, kib, heap,
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - levelStart).count());
            std::fflush(stdout);
            if (run.outcome == soak::Outcome::Stalled) stopAsked = 1; // the loop itself has failed
        }
    std::snprintf(playing, sizeof playing, "the shutdown");
    soak::stopGame();

    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("levels played %d%s, crashes 0, not ended within the budget %d\n", played,
                stopAsked ? " (stopped early)" : "", unfinished);
    std::printf("RSS at the first level %ld KiB, at the last %ld KiB, growth after the first level %ld KiB "
                "(against the first level over the same landscape; tolerance %ld KiB)\n",
                firstKiB, lastKiB, growth, kGrowthToleranceKiB);
    std::printf("heap in use at the first level %ld KiB, at the last %ld KiB\n", firstHeap, lastHeap);
    std::printf("wall time %.1f s\n", wall);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    bool ok = unfinished == 0 && growth <= kGrowthToleranceKiB;
    if (!ok) std::printf("FAILED\n");
    return ok ? 0 : 1;
}
