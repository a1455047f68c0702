#include "game/map_state.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(Stages, ConversionsHoldAtEveryStageBoundary) {
    int first = 0;
    for (int s = 0; s < kStageCount; ++s) {
        EXPECT_EQ(firstLevelOfStage(s), first);
        EXPECT_EQ(stageOfLevel(first), s);
        EXPECT_EQ(levelWithinStage(first), 0);
        int last = first + kStageSizes[s] - 1;
        EXPECT_EQ(stageOfLevel(last), s);
        EXPECT_EQ(levelWithinStage(last), kStageSizes[s] - 1);
        EXPECT_EQ(levelIndexOf(s, kStageSizes[s] - 1), last);
        first = last + 1;
    }
    EXPECT_EQ(stageOfLevel(128), 14);
    EXPECT_EQ(stageOfLevel(129), 15);
    EXPECT_EQ(stageOfLevel(-5), 0);
}

TEST(MapState, OpeningChoosingAndStagesFollowTheCompletedLevels) {
    resetMapState();
    placeOnMap(0, 0, -1);
    EXPECT_EQ(mapSelectedLevel(), 0);
    EXPECT_TRUE(mapSelectionIsCurrent());
    EXPECT_TRUE(stageReached(0));
    EXPECT_FALSE(stageReached(1));
    EXPECT_FALSE(selectMapLevel(1)) << "level 1 needs level 0 completed";

    // The first stage (4 levels) done: the next one is reached and its first level chosen.
    placeOnMap(4, 4, -1);
    EXPECT_TRUE(stageComplete(0));
    EXPECT_TRUE(stageReached(1));
    EXPECT_EQ(mapState.shownStage, 1);
    EXPECT_TRUE(selectMapLevel(2));
    EXPECT_FALSE(mapSelectionIsCurrent());
    EXPECT_FALSE(selectMapLevel(2)) << "already selected";
    EXPECT_TRUE(showMapStage(1));
    EXPECT_EQ(mapSelectedLevel(), 4);
    EXPECT_TRUE(showMapStage(0));
    EXPECT_EQ(mapSelectedLevel(), 0) << "every level done: the stage's first";
    EXPECT_FALSE(showMapStage(2));

    // After the last level the selection stays on 128.
    placeOnMap(129, 129, 128);
    EXPECT_EQ(mapSelectedLevel(), 128);
    resetMapMarks();
    EXPECT_EQ(mapSelectedLevel(), 0);
    EXPECT_FALSE(stageComplete(0));
}

} // namespace
} // namespace aw
