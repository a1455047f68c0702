#include "board_fixture.h"

namespace aw::test {
namespace {

class Groups : public BoardTest {};

TEST_F(Groups, EdgeNeighboursFormAGroupCornersDoNot) {
    EXPECT_FALSE(labelGroups());
    EXPECT_EQ(gs.groupCount, 0);

    at(4, 4).fig.kind = 6;
    at(5, 5).fig.kind = 6; // corner contact only
    EXPECT_FALSE(labelGroups());

    at(4, 5).fig.kind = 6; // now all three touch by edges
    EXPECT_TRUE(labelGroups());
    EXPECT_EQ(gs.groupCount, 1);
    EXPECT_EQ(at(4, 4).groupId, 0);
    EXPECT_EQ(at(4, 4).searchDistance, 0);
    EXPECT_EQ(at(4, 5).searchDistance, 1);
    EXPECT_EQ(at(5, 5).searchDistance, 2);
    EXPECT_EQ(at(0, 0).groupId, -1); // singles keep no label
}

TEST_F(Groups, HolesAndEmptyCellsNeverJoin) {
    at(2, 2).fig.kind = 6;
    at(2, 3).fig.kind = 6;
    at(2, 3).ground = -1; // a hole holding stale data is no cell
    at(3, 2).fig.kind = -1;
    at(4, 2).fig.kind = -1; // two empty cells side by side are no group
    EXPECT_FALSE(labelGroups());
}

TEST_F(Groups, HoverGroupStartsAtTheClickedCellThenBreadthFirst) {
    // An L of kind 6: (5,3) (5,4) (5,5) (4,5) (6,3)
    for (auto [r, c] : {std::pair{5, 3}, {5, 4}, {5, 5}, {4, 5}, {6, 3}}) at(r, c).fig.kind = 6;
    buildHoverGroup(5, 4);
    ASSERT_EQ(gs.groupSize, 5);
    EXPECT_EQ(gs.groupKind, 6);
    int expected[5][2] = {{5, 4}, {5, 5}, {5, 3}, {6, 3}, {4, 5}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gs.groupRows[i], expected[i][0]) << i;
        EXPECT_EQ(gs.groupColumns[i], expected[i][1]) << i;
    }
    // An empty cell leaves the list (but not its first entry) alone.
    at(0, 0).fig.kind = -1;
    buildHoverGroup(0, 0);
    EXPECT_EQ(gs.groupSize, 5);
}

class BreakStep : public BoardTest {};

TEST_F(BreakStep, ComboMultipliesPointsAndSquaresLoseOneLevel) {
    gs.sameKindStreak = 2;
    at(10, 4).ground = 2;
    at(10, 4).removal = 1;
    at(10, 4).hit = 1;
    breakStep();
    EXPECT_EQ(gs.score, 300);
    EXPECT_EQ(at(10, 4).ground, 1);
    EXPECT_EQ(at(10, 4).fig.kind, -1);
    EXPECT_EQ(at(10, 4).removal, 0);
    EXPECT_EQ(at(10, 4).hit, 0);
    EXPECT_EQ(heard.count("BreakSquare.ogg"), 1);
    EXPECT_EQ(heard.count("BreakFigure3.ogg"), 1);
    // The removed figure flies off as debris; its points float up.
    EXPECT_EQ(debris[0].kind, (10 % 2) * 2 + (4 % 2) + 1);
    EXPECT_EQ(floatingPoints[0].value, 300);
    EXPECT_NEAR(gs.hammerTarget, 0.18f + 0.0105f, 1e-5f);
}

TEST_F(BreakStep, LockedFigureLosesItsLockAndStays) {
    at(3, 3).lock = 1;
    at(3, 3).ground = 2;
    at(3, 3).fig.kind = 5;
    at(3, 3).hit = 1; // a click hits a locked figure without marking it
    gs.breakables = 10;
    breakStep();
    EXPECT_EQ(at(3, 3).lock, 0);
    EXPECT_EQ(at(3, 3).fig.kind, 5);
    EXPECT_EQ(at(3, 3).ground, 2);
    EXPECT_EQ(gs.score, 90);
    EXPECT_EQ(gs.breakables, 9);
    EXPECT_EQ(heard.count("BreakZep.ogg"), 1);
    EXPECT_EQ(heard.count("zep1"), 1);
}

TEST_F(BreakStep, ThunderStrikesLeaveNoDebris) {
    at(2, 2).removal = 3;
    breakStep();
    EXPECT_EQ(at(2, 2).fig.kind, -1);
    for (auto& d : debris) EXPECT_EQ(d.kind, 0);
    EXPECT_EQ(gs.score, 10);
}

TEST_F(BreakStep, BreakSoundByCombo) {
    int frequency = 0;
    EXPECT_STREQ(breakSoundName(0, &frequency), "BreakFigure1.ogg");
    EXPECT_EQ(frequency, 44100);
    EXPECT_STREQ(breakSoundName(7, &frequency), "BreakFigure8.ogg");
    EXPECT_EQ(frequency, 44100);
    EXPECT_STREQ(breakSoundName(8, &frequency), "BreakFigure.ogg");
    EXPECT_EQ(frequency, 24050);
    gs.sameKindStreak = 8;
    at(0, 0).removal = 1;
    breakStep();
    ASSERT_EQ(heard.sounds.size(), 1u);
    EXPECT_EQ(heard.sounds[0].name, "BreakFigure.ogg");
    EXPECT_EQ(heard.sounds[0].frequency, 24050);
}

TEST_F(BreakStep, LargeStepTotalsAskForTrophiesInTurn) {
    gs.sameKindStreak = 10; // 110 per figure, 990 per level broken
    for (int c = 0; c < 12; ++c) {
        at(10, c).ground = 2;
        at(10, c).removal = 1;
        at(10, c).hit = 1;
    }
    heard.grantTrophies = false;
    breakStep(); // 12 * 1100 = 13200
    EXPECT_EQ(heard.trophyRequests, (std::vector<int>{4, 5, 2}));
}

TEST_F(BreakStep, FirstBonusTipsOnASettledBoardAfterTheFirstLevel) {
    at(4, 4).fig.bonus = kBomb;
    at(6, 6).fig.bonus = kSuperBomb;
    breakStep();
    EXPECT_EQ(heard.tips, (std::vector<std::string>{"b_t_firstbonus1", "b_t_firstbonus5"}));
    heard.tips.clear();
    playState.levelIndex = 0;
    breakStep();
    EXPECT_TRUE(heard.tips.empty());
}

} // namespace
} // namespace aw::test
