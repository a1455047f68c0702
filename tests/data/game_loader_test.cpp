// The game's own loaders read the built data set: the archives open through
// the registry, the text tables parse with the game's parser, and every packed
// file is answered while the archives are open and nowhere once they close
// (so nothing the game reads later may be packed only).
#include "data/data_set.h"
#include "data/text_keys.h"
#include "resources/registry.h"
#include "resources/text_table.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace awtest;
namespace fs = std::filesystem;

namespace {

// Runs the start-up order of the loaders with Data as the current directory.
class GameLoaders : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = fs::current_path();
        fs::current_path(DataSet::instance().dataDir);
        aw::resetResources();
        aw::resetTextTable();
        for (const char* a : {"targa.dat", "jpeg.dat", "texts.dat"}) aw::openArchive(a);
    }
    void TearDown() override {
        aw::resetTextTable();
        aw::resetResources();
        fs::current_path(saved_);
    }
    fs::path saved_;
};

} // namespace

TEST_F(GameLoaders, TextTablesGiveEveryKeyThroughTheGameParser) {
    aw::loadTextFile("strings.txt");
    aw::loadTextFile("tips.txt");
    for (const KeyUse& k : kSingleKeys) EXPECT_NE(aw::lookupText(k.key), nullptr) << k.key;
    for (int i = 0; i < 10; ++i) ASSERT_NE(aw::textAfter("defname1", i), nullptr) << i;
    EXPECT_STREQ(aw::textAfter("defname1", 9), aw::lookupText("defname10"));
    for (int i = 0; i < 6; ++i) EXPECT_NE(aw::textAfter("adventuretip", i), nullptr) << i;
    EXPECT_STREQ(aw::textAfter("adventuretip", 5), aw::lookupText("adventuretip6"));
    for (int s = 0; s < 15; ++s) {
        EXPECT_NE(aw::lookupText(("stagetitle" + std::to_string(s)).c_str()), nullptr) << s;
        EXPECT_NE(aw::lookupText(("stage" + std::to_string(s)).c_str()), nullptr) << s;
    }
    for (int t = 1; t <= 17; ++t)
        EXPECT_NE(aw::lookupText(("trophytip" + std::to_string(t)).c_str()), nullptr) << t;
    // The last entry of the last file survives the NUL written over the final byte.
    EXPECT_STREQ(aw::textKeyAt(aw::textCount() - 1), "gametip8");
}

TEST_F(GameLoaders, PackedFilesAreServedOnlyWhileTheArchivesAreOpen) {
    const DataSet& d = DataSet::instance();
    if (d.archives.empty()) GTEST_SKIP() << "no archives in this build";
    for (const auto& [file, archive] : d.archives) {
        for (const ArchiveEntry& e : archive.entries) {
            int size = 0;
            uint8_t* data = aw::loadResource(e.name.c_str(), &size, false);
            ASSERT_NE(data, nullptr) << e.name;
            EXPECT_TRUE(Bytes(data, data + size) == e.data) << e.name;
        }
    }
    for (const char* a : {"targa.dat", "jpeg.dat", "texts.dat"}) aw::closeArchive(a);
    // After the start-up load only plain files answer; a packed file must not
    // also lie on disk under its request name, or the two copies could differ.
    for (const auto& [file, archive] : d.archives)
        for (const ArchiveEntry& e : archive.entries)
            EXPECT_EQ(aw::loadResource(e.name.c_str(), nullptr, false), nullptr) << e.name;
}
