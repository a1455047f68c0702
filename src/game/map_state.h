// The adventure map's choice of level: which levels show as completed, the
// stage in view, the selected level that "start" plays and the mode's
// current level. The rules here are pure; the map's view, drawing, sounds and
// artefacts build on them.
//
// Lifetime: one record for the run; placeOnMap rewrites it whenever a mode
// screen opens; resetMapState() empties it (tests).
#pragma once
#include "game/stages.h"

namespace aw {

constexpr int kMapLevelSlots = 1024;

struct MapState {
    bool completed[kMapLevelSlots] = {};
    int shownStage = 0;
    int selectedLevel = 0; // never beyond 128
    int currentLevel = 0;  // where the mode's progress stands
    int moveFromLevel = -1; // the level just completed when the map opened after it, else -1
    bool justAdvanced = false; // opened on the way back from a completed level
};

extern MapState mapState;

// Levels 0 .. furthest - 1 completed, the others not; level selected and current.
void placeOnMap(int level, int furthest, int moveFrom);
int mapSelectedLevel();
// Whether "start" plays the mode's current level; when it does, that level's
// stage is brought into view.
bool mapSelectionIsCurrent();
// No level completed, level 0 selected and current (an earlier level replayed from the start).
void resetMapMarks();

bool stageReached(int stage);
bool stageComplete(int stage);
// A level may be chosen when it is the first of the game or the one before it is completed.
bool levelOpen(int level);
// Selects an open level other than the selected one; false when refused.
bool selectMapLevel(int level);
// Brings a reached stage into view and selects its first level not completed
// (its first level when all are); false when the stage is not reached.
bool showMapStage(int stage);

void resetMapState();

} // namespace aw
