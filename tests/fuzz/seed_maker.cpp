// Writes the seed corpus of every fuzz target from the real data set, the
// player files and saved games through the game's own writers:
//   amberwick-fuzz-seeds DATA_DIR OUT_DIR   (OUT_DIR/<target>/<seed>)
#include "board/board.h"
#include "core/random.h"
#include "game/saved_games.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "persistence/settings.h"
#include "persistence/trophy_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "resources/registry.h"
#include "resources/text_table.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace aw;
namespace fs = std::filesystem;

namespace {

std::string out;

void put(const std::string& target, const std::string& name, const void* data, size_t size) {
    fs::create_directories(out + "/" + target);
    std::ofstream f(out + "/" + target + "/" + name, std::ios::binary);
    f.write(static_cast<const char*>(data), std::streamsize(size));
}

// A data file as the game finds it: in the open archives, else on disk. It
// stays registered for the readers below.
std::vector<uint8_t> dataFile(const char* name) {
    int size = 0;
    uint8_t* bytes = loadResource(name, &size, true);
    return std::vector<uint8_t>(bytes, bytes + size);
}

void clickFirstGroup(bool bomb) {
    for (int i = 0; i < 2000 && !(isSettled() && gs.cooldown < 0); ++i) tick(16);
    labelGroups();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (board[r][c].groupId >= 0 && !board[r][c].lock && hasFigure(r, c)) {
                if (bomb) board[r][c].fig.bonus = kBomb;
                boardInput.mouse = cellCentre(r, c);
                updateHover();
                onBoardLeftDown();
                return;
            }
}

void putSavedGame(const std::string& name) {
    static SavedGame game;
    captureSavedGame(game);
    std::vector<uint8_t> image(kSavedGameFileSize);
    encodeSavedGame(game, image.data());
    put("saved_game", name, image.data(), image.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    std::string data = fs::absolute(argv[1]).string();
    out = fs::absolute(argv[2]).string();
    std::string scratch = fs::temp_directory_path().string() + "/aw-fuzz-seeds";
    fs::remove_all(scratch);
    setDataDirectory(data);
    setSettingsDirectory(scratch + "/settings");
    setCurrentDirectory(data);
    for (const char* a : {"targa.dat", "jpeg.dat", "texts.dat"}) openArchive(a);

    std::vector<uint8_t> texts;
    readFile(data + "/texts.dat", texts);
    put("archive", "texts.dat", texts.data(), texts.size());
    for (const char* name : {"strings.txt", "tips.txt"}) {
        std::vector<uint8_t> t = dataFile(name);
        put("text_table", name, t.data(), t.size());
    }
    loadTextFile("strings.txt");
    loadTextFile("tips.txt");
    std::vector<uint8_t> font = dataFile("font.dat");
    const char* tip = lookupText("tip1");
    std::string sample = tip ? tip : "Amberwick";
    std::vector<uint8_t> fontSeed = font;
    fontSeed.insert(fontSeed.end(), sample.begin(), sample.end());
    put("font", "font.dat", font.data(), font.size());
    put("font", "font-and-text", fontSeed.data(), fontSeed.size());
    for (int number : {1, 5, 33, 129}) {
        std::string name = "levels/pack1_" + std::string(number < 10 ? "0" : "") + std::to_string(number) + ".lvl";
        std::vector<uint8_t> level;
        readFile(data + "/" + name, level);
        put("level", fs::path(name).filename().string(), level.data(), level.size());
    }

    uint8_t settingsImage[kSettingsFileSize];
    encodeSettings(settings(), settingsImage);
    put("settings", "first-run", settingsImage, sizeof settingsImage);
    for (const char* name : {"Ann", "Bartholomew", "Zed"}) addProfile(name);
    settings().musicVolume = 35;
    encodeSettings(settings(), settingsImage);
    put("settings", "three-profiles", settingsImage, sizeof settingsImage);
    std::vector<uint8_t> profiles = {3, 1};
    for (int i = 0; i < profileCount(); ++i) {
        uint8_t record[kProfileRecordSize];
        encodeProfile(*profileAt(i), record);
        profiles.insert(profiles.end(), record, record + kProfileRecordSize);
    }
    put("profiles", "three", profiles.data(), profiles.size());

    makeDefaultRecords();
    std::vector<uint8_t> records(kRecordsFileSize);
    encodeRecords(records.data());
    put("records", "defaults", records.data(), records.size());
    makeDefaultHighScores();
    uint8_t scores[kHighScoreFileSize];
    encodeHighScores(scores);
    put("high_scores", "defaults", scores, sizeof scores);
    TrophyState& t = trophyState();
    t.earned[0] = t.earned[5] = t.isNew[5] = t.earned[16] = 1;
    uint8_t trophies[kTrophyFileSize];
    encodeTrophies(t, trophies);
    put("trophies", "some-earned", trophies, sizeof trophies);

    setLevelDataDirectory(data);
    seedRandom(11);
    playState.mode = kAdventure;
    startLevel(4);
    clickFirstGroup(false);
    for (int i = 0; i < 40; ++i) tick(16);
    putSavedGame("in-play");
    clickFirstGroup(true);
    for (int i = 0; i < 3; ++i) tick(16);
    putSavedGame("mid-blast");

    for (const char* a : {"targa.dat", "jpeg.dat", "texts.dat"}) closeArchive(a);
    resetPersistence();
    fs::remove_all(scratch);
    std::printf("seeds written to %s\n", out.c_str());
    return 0;
}
