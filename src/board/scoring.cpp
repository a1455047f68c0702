#include "board/scoring.h"

#include "board/board_state.h"
#include "board/falling.h"
#include "board/geometry.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "core/random.h"

#include <cmath>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kLifeEvery = 250000;

Vec2 turned(Vec2 v, float degrees) {
    float a = degrees * kPi / 180.0f;
    float c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

bool passed(float before, float after, float mark) { return before <= mark && after > mark; }

} // namespace

int levelBonusNow() {
    int bonus = 0;
    if (playState.mode == kAdventure) bonus = 50 * int((gs.timeLimit - gs.timeUsed) / 1000.0f);
    else if (playState.mode == kPuzzle) bonus = 100 * (gs.moveLimit - gs.movesUsed);
    return bonus > 0 ? bonus : 0;
}

void clearCheck() {
    if (gs.levelEnded) return;
    for (auto& row : board)
        for (auto& cell : row)
            if (cell.ground > 0) return;
    gs.levelBonus = levelBonusNow();
    gs.score += gs.levelBonus;
    gs.levelEnded = true;
    playState.levelWon = true;
    if (boardOutward.levelCompleted) boardOutward.levelCompleted();
    gs.outroVariant = random(2);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            if (cell.ground < 0) continue;
            cell.outroDelay = randomFloat(150) + 150;
            if (gs.outroVariant == 0) {
                float vx = randomFloat(4);
                cell.launch = {vx, randomFloat(2.5f) + 3};
            }
        }
}

void countUpScore(float dt) {
    int before = gs.displayedScore;
    float step = float(gs.score - gs.displayedScore) * dt * 0.01f;
    if (step > 1) {
        gs.displayedScore += int(step);
        report::spawnEffect("score", -340, 235);
    } else {
        gs.displayedScore = gs.score;
    }
    if (playState.mode == kTimeless) return;
    long long from = (long long)playState.scoreBase + before;
    long long to = (long long)playState.scoreBase + gs.displayedScore;
    long long mark = from <= 0 ? 0 : ((from + kLifeEvery - 1) / kLifeEvery) * kLifeEvery;
    if (to >= mark && mark > from) {
        if (boardOutward.addLife) boardOutward.addLife();
        report::showLetters("getlife", 90, 100, 30);
        report::playSound("GetLife.ogg");
    }
}

const char* chainTextKey(int chainCount) {
    if (chainCount >= 11) return "impossible";
    if (chainCount >= 9) return "ultracombo";
    if (chainCount >= 6) return "megacombo";
    if (chainCount >= 4) return "supercombo";
    if (chainCount == 3) return "coolcombo";
    return nullptr;
}

void announceChains() {
    if (playState.overlayShown || boardInput.tipShown || gs.paused || playState.levelLost || playState.levelWon ||
        boardInput.transitionRunning || gs.cooldown >= 0 || !isSettled())
        return;
    int chain = gs.chainCount;
    const char* upper = chainTextKey(chain);
    if (!upper) return; // a shorter chain is carried into the next announcement
    if (chain >= 11) {
        report::showMessage(upper, 0, 15, 20, 2000);
        report::showMessage("youwon", 0, -10, 15, 2000);
    } else {
        report::showMessage(upper, 0, 20, 20, 2000);
        report::showMessage("youwon", 0, -15, 15, 2000);
    }
    gs.score += 250 * chain;
    gs.chainCount = 0;
    report::playSound("BonusPrize.ogg");
    if (chain >= 11) {
        const int trophies[] = {3, 9, 1};
        report::requestTrophyChain(trophies, 3);
    } else if (chain >= 9) {
        const int trophies[] = {9, 1};
        report::requestTrophyChain(trophies, 2);
    } else if (chain >= 6) {
        report::requestTrophy(1);
    }
}

void applyLimits(float dt) {
    if (playState.overlayShown || boardInput.tipShown || gs.paused || playState.levelLost || gs.outroTime > 5000)
        return;
    if (playState.mode == kAdventure) {
        gs.timeFraction = gs.timeLimit / 600000.0f;
        if (boardInput.transitionRunning) return;
        gs.limitClock += dt;
        if (gs.timeLimit >= gs.timeUsed) {
            if (boardOutward.candleTick) boardOutward.candleTick(dt);
            gs.timeUsed += dt;
            if (gs.timeUsed > gs.timeLimit - 20000) {
                gs.warningClock += dt;
                float f = (gs.timeLimit - gs.timeUsed) / 20000.0f;
                if (f < 0) f = 0;
                if (gs.warningClock > 300 * f + 300) {
                    if (!playState.levelWon) report::playSoundVolume("TimeOut.ogg", 1 - f);
                    gs.warningClock = 0;
                }
            }
        }
        if (gs.limitClock > gs.timeLimit && gs.limitClock <= gs.timeLimit + 100 + dt) report::playSound("DefeatLevel.ogg");
        if (gs.limitClock > gs.timeLimit) {
            playState.levelLost = true;
            report::closeTip();
        }
    } else if (playState.mode == kPuzzle) {
        gs.moveFraction = float(gs.moveLimit) / 300.0f;
        if (gs.movesUsed < gs.moveLimit) {
            if (boardOutward.candleTick) boardOutward.candleTick(dt);
            float d = float(gs.movesUsed) - gs.candleMoves;
            if (d > 0.001f) gs.candleMoves += d * dt * 0.005f;
            else gs.candleMoves = float(gs.movesUsed);
        } else {
            playState.levelLost = true;
            report::closeTip();
        }
    }
}

void completionDisplay(float dt) {
    if (!playState.levelWon) return;
    if (!gs.outroMusic) {
        gs.outroMusic = true;
        report::changeTune(5);
    }
    float before = gs.outroTime;
    gs.outroTime += dt;
    float t = gs.outroTime;

    if (t > 1000 && t < 2000)
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                if (board[r][c].ground >= 0)
                    board[r][c].wobble = turned({(2000 - t) / 400, 0}, t - 10.0f * r - 10.0f * c);

    if (passed(before, t, 500) && !gs.resultShown && gs.levelBonus > 0) {
        report::showLetters("levelcomplete", 0, 0, 30);
        const char* key = playState.mode == kAdventure ? "bonustime" : playState.mode == kPuzzle ? "bonusmoves" : nullptr;
        if (key) {
            report::showMessage(key, 0, -120, 24, 5000);
            report::spawnEffect("starefIQ", 0, -160);
        }
    }

    if (t > 2000 && t < 5000)
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                Cell& cell = board[r][c];
                if (cell.ground < 0) continue;
                Vec2 centre = cellCentre(r, c);
                if (gs.outroVariant == 0) {
                    cell.wobble += cell.launch * (dt * 0.02f);
                    cell.launch.y -= 0.0004f * dt;
                } else {
                    Vec2 v = turned(centre - Vec2{90, 0}, 6 * dt);
                    float length = std::sqrt(v.x * v.x + v.y * v.y);
                    if (length > 0) cell.wobble += v * (0.1f * dt / length);
                }
                if (cell.outroDelay > 300) {
                    Vec2 at = centre + cell.wobble;
                    report::spawnEffect("levelover0", at.x, at.y, 2 + randomFloat(1));
                    cell.outroDelay = 0;
                }
                cell.outroDelay += dt;
            }

    if (passed(before, t, 7000) && !gs.resultShown) {
        gs.resultShown = true;
        if (boardOutward.openResultScreen) boardOutward.openResultScreen();
    }
}

void trophyNotice(float dt) {
    if (!isSettled() || gs.outroTime > 1000) return;
    bool pending = boardOutward.trophyPending && boardOutward.trophyPending();
    if (!pending && !gs.trophyAsked) {
        gs.trophyClock = 0;
        return;
    }
    float before = gs.trophyClock;
    gs.trophyClock += dt;
    if (passed(before, gs.trophyClock, 500)) {
        gs.paused = true;
        if (boardOutward.startTransition) boardOutward.startTransition(1000, gs.trophyAsked ? "" : "gettrophy");
    }
    if (before < 1500 && gs.trophyClock >= 1500) {
        report::playSound("GetTrophy.ogg");
        if (boardOutward.showTrophyNotice) {
            boardOutward.showTrophyNotice();
        } else {
            // Nobody to hand over to: give the board back instead of staying paused.
            gs.trophyAsked = false;
            gs.trophyClock = 0;
            gs.paused = false;
        }
    }
}

} // namespace aw
