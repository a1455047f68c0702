#include "persistence/player_file_io.h"
#include "persistence/profile_files.h"
#include "persistence/profiles.h"
#include "persistence/settings.h"
#include "persistence/trophy_file.h"
#include "persistence_fixture.h"

#include <cstring>

using namespace aw;
using namespace awtest;

namespace {

const char* const kSuffixes[] = {".trp", "_cls.sav", "_ndl.sav", "_org.sav"};

void giveFiles(const PersistenceTest& t, const std::string& name) {
    for (const char* s : kSuffixes) writeBytes(t.player(name + s), name + s);
}

int filesOf(const PersistenceTest& t, const std::string& name) {
    int n = 0;
    for (const char* s : kSuffixes) n += exists(t.player(name + s));
    return n;
}

std::string le(int32_t v) {
    std::string s(4, 0);
    for (int i = 0; i < 4; ++i) s[size_t(i)] = char(uint32_t(v) >> (8 * i));
    return s;
}

// One profiles.dat record written byte by byte at the documented offsets.
std::string rawProfile(const std::string& name, int lives0, uint8_t mode) {
    std::string r(128, '\0');
    r.replace(0, name.size(), name);
    r.replace(32, 4, le(3));         // current level, adventure
    r.replace(44 + 8, 4, le(4));     // current stage, puzzle
    r.replace(68 + 4, 4, le(9));     // furthest stage, timeless
    r.replace(80, 4, le(lives0));    // lives, adventure
    r.replace(92 + 8, 4, le(-1234)); // score, puzzle
    r[104] = char(mode);
    r[112 + 1] = 1; // timeless saved game current
    r[115] = 1;
    r[127] = 1;
    return r;
}

} // namespace

TEST_F(PersistenceTest, AddProfileRefusesEmptyDuplicateAndUnsafeNames) {
    EXPECT_FALSE(addProfile(""));
    EXPECT_FALSE(addProfile(nullptr));
    ASSERT_TRUE(addProfile("Ann"));
    EXPECT_FALSE(addProfile("Ann"));
    EXPECT_TRUE(addProfile("ann")); // case matters
    EXPECT_FALSE(addProfile("a/b"));
    EXPECT_FALSE(addProfile("a\\b"));
    EXPECT_FALSE(addProfile("tab\there"));
    EXPECT_FALSE(addProfile(std::string(32, 'x').c_str())); // does not fit its field
    EXPECT_EQ(profileCount(), 2);
    EXPECT_EQ(currentProfileIndex(), 1);
    EXPECT_STREQ(currentProfile()->name, "ann");

    const Profile& p = *currentProfile();
    EXPECT_EQ(p.lastMode, 0);
    for (uint8_t f : p.tutorialPending) EXPECT_EQ(f, 1);
    EXPECT_EQ(p.lives[0], 0);
    // Each new profile gets a cleared trophy file of its own.
    EXPECT_EQ(readBytes(player("Ann.trp")), std::string(34, '\0'));
    EXPECT_EQ(readBytes(player("ann.trp")), std::string(34, '\0'));
    EXPECT_EQ(currentDirectory(), data);
}

TEST_F(PersistenceTest, AddProfileStopsAtTheTableSize) {
    for (int i = 0; i < kMaxProfiles; ++i) ASSERT_TRUE(addProfile(("P" + std::to_string(i)).c_str()));
    EXPECT_FALSE(addProfile("Ninth"));
    EXPECT_EQ(profileCount(), kMaxProfiles);
    EXPECT_FALSE(exists(player("Ninth.trp")));
}

TEST_F(PersistenceTest, RemoveProfileMovesTheCurrentIndexAndDeletesItsFiles) {
    ASSERT_TRUE(addProfile("Ann"));
    ASSERT_TRUE(addProfile("Bob"));
    ASSERT_TRUE(addProfile("Cid"));
    for (const char* n : {"Ann", "Bob", "Cid"}) giveFiles(*this, n);

    selectProfile(0);
    removeProfile(0); // the current first profile: the new first becomes current
    EXPECT_EQ(profileCount(), 2);
    EXPECT_EQ(currentProfileIndex(), 0);
    EXPECT_STREQ(currentProfile()->name, "Bob");
    EXPECT_EQ(filesOf(*this, "Ann"), 0);
    EXPECT_EQ(filesOf(*this, "Bob"), 4);
    EXPECT_EQ(filesOf(*this, "Cid"), 4);

    selectProfile(1);
    removeProfile(0); // an earlier profile: the current one keeps its record
    EXPECT_EQ(currentProfileIndex(), 0);
    EXPECT_STREQ(currentProfile()->name, "Cid");

    removeProfile(5); // out of range: nothing
    EXPECT_EQ(profileCount(), 1);
    removeProfile(0);
    EXPECT_EQ(profileCount(), 0);
    EXPECT_EQ(currentProfileIndex(), 0);
    EXPECT_EQ(filesOf(*this, "Cid"), 0);
    removeProfile(0); // no profiles: nothing
    EXPECT_EQ(profileCount(), 0);
    EXPECT_EQ(currentDirectory(), data);
}

TEST_F(PersistenceTest, RemovingOneProfileNeverTouchesAnotherOfSimilarName) {
    // "ann" has no files of its own; "Ann"'s must survive its removal.
    ASSERT_TRUE(addProfile("Ann"));
    ASSERT_TRUE(addProfile("ann"));
    giveFiles(*this, "Ann");
    deletePlayerFile(player("ann.trp"));
    removeProfile(1);
    EXPECT_EQ(filesOf(*this, "Ann"), 4);
}

TEST_F(PersistenceTest, RemovingTheCurrentProfileLoadsTheNextOnesTrophies) {
    ASSERT_TRUE(addProfile("Ann"));
    ASSERT_TRUE(addProfile("Bob"));
    trophyState().earned[4] = 1;
    writeProfileTrophies("Bob");
    selectProfile(0);
    trophyState().earned[0] = 1;
    removeProfile(0);
    EXPECT_EQ(trophyState().earned[0], 0);
    EXPECT_EQ(trophyState().earned[4], 1);
}

TEST_F(PersistenceTest, RenameProfileMovesItsFiles) {
    ASSERT_TRUE(addProfile("Ann"));
    ASSERT_TRUE(addProfile("Bob"));
    giveFiles(*this, "Ann");
    deletePlayerFile(player("Ann_ndl.sav")); // missing files are tolerated
    writeBytes(player("Zed_cls.sav"), "stale");

    EXPECT_FALSE(renameProfile(0, "Ann")); // its own name
    EXPECT_FALSE(renameProfile(0, "Bob"));
    EXPECT_FALSE(renameProfile(0, ""));
    EXPECT_FALSE(renameProfile(0, "x/y"));
    EXPECT_FALSE(renameProfile(7, "Zed"));
    EXPECT_EQ(filesOf(*this, "Ann"), 3);

    ASSERT_TRUE(renameProfile(0, "Zed"));
    EXPECT_STREQ(profileAt(0)->name, "Zed");
    EXPECT_EQ(filesOf(*this, "Ann"), 0);
    EXPECT_EQ(readBytes(player("Zed.trp")), "Ann.trp");
    EXPECT_EQ(readBytes(player("Zed_cls.sav")), "Ann_cls.sav"); // replaced the stale file
    EXPECT_FALSE(exists(player("Zed_ndl.sav")));
    EXPECT_EQ(readBytes(player("Zed_org.sav")), "Ann_org.sav");
    EXPECT_EQ(filesOf(*this, "Bob"), 1); // only the trophy file from addProfile
    EXPECT_EQ(currentDirectory(), data);
}

TEST_F(PersistenceTest, ProfilesRoundTripFieldByField) {
    std::filesystem::create_directories(settingsDir);
    writeBytes(player("profiles.dat"), rawProfile("Ann", 5, 2) + rawProfile("Bob", 7, 1));
    settings().profileCount = 2;
    settings().currentProfileIndex = 1;
    readProfiles();
    ASSERT_EQ(profileCount(), 2);
    const Profile& a = *profileAt(0);
    EXPECT_STREQ(a.name, "Ann");
    EXPECT_EQ(a.currentLevel[0], 3);
    EXPECT_EQ(a.currentStage[2], 4);
    EXPECT_EQ(a.furthestStage[1], 9);
    EXPECT_EQ(a.lives[0], 5);
    EXPECT_EQ(a.score[2], -1234);
    EXPECT_EQ(a.lastMode, 2);
    EXPECT_EQ(a.savedGame[1], 1);
    EXPECT_EQ(a.tutorialPending[0], 1);
    EXPECT_EQ(a.tutorialPending[12], 1);
    EXPECT_EQ(a.tutorialPending[1], 0);
    EXPECT_STREQ(currentProfile()->name, "Bob");

    writePlayerFiles();
    EXPECT_EQ(readBytes(player("profiles.dat")), rawProfile("Ann", 5, 2) + rawProfile("Bob", 7, 1));
}

TEST_F(PersistenceTest, GarbledProfilesFileIsReadSafely) {
    std::filesystem::create_directories(settingsDir);
    std::string noNul = rawProfile("", 1, 9);
    noNul.replace(0, 32, std::string(32, 'N')); // a name that fills its field
    writeBytes(player("profiles.dat"), noNul + rawProfile("Bob", 2, 0).substr(0, 60));
    settings().profileCount = 3;
    settings().currentProfileIndex = 2;
    readProfiles();
    EXPECT_EQ(profileCount(), 1); // only one complete record
    EXPECT_EQ(currentProfileIndex(), 0);
    EXPECT_EQ(std::strlen(profileAt(0)->name), 31u);
    EXPECT_EQ(profileAt(0)->lastMode, 0); // mode 9 is not a mode

    // Missing file: no profiles at all.
    deletePlayerFile(player("profiles.dat"));
    settings().profileCount = 2;
    readProfiles();
    EXPECT_EQ(profileCount(), 0);
}

TEST_F(PersistenceTest, HostileProfileNamesStayInsideTheSettingsDirectory) {
    std::filesystem::create_directories(settingsDir);
    writeBytes(dir.path() + "/home/evil.trp", "outside");
    writeBytes(dir.path() + "/home/evil_cls.sav", "outside");
    writeBytes(player("profiles.dat"), rawProfile("../evil", 1, 0) + rawProfile("a\\..\\b\x01", 1, 0));
    settings().profileCount = 2;
    readProfiles();
    EXPECT_EQ(profileFilePath("../evil", ProfileFile::trophies), player(".._evil.trp"));
    EXPECT_EQ(profileFilePath("a\\..\\b\x01", ProfileFile::puzzleSave), player("a_.._b__org.sav"));
    removeProfile(0);
    EXPECT_EQ(readBytes(dir.path() + "/home/evil.trp"), "outside");
    EXPECT_EQ(readBytes(dir.path() + "/home/evil_cls.sav"), "outside");
    ASSERT_TRUE(renameProfile(0, "Fine"));
    selectProfile(0);
    trophyState().earned[0] = 1;
    writeProfileTrophies(currentProfile()->name);
    for (auto& e : std::filesystem::directory_iterator(dir.path() + "/home"))
        EXPECT_TRUE(e.path().filename() == "settings" || e.path().filename().string().rfind("evil", 0) == 0)
            << e.path();
}

TEST_F(PersistenceTest, TrophyPairsFollowTheirFileLayout) {
    ASSERT_TRUE(addProfile("Ann"));
    trophyState().isNew[0] = 1;
    trophyState().earned[0] = 1;
    trophyState().earned[16] = 1;
    writeProfileTrophies("Ann");
    std::string file = readBytes(player("Ann.trp"));
    ASSERT_EQ(file.size(), 34u);
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file[1], 1);
    EXPECT_EQ(file[32], 0);
    EXPECT_EQ(file[33], 1);

    // A short file sets the pairs it holds and clears the rest.
    writeBytes(player("Ann.trp"), std::string("\x00\x01\x01", 3));
    trophyState().earned[16] = 1;
    selectProfile(0);
    EXPECT_EQ(trophyState().earned[0], 1);
    EXPECT_EQ(trophyState().isNew[0], 0);
    EXPECT_EQ(trophyState().isNew[1], 0); // half a pair is not read
    EXPECT_EQ(trophyState().earned[16], 0);

    // No file: nothing earned.
    deletePlayerFile(player("Ann.trp"));
    trophyState().earned[3] = 1;
    selectProfile(0);
    EXPECT_EQ(trophyState().earned[3], 0);
}
