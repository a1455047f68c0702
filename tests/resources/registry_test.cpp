#include "resources/archive_format.h"
#include "resources/registry.h"
#include "resources/test_support.h"

#include <cstring>
#include <string>
#include <vector>

using namespace aw;
using namespace awtest;

namespace {

struct RegistryTest : ::testing::Test {
    ScratchDir dir;
    void SetUp() override { resetResources(); }
    void TearDown() override { resetResources(); }
};

std::string archiveOf(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<uint8_t> a;
    for (auto& [name, data] : files)
        EXPECT_TRUE(appendArchiveEntry(a, name, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    return std::string(a.begin(), a.end());
}

std::string loaded(const char* name) {
    int size = -1;
    uint8_t* p = loadResource(name, &size, false);
    return p ? std::string(reinterpret_cast<char*>(p), size_t(size)) : "<missing>";
}

std::vector<int> progress;
void recordProgress(int bytes) { progress.push_back(bytes); }

} // namespace

TEST_F(RegistryTest, NamesInAnyCaseFindTheSameEntry) {
    uint8_t a[1] = {1}, b[1] = {2};
    ASSERT_TRUE(registerResource("button.tga", 1, a, false));
    ASSERT_TRUE(registerResource("FONT.DAT", 1, b, false));
    EXPECT_EQ(findResource("BuTToN.TGA")->data, a);
    EXPECT_EQ(findResource("font.dat")->data, b);
    EXPECT_STREQ(findResource("button.tga")->name, "BUTTON.TGA");
    // Windows-1251 lower-case letters 0xE0-0xFF match their capitals 0xC0-0xDF.
    uint8_t c[1] = {3};
    ASSERT_TRUE(registerResource("\xE0\xFF.txt", 1, c, false));
    EXPECT_EQ(findResource("\xC0\xDF.TXT")->data, c);
    // Bytes outside both ranges are compared as they are.
    EXPECT_EQ(findResource("button.tg{"), nullptr);
    EXPECT_EQ(upperResourceByte('{'), '{');
    EXPECT_EQ(upperResourceByte('\xDF'), '\xDF');
    EXPECT_EQ(upperResourceByte('`'), '`');
}

TEST_F(RegistryTest, FirstRegisteredEntryOfANameWins) {
    uint8_t a[1] = {1}, b[1] = {2};
    registerResource("same.bin", 1, a, false);
    registerResource("SAME.BIN", 1, b, false);
    EXPECT_EQ(findResource("same.bin")->data, a);
    EXPECT_TRUE(releaseResource(a));
    EXPECT_EQ(findResource("same.bin")->data, b);
}

TEST_F(RegistryTest, ArchiveEntryShadowsDiskFileFromAnyDirectory) {
    writeBytes("pack.dat", archiveOf({{"a.txt", "from archive"}, {"b.txt", "second"}}));
    writeBytes("a.txt", "from disk");
    writeBytes("sub/a.txt", "from sub");
    openArchive("pack.dat");
    EXPECT_EQ(loaded("A.TXT"), "from archive");
    setCurrentDirectory(dir.path() + "/sub");
    EXPECT_EQ(loaded("a.txt"), "from archive");
    EXPECT_EQ(loaded("b.txt"), "second");

    // Closing unregisters the entries, so requests reach the disk again.
    EXPECT_TRUE(closeArchive("PACK.DAT"));
    EXPECT_EQ(findResource("b.txt"), nullptr);
    EXPECT_EQ(loaded("a.txt"), "from sub");
    EXPECT_FALSE(closeArchive("pack.dat"));
}

TEST_F(RegistryTest, UnreleasedDiskFileShadowsLaterDiskFiles) {
    writeBytes("one/x.txt", "first");
    writeBytes("two/x.txt", "second");
    setCurrentDirectory(dir.path() + "/one");
    int size = 0;
    uint8_t* p = loadResource("x.txt", &size, true);
    ASSERT_NE(p, nullptr);
    setCurrentDirectory(dir.path() + "/two");
    EXPECT_EQ(loadResource("x.txt", &size, true), p); // same block, not re-read
    EXPECT_EQ(loaded("x.txt"), "first");
    EXPECT_TRUE(releaseResource(p));
    EXPECT_EQ(loaded("x.txt"), "second");
}

TEST_F(RegistryTest, ReleasingAnUnknownPointerChangesNothing) {
    writeBytes("f.bin", "abcdef");
    uint8_t* p = loadResource("f.bin", nullptr, true);
    int before = resourceCount();
    uint8_t other[4];
    EXPECT_FALSE(releaseResource(other));
    EXPECT_FALSE(releaseResource(p + 1)); // inside a block is not the block
    EXPECT_FALSE(releaseResource(nullptr));
    EXPECT_EQ(resourceCount(), before);
    EXPECT_EQ(loaded("f.bin"), "abcdef");
    EXPECT_TRUE(releaseResource(p));
    EXPECT_FALSE(releaseResource(p));
}

TEST_F(RegistryTest, SingleCharacterNameScramblesEveryByteWithIt) {
    std::string data = "hello, world";
    std::string a = archiveOf({{"k", data}});
    ASSERT_EQ(a.size(), 2 + 4 + data.size());
    EXPECT_EQ(a.substr(0, 6), std::string("k\0\x0c\0\0\0", 6));
    for (size_t i = 0; i < data.size(); ++i) EXPECT_EQ(char(a[6 + i] ^ 'k'), data[i]) << i;
}

TEST_F(RegistryTest, HandWrittenArchiveUnscramblesWithTheNameCycle) {
    // Name "ab": data bytes alternate XOR 'a', XOR 'b'.
    std::string plain = "XYZW!";
    std::string raw = std::string("ab\0", 3) + std::string("\x05\0\0\0", 4);
    for (size_t i = 0; i < plain.size(); ++i) raw += char(plain[i] ^ (i % 2 ? 'b' : 'a'));
    raw += std::string("z\0\0\0\0\0", 6); // an empty entry may close the archive
    writeBytes("hand.dat", raw);
    openArchive("hand.dat");
    EXPECT_EQ(loaded("AB"), plain);
    const ResourceEntry* z = findResource("z");
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->size, 0);
}

TEST_F(RegistryTest, TruncatedArchiveKeepsItsCompleteEntries) {
    std::string a = archiveOf({{"one", "1111"}, {"two", "22222222"}, {"three", "333333333333"}});
    writeBytes("cut.dat", a.substr(0, a.size() - 5));
    openArchive("cut.dat");
    EXPECT_EQ(loaded("one"), "1111");
    EXPECT_EQ(loaded("two"), "22222222");
    EXPECT_EQ(findResource("three"), nullptr);

    std::vector<uint8_t> image(a.begin(), a.end() - 5);
    ArchiveScan scan = scanArchive(image.data(), image.size(), false);
    EXPECT_FALSE(scan.wellFormed);
    EXPECT_EQ(scan.entries.size(), 2u);
    EXPECT_EQ(scan.stoppedAt, size_t(4 + 4 + 4 + 4 + 4 + 8));

    // A name that never ends, and a length field cut short, stop the walk too.
    std::vector<uint8_t> noNul = {'a', 'b', 'c'};
    EXPECT_FALSE(scanArchive(noNul.data(), noNul.size(), false).wellFormed);
    std::vector<uint8_t> shortLength = {'a', 0, 1, 0};
    ArchiveScan s2 = scanArchive(shortLength.data(), shortLength.size(), false);
    EXPECT_FALSE(s2.wellFormed);
    EXPECT_TRUE(s2.entries.empty());
    // A huge length does not overflow the bounds check.
    std::vector<uint8_t> huge = {'a', 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2};
    EXPECT_TRUE(scanArchive(huge.data(), huge.size(), false).entries.empty());
}

TEST_F(RegistryTest, ArchiveWriterRefusesNamesTheFormatCannotHold) {
    std::vector<uint8_t> a;
    uint8_t d[1] = {0};
    EXPECT_FALSE(appendArchiveEntry(a, "", d, 1));
    EXPECT_FALSE(appendArchiveEntry(a, std::string(64, 'x'), d, 1));
    EXPECT_FALSE(appendArchiveEntry(a, std::string("a\0b", 3), d, 1));
    EXPECT_TRUE(a.empty());
    EXPECT_TRUE(appendArchiveEntry(a, std::string(63, 'x'), d, 1));
}

TEST_F(RegistryTest, MissingArchiveIsSkippedSilently) {
    FatalHooks hooks;
    openArchive("nothere.dat");
    EXPECT_EQ(resourceCount(), 0);
    EXPECT_TRUE(lastBoxText().empty());
}

TEST_F(RegistryTest, ReadIntoNeverWritesPastTheBuffer) {
    writeBytes("long.bin", "0123456789");
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    int n = -1;
    EXPECT_EQ(readResourceInto("long.bin", buf, 4, &n), reinterpret_cast<uint8_t*>(buf));
    EXPECT_EQ(n, 4);
    EXPECT_EQ(std::string(buf, 8), "0123####");
    EXPECT_EQ(resourceCount(), 0); // disk reads this way are not registered

    // A registered block is cut the same way; a short one copies what it has.
    uint8_t reg[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    registerResource("reg.bin", 6, reg, false);
    std::memset(buf, '#', sizeof buf);
    readResourceInto("REG.BIN", buf, 3, &n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(std::string(buf, 8), "abc#####");
    readResourceInto("reg.bin", buf, 8, &n);
    EXPECT_EQ(n, 6);

    EXPECT_EQ(readResourceInto("nothere.bin", buf, 8, &n), nullptr);
    std::filesystem::create_directory("adir");
    EXPECT_EQ(readResourceInto("adir", buf, 8, &n), nullptr);
}

TEST_F(RegistryTest, RegistryRefusesBeyondItsCapacity) {
    static uint8_t byte;
    for (int i = 0; i < kMaxResources; ++i) {
        std::string name = "r" + std::to_string(i);
        ASSERT_TRUE(registerResource(name.c_str(), 1, &byte, false));
    }
    EXPECT_FALSE(registerResource("extra", 1, &byte, false));
    EXPECT_EQ(resourceCount(), kMaxResources);
    EXPECT_EQ(findResource("extra"), nullptr);

    // A disk file that cannot be registered is reported as not loadable.
    writeBytes("late.bin", "x");
    EXPECT_EQ(loadResource("late.bin", nullptr, false), nullptr);
    resetResources();
    EXPECT_FALSE(registerResource(std::string(128, 'n').c_str(), 1, &byte, false));
    EXPECT_TRUE(registerResource(std::string(127, 'n').c_str(), 1, &byte, false));
}

TEST_F(RegistryTest, ProgressReportsEveryRegistration) {
    progress.clear();
    setLoadProgressHandler(recordProgress);
    std::string a = archiveOf({{"p", "123"}, {"q", "12345"}});
    writeBytes("p.dat", a);
    writeBytes("d.bin", "1234567");
    openArchive("p.dat");
    loadResource("d.bin", nullptr, true);
    EXPECT_EQ(progress, (std::vector<int>{int(a.size()), 3, 5, 7}));
    setLoadProgressHandler(nullptr);
}

TEST_F(RegistryTest, ReleasingAnArchiveImageDropsItsEntries) {
    writeBytes("img.dat", archiveOf({{"e1", "x"}, {"e2", "y"}}));
    writeBytes("keep.bin", "k");
    uint8_t* keep = loadResource("keep.bin", nullptr, true);
    openArchive("img.dat");
    EXPECT_EQ(resourceCount(), 4);
    EXPECT_TRUE(releaseResource(findResource("img.dat")->data));
    EXPECT_EQ(resourceCount(), 1);
    EXPECT_EQ(findResource("keep.bin")->data, keep);
}

TEST_F(RegistryTest, MissingRequiredFileShowsTheLoadingError) {
    FatalHooks hooks;
    EXPECT_EQ(loadResource("optional.bin", nullptr, false), nullptr);
    EXPECT_TRUE(lastBoxText().empty());
    try {
        loadResource("levels\\%s%n.lvl", nullptr, true);
        FAIL() << "returned from a fatal error";
    } catch (const FatalExit& e) {
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_EQ(lastBoxTitle(), "Loading Error");
    EXPECT_EQ(lastBoxText(), "Can't load levels\\%s%n.lvl...\nProgram will now stop.");
}

TEST_F(RegistryTest, WriteFileOrDieReplacesWholeFilesOrStops) {
    FatalHooks hooks;
    writeBytes("out.bin", "old contents that are longer");
    writeFileOrDie("out.bin", "new", 3);
    EXPECT_EQ(readBytes("out.bin"), "new");
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
    EXPECT_EQ(files, 1); // no temporary file left behind

    // The directory is found in any case; the file name is kept exactly, so
    // a file differing only in case is a different file.
    writeBytes("trophyes/Layout.cfg", "old");
    writeFileOrDie("TROPHYES\\layout.cfg", "new", 3);
    EXPECT_EQ(readBytes("trophyes/layout.cfg"), "new");
    EXPECT_EQ(readBytes("trophyes/Layout.cfg"), "old");

    try {
        writeFileOrDie("missing-dir/out.bin", "x", 1);
        FAIL() << "returned from a fatal error";
    } catch (const FatalExit& e) {
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_EQ(lastBoxTitle(), "Writing Error");
    EXPECT_EQ(lastBoxText(), "Can't save missing-dir/out.bin...\nProgram will now stop.");
}
