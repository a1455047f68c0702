#include "game/map_state.h"

namespace aw {

MapState mapState;

namespace {
int clampLevel(int level) { return level < 0 ? 0 : level >= kLevelCount ? kLevelCount - 1 : level; }
} // namespace

void placeOnMap(int level, int furthest, int moveFrom) {
    for (int i = 0; i < kMapLevelSlots; ++i) mapState.completed[i] = i < furthest;
    mapState.selectedLevel = clampLevel(level);
    mapState.currentLevel = level;
    mapState.moveFromLevel = moveFrom;
    if (moveFrom < 0) mapState.shownStage = stageOfLevel(mapState.selectedLevel);
}

int mapSelectedLevel() { return mapState.selectedLevel; }

bool mapSelectionIsCurrent() {
    if (mapState.selectedLevel != mapState.currentLevel) return false;
    mapState.shownStage = stageOfLevel(mapState.selectedLevel);
    return true;
}

void resetMapMarks() {
    for (bool& c : mapState.completed) c = false;
    mapState.selectedLevel = 0;
    mapState.currentLevel = 0;
}

bool stageComplete(int stage) {
    if (stage < 0 || stage >= kStageCount) return false;
    int first = firstLevelOfStage(stage);
    for (int i = first; i < first + kStageSizes[stage]; ++i)
        if (!mapState.completed[i]) return false;
    return true;
}

bool stageReached(int stage) {
    if (stage < 0 || stage >= kStageCount) return false;
    if (stage == 0 || stageComplete(stage - 1)) return true;
    int first = firstLevelOfStage(stage);
    for (int i = first; i < first + kStageSizes[stage]; ++i)
        if (mapState.completed[i]) return true;
    return false;
}

bool levelOpen(int level) {
    if (level < 0 || level >= kLevelCount) return false;
    return level == 0 || mapState.completed[level - 1];
}

bool selectMapLevel(int level) {
    if (!levelOpen(level) || level == mapState.selectedLevel) return false;
    mapState.selectedLevel = level;
    return true;
}

bool showMapStage(int stage) {
    if (!stageReached(stage)) return false;
    int first = firstLevelOfStage(stage);
    int pick = first;
    for (int i = first; i < first + kStageSizes[stage]; ++i)
        if (!mapState.completed[i]) {
            pick = i;
            break;
        }
    mapState.shownStage = stage;
    mapState.selectedLevel = pick;
    return true;
}

void resetMapState() { mapState = MapState{}; }

} // namespace aw
