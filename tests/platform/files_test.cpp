#include "platform/files.h"
#include "platform/paths.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace aw;

namespace {
void write(const std::string& path, const std::string& text) { ASSERT_TRUE(writeFileAtomic(path, text.data(), text.size())); }
} // namespace

TEST(Files, DataNamesWithBackslashAndAnyCaseFindTheFile) {
    test::TempDir dir;
    ASSERT_TRUE(makeDirectories(dir / "Field"));
    write(dir / "Field/Field0.tga", "tile");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dir.path + "\\field\\FIELD0.TGA", bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "tile");
    EXPECT_EQ(resolvePath(dir.path + "/FIELD/field0.tga"), dir / "Field/Field0.tga");
    EXPECT_FALSE(fileExists(dir / "field/missing.tga"));
}

TEST(Files, ExactNameWinsOverCaseInsensitiveMatch) {
    test::TempDir dir;
    write(dir / "a.txt", "lower");
    write(dir / "A.txt", "upper");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dir / "A.txt", bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "upper");
}

TEST(Files, ListingIsFilteredAndSortedCaseInsensitively) {
    test::TempDir dir;
    for (const char* n : {"b.ogg", "A.ogg", "c.OGG", "notes.txt", "a2.ogg"}) write(dir / n, "x");
    ASSERT_TRUE(makeDirectories(dir / "dir.ogg")); // directories are not files
    auto names = listFiles(dir.path, "*.ogg");
    EXPECT_EQ(names, (std::vector<std::string>{"A.ogg", "a2.ogg", "b.ogg", "c.OGG"}));
    EXPECT_TRUE(listFiles(dir / "missing", "*").empty());
}

TEST(Files, WildcardMatching) {
    EXPECT_TRUE(wildcardMatch("*.par", "bomb1_1.par"));
    EXPECT_TRUE(wildcardMatch("pack1_??.lvl", "PACK1_07.LVL"));
    EXPECT_FALSE(wildcardMatch("*.par", "bomb.par.bak"));
    EXPECT_TRUE(wildcardMatch("*a*b*c", "xxaxxbxxc"));
    EXPECT_FALSE(wildcardMatch("?", ""));
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    test::TempDir dir;
    write(dir / "hiscore.dat", "old contents that are longer");
    write(dir / "hiscore.dat", "new");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dir / "hiscore.dat", bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    EXPECT_EQ(listFiles(dir.path, "*").size(), 1u);
    EXPECT_FALSE(writeFileAtomic(dir / "no/such/dir/file", "x", 1));
}

TEST(Files, CopyAndDeleteReportFailures) {
    test::TempDir dir;
    EXPECT_FALSE(copyFile(dir / "missing", dir / "b"));
    EXPECT_FALSE(deleteFile(dir / "missing"));
    write(dir / "a", "abc");
    EXPECT_TRUE(copyFile(dir / "a", dir / "b"));
    EXPECT_EQ(fileSize(dir / "b"), 3);
    EXPECT_TRUE(deleteFile(dir / "a"));
    EXPECT_EQ(fileSize(dir / "a"), -1);
}

TEST(Paths, PlayerDirectoryFollowsXdgDataHome) {
    test::TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", dir.path.c_str(), 1);
    EXPECT_EQ(playerDirectory(), dir / "amberwick");
    EXPECT_TRUE(directoryExists(dir / "amberwick"));
    setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored, like the XDG rules say
    EXPECT_NE(playerDirectory().rfind("relative", 0), 0u);
    if (old) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

TEST(Files, DataDirectoryIsLocalThenBesideTheExecutableThenInstalled) {
    test::TempDir dir;
    const std::string work = dir / "work", bin = dir / "prefix/bin";
    ASSERT_TRUE(makeDirectories(work));
    ASSERT_TRUE(makeDirectories(bin));
    // Nothing anywhere: the one beside the executable, so the error names it.
    EXPECT_EQ(chooseDataDirectory(work, bin), bin + "/Data/");
    ASSERT_TRUE(makeDirectories(dir / "prefix/share/amberwick/Data"));
    EXPECT_EQ(chooseDataDirectory(work, bin), dir / "prefix/share/amberwick/Data/");
    ASSERT_TRUE(makeDirectories(bin + "/Data"));
    EXPECT_EQ(chooseDataDirectory(work, bin), bin + "/Data/");
    ASSERT_TRUE(makeDirectories(work + "/Data"));
    EXPECT_EQ(chooseDataDirectory(work, bin), work + "/Data/");
    // A plain file named Data is no data directory.
    ASSERT_TRUE(makeDirectories(dir / "other"));
    write(dir / "other/Data", "not a directory");
    EXPECT_EQ(chooseDataDirectory(dir / "other", bin), bin + "/Data/");
}
