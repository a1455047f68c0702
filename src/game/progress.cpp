#include "game/progress.h"

#include "game/stages.h"

#include <algorithm>

namespace aw {
namespace {

int clampMode(int mode) { return std::clamp(mode, 0, kModeCount - 1); }
int clampLevel(int level) { return std::clamp(level, 0, kLevelCount - 1); }

// (stage, level within stage) as an index; a pair outside the stage table
// (a damaged profile) comes back as a level that exists.
int indexOf(int stage, int within) {
    if (stage < 0 || stage >= kStageCount) return 0;
    return clampLevel(levelIndexOf(stage, std::clamp(within, 0, stageSize(stage) - 1)));
}

} // namespace

int currentLevelOf(const Profile& p, int mode) {
    mode = clampMode(mode);
    return indexOf(p.currentStage[mode], p.currentLevel[mode]);
}

int furthestLevelOf(const Profile& p, int mode) {
    mode = clampMode(mode);
    return indexOf(p.furthestStage[mode], p.furthestLevel[mode]);
}

void storeCurrentLevel(Profile& p, int mode, int level) {
    mode = clampMode(mode);
    level = clampLevel(level);
    p.currentStage[mode] = stageOfLevel(level);
    p.currentLevel[mode] = levelWithinStage(level);
}

void advanceProgress(Profile& p, int mode, int completed) {
    mode = clampMode(mode);
    completed = clampLevel(completed);
    // After the last level the course starts over at the first one.
    storeCurrentLevel(p, mode, completed + 1 < kLevelCount ? completed + 1 : 0);
    int furthest = std::max(furthestLevelOf(p, mode), std::min(completed + 1, kLevelCount - 1));
    p.furthestStage[mode] = stageOfLevel(furthest);
    p.furthestLevel[mode] = levelWithinStage(furthest);
}

int livesOf(const Profile& p, int mode) { return std::clamp(p.lives[clampMode(mode)], 0, kMaxLives); }
void setLives(Profile& p, int mode, int lives) { p.lives[clampMode(mode)] = std::clamp(lives, 0, kMaxLives); }
int modeScoreOf(const Profile& p, int mode) { return p.score[clampMode(mode)]; }
void setModeScore(Profile& p, int mode, int score) { p.score[clampMode(mode)] = score; }

} // namespace aw
