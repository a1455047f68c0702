#include "game/map_state.h"

#include "board/play_state.h"
#include "game/map_path.h"

#include <cmath>

namespace aw {

MapState mapState;

namespace {

int clampLevel(int level) { return level < 0 ? 0 : level >= kLevelCount ? kLevelCount - 1 : level; }

int modeSlot() {
    int m = int(playState.mode);
    return m < 0 || m >= kModeCount ? 0 : m;
}

int completedInStage(int stage, bool shown) {
    int first = firstLevelOfStage(stage), n = 0;
    for (int i = first; i < first + stageSize(stage); ++i) n += shown ? levelShownCompleted(i) : mapState.completed[i];
    return n;
}

int fragmentsFor(int completedLevels, int stage) {
    int size = stageSize(stage);
    return size > 0 ? kFragmentCount * completedLevels / size : 0;
}

} // namespace

void aimMapView(int stage, bool jump) {
    float target = stageDistance(stage);
    if (stage != mapState.shownStage || target != mapState.targetDistance) mapState.ringTimerMs = kRingAppearMs;
    mapState.shownStage = stage;
    mapState.targetDistance = target;
    float away = std::fabs(target - mapState.viewDistance);
    if (jump && away > kViewJumpDistance) {
        mapState.viewDistance = target;
        away = 0;
    }
    mapState.viewNear = away <= kViewNearDistance;
}

namespace {

void clearSequence() {
    mapState.moveFromLevel = -1;
    mapState.starPending = false;
    mapState.replayedLevel = false;
    mapState.newStarTimerMs = 0;
    mapState.stageJustCompleted = false;
    mapState.fragmentLanded = false;
    mapState.artefactView = ArtefactView::closed;
    for (FlyingFragment& f : mapState.flying) f.active = false;
}

// The mode is done: every level shows completed and the last one stays selected.
void placeFinished() {
    for (int i = 0; i < kMapLevelSlots; ++i) mapState.completed[i] = i < kLevelCount;
    mapState.selectedLevel = kLevelCount - 1;
    mapState.currentLevel = kLevelCount - 1;
    aimMapView(stageOfLevel(kLevelCount - 1), true);
    mapState.ringTimerMs = kRingAppearMs;
    startMapCongratulation();
}

} // namespace

void placeOnMap(int level, int furthest, int moveFrom) {
    clearSequence();
    int mode = modeSlot();
    int placedBefore = mapState.placedFurthest[mode];
    mapState.placedFurthest[mode] = furthest;
    if (playState.finished || level >= kLevelCount) {
        placeFinished();
        return;
    }
    for (int i = 0; i < kMapLevelSlots; ++i) mapState.completed[i] = i < furthest;
    mapState.selectedLevel = clampLevel(level);
    mapState.currentLevel = level;
    if (moveFrom < 0 || moveFrom >= kLevelCount) {
        aimMapView(stageOfLevel(mapState.selectedLevel), true);
        return;
    }

    // The new star of the level just completed: it had been completed
    // before when the furthest level did not move past it this time.
    mapState.moveFromLevel = moveFrom;
    mapState.completed[moveFrom] = true;
    int previousFurthest = placedBefore == furthest ? furthest : furthest - 1;
    mapState.replayedLevel = playState.replaying || moveFrom < previousFurthest;
    mapState.starPending = true;
    mapState.newStarTimerMs = kNewStarMs;
    int stage = stageOfLevel(moveFrom);
    mapState.artefactStage = stage;
    int after = completedInStage(stage, false);
    int before = mapState.replayedLevel ? after : after - 1;
    mapState.fragmentsAfter = fragmentsFor(after, stage);
    mapState.fragmentsBefore = fragmentsFor(before, stage);
    mapState.fragmentsShown = mapState.fragmentsBefore;
    mapState.stageJustCompleted = mapState.fragmentsAfter == kFragmentCount && mapState.fragmentsBefore < kFragmentCount;
    aimMapView(stage, true);
}

int mapSelectedLevel() { return mapState.selectedLevel; }

bool mapSelectionIsCurrent() {
    if (mapState.selectedLevel != mapState.currentLevel) return false;
    aimMapView(stageOfLevel(mapState.selectedLevel), false);
    return true;
}

void resetMapMarks() {
    for (bool& c : mapState.completed) c = false;
    mapState.selectedLevel = 0;
    mapState.currentLevel = 0;
}

bool stageComplete(int stage) {
    if (stage < 0 || stage >= kStageCount) return false;
    return completedInStage(stage, false) == stageSize(stage);
}

bool stageReached(int stage) {
    if (stage < 0 || stage >= kStageCount) return false;
    return stage == 0 || stageComplete(stage - 1) || completedInStage(stage, false) > 0;
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
    for (int i = first; i < first + stageSize(stage); ++i)
        if (!mapState.completed[i]) {
            pick = i;
            break;
        }
    aimMapView(stage, false);
    mapState.selectedLevel = pick;
    return true;
}

bool levelShownCompleted(int level) {
    if (level < 0 || level >= kMapLevelSlots) return false;
    if (level == mapState.moveFromLevel && mapState.starPending) return false;
    return mapState.completed[level];
}

bool stageShownComplete(int stage) {
    if (stage < 0 || stage >= kStageCount) return false;
    return completedInStage(stage, true) == stageSize(stage);
}

int artefactFragments(int stage) {
    if (stage < 0 || stage >= kStageCount) return 0;
    return fragmentsFor(completedInStage(stage, true), stage);
}

int panelFragments() {
    if (mapState.moveFromLevel >= 0 && mapState.shownStage == mapState.artefactStage) return mapState.fragmentsShown;
    return artefactFragments(mapState.shownStage);
}

void resetMapState() { mapState = MapState{}; }

} // namespace aw
