#include "game/stages.h"

namespace aw {

static_assert([] {
    int sum = 0;
    for (int s : kStageSizes) sum += s;
    return sum == kLevelCount;
}());

int stageOfLevel(int level) {
    if (level < 0) return 0;
    int end = 0;
    for (int s = 0; s < kStageCount; ++s) {
        end += kStageSizes[s];
        if (level < end) return s;
    }
    return kStageCount;
}

int firstLevelOfStage(int stage) {
    if (stage <= 0) return 0;
    int first = 0;
    for (int s = 0; s < stage && s < kStageCount; ++s) first += kStageSizes[s];
    return first;
}

int levelWithinStage(int level) { return level - firstLevelOfStage(stageOfLevel(level)); }

int levelIndexOf(int stage, int withinStage) { return firstLevelOfStage(stage) + withinStage; }

int stageSize(int stage) { return stage >= 0 && stage < kStageCount ? kStageSizes[stage] : 0; }

} // namespace aw
