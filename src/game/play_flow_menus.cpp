// The menus' side of the flow: choosing a mode, the resume question, the
// mode screen with the map, and starting a level from it.
#include "game/play_flow_internal.h"

#include "board/board.h"
#include "board/game_modes.h"
#include "game/map_state.h"
#include "game/progress.h"
#include "game/saved_games.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

namespace aw {
namespace {

// The prolog introduces a new game. The byte that asks for it stays set
// until the first tip of the game has shown, so a mode the player has
// already played in is never started over because of it.
bool modeUntouched(const Profile& p, int mode) {
    return currentLevelOf(p, mode) == 0 && furthestLevelOf(p, mode) == 0 && modeScoreOf(p, mode) <= 0 &&
           !p.savedGame[mode];
}

} // namespace

void chooseMode(GameMode mode) {
    playState.mode = mode;
    Profile& p = player();
    p.lastMode = uint8_t(mode);
    if (p.tutorialPending[0] && modeUntouched(p, mode)) {
        messageBox("prolog", true);
        return;
    }
    if (p.savedGame[mode]) {
        openScreenByName("loadgamequest");
        return;
    }
    openModeScreen();
}

void startNewGame() {
    Profile& p = player();
    int m = playedMode();
    setLives(p, m, kStartLives);
    storeCurrentLevel(p, m, 0);
    playState.scoreBase = modeScoreOf(p, m);
    playState.replaying = false;
    scheduleGameStart(0);
}

void resumeSavedGame() {
    int level = currentLevelOf(player(), playedMode());
    // Without a readable file the level starts afresh with the profile's score.
    playState.scoreBase = modeScoreOf(player(), playedMode());
    resetLevelFlow();
    playState.lostOnce = false;
    loadGame(level);
    playState.overlayShown = false; // a game saved from the pause screen was saved under it
    if (playFlowHooks.switchToGameScene) playFlowHooks.switchToGameScene();
}

void declineSavedGame() { openModeScreen(); }

void openModeScreen() { openScreenByName(modeInfo(playedMode()).key); }

void onModeScreenOpened() {
    uicall::setMenuSubState(kMenuMap);
    const Profile& p = player();
    int m = playedMode();
    int level = currentLevelOf(p, m);
    playState.levelIndex = level;
    // After the last level the map keeps it selected until its congratulation.
    int shown = playState.finished ? kLevelCount - 1 : level;
    int moveFrom = -1;
    if (mapState.justAdvanced) moveFrom = playState.finished ? kLevelCount - 1 : level - 1;
    mapState.justAdvanced = false;
    placeOnMap(shown, furthestLevelOf(p, m), moveFrom);
}

void startFromModeScreen() {
    playState.overlayShown = false;
    if (playState.finished) return;
    Profile& p = player();
    int m = playedMode();
    int level = mapSelectedLevel();
    if (mapSelectionIsCurrent()) {
        playState.replaying = false;
        playState.scoreBase = modeScoreOf(p, m);
        if (playState.scoreBase <= 0) setLives(p, m, kStartLives);
        scheduleGameStart(level);
        return;
    }
    if (modeScoreOf(p, m) <= 0) {
        resetMapMarks();
        storeCurrentLevel(p, m, level);
        playState.replaying = true;
        playState.scoreBase = modeScoreOf(p, m);
        scheduleGameStart(level);
        return;
    }
    flow.pickedLevel = level;
    messageBox("zeroscore", false);
}

// "yes" to "zeroscore": the picked level with a fresh score and three lives.
void startPickedLevelFresh() {
    Profile& p = player();
    int m = playedMode();
    playState.scoreBase = 0;
    setModeScore(p, m, 0);
    setLives(p, m, kStartLives);
    storeCurrentLevel(p, m, flow.pickedLevel);
    playState.replaying = true;
    scheduleGameStart(flow.pickedLevel);
}

void playLevelAtOnce(GameMode mode, int level) {
    flow.startPending = false;
    playState.mode = mode;
    playState.finished = false;
    Profile& p = player();
    p.lastMode = uint8_t(mode);
    storeCurrentLevel(p, mode, level);
    playState.scoreBase = modeScoreOf(p, mode);
    if (playState.scoreBase <= 0) setLives(p, mode, kStartLives);
    if (playFlowHooks.switchToGameScene) playFlowHooks.switchToGameScene();
    uicall::clearParticles();
    setUpLevel(level);
}

} // namespace aw
