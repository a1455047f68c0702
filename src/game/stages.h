// The 129 levels in 15 stages, and the conversions between a level index
// and (stage, level within stage) that the profile's progress is kept in.
#pragma once
#include "core/game_constants.h"

namespace aw {

constexpr int kStageCount = 15;
constexpr int kStageSizes[kStageCount] = {4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10};

// The stage of level n (0..14); 15 for n of 129 or more, 0 below 0.
int stageOfLevel(int level);
// n minus the levels of the stages before its stage.
int levelWithinStage(int level);
// The first level of a stage; kLevelCount for 15 and beyond, 0 below 0.
int firstLevelOfStage(int stage);
// The level index of (stage, level within stage).
int levelIndexOf(int stage, int withinStage);
// The size of a stage; 0 outside 0..14.
int stageSize(int stage);

} // namespace aw
