#include "bench_scenes.h"

#include "app/frame_loop.h"
#include "app/launch_options.h"
#include "app/scene.h"
#include "app/scenes.h"
#include "app/services.h"
#include "app/shell_state.h"
#include "app/startup_load.h"
#include "app/window_proc.h"
#include "board/board.h"
#include "core/fast_sqrt.h"
#include "effects/backgrounds.h"
#include "game/trophy_room.h"
#include "persistence/profiles.h"
#include "platform/pacing.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/draw_capture.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <cstdio>

namespace aw::bench {
namespace {

// Draws nothing: the frame loop's clear and present are the whole frame.
class EmptyScene : public Scene {
public:
    void onFrame() override {}
} emptyScene;

// A level whose eleven rows are all cells, with squares to break.
constexpr int kFullBoardLevel = 59;
// Longer than any scene transition, so the frames measured are steady.
constexpr float kSettleMs = 1500;

// A bomb chain set off again whenever the board is quiet.
void keepBombsGoing() {
    if (!isSettled() || gs.cooldown >= 0 || playState.levelWon) return;
    const int columns[] = {1, 3, 5, 7, 9, 11};
    for (int c : columns)
        if (hasFigure(6, c)) board[6][c].fig.bonus = kBomb;
    if (hasFigure(6, 1)) {
        board[6][1].removal = 1;
        triggerBonuses(0);
    }
}

void settle(int id) {
    float until = shell.clock.animationTimeMs + kSettleMs;
    for (int i = 0; i < 20 || shell.clock.animationTimeMs < until; ++i) frame(id);
}

} // namespace

const char* sceneName(int id) {
    static const char* const kNames[kSceneCount] = {"empty frame", "main menu, landscape", "map",
                                                    "board, effects, bomb chain", "trophy room"};
    return id >= 0 && id < kSceneCount ? kNames[id] : "?";
}

bool startUp(const std::string& data) {
    initFastSqrt();
    launchOptions.unpaced = true;
    WindowConfig config;
    config.hidden = true;
    if (!openWindow(config) || !deviceInit()) {
        std::fprintf(stderr, "no window: %s\n", lastWindowError());
        return false;
    }
    deviceUpdateProjection();
    startFramePacing(false);
    shell.dataDirectory = data;
    setCurrentDirectory(data);
    runStartupLoad();
    if (profileCount() == 0) addProfile("Bench");
    selectProfile(0);
    windowProc({Msg::Activate, 1, 0, 0});
    return true;
}

// The game's own order: the meshes before the textures they name, the audio
// thread before the process goes (a running mixer crashed the exit).
void shutDown() {
    resetScenery();
    deviceRelease();
    shellAudioShutdown();
    freeTexts();
    closeWindow();
}

void enter(int id) {
    switch (id) {
    case kEmptyFrame:
        shell.currentScene = &emptyScene;
        break;
    case kMainMenu:
        requestSceneSwitch(&menuScene);
        applySceneSwitch();
        menuScene.setSubState(kMenuMain);
        openScreenByName("main");
        break;
    case kMap:
        requestSceneSwitch(&menuScene);
        applySceneSwitch();
        launchOptions.startMode = kAdventure;
        openLaunchMap();
        break;
    case kGameplay:
        playState = PlayState{};
        playState.mode = kTimeless;
        requestSceneSwitch(&gameScene);
        applySceneSwitch();
        startLevel(kFullBoardLevel);
        // A chain medal would take the frames off to the trophy room.
        boardOutward.requestTrophy = nullptr;
        break;
    case kTrophyRoom:
        enterTrophyRoom(kRoomFromMainMenu);
        applySceneSwitch();
        break;
    default: return;
    }
    settle(id);
}

void frame(int id) {
    if (id == kGameplay) keepBombsGoing();
    runFrame();
    readPixel(0, 0); // waits for the renderer, so the frame's whole cost is counted
}

} // namespace aw::bench
