// After the board's outcome: the completion bookkeeping, the level result,
// the advance step and the way back to the map; the loss display and its
// resolution; restarting and skipping; game over.
#include "game/play_flow_internal.h"

#include "audio/sound_system.h"
#include "board/board.h"
#include "board/game_modes.h"
#include "core/random.h"
#include "effects/backgrounds.h"
#include "game/map_state.h"
#include "game/progress.h"
#include "render/draw.h"
#include "render/text.h"
#include "resources/text_table.h"
#include "ui/scene_transition.h"
#include "ui/screen_values.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

namespace aw {
namespace {

constexpr float kLossMessageX = 0, kLossMessageY = 40, kLossMessageSize = 26;
// The message wobbles up to a tenth larger; a long text is made smaller so
// that even then it stays inside the 800-unit screen.
constexpr float kLossMessageWidth = 700;

float lossMessageSize(const char* key) {
    const char* text = lookupText(key);
    float width = text ? measureText(text, kLossMessageSize) : 0;
    return width > kLossMessageWidth ? kLossMessageSize * kLossMessageWidth / width : kLossMessageSize;
}

const char* lossMessageKey() {
    int lives = livesLeft();
    return lives <= 0 ? "gameover" : lives == 1 ? "lastlife" : "loselife";
}

// After level 128: the whole mode is done, its score goes into the table
// and the next game of the mode starts from the first level.
void finishMode() {
    Profile& p = player();
    int m = playedMode();
    setModeScore(p, m, playState.scoreBase);
    enterHighScore(playState.scoreBase);
    setModeScore(p, m, 0);
    setLives(p, m, kStartLives);
    playState.finished = true;
    playState.levelWon = false;
    playState.levelIndex = 0;
    storeCurrentLevel(p, m, 0);
    savePlayerProgress();
    changeTune(0);
}

} // namespace

// [SECTION] a completed level

void completeLevel() {
    Profile& p = player();
    int m = playedMode();
    advanceProgress(p, m, playState.levelIndex);
    setModeScore(p, m, scoreWithLevel());
    savePlayerProgress();
}

void openResultScreen() {
    if (flow.resultOpened) return;
    flow.resultOpened = true;
    showOverlay("levelcomplete");
}

void continueAfterOutcome() {
    if (!playState.levelWon || playState.levelAdvanced) return;
    if (!flow.resultOpened) openResultScreen();
    else advanceToNextLevel();
}

void advanceToNextLevel() {
    Profile& p = player();
    int m = playedMode();
    int played = playState.levelIndex;
    // The result screen has compared the level with its records; now it joins them.
    updateLevelRecord(m, played, p.name, levelFigures(), true);
    int next = played + 1;
    playState.levelIndex = next;
    if (next < kLevelCount) storeCurrentLevel(p, m, next);
    discardManagedResources();
    setTintTarget(1, 1, 1, 1);
    clearLetterBursts();
    uicall::clearParticles();
    if (next < kLevelCount && boardOutward.loadBackground) boardOutward.loadBackground(levelBackground(next), next % 2);
    playState.scoreBase = scoreWithLevel();
    setModeScore(p, m, playState.scoreBase);
    playState.levelAdvanced = true;
    flow.advanceClock = 0;
    if (next == kLevelCount) finishMode();
}

void returnToMap() {
    discardManagedResources();
    uicall::switchToMenuScene();
    uicall::clearParticles();
    uicall::setMenuSubState(kMenuMap);
    stopSceneTransition();
    clearLetterBursts();
    playState.overlayShown = false;
    mapState.justAdvanced = true;
    openModeScreen();
    changeTune(random(kMenuTunes));
}

// [SECTION] a lost level

void lossTick(float dt) {
    if (playState.levelWon || flow.lossResolved || playState.overlayShown || gs.paused || boardInput.tipShown) return;
    if (!flow.lossStarted) {
        flow.lossStarted = true;
        changeTune(kLossTune);
    }
    float before = flow.lossClock;
    flow.lossClock += dt;
    if (before <= kLossMessageAtMs && flow.lossClock > kLossMessageAtMs) {
        const char* key = lossMessageKey();
        report::showMessage(key, kLossMessageX, kLossMessageY, lossMessageSize(key), kLossMessageMs);
    }
    if (flow.lossClock > kLossResolveAtMs) resolveLoss();
}

void resolveLossOnInput() {
    if (flow.lossClock >= kLossInputAfterMs) resolveLoss();
}

void resolveLoss() {
    if (flow.lossResolved || !playState.levelLost || playState.levelWon) return;
    flow.lossResolved = true;
    if (livesLeft() <= 0) {
        gameOver();
        return;
    }
    // The last level is never a dead end: each loss there offers the level again.
    if (playState.lostOnce && playState.levelIndex != kLevelCount - 1) {
        showOverlay("defeat");
        return;
    }
    if (const char* key = modeInfo(playedMode()).lifeLostKey) noticeOverBoard(key);
}

void acceptLifeLost() {
    restartLevel();
    playState.lostOnce = true;
    playState.overlayShown = false;
}

void restartLevel() {
    playState.overlayShown = false;
    clearLetterBursts();
    setLives(player(), playedMode(), livesLeft() - 1);
    setUpLevel(playState.levelIndex);
}

void skipLevel() {
    Profile& p = player();
    int m = playedMode();
    int next = playState.levelIndex + 1;
    if (next >= kLevelCount) { // nothing lies beyond the last level: back to the screen that asked
        returnToParent();
        return;
    }
    playState.lostOnce = false;
    setLives(p, m, livesLeft() - 1);
    storeCurrentLevel(p, m, next);
    if (playFlowHooks.switchToGameScene) playFlowHooks.switchToGameScene();
    setUpLevel(next);
}

// [SECTION] game over

void gameOver() {
    playEffect("DefeatLevel.ogg");
    playState.levelLost = true;
    clearLetterBursts();
    discardManagedResources();
    Profile& p = player();
    int m = playedMode();
    int total = scoreWithLevel();
    setModeScore(p, m, total);
    updateLevelRecord(m, playState.levelIndex, p.name, levelFigures(), false);
    enterHighScore(total);
    showOverlay("hiscore");
    setModeScore(p, m, 0);
    setLives(p, m, kStartLives);
    storeCurrentLevel(p, m, playState.levelIndex);
    savePlayerProgress();
}

void openPauseScreen() { showOverlay("gameplay"); }

} // namespace aw
