// Plays every level through amberwick-sim's autoplayer, a few runs each: the
// quick form of tools/levelcheck. Timeless must clear every level; the limited
// modes must be winnable in every stage, and the first stages more often than
// the last.
#include "levels/level_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using levels::kLevelCount;

struct SimRun {
    std::string outcome;  // "won", "lost", "running", or empty when the tool failed
    int moves = 0;
};

std::string simPath() {
    const char* dir = std::getenv("AW_BUILD_DIR");
    return std::string(dir ? dir : AW_BUILD_ROOT) + "/amberwick-sim";
}

SimRun play(int number, const char* mode, int seed) {
    std::string cmd = simPath() + " --level " + levels::levelPath(number) + " --index " +
                      std::to_string(number - 1) + " --mode " + mode + " --seed " +
                      std::to_string(seed) + " --autoplay --think 1500 --max-time 1800000";
    SimRun run;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return run;
    std::string last, line;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (!line.empty() && line.back() == '\n') {
            last = line;
            line.clear();
        }
    }
    if (pclose(pipe) != 0) return run;
    size_t at = last.find("\"outcome\":\"");
    if (at == std::string::npos) return run;
    size_t from = at + 11;
    run.outcome = last.substr(from, last.find('"', from) - from);
    size_t moves = last.find("\"moves\":");
    if (moves != std::string::npos) run.moves = std::atoi(last.c_str() + moves + 8);
    return run;
}

// The runs of every level in one mode, spread over two threads.
std::vector<SimRun> playAll(const char* mode, int seed) {
    std::vector<SimRun> runs(kLevelCount + 1);
    std::atomic<int> next{1};
    auto worker = [&] {
        for (int n = next++; n <= kLevelCount; n = next++) runs[size_t(n)] = play(n, mode, seed);
    };
    std::thread a(worker), b(worker);
    a.join();
    b.join();
    return runs;
}

TEST(LevelPlaythrough, TimelessClearsEveryLevel) {
    std::vector<SimRun> runs = playAll("timeless", 1);
    for (int n = 1; n <= kLevelCount; ++n) {
        ASSERT_FALSE(runs[size_t(n)].outcome.empty()) << "amberwick-sim failed on level " << n;
        EXPECT_EQ(runs[size_t(n)].outcome, "won") << "level " << n;
    }
}

// One puzzle run (move limit) and one adventure run (time limit) of every
// level: each stage must be won at least once, and the first three stages
// more often than the last three.
TEST(LevelPlaythrough, LimitedModesFollowTheDifficultyCurve) {
    std::vector<SimRun> puzzle = playAll("puzzle", 2);
    std::vector<SimRun> adventure = playAll("adventure", 3);
    int stageWins[15] = {}, stageRuns[15] = {};
    for (int n = 1; n <= kLevelCount; ++n)
        for (const SimRun* run : {&puzzle[size_t(n)], &adventure[size_t(n)]}) {
            ASSERT_FALSE(run->outcome.empty()) << "amberwick-sim failed on level " << n;
            EXPECT_NE(run->outcome, "running") << "level " << n << " ended without an outcome";
            int stage = levels::stageOf(n - 1);
            ++stageRuns[stage];
            if (run->outcome == "won") ++stageWins[stage];
        }
    for (int s = 0; s < 15; ++s) EXPECT_GT(stageWins[s], 0) << "stage " << s + 1 << " never won";
    double early = double(stageWins[0] + stageWins[1] + stageWins[2]) / (stageRuns[0] + stageRuns[1] + stageRuns[2]);
    double late = double(stageWins[12] + stageWins[13] + stageWins[14]) / (stageRuns[12] + stageRuns[13] + stageRuns[14]);
    EXPECT_GT(early, late) << "early stages " << early << ", late stages " << late;
}

} // namespace
