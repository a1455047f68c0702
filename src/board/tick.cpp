#include "board/tick.h"

#include "board/board_state.h"
#include "board/bonuses.h"
#include "board/break_step.h"
#include "board/falling.h"
#include "board/level_file.h"
#include "board/moves.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "board/scoring.h"
#include "core/random.h"

#include <cstdio>

namespace aw {
namespace {

int birdCounter = 0; // lives for the run, like the birds
int sceneryVariant = -1;

bool ambientDue(int t, int d, int period) {
    if (t == 0) return true;
    return t % period >= period / 2 && (t + d) % period < period / 2;
}

void ambientSounds(int d) {
    int t = gs.gameTime;
    if (ambientDue(t, d, 6200)) {
        char name[16];
        std::snprintf(name, sizeof name, "birds%i.ogg", birdCounter % 3 + 1);
        report::playSound(name);
        birdCounter += random(2) + 1;
    }
    if (ambientDue(t, d, 3100)) report::playSound("brook.ogg");
    gs.gameTime += d;
}

void setScenery(int variant) {
    if (variant == sceneryVariant) return;
    sceneryVariant = variant;
    if (boardOutward.setSceneryVariant) boardOutward.setSceneryVariant(variant);
}

template <typename Read>
void setUpLevel(int index, Read read) {
    playState.levelIndex = index;
    resetLevelState();
    if (boardOutward.clearLevelEffects) boardOutward.clearLevelEffects();
    sceneryVariant = -1;
    setScenery(index % 2);
    if (boardOutward.loadBackground) boardOutward.loadBackground(levelBackground(index), index % 2);
    read();
    initialFill();
    applyLevelLimits();
    report::changeTune(index % 5);
    if (boardOutward.clearSavedGameFlag) boardOutward.clearSavedGameFlag();
}

} // namespace

void startLevel(int index) {
    setUpLevel(index, [&] { readLevel(index); });
}

bool startLevelFromFile(const std::string& path, int index) {
    bool ok = true;
    setUpLevel(index, [&] { ok = readLevelFile(path, index); });
    return ok;
}

void startLevelFromText(const std::string& text, int index) {
    setUpLevel(index, [&] { readLevelText(text, index); });
}

void resetBoardRun() {
    birdCounter = 0;
    sceneryVariant = -1;
    animationTimeMs = 0;
}

void boardStep(float dt) {
    if (playState.overlayShown || gs.paused || boardInput.transitionRunning) return;
    updateBlasts(dt);
    // One pass reads the board for the settled test and the falling; only
    // the break step changes the board before the falling, so the board is
    // read again only after it.
    RowMasks masks = readMasks();
    bool settled = settledBy(masks);
    if (!settled) gs.clickGap += dt;
    gs.cooldown -= dt;
    if (gs.cooldown < 0 && settled) {
        breakStep();
        masks = readMasks();
        settled = settledBy(masks);
    }
    if (gs.cooldown < 0 && settled) clearCheck();
    // The step tells whether the board has settled, which saves asking.
    if (fallAndMove(masks, dt)) checkMovesAndHint(dt);
}

void tick(float dt, int rawDtMs) {
    ambientSounds(rawDtMs < 0 ? int(dt) : rawDtMs);
    if (playState.finished) {
        animationTimeMs += dt;
        return;
    }
    if (playState.levelAdvanced) {
        if (boardOutward.advanceTick) boardOutward.advanceTick(dt);
        if (boardOutward.presentationTick) boardOutward.presentationTick(dt);
        animationTimeMs += dt;
        return;
    }
    setScenery(gs.paused || playState.levelWon ? 2 : playState.levelIndex % 2);
    bool transition = boardInput.transitionRunning;
    if (!transition) {
        boardStep(dt);
        updateHammer(dt);
        updateHover();
    }
    countUpScore(dt);
    applyLimits(dt);
    if (!transition && playState.levelLost && !playState.levelWon && boardOutward.lossTick) boardOutward.lossTick(dt);
    updateDebris(dt);
    updateBolts(dt);
    updateShake(dt);
    completionDisplay(dt);
    if (!transition) announceChains();
    if (boardOutward.presentationTick) boardOutward.presentationTick(dt);
    if (gs.paused) gs.pauseClock += dt;
    trophyNotice(dt);
    if (!transition) {
        if (playState.mode == kAdventure) gs.playClock = gs.timeUsed;
        else gs.playClock += dt;
    }
    animationTimeMs += dt;
}

} // namespace aw
