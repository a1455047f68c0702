#include "resources/archive_format.h"
#include "resources/registry.h"
#include "resources/test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace aw;
using namespace awtest;
namespace fs = std::filesystem;

namespace {

struct PackToolTest : ::testing::Test {
    ScratchDir dir;
    void SetUp() override { resetResources(); }
    void TearDown() override { resetResources(); }

    // Runs the tool with stdout and stderr captured; returns its exit code.
    int pack(const std::string& args) {
        // The tool is built beside the test executables.
        const char* build = std::getenv("AW_BUILD_DIR");
        std::string tool = (build && build[0] ? std::string(build) : executableDirectory()) + "/amberwick-pack";
        std::string cmd = "'" + tool + "' " + args + " >out.txt 2>err.txt";
        int status = std::system(cmd.c_str());
        out = readBytes("out.txt");
        err = readBytes("err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out, err;
};

std::string allBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += char(i);
    return s + s;
}

} // namespace

TEST_F(PackToolTest, CreateThenExtractRoundTripsADirectory) {
    writeBytes("src/button.tga", allBytes());
    writeBytes("src/fonts/font.dat", "metrics\r\n");
    writeBytes("src/fonts/deep/empty.bin", "");
    writeBytes("src/levels/pack1_00.lvl", "time=60\r\n");
    ASSERT_EQ(pack("create packed.dat --root src src/button.tga src/fonts src/levels/pack1_00.lvl"), 0) << err;
    ASSERT_EQ(pack("extract packed.dat outdir"), 0) << err;

    size_t files = 0;
    for (auto& e : fs::recursive_directory_iterator("src")) {
        if (!e.is_regular_file()) continue;
        ++files;
        fs::path rel = fs::relative(e.path(), "src");
        EXPECT_EQ(readBytes(("outdir" / rel).string()), readBytes(e.path().string())) << rel;
    }
    EXPECT_EQ(files, 4u);

    // The game reads the same archive, with '\' in the names.
    openArchive("packed.dat");
    const ResourceEntry* font = findResource("FONTS\\font.dat");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(font->data), size_t(font->size)), "metrics\r\n");
    ASSERT_NE(findResource("button.tga"), nullptr);
    EXPECT_EQ(findResource("button.tga")->size, 512);
}

TEST_F(PackToolTest, WithoutARootEntriesAreBareNames) {
    writeBytes("a/b/one.txt", "1");
    writeBytes("two.txt", "22");
    ASSERT_EQ(pack("create p.dat a/b/one.txt two.txt"), 0) << err;
    ASSERT_EQ(pack("list p.dat"), 0) << err;
    EXPECT_EQ(out, "one.txt\t1\ntwo.txt\t2\n");
}

TEST_F(PackToolTest, ListReportsWhereAMalformedArchiveStops) {
    std::vector<uint8_t> a;
    std::string d1 = "first", d2 = "second entry";
    appendArchiveEntry(a, "sub\\first.txt", reinterpret_cast<const uint8_t*>(d1.data()), d1.size());
    size_t cut = a.size();
    appendArchiveEntry(a, "second.txt", reinterpret_cast<const uint8_t*>(d2.data()), d2.size());
    writeBytes("bad.dat", std::string(a.begin(), a.end() - 3));
    EXPECT_EQ(pack("list bad.dat"), 1);
    EXPECT_EQ(out, "sub\\first.txt\t5\n");
    EXPECT_NE(err.find("byte " + std::to_string(cut)), std::string::npos) << err;

    // Extraction keeps what is complete and still reports the fault.
    EXPECT_EQ(pack("extract bad.dat out"), 1);
    EXPECT_EQ(readBytes("out/sub/first.txt"), "first");
    EXPECT_FALSE(exists("out/second.txt"));
}

TEST_F(PackToolTest, ExtractRefusesNamesThatLeaveTheDirectory) {
    std::vector<uint8_t> a;
    uint8_t x[1] = {'x'};
    appendArchiveEntry(a, "..\\escaped.txt", x, 1);
    appendArchiveEntry(a, "ok\\..\\..\\escaped2.txt", x, 1);
    appendArchiveEntry(a, "\\abs.txt", x, 1);
    appendArchiveEntry(a, "fine.txt", x, 1);
    writeBytes("evil.dat", std::string(a.begin(), a.end()));
    fs::create_directory("inner");
    EXPECT_EQ(pack("extract evil.dat inner/out"), 1);
    EXPECT_EQ(readBytes("inner/out/fine.txt"), "x");
    EXPECT_FALSE(exists("inner/escaped.txt"));
    EXPECT_FALSE(exists("escaped2.txt"));
    EXPECT_FALSE(exists("inner/escaped2.txt"));
    EXPECT_FALSE(exists("/abs.txt"));
}

TEST_F(PackToolTest, ExitCodesForBadArgumentsAndUnreadableArchives) {
    writeBytes("f.txt", "f");
    writeBytes("root/g.txt", "g");
    EXPECT_EQ(pack(""), 2);
    EXPECT_EQ(pack("frobnicate x"), 2);
    EXPECT_EQ(pack("create only.dat"), 2);
    EXPECT_EQ(pack("create x.dat --root"), 2);
    EXPECT_EQ(pack("create x.dat missing.txt"), 2);
    EXPECT_EQ(pack("create x.dat --root root f.txt"), 2); // not below the root
    writeBytes("a/same.txt", "1");
    writeBytes("b/SAME.TXT", "2");
    EXPECT_EQ(pack("create x.dat a/same.txt b/SAME.TXT"), 2); // the game would see one name twice
    EXPECT_NE(err.find("second entry"), std::string::npos) << err;
    writeBytes(std::string(70, 'n'), "n");
    EXPECT_EQ(pack("create x.dat " + std::string(70, 'n')), 2);
    EXPECT_NE(err.find("63"), std::string::npos) << err;
    EXPECT_FALSE(exists("x.dat"));
    EXPECT_EQ(pack("list"), 2);
    EXPECT_EQ(pack("list a b"), 2);
    EXPECT_EQ(pack("extract a"), 2);
    EXPECT_EQ(pack("list nothere.dat"), 1);
    EXPECT_EQ(pack("extract nothere.dat out"), 1);
    writeBytes("empty.dat", "");
    EXPECT_EQ(pack("list empty.dat"), 0);
    EXPECT_EQ(out, "");
}
