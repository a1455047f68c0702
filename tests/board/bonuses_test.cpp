#include "board_fixture.h"

namespace aw::test {
namespace {

class Bonuses : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        gs.cooldown = -1;
    }
    void place(int r, int c, int kind, int bonus = 0) {
        at(r, c).fig.kind = kind;
        at(r, c).fig.bonus = bonus;
        gs.groupSize = 0;
    }
    int activeBlasts() {
        int n = 0;
        for (auto& b : blasts) n += b.type > 0;
        return n;
    }
};

TEST_F(Bonuses, FourthClickInARowOnOneKindEarnsThunder) {
    for (int i = 0; i < 4; ++i) {
        place(10, 0, 6);
        place(10, 1, 6);
        clickAt(10, 0);
        if (i < 3) {
            EXPECT_EQ(heard.count("AddThunder.ogg"), 0) << i;
            runUntilRest();
        }
    }
    EXPECT_EQ(heard.count("AddThunder.ogg"), 1);
    EXPECT_EQ(at(10, 0).fig.bonus, kThunder);
    EXPECT_EQ(at(10, 0).removal, 0);
    EXPECT_EQ(at(10, 1).removal, 1);
    EXPECT_EQ(gs.sameKindStreak, 3);
    EXPECT_EQ(gs.thunderEarnCount, 1);
    runUntilRest();
    EXPECT_EQ(at(10, 0).fig.kind, 6);
    EXPECT_EQ(at(10, 0).fig.bonus, kThunder);
}

TEST_F(Bonuses, GroupSizeEarnsBombOrSuperBomb) {
    for (int c = 0; c < 5; ++c) place(10, c, 6);
    clickAt(10, 2);
    EXPECT_EQ(at(10, 2).fig.bonus, kBomb);
    EXPECT_EQ(at(10, 2).fig.bonusGlow, 2000);
    EXPECT_EQ(heard.count("AddBomb.ogg"), 1);
    EXPECT_EQ(gs.bombEarnStreak, 1);
    runUntilRest();
    for (int c = 0; c < 8; ++c) place(9, c, 7);
    clickAt(9, 0);
    EXPECT_EQ(at(9, 0).fig.bonus, kSuperBomb);
    EXPECT_EQ(heard.count("AddSuperBomb.ogg"), 1);
    EXPECT_EQ(gs.bombEarnStreak, 1); // a super bomb leaves it alone
    EXPECT_EQ(gs.superEarnStreak, 1);
}

TEST_F(Bonuses, BombInTheGroupGoesOffAtOnceAndChainsAnotherLater) {
    place(5, 5, 6, kBomb);
    place(5, 6, 6);
    place(7, 5, 0, kBomb); // two rows below: inside the first bomb's reach
    clickAt(5, 6);
    EXPECT_EQ(activeBlasts(), 1);
    tick(16);
    EXPECT_EQ(heard.count("ExplosionBomb.ogg"), 1);
    EXPECT_EQ(at(7, 5).removal, 1);
    EXPECT_EQ(gs.chainCount, 1);
    EXPECT_EQ(activeBlasts(), 2);
    for (int i = 0; i < 9; ++i) tick(16); // 144 ms later
    EXPECT_EQ(heard.count("ExplosionBomb.ogg"), 1);
    tick(16); // 160 ms
    EXPECT_EQ(heard.count("ExplosionBomb.ogg"), 2);
    EXPECT_EQ(gs.chainCount, 1);
}

TEST_F(Bonuses, EveryCellABlastReachesPaysTheComboToTheBlastCell) {
    gs.sameKindStreak = 2;
    gs.lastClickedKind = 6;
    place(5, 5, 6, kBomb);
    place(5, 6, 6);
    at(5, 7).ground = -1; // a hole: nothing there to reach
    at(5, 7).fig.kind = -1;
    clickAt(5, 6); // same kind again: the combo rises to 3
    ASSERT_EQ(gs.sameKindStreak, 3);
    tick(16);
    // Eleven cells of the bomb's twelve hold figures; (5,6) was already marked.
    EXPECT_EQ(at(5, 5).points, 10 * 3);
    int scoreBefore = gs.score;
    for (int i = 0; i < 20; ++i) tick(16);
    // 12 figures at 40 each, plus the 30 the blast cell collected.
    EXPECT_EQ(gs.score - scoreBefore, 12 * 40 + 30);
}

TEST_F(Bonuses, CooldownCoversARunningBlast) {
    place(5, 5, 6, kBomb);
    place(5, 6, 6);
    clickAt(5, 6);
    int frames = 0;
    tick(16);
    // The blast raised the cooldown to its length as it started; the frame
    // counts down both, so the cooldown never falls short of what is left
    // by more than the frame that is running.
    while (activeBlasts() > 0 && frames < 100) {
        const Blast* b = nullptr;
        for (auto& x : blasts)
            if (x.type > 0) b = &x;
        EXPECT_GE(gs.cooldown, b->duration - b->elapsed - 16) << frames;
        if (gs.cooldown >= 0) EXPECT_EQ(heard.count("BreakFigure1.ogg"), 0) << frames;
        tick(16);
        ++frames;
    }
    EXPECT_GE(frames * 16, 250 - 16);
    runUntilRest();
    EXPECT_GT(heard.count("BreakFigure1.ogg"), 2);
}

TEST_F(Bonuses, ThunderStruckThunderFigureGoesWithoutGoingOff) {
    place(5, 5, 6, kThunder);
    place(5, 6, 6);
    place(9, 9, 6, kThunder);
    place(1, 1, 6);
    clickAt(5, 6);
    tick(16);
    EXPECT_EQ(heard.count("Thunderbolt.ogg"), 1);
    EXPECT_EQ(at(9, 9).removal, 3);
    EXPECT_EQ(at(1, 1).removal, 3);
    EXPECT_EQ(gs.chainCount, 0);
    EXPECT_EQ(boltSets[0].count, 3); // the blast cell plus the two struck
    runUntilRest();
    EXPECT_EQ(heard.count("Thunderbolt.ogg"), 1);
}

TEST_F(Bonuses, ThunderFigureInABombsReachGoesOffLater) {
    place(5, 5, 6, kBomb);
    place(5, 6, 6);
    place(5, 7, 0, kThunder);
    clickAt(5, 6);
    tick(16);
    EXPECT_EQ(at(5, 7).removal, 1);
    EXPECT_EQ(gs.chainCount, 1);
    for (int i = 0; i < 12; ++i) tick(16);
    EXPECT_EQ(heard.count("Thunderbolt.ogg"), 1);
}

TEST_F(Bonuses, LockedFigureInABombsReachOnlyLosesItsLock) {
    place(5, 5, 6, kBomb);
    place(5, 6, 6);
    at(4, 5).lock = 1;
    int kind = at(4, 5).fig.kind;
    clickAt(5, 6);
    tick(16);
    EXPECT_EQ(at(4, 5).removal, 0);
    EXPECT_EQ(at(4, 5).hit, 1);
    runUntilRest();
    EXPECT_EQ(at(4, 5).lock, 0);
    EXPECT_EQ(at(4, 5).fig.kind, kind);
}

TEST_F(Bonuses, RayRemovesALockedFigure) {
    place(5, 5, 6, kCrossBomb);
    place(5, 4, 6);
    at(5, 8).lock = 1;
    int above = at(4, 8).fig.kind;
    clickAt(5, 4);
    tick(16);
    EXPECT_EQ(at(5, 8).removal, 0); // the ray has not got there yet
    EXPECT_EQ(at(5, 8).hit, 1);
    int frames = 0;
    while (at(5, 8).removal == 0 && frames++ < 40) tick(16);
    EXPECT_EQ(at(5, 8).removal, 1);
    EXPECT_GE(frames * 16, 3 * 60 - 32);
    EXPECT_GT(heard.count("krestbomb"), 0);
    runUntilRest();
    EXPECT_EQ(at(5, 8).lock, 0);
    EXPECT_EQ(heard.count("BreakZep.ogg"), 1);
    EXPECT_EQ(at(5, 8).fig.kind, above); // the figure went; the one above fell in
}

TEST_F(Bonuses, GroupOfEightOnABombFigureLeavesASuperBomb) {
    for (int c = 0; c < 8; ++c) place(10, c, 6);
    at(10, 0).fig.bonus = kBomb;
    clickAt(10, 0);
    EXPECT_EQ(at(10, 0).fig.bonus, kSuperBomb);
    EXPECT_EQ(at(10, 0).fig.nextBonus, 0);
    EXPECT_EQ(at(10, 0).removal, 0);
    EXPECT_EQ(activeBlasts(), 1);
    tick(16);
    EXPECT_EQ(heard.count("ExplosionBomb.ogg"), 1);
    runUntilRest();
    EXPECT_EQ(at(10, 0).fig.kind, 6);
    EXPECT_EQ(at(10, 0).fig.bonus, kSuperBomb);
}

TEST_F(Bonuses, BlastsShakeTheBoardAndLiftFiguresAbove) {
    place(8, 5, 6, kBomb);
    place(8, 6, 6);
    clickAt(8, 6);
    tick(16);
    tick(16);
    EXPECT_TRUE(shake.active);
    EXPECT_GT(at(2, 5).fig.offset.y, 0);
}

TEST_F(Bonuses, HammerChargesAndBecomesReadyOnce) {
    gs.hammerTarget = 0.9f;
    for (int i = 0; i < 2000 && !gs.hammerReady; ++i) updateHammer(16);
    EXPECT_TRUE(gs.hammerReady);
    EXPECT_FLOAT_EQ(gs.hammerCharge, 0.88f);
    EXPECT_EQ(heard.count("GetHammer.ogg"), 1);
    EXPECT_EQ(heard.count("usehammer"), 1);
    for (int i = 0; i < 20; ++i) updateHammer(16);
    EXPECT_EQ(heard.count("GetHammer.ogg"), 1);
    // Suspended under an overlay.
    gs.hammerReady = false;
    playState.overlayShown = true;
    updateHammer(16);
    EXPECT_FALSE(gs.hammerReady);
}

} // namespace
} // namespace aw::test
