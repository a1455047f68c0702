#include "board/moves.h"

#include "board/board_state.h"
#include "board/bonuses.h"
#include "board/falling.h"
#include "board/geometry.h"
#include "board/groups.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "core/random.h"

namespace aw {
namespace {

int hudSpot() {
    if (!boardOutward.hudSpotAt) return kHudNone;
    return boardOutward.hudSpotAt(boardInput.mouse.x, boardInput.mouse.y);
}

bool timeIsUp() { return gs.timeLimit > 0 && gs.timeUsed / gs.timeLimit >= 1; }

void call(void (*hook)()) {
    if (hook) hook();
}

void unpause() {
    gs.paused = false;
    report::setHammerCursor(false);
}

void continueOutcome() {
    if (playState.levelWon) gs.resultShown = true;
    call(boardOutward.continueAfterOutcome);
}

void hammerClick() {
    CellPos at = cellAt(boardInput.mouse);
    if (isCell(at.row, at.column)) {
        Cell& cell = board[at.row][at.column];
        if (cell.lock != 1) cell.removal = 1;
        cell.hit = 1;
    }
    gs.hammerCharge = gs.hammerTarget = gs.hammerEmpty;
    gs.hammerArmed = false;
    gs.hammerReady = false;
    report::setHammerCursor(false);
    gs.groupSize = 0;
    gs.idleTime = 0;
    report::playSound("UseHammer.ogg");
    triggerBonuses(0);
}

void sameKindCombo() {
    if (gs.groupKind == gs.lastClickedKind) {
        gs.sameKindStreak += 1;
        gs.streakTrigger += 1;
        if (gs.sameKindStreak > gs.bestStreak) gs.bestStreak = gs.sameKindStreak;
        if (gs.sameKindStreak > 10) {
            const int chain[] = {12, 10};
            report::requestTrophyChain(chain, 2);
        } else if (gs.sameKindStreak > 8) {
            report::requestTrophy(10);
        }
    } else {
        gs.sameKindStreak = 0;
        gs.streakTrigger = 0;
    }
}

void groupClick() {
    if (gs.clickGap < 500) gs.rapidClicks += 1;
    else gs.rapidClicks = 0;
    gs.clickGap = 0;
    if (gs.rapidClicks >= 10) {
        gs.rapidClicks = 0;
        report::requestTrophy(17);
    }

    gs.cooldown = 50;
    for (auto& shown : gs.lightningShown) shown = false;
    gs.movesUsed += 1;
    gs.groupsRemoved += 1;
    sameKindCombo();

    bool hadBomb = false, hadThunder = false, hadSuper = false;
    for (int i = 0; i < gs.groupSize; ++i) {
        Cell& cell = board[gs.groupRows[i]][gs.groupColumns[i]];
        if (cell.lock != 1) cell.removal = 1;
        cell.hit = 1;
        hadBomb |= cell.fig.bonus == kBomb;
        hadThunder |= cell.fig.bonus == kThunder;
        hadSuper |= cell.fig.bonus == kSuperBomb;
    }
    awardClickBonus(hadBomb, hadThunder, hadSuper);
    // The glow marks a figure that this click turned into a bonus figure.
    Cell& clicked = board[gs.groupRows[0]][gs.groupColumns[0]];
    if (clicked.removal == 0 && clicked.fig.bonus > 0) clicked.fig.bonusGlow = 2000;

    if (gs.groupSize >= 30) {
        const int chain[] = {16, 8};
        report::requestTrophyChain(chain, 2);
    } else if (gs.groupSize >= 20) {
        report::requestTrophy(8);
    }

    gs.lastClickedKind = gs.groupKind;
    gs.groupSize = 0;
    gs.idleTime = 0;
    triggerBonuses(0);
}

} // namespace

bool routeClick() {
    if (boardInput.tipShown) {
        if (boardOutward.tipClick) boardOutward.tipClick(boardInput.mouse.x, boardInput.mouse.y);
        if (boardInput.tipHasButton) return false;
        report::closeTip();
        boardInput.tipShown = false;
    }
    if (playState.finished) {
        call(boardOutward.returnToModeScreen);
        return false;
    }
    if (playState.levelAdvanced) {
        report::setHammerCursor(false);
        call(boardOutward.returnToMap);
        return false;
    }
    if (gs.paused) {
        unpause();
        return false;
    }
    if (playState.levelWon) {
        if (gs.outroTime > 600) continueOutcome();
        return false;
    }
    if (gs.levelEnded) return false;
    if (playState.levelLost) {
        call(boardOutward.resolveLoss);
        return false;
    }
    switch (hudSpot()) {
    case kHudMenuButton:
        if (!timeIsUp()) call(boardOutward.openPauseScreen);
        return false;
    case kHudTrophyButton:
        if (!timeIsUp()) gs.trophyAsked = true;
        return false;
    case kHudHammerButton:
        if (gs.hammerReady) {
            gs.hammerArmed = true;
            gs.hammerReady = false;
        } else {
            gs.hammerReady = gs.hammerArmed;
            gs.hammerArmed = false;
        }
        return false;
    default:
        break;
    }
    return boardInput.mouse.x >= -270;
}

void onBoardLeftDown() {
    gs.leftHeld = true;
    if (!routeClick() || !isSettled()) return;
    CellPos at = cellAt(boardInput.mouse);
    if (hasFigure(at.row, at.column)) clickGroup();
}

void onBoardLeftUp() { gs.leftHeld = false; }

void onBoardDoubleClick() {
    if (playState.overlayShown) return;
    CellPos at = cellAt(boardInput.mouse);
    if (insideBoard(at.row, at.column) || hudSpot() != kHudNone) return;
    if (playState.levelWon || playState.levelLost || gs.paused || boardInput.tipShown) return;
    pauseBoard();
}

void onBoardRightDown() {
    gs.rightHeld = true;
    if (gs.hammerArmed) {
        gs.hammerArmed = false;
        gs.hammerReady = true;
        report::setHammerCursor(false);
    }
}

void onBoardRightUp() { gs.rightHeld = false; }

void onBoardKey(int key) {
    if (playState.finished) call(boardOutward.returnToModeScreen);
    else if (playState.levelAdvanced) call(boardOutward.returnToMap);
    else if (gs.paused) unpause();
    else if (playState.levelWon) continueOutcome();
    else if (playState.levelLost) call(boardOutward.resolveLoss);
    else if (boardInput.tipShown) {
        report::closeTip();
        boardInput.tipShown = false;
    } else if (key == kKeySpace) pauseBoard();
    else if (key == kKeyEscape) call(boardOutward.openPauseScreen);
}

void clickGroup() {
    playState.gameInProgress = true;
    if (gs.cooldown < 0 && gs.hammerArmed && gs.groupSize > 0) hammerClick();
    else if (gs.cooldown < 0 && gs.groupSize > 1) groupClick();
    else gs.rapidClicks = 0;
}

void updateHover() {
    if (playState.overlayShown || boardInput.tipShown || gs.paused || boardInput.transitionRunning) return;
    CellPos at = cellAt(boardInput.mouse);
    if (!hasFigure(at.row, at.column)) {
        gs.hoverValid = false;
        return;
    }
    gs.hoverValid = true;
    if (!isSettled()) return;
    if (gs.groupSize > 0 && gs.groupColumns[0] == at.column && gs.groupRows[0] == at.row) return;
    buildHoverGroup(at.row, at.column);
}

void checkMovesAndHint(float dt) {
    if (!labelGroups()) {
        report::showTip("nomoves", 0, -100, false);
        startRefill();
        return;
    }
    gs.idleTime += dt;
    if (gs.idleTime > gs.hintDelay && !gs.hintShown && !boardInput.tipShown) {
        gs.hintGroup = random(gs.groupCount);
        gs.hintShown = true;
    }
}

void pauseBoard() {
    if (playState.levelLost) return;
    gs.paused = true;
    gs.pauseClock = 0;
}

void finishTrophyNotice() {
    gs.trophyAsked = false;
    gs.trophyClock = 0;
    gs.paused = false;
}

} // namespace aw
