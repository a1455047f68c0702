// The trophy room as the shell runs it: the menu items enter its scene, keys
// reach it through the scene, and leaving brings back the menu scene with the
// screen the room was entered from.
#include "app/frame_loop.h"
#include "app/scene.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "app/ui_wiring.h"
#include "app/window_proc.h"
#include "effects/backgrounds.h"
#include "game/trophy_room.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/texture.h"
#include "resources/test_support.h"
#include "ui/menu_tree.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace aw;

namespace {

uint32_t fakeNow = 0;
uint32_t fakeTicks() { return fakeNow; }
void noSleep(uint32_t) {}

std::string fromEnv(const char* name, const std::string& rel) {
    const char* dir = std::getenv(name);
    return std::string(dir ? dir : ".") + "/" + rel;
}

class TrophyRoomShell : public ::testing::Test {
protected:
    awtest::ScratchDir dir;

    void SetUp() override {
        WindowConfig c;
        c.hidden = true;
        ASSERT_TRUE(openWindow(c)) << lastWindowError();
        ASSERT_TRUE(initRenderDevice());
        setClockOverride(fakeTicks, noSleep);
        shell = ShellState{};
        fakeNow = 1000;
        resetPersistence();
        resetScreens();
        resetTrophyRoom();
        resetBackgrounds();
        uiHooks = UiHooks{};
        setDataDirectory(dir.path());
        setSettingsDirectory(dir.path() + "/settings");
        ASSERT_TRUE(addProfile("ANNA"));
        std::string menu = awtest::readBytes(fromEnv("AW_SOURCE_DIR", "data/menus/menu.txt"));
        std::string texts = awtest::readBytes(fromEnv("AW_SOURCE_DIR", "data/menus/menutext.txt"));
        buildMenuTree(menu.data(), menu.size(), texts.data(), texts.size());
        connectUi();
        setCurrentDirectory(fromEnv("AW_BUILD_DIR", "Data")); // the room's painting
        shell.currentScene = &menuScene;
        windowProc({Msg::Activate, 1, 0, 0});
    }
    void TearDown() override {
        resetTrophyRoom();
        resetScreens();
        resetBackgrounds();
        releaseAllTextures();
        resetPersistence();
        setClockOverride(nullptr, nullptr);
        releaseRenderDevice();
        closeWindow();
        shell = ShellState{};
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            fakeNow += 16;
            runFrame();
        }
    }
    void key(int k) {
        windowProc({Msg::KeyDown, k, 0, 0});
        frames(1);
    }
    // Frames until the scene changes to the one given (at most ~5 s).
    bool until(Scene* scene) {
        for (int i = 0; i < 300 && shell.currentScene != scene; ++i) frames(1);
        return shell.currentScene == scene;
    }
};

TEST_F(TrophyRoomShell, ModeScreenItemEntersAndLeavingReturnsToThatScreen) {
    menuScene.subState = kMenuMap;
    ASSERT_TRUE(openScreenByName("timeless"));
    frames(30);
    key(38); // Up from "start" wraps round to the third item, "trophy room"
    key(13);
    ASSERT_TRUE(until(&trophyRoomScene));
    EXPECT_EQ(trophyRoom().returnCode, 1);
    EXPECT_EQ(currentBackground(), kTrophyRoomBackground);

    frames(70); // past the quiet first second
    key(27);
    EXPECT_TRUE(trophyRoom().leaving) << "the key reached the room through its scene";
    ASSERT_TRUE(until(&menuScene));
    frames(30);
    EXPECT_EQ(menuScene.subState, kMenuMap);
    EXPECT_TRUE(currentScreenIs("timeless"));
    EXPECT_EQ(transitionAmount(), 0);
}

TEST_F(TrophyRoomShell, MainMenuItemEntersAfterItsTransitionAndLeavingOpensMain) {
    ASSERT_TRUE(openScreenByName("main"));
    frames(30);
    for (int k : {40, 40, 40}) key(k); // down to "trophyroom"
    key(13);
    frames(40);
    EXPECT_EQ(shell.currentScene, &menuScene) << "the room waits for the transition";
    ASSERT_TRUE(until(&trophyRoomScene));
    EXPECT_EQ(trophyRoom().returnCode, kRoomFromMainMenu);
    frames(70);
    key(27);
    ASSERT_TRUE(until(&menuScene));
    frames(30);
    EXPECT_EQ(menuScene.subState, kMenuMain);
    EXPECT_TRUE(currentScreenIs("main"));
    EXPECT_EQ(currentBackground(), kMainMenuBackground);
}

} // namespace
