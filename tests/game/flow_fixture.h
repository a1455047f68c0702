// The play flow's test world: the shipped screen tree and level files, the
// player's files in a scratch directory, one profile, and two stand-in
// scenes that route frames and input the way the menu and game scenes do.
#pragma once
#include "board/board.h"
#include "core/random.h"
#include "game/map_state.h"
#include "game/play_flow.h"
#include "game/progress.h"
#include "game/saved_games.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "platform/events.h"
#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"
#include "ui/menu_tree.h"
#include "ui/scene_transition.h"
#include "ui/screen_values.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include "../../tools/sim/autoplay.h"
#include "../../tools/sim/run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace flowtest {

enum class Scene { menu, game };

// What the stand-ins saw; wiped for every test.
struct World {
    Scene scene = Scene::menu;
    int gameSwitches = 0;
    std::vector<std::string> messages; // the board's timed messages, by key
};
inline World world;

inline std::string fromEnv(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v ? v : fallback;
}

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        using namespace aw;
        resetScreens();
        resetPersistence();
        resetResources();
        resetTextTable();
        resetPlayFlow();
        resetMapState();
        uiHooks = UiHooks{};
        boardOutward = BoardOutward{};
        playFlowHooks = PlayFlowHooks{};
        playState = PlayState{};
        boardInput = BoardInput{};
        world = World{};
        std::string data = fromEnv("AW_BUILD_DIR", ".") + "/Data";
        setDataDirectory(data);
        setLevelDataDirectory(data);
        setSettingsDirectory(scratch.path() + "/settings");
        ensureSettingsDirectory();
        std::string source = fromEnv("AW_SOURCE_DIR", ".");
        menu = fileText(source + "/data/menus/menu.txt");
        menuTexts = fileText(source + "/data/menus/menutext.txt");
        ASSERT_FALSE(menu.empty());
        buildMenuTree(menu.data(), menu.size(), menuTexts.data(), menuTexts.size());

        playFlowHooks.switchToGameScene = [] {
            world.scene = Scene::game;
            ++world.gameSwitches;
        };
        uiHooks.switchToMenuScene = [] { world.scene = Scene::menu; };
        uiHooks.hostedByGame = [] { return world.scene == Scene::game; };
        connectPlayFlow();
        connectSavedGames();
        boardOutward.showMessage = [](const char* key, float, float, float, float) { world.messages.push_back(key); };

        // Ten modest rows in every table, so a first game can enter it.
        for (int m = 0; m < kModeCount; ++m)
            for (int r = 0; r < kHighScoreRows; ++r) {
                HighScoreRow* row = highScoreRow(m, r);
                std::snprintf(row->name, sizeof row->name, "ROW%d", r);
                row->score = (10 - r) * 1000;
            }
        seedRandom(7);
        ASSERT_TRUE(addProfile("ANNA"));
        openScreenByName("main");
        settle();
    }
    void TearDown() override {
        aw::resetScreens();
        aw::resetPersistence();
        aw::resetTextTable();
        aw::resetResources();
        aw::boardOutward = aw::BoardOutward{};
        aw::setLevelDataDirectory("");
    }

    aw::Profile& profile() { return *aw::currentProfile(); }
    int mode() const { return int(aw::playState.mode); }
    int lives() { return aw::livesOf(profile(), mode()); }

    // One frame of the scene that is current, as the scenes run it.
    void frame(float dt = 16) {
        if (world.scene == Scene::game) {
            aw::sim::frame(dt);
            if (aw::playState.overlayShown) aw::screenUpdate(dt);
        } else {
            aw::screenUpdate(dt);
        }
        aw::advancePlayFlow(dt);
    }
    // Until fades, the delayed start and the iris are over.
    void settle() {
        for (int i = 0; i < 30 && (aw::screenFading() || aw::playFlow().startPending || i < 4); ++i) frame(100);
    }
    // A key as the scenes route it: to the board while nothing covers it.
    void press(int key) {
        if (world.scene == Scene::game && !aw::playState.overlayShown) aw::onBoardKey(key);
        else aw::screenKeyDown(key);
        frame();
    }
    void clickBoard() {
        aw::onBoardLeftDown();
        aw::onBoardLeftUp();
        frame();
    }
    std::string current() const { return aw::currentScreen() ? aw::currentScreen()->name : ""; }
    // Selects the named item of the current screen and chooses it with Enter.
    void choose(const char* item) {
        aw::MenuNode* screen = aw::currentScreen();
        ASSERT_NE(screen, nullptr);
        int index = aw::childIndex(screen, aw::findMenuNode(item));
        ASSERT_GE(index, 0) << item << " on " << screen->name;
        aw::setSelectedIndex(index);
        press(aw::vk::Return);
        settle();
    }
    // The board's own time limit runs out (adventure): the next ticks lose the level.
    void runOutOfTime() {
        aw::gs.timeUsed = aw::gs.timeLimit;
        aw::gs.limitClock = aw::gs.timeLimit;
        for (int i = 0; i < 10 && !aw::playState.levelLost; ++i) frame(16);
        ASSERT_TRUE(aw::playState.levelLost);
    }
    // The loss display to its end: the message, then the loss resolves itself.
    void sitOutLoss() {
        for (int i = 0; i < 100 && !aw::playFlow().lossResolved; ++i) frame(100);
        settle();
    }
    // The autoplayer plays until the board says the level is won.
    bool playToWin(int maxFrames = 20000) {
        for (int i = 0; i < maxFrames && !aw::playState.levelWon; ++i) {
            int r = 0, c = 0;
            if (aw::sim::acceptsClick()) {
                if (aw::sim::chooseHammerStrike(&r, &c)) aw::sim::strikeCell(r, c);
                else if (aw::sim::chooseClick(&r, &c)) aw::sim::clickCell(r, c, nullptr);
            }
            frame(16);
        }
        return aw::playState.levelWon;
    }
    void startAt(aw::GameMode m, int level) {
        aw::playLevelAtOnce(m, level);
        settle();
    }

    awtest::ScratchDir scratch;
    std::string menu, menuTexts;
};

} // namespace flowtest
