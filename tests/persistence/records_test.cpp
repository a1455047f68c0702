#include "persistence/binary_fields.h"
#include "persistence/records.h"
#include "persistence_fixture.h"

#include <set>

using namespace aw;
using namespace awtest;

TEST_F(PersistenceTest, DefaultHighScores) {
    makeDefaultHighScores();
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(highScoreRow(0, j)->score, 1800000 - 180000 * j);
        EXPECT_EQ(std::string(highScoreRow(0, j)->name), "Name" + std::to_string(j + 1));
    }
    EXPECT_EQ(highScoreRow(0, 9)->score, 180000);
    EXPECT_EQ(highScoreRow(1, 0)->score, 2500000);
    EXPECT_EQ(highScoreRow(2, 0)->score, 1900000);
    EXPECT_EQ(highScoreRow(3, 0), nullptr);
    EXPECT_EQ(highScoreRow(0, 10), nullptr);
}

TEST_F(PersistenceTest, DefaultRecordsComeFromTheLevelFiles) {
    writeBytes(data + "/levels/pack1_00.lvl", "level=...\r\ntime=60\r\nmoves=40\r\n");
    writeBytes(data + "/levels/pack1_05.lvl", "time=0\r\nmoves=0\r\n");
    writeBytes(data + "/levels/pack1_128.lvl", "time=12.5\r\n");
    writeBytes(data + "/levels/pack1_07.lvl", "time=-3\r\nmoves=-2\r\n");
    setCurrentDirectory(dir.path()); // the data directory need not be current
    makeDefaultRecords();
    for (int mode = 0; mode < kModeCount; ++mode) {
        EXPECT_EQ(levelRecord(mode, 0)->fewestMoves, 40);
        EXPECT_EQ(levelRecord(mode, 0)->shortestTime, 60000);
        EXPECT_EQ(levelRecord(mode, 5)->fewestMoves, 50);
        EXPECT_EQ(levelRecord(mode, 5)->shortestTime, 10000);
        EXPECT_EQ(levelRecord(mode, 7)->shortestTime, 10000);
        EXPECT_EQ(levelRecord(mode, 7)->fewestMoves, 50);
        EXPECT_EQ(levelRecord(mode, 128)->shortestTime, 12500);
        EXPECT_EQ(levelRecord(mode, 128)->fewestMoves, 50);
        EXPECT_EQ(levelRecord(mode, 64)->shortestTime, 10000); // no file at all
        EXPECT_EQ(levelRecord(mode, 3)->bestScore, 0);
    }
    EXPECT_EQ(currentDirectory(), dir.path());
    EXPECT_EQ(resourceCount(), 0); // every level file was released

    // Holders are drawn from the ten default names.
    std::set<std::string> names;
    for (int j = 0; j < kLevelCount; ++j) names.insert(levelRecord(1, j)->timeHolder);
    EXPECT_GT(names.size(), 5u);
    for (const std::string& n : names) EXPECT_EQ(n.rfind("Name", 0), 0u) << n;
    EXPECT_EQ(levelRecord(0, 129), nullptr);
}

TEST_F(PersistenceTest, RecordsAndHighScoresRoundTrip) {
    readRecords();
    LevelRecord* r = levelRecord(2, 100);
    copyName(r->scoreHolder, sizeof r->scoreHolder, "Winner");
    r->bestScore = 123456;
    r->bestCombo = 17;
    r->fewestMoves = 9;
    r->shortestTime = 4321;
    copyName(highScoreRow(1, 3)->name, kHighScoreNameSize, "Top");
    highScoreRow(1, 3)->score = 777;
    writePlayerFiles();

    std::string file = readBytes(player("records.dat"));
    ASSERT_EQ(file.size(), 37152u);
    size_t at = (2 * 129 + 100) * 96;
    EXPECT_EQ(file.substr(at, 7), std::string("Winner\0", 7));
    EXPECT_EQ(file.substr(at + 80, 4), std::string("\x40\xe2\x01\x00", 4));
    std::string scores = readBytes(player("hiscore.dat"));
    EXPECT_EQ(scores.substr((10 + 3) * 36, 4), std::string("Top\0", 4));
    EXPECT_EQ(scores.substr((10 + 3) * 36 + 32, 4), std::string("\x09\x03\0\0", 4));

    resetRecords();
    readRecords();
    EXPECT_STREQ(levelRecord(2, 100)->scoreHolder, "Winner");
    EXPECT_EQ(levelRecord(2, 100)->bestScore, 123456);
    EXPECT_EQ(levelRecord(2, 100)->bestCombo, 17);
    EXPECT_EQ(levelRecord(2, 100)->fewestMoves, 9);
    EXPECT_EQ(levelRecord(2, 100)->shortestTime, 4321);
    EXPECT_EQ(highScoreRow(1, 3)->score, 777);
    EXPECT_STREQ(highScoreRow(1, 3)->name, "Top");
}

TEST_F(PersistenceTest, ShortOrGarbledRecordFilesKeepDefaultsForTheRest) {
    std::filesystem::create_directories(settingsDir);
    std::string rec(96 * 2 + 50, '\0');
    rec.replace(0, 20, std::string(20, 'Q')); // a holder name with no NUL
    rec[88] = 5;                               // fewest moves of level 0
    writeBytes(player("records.dat"), rec);
    std::string hs(36 + 10, '\0');
    hs.replace(0, 32, std::string(32, 'H'));
    hs[32] = 1;
    writeBytes(player("hiscore.dat"), hs);
    readRecords();
    EXPECT_EQ(std::string(levelRecord(0, 0)->scoreHolder), std::string(19, 'Q'));
    EXPECT_EQ(levelRecord(0, 0)->fewestMoves, 5);
    EXPECT_EQ(levelRecord(0, 1)->fewestMoves, 0);    // the second record is in the file
    EXPECT_EQ(levelRecord(0, 2)->fewestMoves, 50);   // the cut third is not
    EXPECT_EQ(levelRecord(2, 128)->shortestTime, 10000);
    EXPECT_EQ(std::string(highScoreRow(0, 0)->name), std::string(31, 'H'));
    EXPECT_EQ(highScoreRow(0, 0)->score, 1);
    EXPECT_EQ(highScoreRow(0, 1)->score, 1620000);
}
