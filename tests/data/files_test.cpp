// Every file the game reads is where its loader looks for it: plain files for
// what is read before the archives open, after they close, by directory search
// or rewritten by the game; archive entries (or plain files) for the rest.
#include "data/data_set.h"
#include "data/text_table.h"
#include "data_producers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace awtest;

namespace {

std::string numbered(const char* format, int n) {
    char buf[64];
    snprintf(buf, sizeof buf, format, n);
    return buf;
}

struct Request {
    std::string dir;   // the directory that is current for the request ("" = Data)
    std::string name;  // the request string
};

// Present where the loaders look. A TGA request is also answered by its "_a_"
// alpha-JPEG, looked up first by the texture manager.
bool findable(const DataSet& d, const Request& r) {
    if (d.read(r.dir, r.name)) return true;
    size_t tga = r.name.find(".tga");
    if (tga == std::string::npos) return false;
    return d.read(r.dir, "_a_" + r.name.substr(0, r.name.find('.')) + ".jpg").has_value();
}

std::vector<Request> packedPictures() {
    std::vector<Request> out;
    for (const char* n : {"podsvet.jpg", "_a_menutex.jpg", "_a_baloon.jpg", "white.jpg", "button.tga",
                          "_a_gag.jpg", "_a_gamebar.jpg", "_a_candlestick.jpg", "_a_candle.jpg",
                          "candlefire.tga", "candlepool.tga", "zep2.tga", "bonus1.tga", "bonus2.tga",
                          "heart.tga", "trophybutton.tga", "flare.jpg", "hammer.texturelum1.jpg",
                          "hammer.texturelum2.jpg", "hammer.texturelum3.jpg", "hammer.texture1.tga",
                          "hammer.texture2.tga", "exploanim.tga"})
        out.push_back({"", n});
    for (int i = 1; i <= 5; ++i) out.push_back({"", numbered("drop%i.tga", i)});
    for (int i = 0; i < 3; ++i) out.push_back({"", numbered("field\\field%i.tga", i)});
    for (const char* n : {"aqua", "blue", "green", "red", "orange", "lilac", "white", "yellow"})
        out.push_back({"figures", std::string(n) + ".tga"});
    return out;
}

// Files that must be plain files, as Data-relative paths.
std::vector<std::string> diskPictures() {
    std::vector<std::string> out = {"splash1.jpg", "loadscreen.jpg", "loadbar.tga", "megamap.jpg",
                                    "mapback.jpg", "mapback1.tga", "mapback2.tga", "_a_mapstart.jpg",
                                    "maplevelmark.tga", "mapstagemark.tga", "mapstar.tga",
                                    "mapartefact_q.tga", "mask/zaglushka.jpg"};
    for (int i = 0; i < 15; ++i) out.push_back(numbered("smallart%.2i.tga", i));
    for (int i = 0; i < 15; ++i) out.push_back(numbered("artefacts/art%.2i.jpg", i));
    for (int i = 0; i < 18; ++i) out.push_back(numbered("AnimBacks/_a_back%i.jpg", i));
    for (int i = 1; i <= 10; ++i) {
        out.push_back(numbered("mask/cover%i.tga", i));
        out.push_back(numbered("mask/mask%i.tga", i));
    }
    return out;
}

std::vector<std::string> soundFiles() {
    std::vector<std::string> out;
    for (const char* n : {"MenuLineSelect", "ButtonClick", "MaxPlayers", "SFXVolume", "Gag", "BreakZep",
                          "BreakSquare", "BreakFigure", "FigureFall", "ReFillLevel", "MoveTipShow",
                          "UseHammer", "GetHammer", "AddBomb", "AddSuperBomb", "AddThunder",
                          "ExplosionBomb", "ExplosionSuperBomb", "Thunderbolt", "BonusPrize", "TimeOut",
                          "DefeatLevel", "DefeatLevelEffect", "GetLife", "GetTrophy", "LevelStatistic",
                          "TipShow", "NoMoreMove", "menu", "brook", "waterfall"})
        out.push_back(std::string("Sounds/") + n + ".ogg");
    for (int i = 1; i <= 8; ++i) out.push_back(numbered("Sounds/BreakFigure%i.ogg", i));
    for (int i = 1; i <= 9; ++i) out.push_back(numbered("Sounds/map%i.ogg", i));
    for (int i = 1; i <= 3; ++i) out.push_back(numbered("Sounds/birds%i.ogg", i));
    return out;
}

// The texts the start-up load reads; the line-end rules apply to each.
const char* const kTextFiles[] = {"strings.txt", "tips.txt", "menu.txt", "menutext.txt", "trophy.txt"};

} // namespace

TEST(DataFiles, TextsMenusAndFontArePresent) {
    const DataSet& d = DataSet::instance();
    for (const char* n : kTextFiles) EXPECT_TRUE(findable(d, {"", n})) << n;
    EXPECT_TRUE(findable(d, {"", "font.tga"}));
    EXPECT_TRUE(findable(d, {"", "font.dat"}));
    if (AW_DATA_HAS_ARCHIVES) {
        // Packed ones are only in their archive: the start-up load reads them there.
        for (const char* n : kTextFiles) EXPECT_NE(d.entry(n), nullptr) << n;
        EXPECT_NE(d.entry("font.dat"), nullptr);
        EXPECT_NE(d.entry("font.tga"), nullptr);
    }
}

TEST(DataFiles, TextFilesHaveCrLfLineEndsAndASpareBreakAtTheEnd) {
    const DataSet& d = DataSet::instance();
    for (const char* n : kTextFiles) {
        auto bytes = d.read("", n);
        ASSERT_TRUE(bytes) << n;
        std::string s = asString(*bytes);
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\n') {
                ASSERT_TRUE(i > 0 && s[i - 1] == '\r') << n << ": lone LF at byte " << i;
            }
            if (s[i] == '\r') {
                ASSERT_TRUE(i + 1 < s.size() && s[i + 1] == '\n') << n << ": lone CR at byte " << i;
            }
        }
        // The last line's break, then an extra one the reader may overwrite.
        ASSERT_GE(s.size(), 4u);
        EXPECT_EQ(s.substr(s.size() - 4), "\r\n\r\n") << n;
    }
}

TEST(DataFiles, PicturesAreWhereTheirLoadersLook) {
    if (!AW_DATA_HAS_ART) GTEST_SKIP() << "no picture generator in this build";
    const DataSet& d = DataSet::instance();
    for (const Request& r : packedPictures()) {
        EXPECT_TRUE(findable(d, r)) << r.dir << " " << r.name;
        if (AW_DATA_HAS_ARCHIVES && r.name.find(".tga") != std::string::npos) {
            bool packed = d.entry(r.name) || d.entry("_a_" + r.name.substr(0, r.name.find('.')) + ".jpg");
            EXPECT_TRUE(packed) << r.name << " should be packed";
        }
    }
    for (const std::string& p : diskPictures()) {
        std::string dir = p.find('/') == std::string::npos ? "" : p.substr(0, p.find('/'));
        std::string name = p.substr(dir.empty() ? 0 : dir.size() + 1);
        // Read after the archives close (or before they open): a plain file is needed.
        bool disk = d.onDisk(p);
        if (!disk && p.ends_with(".tga"))
            disk = d.onDisk((dir.empty() ? "" : dir + "/") + "_a_" + name.substr(0, name.find('.')) + ".jpg");
        EXPECT_TRUE(disk) << p;
    }
}

TEST(DataFiles, TrophyPicturesNamedByTheListExist) {
    if (!AW_DATA_HAS_ART) GTEST_SKIP() << "no picture generator in this build";
    const DataSet& d = DataSet::instance();
    auto list = d.read("", "trophy.txt");
    ASSERT_TRUE(list);
    std::string s = asString(*list);
    int named = 0;
    for (size_t at = 0; (at = s.find('=', at)) != std::string::npos; ++at) {
        std::string file = s.substr(at + 1, s.find('\r', at) - at - 1);
        EXPECT_TRUE(findable(d, {"trophyes", file})) << file;
        ++named;
    }
    EXPECT_EQ(named, 34);
}

TEST(DataFiles, SoundsAndMusicArePlainFiles) {
    if (!AW_DATA_HAS_SOUNDS) GTEST_SKIP() << "no sound generator in this build";
    const DataSet& d = DataSet::instance();
    for (const std::string& p : soundFiles()) EXPECT_TRUE(d.onDisk(p)) << p;
    EXPECT_TRUE(d.onDisk("music.mo3"));
    size_t count = 0;
    for (const auto& e : std::filesystem::directory_iterator(d.dataDir + "/Sounds")) count += e.path().extension() == ".ogg";
    EXPECT_LE(count, 256u); // the sample table holds 256
}

TEST(DataFiles, AllLevelFilesArePlainFiles) {
    if (!AW_DATA_HAS_LEVELS) GTEST_SKIP() << "no level files in this build";
    const DataSet& d = DataSet::instance();
    for (int i = 1; i <= 129; ++i) EXPECT_TRUE(d.onDisk(numbered("levels/pack1_%.2i.lvl", i))) << i;
}

TEST(DataFiles, NothingShadowsTheHammerGauge) {
    // Both gauge TGAs would turn into this one picture.
    const DataSet& d = DataSet::instance();
    EXPECT_FALSE(d.read("", "_a_hammer.jpg").has_value());
    for (const char* dir : {"figures", "trophyes", "mask"})
        EXPECT_FALSE(d.onDisk(std::string(dir) + "/_a_hammer.jpg"));
}

TEST(DataFiles, OptionalFilesHaveTheirExactSizes) {
    const DataSet& d = DataSet::instance();
    if (d.onDisk("trophyes/trophy.cfg")) {
        EXPECT_EQ(readBytes(d.dataDir + "/trophyes/trophy.cfg").size(), 1564u);
    }
    EXPECT_EQ(d.entry("trophy.cfg"), nullptr) << "a packed copy would shadow the rewritten room layout";
    auto dat = d.read("", "font.dat");
    ASSERT_TRUE(dat);
    EXPECT_EQ(dat->size(), 516u);
}

TEST(DataFiles, ParticleEffectsAreCompleteAndReadable) {
    if (!AW_DATA_HAS_EFFECTS) GTEST_SKIP() << "no particle effects in this build";
    const DataSet& d = DataSet::instance();
    for (const char* n : {"zep1", "refill1", "bomb1_1", "bomb1_2", "prototip", "krestbomb", "lightning", "score",
                          "starefIQ", "levelover0", "bonus5IQ", "blik3", "blik4", "ef2", "flareIQ", "smokeIQ",
                          "smolderingIQ", "bonusscore", "wowIQ", "map02", "trophyadd2", "map01", "defeat",
                          "pointsIQ"})
        EXPECT_TRUE(d.onDisk(std::string("effects/") + n + ".par")) << n;
    size_t count = 0;
    for (const auto& e : std::filesystem::directory_iterator(d.dataDir + "/effects")) {
        if (e.path().extension() != ".par") continue;
        ++count;
        std::string s = asString(readBytes(e.path().string()));
        for (const char* key : {"positiondev=", "speed=", "speeddev="})
            EXPECT_NE(s.find(key), std::string::npos) << e.path() << " lacks " << key;
        // Keys are found by substring: "rot=" must be met before "drot=" can shadow it.
        size_t drot = s.find("drot=");
        if (drot != std::string::npos) {
            EXPECT_LT(s.find("rot="), drot) << e.path();
        }
        EXPECT_TRUE(s.ends_with("\r\n")) << e.path();
    }
    EXPECT_LE(count, 256u);
}
