#include "board/bonuses.h"

#include "board/geometry.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "core/random.h"

#include <algorithm>
#include <cmath>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;

// The twelve cells a bomb reaches, in the order they are hit.
constexpr int kBombCells[12][2] = {{0, 1}, {0, 2}, {0, -1}, {0, -2}, {-1, -1}, {-1, 0},
                                   {-1, 1}, {1, -1}, {1, 0}, {1, 1}, {-2, 0}, {2, 0}};
// Ray directions in the order of Blast::rays.
constexpr int kRayStep[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

void placeBonus(int row, int column, int bonus) {
    Cell& target = board[row][column];
    if (target.fig.bonus > 0) {
        target.fig.nextBonus = bonus;
    } else {
        target.fig.bonus = bonus;
        target.removal = 0;
    }
}

void startShake() {
    if (shake.active) return; // a running shake simply continues
    shake.active = true;
    shake.time = 0;
}

void fillBoltSet(const Blast& blast, int kind) {
    BoltSet& set = boltSets[gs.boltRing];
    gs.boltRing = (gs.boltRing + 1) % kBoltSets;
    set.count = 0;
    set.life = 800;
    auto add = [&](Vec2 at) {
        if (set.count >= kBoltsPerSet) return;
        uint32_t red = 40 + random(215), green = 40 + random(215), blue = 40 + random(215);
        set.bolts[set.count++] = {at, 0xFF000000u | red << 16 | green << 8 | blue};
    };
    add(blast.position);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (board[r][c].fig.kind == kind && board[r][c].removal == 3) add(cellCentre(r, c));
}

void hitOffset(int row, int column, const Blast& blast) {
    if (insideBoard(row, column)) hitCell(row, column, blast);
}

void startBlast(Blast& b) {
    b.started = 1;
    gs.cooldown = std::max(gs.cooldown, b.duration);
    if (b.type != kThunder) startShake();
    int r = b.row, c = b.column;
    switch (b.type) {
    case kBomb:
        report::playSound("ExplosionBomb.ogg");
        report::spawnEffect("bomb1_1", b.position.x, b.position.y);
        for (auto& d : kBombCells) hitOffset(r + d[0], c + d[1], b);
        break;
    case kThunder: {
        report::playSound("Thunderbolt.ogg");
        int kind = board[r][c].fig.kind;
        for (int rr = 0; rr < kRows; ++rr)
            for (int cc = 0; cc < kColumns; ++cc)
                if (board[rr][cc].fig.kind == kind && kind >= 0) hitCell(rr, cc, b);
        if (kind >= 0 && kind < kKinds && !gs.lightningShown[kind]) {
            fillBoltSet(b, kind);
            gs.lightningShown[kind] = true;
        }
        break;
    }
    default:
        if (b.type == kSuperBomb) {
            report::playSound("ExplosionSuperBomb.ogg");
            report::spawnEffect("prototip", b.position.x, b.position.y);
        }
        bool straight = b.type == kCrossBomb || b.type == kSuperBomb;
        bool diagonal = b.type == kDiagonalBomb || b.type == kSuperBomb;
        for (int k = 0; k < 8; ++k) b.rays[k] = k < 4 ? straight : diagonal;
        for (int i = 1; i <= 11; ++i)
            for (int k = 0; k < 8; ++k)
                if (b.rays[k]) hitOffset(r + kRayStep[k][0] * i, c + kRayStep[k][1] * i, b);
        break;
    }
    triggerBonuses(1);
}

// Figures above a blast jump up and fall back.
void liftFigures(const Blast& b, float dt) {
    float angle = b.elapsed / 200.0f * 80.0f * kPi / 180.0f;
    float lift = std::cos(angle) * dt * 0.2f;
    for (int c = b.column - 1; c <= b.column + 1; ++c) {
        if (c < 0 || c >= kColumns) continue;
        bool column = true;
        for (int r = 0; r <= b.row - 1; ++r)
            if (!isCell(r, c)) column = false;
        if (!column) continue;
        for (int r = 0; r < b.row; ++r)
            if (hasFigure(r, c) && !board[r][c].lock) board[r][c].fig.offset.y += lift;
    }
}

void advanceRays(const Blast& b) {
    int s = int(b.elapsed / 60.0f);
    for (int k = 0; k < 8; ++k) {
        if (!b.rays[k]) continue;
        int r = b.row + kRayStep[k][0] * s, c = b.column + kRayStep[k][1] * s;
        if (!hasFigure(r, c)) continue;
        board[r][c].removal = 1; // a ray goes through locks
        Vec2 at = cellCentre(r, c);
        report::spawnEffect("krestbomb", at.x + 1, at.y - 18);
    }
}

} // namespace

float blastDuration(int type) {
    switch (type) {
    case kBomb: return 250;
    case kThunder: return 500;
    default: return 700;
    }
}

void awardClickBonus(bool hadBomb, bool hadThunder, bool hadSuper) {
    int row = gs.groupRows[0], column = gs.groupColumns[0];
    if (gs.streakTrigger == 3) {
        gs.sinceThunder = 0;
        gs.thunderEarnCount += 1;
        gs.streakTrigger = 0;
        report::playSound("AddThunder.ogg");
        placeBonus(row, column, kThunder);
    } else if (++gs.sinceThunder > 4) {
        gs.sinceThunder = 0;
        gs.thunderEarnCount = 0;
    }

    if (gs.groupSize >= 8) {
        gs.superEarnStreak += 1;
        report::playSound("AddSuperBomb.ogg");
        placeBonus(row, column, kSuperBomb);
    } else if (gs.groupSize >= 5) {
        gs.superEarnStreak = 0;
        gs.bombEarnStreak += 1;
        report::playSound("AddBomb.ogg");
        placeBonus(row, column, kBomb);
    } else {
        gs.superEarnStreak = 0;
        gs.bombEarnStreak = 0;
    }

    gs.bombStreak = hadBomb ? gs.bombStreak + 1 : 0;
    gs.thunderStreak = hadThunder ? gs.thunderStreak + 1 : 0;
    gs.superStreak = hadSuper ? gs.superStreak + 1 : 0;

    auto trophyAt = [](int32_t& counter, int reach, int trophy) {
        if (counter < reach) return;
        counter = 0;
        report::requestTrophy(trophy);
    };
    trophyAt(gs.bombStreak, 5, 14);
    trophyAt(gs.superStreak, 3, 6);
    trophyAt(gs.thunderStreak, 4, 7);
    trophyAt(gs.bombEarnStreak, 5, 15);
    trophyAt(gs.superEarnStreak, 3, 11);
    if (gs.thunderEarnCount >= 4) gs.sinceThunder = 0;
    trophyAt(gs.thunderEarnCount, 4, 13);
}

void triggerBonuses(int delay) {
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            if (cell.removal != 1 || cell.fig.kind < 0 || cell.fig.bonus <= 0) continue;
            Blast& b = blasts[gs.blastRing];
            gs.blastRing = (gs.blastRing + 1) % kBlastCount;
            b = Blast{};
            b.type = cell.fig.bonus;
            b.row = r;
            b.column = c;
            b.position = cellCentre(r, c);
            b.startAt = animationTimeMs + 150.0f * float(delay);
            b.duration = blastDuration(b.type);
            if (cell.fig.nextBonus > 0) {
                cell.removal = 0;
                cell.fig.bonus = cell.fig.nextBonus;
            } else {
                cell.fig.bonus = 0;
            }
            cell.fig.nextBonus = 0;
            if (delay > 0) gs.chainCount += 1;
        }
}

void updateBlasts(float dt) {
    for (auto& b : blasts) {
        if (b.type <= 0) continue;
        if (!b.started) {
            if (b.startAt <= animationTimeMs) startBlast(b);
            continue;
        }
        b.elapsed += dt;
        if (b.type != kThunder) {
            if (b.elapsed < 200) liftFigures(b, dt);
            if (b.type != kBomb) advanceRays(b);
        }
        if (b.elapsed > b.duration) b.type = 0;
    }
}

void hitCell(int row, int column, const Blast& blast) {
    Cell& cell = board[row][column];
    if (!hasFigure(row, column) || cell.removal != 0) return;
    int blastKind = board[blast.row][blast.column].fig.kind;
    Vec2 at = cellCentre(row, column);
    if (cell.fig.bonus > 0) {
        if (cell.fig.bonus == kThunder && blast.type == kThunder && cell.fig.kind == blastKind) {
            cell.removal = cell.lock ? 0 : 3;
            report::spawnEffect("lightning", at.x + 1, at.y + 2);
        } else {
            cell.removal = cell.lock ? 0 : 1;
        }
    } else if (blast.type == kBomb) {
        cell.removal = cell.lock ? 0 : 1;
    } else if (blast.type == kThunder) {
        cell.removal = cell.lock ? 0 : 3;
        report::spawnEffect("lightning", at.x + 1, at.y + 2);
    }
    cell.hit = 1;
    board[blast.row][blast.column].points += gs.sameKindStreak;
}

void updateBolts(float dt) {
    for (auto& set : boltSets) {
        if (set.life <= 0) continue;
        set.life -= dt;
        if (set.life <= 0) set = BoltSet{};
    }
}

void updateShake(float dt) {
    if (!shake.active) return;
    shake.time += dt;
    if (shake.time > 150) {
        shake = Shake{};
        return;
    }
    float s = 4.0f * std::sin(0.06f * shake.time);
    shake.shift = {s, s};
}

} // namespace aw
