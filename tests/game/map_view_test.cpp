// The map frame by frame, through its clicks and its outward calls: what a
// player sees and hears when a mode screen opens, when levels and stages are
// chosen, after a completed level and after the last one.
#include "board/play_state.h"
#include "game/map_outward.h"
#include "game/map_path.h"
#include "game/map_state.h"
#include "resources/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace aw {
namespace {

struct Recorded {
    std::vector<int> sounds;
    std::vector<std::string> effects;
    int buttons = 0, clicks = 0, leaves = 0;
};
Recorded rec;

bool heard(int n) {
    for (int s : rec.sounds)
        if (s == n) return true;
    return false;
}
int effectCount(const char* name) {
    int n = 0;
    for (const std::string& e : rec.effects) n += e == name;
    return n;
}

class MapView : public ::testing::Test {
protected:
    void SetUp() override {
        rec = Recorded{};
        resetMapState();
        resetMapPath();
        playState = PlayState{};
        mapOutward.playSound = [](int n) { rec.sounds.push_back(n); };
        mapOutward.playButton = [] { ++rec.buttons; };
        mapOutward.playClick = [] { ++rec.clicks; };
        mapOutward.startEffect = [](const char* name, float, float, float) { rec.effects.push_back(name); };
        mapOutward.leaveForHiscore = [] { ++rec.leaves; };
    }
    void TearDown() override {
        mapOutward = defaultMapOutward();
        playState = PlayState{};
    }
    // Frames of 16 ms with the mouse resting at the screen centre.
    void run(float ms, Vec2 mouse = {}) {
        for (float t = 0; t < ms; t += 16) updateMap(16, mouse);
    }
    Vec2 levelAt(int level) { return ringLevelScreen(stageOfLevel(level), levelWithinStage(level)); }
};

TEST_F(MapView, FirstOpeningShowsStageOneWithLevelOneAndNoStars) {
    placeOnMap(0, 0, -1);
    run(2500);
    EXPECT_EQ(mapState.shownStage, 0);
    EXPECT_EQ(mapSelectedLevel(), 0);
    EXPECT_TRUE(mapSelectionIsCurrent());
    for (int level = 0; level < kLevelCount; ++level) ASSERT_FALSE(levelShownCompleted(level));
    for (int s = 1; s < kStageCount; ++s) EXPECT_FALSE(stageReached(s)) << "stage " << s << " shows only its faint artefact";
    EXPECT_EQ(panelFragments(), 0);
    EXPECT_TRUE(rec.sounds.empty());
}

TEST_F(MapView, LevelClicksFollowTheOpenLevelsWithTheirSoundAndSpark) {
    placeOnMap(2, 2, -1); // levels 1 and 2 done, level 3 current
    run(2500);
    // Level 4 needs level 3: the click changes nothing and is silent.
    ASSERT_TRUE(mapClick(levelAt(3)));
    EXPECT_EQ(mapSelectedLevel(), 2);
    EXPECT_TRUE(rec.sounds.empty());
    EXPECT_EQ(effectCount("map02"), 0);
    // An earlier, open level is chosen: sound 1 and a spark.
    ASSERT_TRUE(mapClick(levelAt(0)));
    EXPECT_EQ(mapSelectedLevel(), 0);
    EXPECT_EQ(rec.sounds, std::vector<int>{1});
    EXPECT_EQ(effectCount("map02"), 1);
    EXPECT_FALSE(mapSelectionIsCurrent());
    // The selected level again: nothing more.
    mapClick(levelAt(0));
    EXPECT_EQ(rec.sounds.size(), 1u);
    // Far from any mark the map leaves the click to the screens.
    EXPECT_FALSE(mapClick({390, -290}));
}

TEST_F(MapView, StageClicksBringAReachedStageIntoViewAlongThePath) {
    placeOnMap(12, 12, -1); // stages 1 and 2 complete, stage 3 begun
    run(3000);
    ASSERT_EQ(mapState.shownStage, 2);
    rec = Recorded{};
    // Stage 5 is not reached: its faint mark does not react.
    EXPECT_FALSE(mapClick(stageMarkScreen(4)));
    ASSERT_TRUE(mapClick(stageMarkScreen(0)));
    EXPECT_EQ(mapState.shownStage, 0);
    EXPECT_EQ(mapSelectedLevel(), 0) << "every level done: the stage's first";
    EXPECT_EQ(rec.sounds, std::vector<int>{5});
    // The view glides: never faster than 0.6 units per ms, the ring waits
    // while it is far, and it stops exactly on the stage.
    float target = stageDistance(0), last = mapState.viewDistance;
    ASSERT_GT(last - target, kRingWaitDistance);
    bool ringHeld = true;
    while (mapState.viewDistance != target) {
        updateMap(16, {});
        float moved = last - mapState.viewDistance;
        ASSERT_LE(moved, 0.6f * 16 + 1e-3f);
        if (mapState.viewDistance != target) {
            ASSERT_GE(moved, 0.15f * 16 - 1e-3f);
        }
        if (std::fabs(target - mapState.viewDistance) > kRingWaitDistance) ringHeld &= mapState.ringTimerMs == kRingAppearMs;
        last = mapState.viewDistance;
    }
    EXPECT_TRUE(ringHeld);
    EXPECT_TRUE(heard(9)) << "the view came near its stage";
    EXPECT_EQ(effectCount("map01"), 1) << "arrival";
}

TEST_F(MapView, LastLevelOfAStageCompletesTheArtefactAndMovesOnToTheNextStage) {
    placeOnMap(3, 3, -1);
    run(2500);
    // Level 4 (the stage's last) completed: back on the map after it.
    placeOnMap(4, 4, 3);
    EXPECT_EQ(mapSelectedLevel(), 4) << "the next stage's first level";
    EXPECT_EQ(mapState.shownStage, 0) << "the star appears on its own stage first";
    EXPECT_FALSE(levelShownCompleted(3));
    EXPECT_EQ(panelFragments(), 7);
    run(900);
    EXPECT_TRUE(mapState.starPending);
    run(200);
    EXPECT_FALSE(mapState.starPending);
    EXPECT_TRUE(heard(3));
    EXPECT_TRUE(mapSequenceBusy());
    EXPECT_TRUE(mapClick(stageMarkScreen(1))) << "stage clicks wait for the fragments";
    EXPECT_EQ(mapState.shownStage, 0);
    run(4000);
    EXPECT_TRUE(heard(4)) << "a fragment landed";
    EXPECT_TRUE(heard(6)) << "the artefact view opened";
    EXPECT_EQ(panelFragments(), 10);
    EXPECT_TRUE(stageShownComplete(0));
    ASSERT_EQ(mapState.artefactView, ArtefactView::open);
    // Only the view's button closes it.
    mapClick({0, 0});
    EXPECT_EQ(mapState.artefactView, ArtefactView::open);
    mapClick(artefactOkCentre());
    EXPECT_EQ(rec.buttons, 1);
    run(400);
    EXPECT_EQ(mapState.artefactView, ArtefactView::closed);
    EXPECT_TRUE(heard(8));
    EXPECT_EQ(mapState.shownStage, 1);
    EXPECT_TRUE(mapSelectionIsCurrent());
    int sparks = effectCount("map02");
    run(3000);
    EXPECT_GT(effectCount("map02"), sparks) << "sparks around the next stage's mark";
    EXPECT_EQ(mapState.moveFromLevel, -1);
}

TEST_F(MapView, AReplayedLevelShinesAgainWithoutNewFragments) {
    placeOnMap(6, 6, -1);
    run(2500);
    // Level 5 played again from the map; the furthest level stays where it was.
    placeOnMap(5, 6, 4);
    EXPECT_TRUE(mapState.replayedLevel);
    run(1700);
    EXPECT_TRUE(heard(2));
    EXPECT_FALSE(heard(3));
    EXPECT_FALSE(heard(4));
    EXPECT_EQ(mapState.moveFromLevel, -1) << "the star's time was cut to 500 ms";
    EXPECT_EQ(mapState.artefactView, ArtefactView::closed);
    // A level completed for the first time brings its fragments.
    placeOnMap(7, 7, 6);
    EXPECT_FALSE(mapState.replayedLevel);
    EXPECT_EQ(mapState.fragmentsAfter - mapState.fragmentsBefore, 2); // stage 2 has 5 levels
}

TEST_F(MapView, AfterTheLastLevelTheCongratulationLeadsToTheHighScores) {
    playState.finished = true;
    placeOnMap(0, 128, -1); // the play flow has put the mode back to level 0
    EXPECT_EQ(mapSelectedLevel(), 128);
    for (int level = 0; level < kLevelCount; ++level) ASSERT_TRUE(levelShownCompleted(level));
    run(300);
    EXPECT_LT(congratulationScale(), 1) << "still growing";
    run(400);
    EXPECT_EQ(mapState.congratulation, kCongratulationWait);
    EXPECT_FLOAT_EQ(congratulationScale(), 1);
    // Clicks elsewhere, on stages or levels, are swallowed.
    EXPECT_TRUE(mapClick(levelAt(127)));
    EXPECT_EQ(mapSelectedLevel(), 128);
    run(2000);
    EXPECT_EQ(mapState.congratulation, kCongratulationWait);
    mapClick(congratulationOkCentre());
    EXPECT_EQ(rec.clicks, 1);
    run(300);
    EXPECT_EQ(mapSelectedLevel(), 128) << "until the panel has shrunk";
    EXPECT_TRUE(playState.finished);
    run(300);
    EXPECT_EQ(mapState.congratulation, kCongratulationIdle);
    EXPECT_EQ(mapSelectedLevel(), 0);
    EXPECT_FALSE(playState.finished);
    EXPECT_EQ(rec.leaves, 1);
    run(1000);
    EXPECT_EQ(rec.leaves, 1);
}

TEST_F(MapView, WithoutAPathFileEveryStageCanStillBeChosen) {
    awtest::ScratchDir empty;
    EXPECT_FALSE(loadMapPath()); // nothing to read here
    placeOnMap(128, 128, -1);    // every stage reached
    for (int s = 0; s < kStageCount; ++s) {
        int other = (s + 7) % kStageCount;
        run(6000);
        ASSERT_TRUE(mapClick(stageMarkScreen(other))) << "stage " << other;
        EXPECT_EQ(mapState.shownStage, other);
        EXPECT_EQ(mapSelectedLevel(), other == 14 ? 128 : firstLevelOfStage(other)) << "its first open level";
    }
    run(6000);
    // And every level of the stage in view can be picked.
    int stage = mapState.shownStage;
    for (int k = stageSize(stage) - 1; k >= 0; --k) {
        mapClick(ringLevelScreen(stage, k));
        EXPECT_EQ(mapSelectedLevel(), firstLevelOfStage(stage) + k);
    }
}

TEST_F(MapView, HoveredStageSparklesAndLongFramesStayBounded) {
    placeOnMap(12, 12, -1);
    run(3000, {390, -290});
    run(800);
    rec = Recorded{};
    // The chart leans a tenth of the mouse's offset towards it.
    Vec2 mark = stageMarkScreen(0) * (1 / 0.9f);
    updateMap(400, mark);
    EXPECT_NEAR(stageMarkScreen(0).x, mark.x, 0.5f);
    EXPECT_EQ(mapState.hoveredStage, 0);
    int sparks = effectCount("map02");
    EXPECT_GE(sparks, 1);
    EXPECT_LE(sparks, 8) << "a long frame does not burst the pool";
    run(400, mark);
    EXPECT_GE(effectCount("map02") - sparks, 8);
    // A stalled or broken clock changes nothing dangerous.
    float view = mapState.viewDistance;
    updateMap(std::nanf(""), {});
    updateMap(-50, {});
    EXPECT_EQ(mapState.viewDistance, view);
}

} // namespace
} // namespace aw
