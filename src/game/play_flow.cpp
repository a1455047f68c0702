// The flow's record and its shared steps: setting a level up, the delayed
// start behind the iris, overlays and boxes, and the connections to the
// board and the screens.
#include "game/play_flow_internal.h"

#include "board/board.h"
#include "board/game_modes.h"
#include "game/progress.h"
#include "persistence/player_files.h"
#include "persistence/records.h"
#include "render/draw.h"
#include "ui/menu_tree.h"
#include "ui/scene_transition.h"
#include "ui/screen_values.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <algorithm>

namespace aw {

PlayFlowHooks playFlowHooks;
PlayFlow flow;

const PlayFlow& playFlow() { return flow; }

// [SECTION] shared steps

Profile& player() { return *currentProfile(); }
int playedMode() { return std::clamp(int(playState.mode), 0, kModeCount - 1); }
int livesLeft() { return livesOf(player(), playedMode()); }

LevelFigures levelFigures() {
    LevelFigures f;
    f.score = gs.score;
    f.combo = gs.bestStreak;
    f.moves = gs.movesUsed;
    f.timeMs = int(gs.playClock);
    return f;
}

// The shown score only trails the level's score while it counts up, so the
// level's score itself is what is carried: a quick click never loses points.
int scoreWithLevel() { return playState.scoreBase + gs.score; }

void savePlayerProgress() { writePlayerFiles(); }

void enterHighScore(int score) {
    clearHighlightedRow();
    int row = insertHighScore(playedMode(), player().name, score);
    if (row >= 0) setHighlightedRow(playedMode(), row);
}

bool showOverlay(const char* screen) {
    if (!openScreenByName(screen)) return false;
    playState.overlayShown = true;
    return true;
}

void askOverBoard(const char* textKey) {
    messageBox(textKey, false);
    playState.overlayShown = true;
}

void noticeOverBoard(const char* textKey) {
    messageBox(textKey, true);
    playState.overlayShown = true;
}

void leaveToMainMenu() {
    playState.overlayShown = false;
    clearLetterBursts();
    uicall::switchToMenuScene();
    openScreenByName("main");
}

void clearLetterBursts() {
    if (playFlowHooks.clearLetters) playFlowHooks.clearLetters();
}

void scheduleGameStart(int level) {
    startSceneTransition(kStartTransitionMs, "");
    flow.startPending = true;
    flow.startLevel = level;
    flow.startClock = 0;
}

void resetLevelFlow() {
    flow.lossClock = 0;
    flow.lossStarted = false;
    flow.lossResolved = false;
    flow.resultOpened = false;
    flow.advanceClock = 0;
}

// [SECTION] levels

void setUpLevel(int index) {
    index = std::clamp(index, 0, kLevelCount - 1);
    resetLevelFlow();
    playState.overlayShown = false;
    playState.lostOnce = false;
    discardManagedResources();
    startLevel(index); // also clears the mode's saved-game byte
}

void advancePlayFlow(float dt) {
    if (!flow.startPending) return;
    flow.startClock += dt;
    if (flow.startClock <= kStartTransitionMs) return;
    flow.startPending = false;
    if (playFlowHooks.switchToGameScene) playFlowHooks.switchToGameScene();
    uicall::clearParticles();
    setUpLevel(flow.startLevel);
}

// [SECTION] connections

void connectPlayFlow() {
    boardOutward.levelCompleted = completeLevel;
    boardOutward.addLife = [] { setLives(player(), playedMode(), livesLeft() + 1); };
    boardOutward.lives = livesLeft;
    boardOutward.openResultScreen = openResultScreen;
    boardOutward.continueAfterOutcome = continueAfterOutcome;
    boardOutward.resolveLoss = resolveLossOnInput;
    boardOutward.lossTick = lossTick;
    boardOutward.advanceTick = [](float dt) { flow.advanceClock += dt; };
    boardOutward.returnToMap = returnToMap;
    boardOutward.returnToModeScreen = returnToMap; // after the last level the map congratulates
    boardOutward.openPauseScreen = openPauseScreen;
    registerPlayFlowItems();
    // The mode screens keep what they draw and gain the hook that places the map.
    for (int m = 0; m < kModeCount; ++m) {
        const char* name = modeInfo(m).key;
        const MenuNode* node = findMenuNode(name);
        setScreenRoutines(name, node ? node->draw : nullptr, onModeScreenOpened);
    }
}

void resetPlayFlow() { flow = PlayFlow{}; }

} // namespace aw
