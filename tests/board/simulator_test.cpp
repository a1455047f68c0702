// Runs the amberwick-sim executable the way level scripts do.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SimRun {
    int exitCode = -1;
    std::vector<std::string> lines;
    std::string last() const { return lines.empty() ? "" : lines.back(); }
};

class Simulator : public ::testing::Test {
protected:
    fs::path dir;
    std::string exe;

    void SetUp() override {
        // Binaries share the build root, so the simulator lies beside this test.
        const char* build = std::getenv("AW_BUILD_DIR");
        exe = (build ? std::string(build) : aw::executableDirectory()) + "/amberwick-sim";
        ASSERT_TRUE(fs::exists(exe));
        dir = fs::temp_directory_path() / ("aw_sim_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string writeLevel(const std::string& name, const std::vector<std::string>& lines) {
        std::ofstream out(dir / name, std::ios::binary);
        for (const auto& l : lines) out << l << "\r\n";
        return (dir / name).string();
    }

    SimRun run(const std::string& args) {
        SimRun r;
        std::string command = exe + " " + args + " 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return r;
        std::string all;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) all.append(buffer, n);
        int status = ::pclose(pipe);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::istringstream in(all);
        for (std::string line; std::getline(in, line);) r.lines.push_back(line);
        return r;
    }

    std::string easyLevel() {
        std::vector<std::string> l = {"figures=4", "moves=30", "level="};
        for (int r = 0; r < 8; ++r) l.push_back("000000000000");
        for (int r = 0; r < 3; ++r) l.push_back("001111111100");
        return writeLevel("pack1_07.lvl", l);
    }
};

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

TEST_F(Simulator, AutoplayWinsAnEasyLevel) {
    SimRun r = run("--level " + easyLevel() + " --autoplay");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_GE(r.lines.size(), 2u);
    EXPECT_TRUE(contains(r.last(), "\"outcome\":\"won\"")) << r.last();
    EXPECT_TRUE(contains(r.last(), "\"BreakSquare.ogg\":24")) << r.last();
    // The last click leaves no square.
    EXPECT_TRUE(contains(r.lines[r.lines.size() - 2], "\"squares\":0"));
    EXPECT_TRUE(contains(r.lines[0], "{\"move\":1,\"row\":"));
}

TEST_F(Simulator, AutoplayLosesAHopelessPuzzle) {
    std::vector<std::string> l = {"figures=8", "moves=1", "level="};
    for (int r = 0; r < 11; ++r) l.push_back("222222222222");
    SimRun r = run("--level " + writeLevel("hopeless.lvl", l) + " --autoplay --mode puzzle");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.last(), "\"outcome\":\"lost\"")) << r.last();
    // Index 2 by default: the move limit is 1 * (1 + 29 / 20.87) = 2.
    EXPECT_TRUE(contains(r.last(), "\"moves\":2,")) << r.last();
}

TEST_F(Simulator, AutoplayStrikesAWalledInSquareWithTheHammer) {
    // The one square sits in a corner with holes along its row, its column
    // and its diagonal: no group can take its figure and no blast reaches
    // it; the hammer can, once removed figures have charged it.
    std::vector<std::string> l = {"figures=4", "level="};
    for (int r = 0; r < 10; ++r) {
        std::string row = "." + std::string(11, '0');
        row[size_t(10 - r)] = '.';
        l.push_back(row);
    }
    l.push_back("1...........");
    std::string level = writeLevel("walled.lvl", l);
    SimRun r = run("--level " + level + " --autoplay --mode timeless");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.last(), "\"outcome\":\"won\"")) << r.last();
    EXPECT_TRUE(contains(r.last(), "\"hammers\":1,")) << r.last();
    ASSERT_GE(r.lines.size(), 2u);
    EXPECT_TRUE(contains(r.lines[r.lines.size() - 2], "{\"hammer\":1,\"row\":10,\"col\":0,"))
        << r.lines[r.lines.size() - 2];
    // A strike is not a move: the moves before it are all the level counted.
    int moveLines = 0;
    for (const auto& line : r.lines) moveLines += contains(line, "{\"move\":");
    EXPECT_TRUE(contains(r.last(), "\"moves\":" + std::to_string(moveLines) + ",")) << r.last();

    SimRun plain = run("--level " + level + " --autoplay --mode timeless --no-hammer --max-time 60000");
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_TRUE(contains(plain.last(), "\"hammers\":0,")) << plain.last();
    for (const auto& line : plain.lines) EXPECT_FALSE(contains(line, "{\"hammer\":")) << line;
}

TEST_F(Simulator, SameSeedAndClicksGiveTheSameOutput) {
    std::string level = easyLevel();
    std::string clicks = " --clicks \"10,2;10,3;9,4;8,5;10,6;0,0;5,5;10,2\" --seed 42";
    SimRun a = run("--level " + level + clicks);
    SimRun b = run("--level " + level + clicks);
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(a.lines.size(), 9u);
    EXPECT_TRUE(contains(a.last(), "\"outcome\":\"running\""));
    SimRun c = run("--level " + level + " --autoplay --seed 5 --mode adventure --think 100");
    SimRun d = run("--level " + level + " --autoplay --seed 5 --mode adventure --think 100");
    EXPECT_EQ(c.lines, d.lines);
}

// Batch runs must not leak state (birds' turn, clock, trophies) into the next.
TEST_F(Simulator, ManyRunsInOneProcessMatchSeparateRuns) {
    std::string easy = easyLevel();
    std::vector<std::string> l = {"figures=5", "time=40", "level="};
    for (int r = 0; r < 6; ++r) l.push_back("000000000000");
    for (int r = 0; r < 5; ++r) l.push_back("011111111110");
    std::string wide = writeLevel("pack1_12.lvl", l);
    std::vector<std::string> separate;
    for (const std::string& level : {easy, wide})
        for (int seed = 4; seed <= 5; ++seed) {
            SimRun one = run("--level " + level + " --autoplay --mode adventure --seed " + std::to_string(seed));
            ASSERT_EQ(one.exitCode, 0);
            separate.insert(separate.end(), one.lines.begin(), one.lines.end());
        }
    SimRun batch = run("--level " + easy + " --level " + wide + " --autoplay --mode adventure --seeds 4-5");
    ASSERT_EQ(batch.exitCode, 0);
    EXPECT_EQ(batch.lines, separate);
    EXPECT_EQ(run("--level " + easy + " --autoplay --seeds 5-4").exitCode, 2);
    EXPECT_EQ(run("--level " + easy + " --level " + wide + " --index 3 --autoplay").exitCode, 2);
}

TEST_F(Simulator, ClickOnNoGroupIsStillReported) {
    // One kind per column, alternating: no two neighbours match anywhere
    // except where the level places letters.
    std::vector<std::string> l = {"figures=2", "level="};
    l.push_back("AB0000000000");
    for (int r = 0; r < 10; ++r) l.push_back("111111111111");
    SimRun r = run("--level " + writeLevel("a.lvl", l) + " --clicks \"-1,-1;0,0\" --max-moves 5");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_GE(r.lines.size(), 3u);
    EXPECT_TRUE(contains(r.lines[0], "\"move\":0,\"row\":-1,\"col\":-1,\"size\":0")) << r.lines[0];
}

TEST_F(Simulator, MaxMovesEndsARunningLevel) {
    SimRun r = run("--level " + easyLevel() + " --autoplay --max-moves 3");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines.size(), 4u);
    EXPECT_TRUE(contains(r.last(), "\"outcome\":\"running\",\"moves\":3"));
}

TEST_F(Simulator, AdventureLosesOnTime) {
    SimRun r = run("--level " + easyLevel() + " --clicks \"\" --mode adventure --index 2");
    // No clicks at all: the run ends at once, still running.
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.last(), "\"outcome\":\"running\""));
    SimRun t = run("--level " + easyLevel() + " --autoplay --think 100000 --mode adventure --dt 50");
    EXPECT_TRUE(contains(t.last(), "\"outcome\":\"lost\"")) << t.last();
    EXPECT_TRUE(contains(t.last(), "\"DefeatLevel.ogg\":1"));
}

TEST_F(Simulator, BadArgumentsAndUnreadableFilesExitWithTwo) {
    EXPECT_EQ(run("").exitCode, 2);
    EXPECT_EQ(run("--level " + (dir / "missing.lvl").string() + " --autoplay").exitCode, 2);
    std::string level = easyLevel();
    EXPECT_EQ(run("--level " + level).exitCode, 2); // neither clicks nor autoplay
    EXPECT_EQ(run("--level " + level + " --autoplay --clicks \"1,1\"").exitCode, 2);
    EXPECT_EQ(run("--level " + level + " --autoplay --mode arcade").exitCode, 2);
    EXPECT_EQ(run("--level " + level + " --clicks \"1;2\"").exitCode, 2);
    EXPECT_EQ(run("--level " + level + " --autoplay --dt 0").exitCode, 2);
    EXPECT_EQ(run("--level " + level + " --autoplay --frobnicate").exitCode, 2);
}

} // namespace
