#include "board/break_step.h"

#include "board/board_state.h"
#include "board/falling.h"
#include "board/geometry.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "core/random.h"

#include <cstdio>

namespace aw {
namespace {

void addDebris(int kind, Vec2 position) {
    Debris& d = debris[gs.debrisRing];
    gs.debrisRing = (gs.debrisRing + 1) % kDebrisCount;
    d.kind = kind + 1;
    d.position = position;
    d.velocity = {randomFloat(0.6f), randomFloat(0.3f) + 0.6f};
    d.type = 1;
}

void addFloatingPoints(int value, Vec2 position) {
    FloatingPoints& f = floatingPoints[gs.floatingRing];
    gs.floatingRing = (gs.floatingRing + 1) % kFloatingCount;
    f.value = value;
    f.position = position;
    f.velocity = {0, 0.03f};
    f.size = 14;
    f.sizeChange = 0;
    f.opacity = 255;
    f.opacityChange = -0.09f;
}

void removeFigure(Cell& cell) {
    cell.fig.kind = -1;
    cell.fig.bonus = 0;
    cell.fig.refilling = 0;
    cell.fig.offset = {0, 0};
    gs.hammerTarget += (gs.hammerFull - gs.hammerEmpty) * 0.015f;
    gs.idleTime = 0;
    gs.hintShown = false;
}

} // namespace

const char* breakSoundName(int streak, int* frequency) {
    // Named, not formatted: this is asked for every figure a click removes.
    static const char* const kNames[8] = {"BreakFigure1.ogg", "BreakFigure2.ogg", "BreakFigure3.ogg",
                                          "BreakFigure4.ogg", "BreakFigure5.ogg", "BreakFigure6.ogg",
                                          "BreakFigure7.ogg", "BreakFigure8.ogg"};
    if (streak <= 7) {
        *frequency = kDefaultFrequency;
        if (streak >= 0) return kNames[streak];
        static char name[32];
        std::snprintf(name, sizeof name, "BreakFigure%i.ogg", streak + 1);
        return name;
    }
    *frequency = 22050 + 2000 * (streak - 7);
    return "BreakFigure.ogg";
}

void breakStep() {
    const int multiplier = gs.sameKindStreak + 1;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            Vec2 centre = cellCentre(r, c);
            cell.fig.hovered = 0;
            // points is not cleared here: a blast has already credited its
            // cell for every cell it reached, and that must be paid below.
            // The figure goes before its lock or square is hit, so one step
            // can remove a figure and break the square under it.
            if (cell.removal > 0) {
                if (cell.removal == 1) addDebris(cell.fig.kind, centre + cell.fig.offset);
                removeFigure(cell);
                int frequency = 0;
                const char* sound = breakSoundName(gs.sameKindStreak, &frequency);
                report::playSound(sound, frequency);
                cell.points += 10 * multiplier;
                gs.breakables -= 1;
                cell.removal = 0;
                gs.groupSize = 0;
            }
            if (cell.hit) {
                cell.hit = 0;
                if (cell.lock > 0) {
                    cell.lock = 0;
                    report::playSound("BreakZep.ogg");
                    report::spawnEffect("zep1", centre.x, centre.y);
                    cell.points += 90 * multiplier;
                    gs.breakables -= 1;
                } else if (cell.ground > 0) {
                    report::playSound("BreakSquare.ogg");
                    cell.points += 90 * multiplier;
                    gs.breakables -= 1;
                    report::startSquareBreak(centre.x, centre.y, cell.ground);
                    cell.ground -= 1;
                }
            }
        }

    int total = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            if (cell.points <= 0) continue;
            addFloatingPoints(cell.points, cellCentre(r, c));
            gs.score += cell.points;
            total += cell.points;
            cell.points = 0;
        }

    if (total >= 10000) {
        const int chain[] = {4, 5, 2};
        report::requestTrophyChain(chain, 3);
    } else if (total >= 7000) {
        const int chain[] = {5, 2};
        report::requestTrophyChain(chain, 2);
    } else if (total >= 5000) {
        report::requestTrophy(2);
    }

    if (isSettled() && playState.levelIndex > 0) {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                int bonus = board[r][c].fig.bonus;
                if (board[r][c].fig.kind < 0) continue;
                const char* key = bonus == kBomb      ? "b_t_firstbonus1"
                                  : bonus == kThunder  ? "b_t_firstbonus2"
                                  : bonus == kSuperBomb ? "b_t_firstbonus5"
                                                        : nullptr;
                if (!key) continue;
                Vec2 at = cellCentre(r, c);
                report::showTip(key, at.x, at.y);
            }
    }
}

void updateDebris(float dt) {
    for (auto& d : debris) {
        if (d.kind == 0) continue;
        d.position += d.velocity * dt;
        d.velocity.y -= dt * 0.002f;
        if (d.position.y < -300 || d.position.y > 300 || d.position.x > 400) d = Debris{};
    }
}

void updateFloatingPoints(float dt) {
    for (auto& f : floatingPoints) {
        if (f.size <= 0 || f.opacity <= 0) continue;
        f.position += f.velocity * dt;
        f.size += f.sizeChange * dt;
        f.opacity += f.opacityChange * dt;
    }
}

} // namespace aw
