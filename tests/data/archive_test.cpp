// The archives are well formed, hold each file under the name the game asks
// for, and every entry unpacks to exactly the bytes that were produced.
#include "data/data_set.h"
#include "data_producers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace awtest;
namespace fs = std::filesystem;

namespace {

// The produced file an entry stands for: "field\x.tga" names its directory,
// every other entry is a bare name found in exactly one place of the tree.
std::vector<std::string> sourcesOf(const std::string& stage, const std::string& entry) {
    std::vector<std::string> out;
    if (entry.find('\\') != std::string::npos) {
        std::string rel = entry;
        for (char& c : rel)
            if (c == '\\') c = '/';
        if (fs::is_regular_file(stage + "/" + rel)) out.push_back(stage + "/" + rel);
        return out;
    }
    for (const auto& e : fs::recursive_directory_iterator(stage))
        if (e.is_regular_file() && e.path().filename() == entry) out.push_back(e.path().string());
    return out;
}

bool endsWith(const std::string& s, const char* tail) { return s.ends_with(tail); }

} // namespace

TEST(Archives, AreWellFormedAndUseUniqueShortNames) {
    if (!AW_DATA_HAS_ARCHIVES) GTEST_SKIP() << "no archive tool in this build";
    const DataSet& d = DataSet::instance();
    ASSERT_EQ(d.archives.count("texts.dat"), 1u);
    std::set<std::string> names;
    for (const auto& [file, archive] : d.archives) {
        EXPECT_TRUE(archive.wellFormed) << file;
        EXPECT_FALSE(archive.entries.empty()) << file;
        for (const ArchiveEntry& e : archive.entries) {
            EXPECT_FALSE(e.name.empty()) << file;
            EXPECT_LE(e.name.size(), 63u) << e.name;
            EXPECT_TRUE(names.insert(upper(e.name)).second) << "entry name used twice: " << e.name;
            if (file == "targa.dat") {
                EXPECT_TRUE(endsWith(e.name, ".tga")) << e.name;
            }
            if (file == "jpeg.dat") {
                EXPECT_TRUE(endsWith(e.name, ".jpg")) << e.name;
            }
        }
    }
    // Entries plus one image per archive all take registry places (1024 in all),
    // and the loaders need room for their disk files besides.
    EXPECT_LT(names.size() + d.archives.size(), 700u);
}

TEST(Archives, EveryEntryUnpacksToItsProducedFile) {
    if (!AW_DATA_HAS_ARCHIVES) GTEST_SKIP() << "no archive tool in this build";
    const DataSet& d = DataSet::instance();
    for (const auto& [file, archive] : d.archives) {
        for (const ArchiveEntry& e : archive.entries) {
            std::vector<std::string> sources = sourcesOf(d.stageDir, e.name);
            ASSERT_EQ(sources.size(), 1u) << e.name << " should come from exactly one produced file";
            EXPECT_TRUE(readBytes(sources[0]) == e.data) << e.name << " differs from " << sources[0];
        }
    }
}

TEST(Archives, HoldNothingThatMustBeAPlainFile) {
    if (!AW_DATA_HAS_ARCHIVES) GTEST_SKIP() << "no archive tool in this build";
    const DataSet& d = DataSet::instance();
    for (const auto& [file, archive] : d.archives) {
        for (const ArchiveEntry& e : archive.entries) {
            std::string n = e.name;
            for (const char* tail : {".lvl", ".lev", ".ogg", ".par", ".mo3", ".cfg", ".spl"})
                EXPECT_FALSE(endsWith(n, tail)) << n;
            for (const char* whole : {"splash1.jpg", "splash2.jpg", "loadscreen.jpg", "loadbar.tga",
                                      "megamap.jpg", "mapback.jpg", "zaglushka.jpg"})
                EXPECT_NE(n, whole);
            EXPECT_FALSE(n.starts_with("_a_back")) << n;
            EXPECT_FALSE(n.starts_with("art") && endsWith(n, ".jpg")) << n;
        }
    }
}

TEST(ArchiveReader, UnscramblesWithTheEntryNameAndFlagsATruncatedImage) {
    // Hand-made image: entry "ab" holding "xyz" scrambled with a, b, a.
    Bytes image = {'a', 'b', 0, 3, 0, 0, 0,
                   static_cast<uint8_t>('x' ^ 'a'), static_cast<uint8_t>('y' ^ 'b'), static_cast<uint8_t>('z' ^ 'a')};
    ArchiveReadResult r = readArchive(image);
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_TRUE(r.wellFormed);
    EXPECT_EQ(asString(r.entries[0].data), "xyz");
    image.pop_back();
    EXPECT_FALSE(readArchive(image).wellFormed);
}
