// Saving a level in progress and resuming it, on the real board rules, the
// real player files and a level file in a scratch data directory.
#include "board/board.h"
#include "core/random.h"
#include "game/saved_games.h"
#include "persistence/binary_fields.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace aw;

namespace {

constexpr int kLevel = 4;

// Squares everywhere but the top rows, a few locks, one hole.
const char* const kLevelText =
    "figures=4\r\ntime=60\r\nmoves=40\r\nback=1\r\nlevel=\r\n"
    "000000000000\r\n000000000000\r\n000000000000\r\n111111111111\r\n"
    "111111111111\r\n1111B1111111\r\n222222222222\r\n222222222222\r\n"
    "111111.11111\r\n111111111111\r\n111111111111\r\n";

using Image = std::vector<uint8_t>;

Image liveImage() {
    static SavedGame g;
    captureSavedGame(g);
    Image image(kSavedGameFileSize);
    encodeSavedGame(g, image.data());
    return image;
}

class SavedGames : public ::testing::Test {
protected:
    awtest::ScratchDir dir;
    std::string data, settingsDir;

    void SetUp() override {
        resetPersistence();
        resetResources();
        resetTextTable();
        boardOutward = BoardOutward{};
        savedGameHooks = SavedGameHooks{};
        playState = PlayState{};
        boardInput = BoardInput{};
        data = dir.path() + "/Data";
        settingsDir = dir.path() + "/home/settings";
        awtest::writeBytes(data + "/levels/" + levelFileName(kLevel), kLevelText);
        setDataDirectory(data);
        setSettingsDirectory(settingsDir);
        setLevelDataDirectory(data);
        setCurrentDirectory(data);
        ASSERT_TRUE(addProfile("Ann"));
        connectSavedGames();
        seedRandom(99);
        playState.mode = kAdventure;
        startLevel(kLevel);
    }
    void TearDown() override {
        boardOutward = BoardOutward{};
        savedGameHooks = SavedGameHooks{};
        setLevelDataDirectory("");
        resetPersistence();
        resetResources();
        resetTextTable();
    }

    std::string saveFile() const { return savedGamePath(playState.mode); }

    void frames(int n, float dt = 16) {
        for (int i = 0; i < n; ++i) {
            tick(dt);
            if (gs.refillActive) refillStep(dt);
        }
    }
    void settle() {
        for (int i = 0; i < 2000 && !(isSettled() && gs.cooldown < 0); ++i) frames(1);
        ASSERT_TRUE(isSettled() && gs.cooldown < 0);
    }
    // Clicks the first free group on the settled board, optionally turning
    // its figure into a bomb first so that a blast runs.
    void clickAGroup(bool bomb = false) {
        settle();
        labelGroups();
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                Cell& cell = board[r][c];
                if (cell.groupId < 0 || cell.lock || !hasFigure(r, c)) continue;
                if (bomb) cell.fig.bonus = kBomb;
                boardInput.mouse = cellCentre(r, c);
                updateHover();
                onBoardLeftDown();
                onBoardLeftUp();
                return;
            }
        FAIL() << "no group on the board";
    }
    bool blastRunning() const {
        for (const Blast& b : blasts)
            if (b.type > 0 && b.started) return true;
        return false;
    }
};

} // namespace

TEST_F(SavedGames, LeavingWithoutAGameToKeepWritesNothing) {
    // Nothing played yet.
    EXPECT_FALSE(saveGame());

    // Right after a win.
    clickAGroup();
    frames(10);
    for (auto& row : board)
        for (auto& cell : row)
            if (cell.ground > 0) cell.ground = 0;
    settle();
    frames(2);
    ASSERT_TRUE(playState.levelWon);
    EXPECT_FALSE(saveGame());

    // Right after a loss (the last move of a puzzle level used).
    playState.mode = kPuzzle;
    startLevel(kLevel);
    clickAGroup();
    gs.movesUsed = gs.moveLimit;
    frames(1);
    ASSERT_TRUE(playState.levelLost);
    EXPECT_FALSE(saveGame());

    // The mode finished, the trophy room entered from the menus, no profile.
    startLevel(kLevel);
    clickAGroup();
    playState.finished = true;
    EXPECT_FALSE(saveGame());
    playState.finished = false;
    savedGameHooks.trophyRoomOutsideGameplay = [] { return true; };
    EXPECT_FALSE(saveGame());
    savedGameHooks = SavedGameHooks{};
    EXPECT_EQ(currentProfile()->savedGame[kAdventure] + currentProfile()->savedGame[kPuzzle], 0);
    removeProfile(0);
    EXPECT_FALSE(saveGame());
    for (const auto& file : std::filesystem::directory_iterator(settingsDir))
        EXPECT_NE(file.path().extension(), ".sav") << file.path();
}

TEST_F(SavedGames, SavingInPlayWritesTheFileAndTheProfileThatNamesIt) {
    playState.scoreBase = 250000;
    clickAGroup();
    frames(30);
    ASSERT_TRUE(playState.gameInProgress);
    ASSERT_GT(gs.displayedScore, 0);

    ASSERT_TRUE(saveGame());
    EXPECT_EQ(std::filesystem::file_size(settingsDir + "/Ann_cls.sav"), uintmax_t(kSavedGameFileSize));
    EXPECT_EQ(currentProfile()->savedGame[kAdventure], 1);
    EXPECT_EQ(currentProfile()->score[kAdventure], 250000 + gs.displayedScore);
    // The profile on disk says so too, so a crash now loses nothing.
    std::string profiles = awtest::readBytes(settingsDir + "/profiles.dat");
    ASSERT_EQ(profiles.size(), size_t(kProfileRecordSize));
    EXPECT_EQ(profiles[112 + kAdventure], 1);
    EXPECT_EQ(getInt32(reinterpret_cast<const uint8_t*>(profiles.data()) + 92), 250000 + gs.displayedScore);

    // Setting the level up again (a restart, a fresh start) clears the byte.
    startLevel(kLevel);
    EXPECT_EQ(currentProfile()->savedGame[kAdventure], 0);
}

TEST_F(SavedGames, ASaveThatCannotBeWrittenSaysSoAndKeepsThePreviousFile) {
    clickAGroup();
    frames(30);
    ASSERT_TRUE(saveGame());
    std::string before = awtest::readBytes(settingsDir + "/Ann_cls.sav");
    startLevel(kLevel);
    clickAGroup();
    int32_t scoreBefore = currentProfile()->score[kAdventure];
    // A directory where the settings directory should be: nothing can be written.
    setSettingsDirectory(dir.path() + "/blocked/settings");
    awtest::writeBytes(dir.path() + "/blocked", "a file, not a directory");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveGame());
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Can't save"), std::string::npos) << said;
    EXPECT_EQ(currentProfile()->savedGame[kAdventure], 0);
    EXPECT_EQ(currentProfile()->score[kAdventure], scoreBefore);
    EXPECT_EQ(awtest::readBytes(settingsDir + "/Ann_cls.sav"), before);
}

TEST_F(SavedGames, ResumingRestoresTheLevelExactlyAndPlaysOn) {
    playState.lostOnce = true;
    for (int i = 0; i < 3; ++i) {
        clickAGroup();
        frames(40);
    }
    clickAGroup(true);
    for (int i = 0; i < 100 && !blastRunning(); ++i) frames(1);
    ASSERT_TRUE(blastRunning());
    frames(2);
    ASSERT_TRUE(blastRunning()); // saved in the middle of the blast
    const float timeUsed = gs.timeUsed;
    const int movesUsed = gs.movesUsed;
    ASSERT_GT(timeUsed, 0);
    ASSERT_EQ(movesUsed, 4);

    ASSERT_TRUE(saveGame());
    const std::string saved = awtest::readBytes(saveFile());
    const Image live = liveImage();
    ASSERT_EQ(std::string(live.begin(), live.end()), saved);

    // Something else is played in between, then the game is resumed.
    seedRandom(5);
    startLevel(kLevel);
    clickAGroup();
    frames(200);
    playState.lostOnce = false;
    ASSERT_TRUE(loadGame(kLevel));
    EXPECT_TRUE(playState.gameInProgress);
    EXPECT_TRUE(playState.lostOnce);
    EXPECT_EQ(gs.timeUsed, timeUsed);
    EXPECT_EQ(gs.movesUsed, movesUsed);
    EXPECT_TRUE(blastRunning());

    // A second save of the resumed level is the same file, byte for byte.
    ASSERT_TRUE(saveGame());
    EXPECT_TRUE(awtest::readBytes(saveFile()) == saved);

    // And it plays on: the blast finishes, the board settles, clicks count.
    frames(300);
    settle();
    EXPECT_FALSE(blastRunning());
    clickAGroup();
    EXPECT_EQ(gs.movesUsed, movesUsed + 1);
}

TEST_F(SavedGames, AResumedLevelRunsOutWhenItsCandleDoes) {
    clickAGroup();
    frames(10);
    // As if the level had been played until two seconds before the end.
    gs.timeUsed = gs.limitClock = gs.timeLimit - 2000;
    ASSERT_TRUE(saveGame());
    ASSERT_TRUE(loadGame(kLevel));
    int n = 0;
    while (!playState.levelLost && n < 100000) {
        frames(1);
        ++n;
    }
    // 2000 ms at 16 ms a frame, give or take the last frames.
    EXPECT_GE(n, 124);
    EXPECT_LE(n, 135);
}

TEST_F(SavedGames, ALevelSavedDuringTheNoMovesRecolouringSettlesAfterLoading) {
    clickAGroup();
    settle();
    startRefill();
    frames(3);
    ASSERT_TRUE(gs.refillActive);
    ASSERT_TRUE(saveGame());
    ASSERT_TRUE(loadGame(kLevel));
    settle();
    for (auto& row : board)
        for (auto& cell : row) EXPECT_EQ(cell.fig.refilling, 0);
}

// A damaged file leaves exactly the level a fresh start would have set up.
TEST_F(SavedGames, DamagedFilesLeaveTheFreshLevelAndSayWhyOnce) {
    clickAGroup();
    frames(20);
    ASSERT_TRUE(saveGame());
    const std::string good = awtest::readBytes(saveFile());

    seedRandom(42);
    startLevel(kLevel);
    const Image fresh = liveImage();

    std::string kind17 = good;
    kind17[15600 + 5 * 116 + 16] = 17;
    std::string wrongMode = good;
    wrongMode[51607] = kPuzzle;
    const std::string damaged[] = {good.substr(0, 1000), good.substr(0, good.size() - 1), good + '\0', kind17,
                                   wrongMode, ""};
    for (const std::string& bytes : damaged) {
        awtest::writeBytes(saveFile(), bytes);
        seedRandom(42);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadGame(kLevel));
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(liveImage() == fresh);
        EXPECT_TRUE(playState.gameInProgress);
        size_t lines = 0;
        for (char c : said) lines += c == '\n';
        EXPECT_EQ(lines, 1u) << said;
        EXPECT_NE(said.find("not loaded"), std::string::npos);
    }
    // A missing file is no damage: the fresh level, silently.
    std::filesystem::remove(saveFile());
    seedRandom(42);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadGame(kLevel));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(liveImage() == fresh);
}

// Thousands of seeded mutations of a real saved game: each is refused or
// loaded, and a loaded one keeps playing within the board's own limits.
TEST_F(SavedGames, MutatedFilesAreRefusedOrPlayOn) {
    clickAGroup();
    frames(20);
    clickAGroup(true);
    frames(3);
    static SavedGame game;
    captureSavedGame(game);
    Image good(kSavedGameFileSize);
    encodeSavedGame(game, good.data());

    seedRandom(2024);
    int refused = 0, loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        Image image = good;
        int changes = 1 + random(4);
        for (int k = 0; k < changes; ++k) {
            int at = (randomRaw() << 15 | randomRaw()) % kSavedGameFileSize;
            switch (random(3)) {
            case 0: image[at] = uint8_t(random(256)); break;
            case 1: image[at] ^= uint8_t(1 << random(8)); break;
            default: // a whole aligned word, often a plausible value
                at &= ~3;
                putInt32(&image[at], random(3) == 0 ? random(40) - 3
                                                    : int32_t(uint32_t(randomRaw()) << 17 | uint32_t(randomRaw())));
            }
        }
        if (round % 100 == 0) image.resize(size_t(random(kSavedGameFileSize + 50)));
        static SavedGame decoded;
        if (!decodeSavedGame(image.data(), image.size(), kAdventure, decoded, nullptr)) {
            ++refused;
            continue;
        }
        ++loaded;
        applySavedGame(game); // back to a sane level, then the mutated one over it
        applySavedGame(decoded);
        frames(60);
        bool sane = gs.blastRing >= 0 && gs.blastRing < kBlastCount && gs.debrisRing >= 0 &&
                    gs.debrisRing < kDebrisCount && gs.boltRing >= 0 && gs.boltRing < kBoltSets;
        for (const auto& row : board)
            for (const Cell& cell : row)
                sane &= cell.fig.kind >= -1 && cell.fig.kind < kKinds && cell.ground >= -1 && cell.ground <= 2;
        ASSERT_TRUE(sane) << "round " << round;
    }
    EXPECT_GT(refused, 1000);
    EXPECT_GT(loaded, 300) << "too few mutations reach the board to test it";
}
