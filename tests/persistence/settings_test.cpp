#include "persistence/profiles.h"
#include "persistence/settings.h"
#include "persistence_fixture.h"

using namespace aw;
using namespace awtest;

namespace {
std::string le(int32_t v) {
    std::string s(4, 0);
    for (int i = 0; i < 4; ++i) s[size_t(i)] = char(uint32_t(v) >> (8 * i));
    return s;
}
} // namespace

TEST_F(PersistenceTest, SettingsDefaultsWithoutAFile) {
    settings().musicVolume = 3; // readSettings must not keep stale values
    setCurrentDirectory(dir.path());
    readSettings();
    const Settings& s = settings();
    EXPECT_EQ(s.musicVolume, 100);
    EXPECT_EQ(s.soundVolume, 80);
    EXPECT_EQ(s.fullScreen, 1);
    EXPECT_EQ(s.customCursor, 0);
    EXPECT_EQ(s.profileCount, 0);
    EXPECT_EQ(s.currentProfileIndex, 0);
    EXPECT_EQ(currentDirectory(), data); // back in the data directory
}

TEST_F(PersistenceTest, SettingsRoundTripAtTheirOffsets) {
    Settings& s = settings();
    s.musicVolume = 55;
    s.soundVolume = 66;
    s.renderWidth = 1024;
    s.renderHeight = 768;
    s.resolutionIndex = 7;
    s.colorDepthPreference = 32;
    s.customCursor = 1;
    s.reserved = 0x12345678;
    s.fullScreen = 0;
    ASSERT_TRUE(addProfile("Ann"));
    ASSERT_TRUE(addProfile("Bob"));
    selectProfile(0);
    writePlayerFiles();

    std::string file = readBytes(player("settings.dat"));
    ASSERT_EQ(file.size(), 44u);
    EXPECT_EQ(file, le(55) + le(66) + le(1024) + le(768) + le(7) + le(32) + le(1) + le(0x12345678) + le(0) +
                        le(2) + le(0));

    resetPersistence();
    setDataDirectory(data);
    setSettingsDirectory(settingsDir);
    readSettings();
    EXPECT_EQ(s.musicVolume, 55);
    EXPECT_EQ(s.soundVolume, 66);
    EXPECT_EQ(s.customCursor, 1);
    EXPECT_EQ(s.reserved, 0x12345678);
    EXPECT_EQ(s.profileCount, 2);
    EXPECT_EQ(s.currentProfileIndex, 0);
    EXPECT_EQ(s.fullScreen, 0);
    // The display fields are written only: the game always opens at 800 x 600.
    EXPECT_EQ(s.renderWidth, 800);
    EXPECT_EQ(s.renderHeight, 600);
    EXPECT_EQ(s.resolutionIndex, 0);
}

TEST_F(PersistenceTest, ShortLongAndGarbledSettingsFiles) {
    std::filesystem::create_directories(settingsDir);
    // Two whole fields and half of a third: the rest keeps its defaults.
    writeBytes(player("settings.dat"), le(10) + le(20) + "\x01\x02");
    readSettings();
    EXPECT_EQ(settings().musicVolume, 10);
    EXPECT_EQ(settings().soundVolume, 20);
    EXPECT_EQ(settings().fullScreen, 1);

    // A long file: only the first 44 bytes count.
    std::string longer = le(1) + le(2) + le(0) + le(0) + le(0) + le(0) + le(0) + le(0) + le(1) + le(3) + le(0) +
                         std::string(100, '\xff');
    writeBytes(player("settings.dat"), longer);
    readSettings();
    EXPECT_EQ(settings().profileCount, 3);
    EXPECT_EQ(settings().currentProfileIndex, 1);
    EXPECT_EQ(settings().fullScreen, 0);

    // Out-of-range values are brought into range; only the cursor's low byte counts.
    writeBytes(player("settings.dat"), le(9999) + le(-4) + le(0) + le(0) + le(0) + le(0) + le(0x100) + le(0) +
                                           le(500) + le(1000) + le(7));
    readSettings();
    EXPECT_EQ(settings().musicVolume, 100);
    EXPECT_EQ(settings().soundVolume, 0);
    EXPECT_EQ(settings().customCursor, 0);
    EXPECT_EQ(settings().profileCount, kMaxProfiles);
    EXPECT_EQ(settings().currentProfileIndex, 0);
    EXPECT_EQ(settings().fullScreen, 1);
}

TEST_F(PersistenceTest, FirstRunCreatesTheSettingsDirectory) {
    readSettings();
    readProfiles();
    EXPECT_EQ(profileCount(), 0);
    EXPECT_FALSE(exists(settingsDir));
    writePlayerFiles();
    EXPECT_EQ(readBytes(player("settings.dat")).size(), 44u);
    EXPECT_EQ(readBytes(player("profiles.dat")).size(), 0u);
    EXPECT_EQ(readBytes(player("records.dat")).size(), 37152u);
    EXPECT_EQ(readBytes(player("hiscore.dat")).size(), 1080u);
    EXPECT_EQ(currentDirectory(), data);
}

TEST_F(PersistenceTest, UnwritableSettingsDirectoryIsTheWritingError) {
    FatalHooks hooks;
    writeBytes(dir.path() + "/home", "a file where the directory should be");
    EXPECT_THROW(writePlayerFiles(), FatalExit);
    EXPECT_EQ(lastBoxTitle(), "Writing Error");
    EXPECT_EQ(lastBoxText(), "Can't save " + player("settings.dat") + "...\nProgram will now stop.");
}
