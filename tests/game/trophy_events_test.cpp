// Every trophy earned the way a player earns it: boards laid out by hand and
// clicked through the real board rules, with the real awards connected.
#include "board/board_fixture.h"
#include "effects/backgrounds.h"
#include "game/trophies.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "render/texture.h"
#include "resources/test_support.h"
#include "resources/text_table.h"
#include "room_fixture.h"
#include "ui/scene_transition.h"

namespace aw::test {
namespace {

class TrophyEvents : public BoardTest {
protected:
    static void SetUpTestSuite() { awtest::openHiddenWindow(); }

    awtest::ScratchDir dir;

    void SetUp() override {
        resetPersistence();
        setDataDirectory(dir.path());
        setSettingsDirectory(dir.path() + "/settings");
        ASSERT_TRUE(addProfile("ANNA"));
        newLevel();
    }
    // A level from its start: the board's counters and streaks begin again,
    // the profile keeps its trophies.
    void newLevel() {
        BoardTest::SetUp();
        gs.cooldown = -1;
        connectBoardTrophies();
        // The announcement would pause the board between the clicks; it has
        // tests of its own.
        boardOutward.trophyPending = nullptr;
        boardOutward.showTrophyNotice = nullptr;
    }
    void TearDown() override {
        BoardTest::TearDown();
        resetTrophyRoom();
        resetBackgrounds();
        releaseAllTextures();
        uiHooks = UiHooks{};
        resetSceneTransition();
        resetTextTable();
        resetPersistence();
    }

    void lay(int r, int c, int kind, int bonus = kNoBonus, int ground = 0) {
        Cell& cell = at(r, c);
        cell = Cell{};
        cell.fig.kind = kind;
        cell.fig.bonus = bonus;
        cell.ground = ground;
        gs.groupSize = 0; // the board changed by hand: the hover must look again
    }
    // A block of one kind from the bottom row up, count cells, row by row.
    void layBlock(int count, int kind, int ground = 0) {
        for (int i = 0; i < count; ++i) lay(10 - i / kColumns, i % kColumns, kind, kNoBonus, ground);
    }
    // A pair in the bottom row, clicked on its first cell, then the board comes to rest.
    void clickPair(int kind, int bonus = kNoBonus) {
        lay(10, 0, kind, bonus);
        lay(10, 1, kind);
        click(10, 0);
    }
    void click(int r, int c) {
        int moves = gs.movesUsed;
        clickAt(r, c);
        ASSERT_EQ(gs.movesUsed, moves + 1) << "the click at " << r << "," << c << " was refused";
        runUntilRest();
    }
    // Clicks pairs of one kind in row 1 (away from the bottom rows) until the
    // same-kind combo multiplies by m.
    void raiseCombo(int kind, int m) {
        for (int i = 0; i + 1 < m; ++i) {
            lay(1, 2 * i, kind);
            lay(1, 2 * i + 1, kind);
            click(1, 2 * i);
        }
        ASSERT_EQ(gs.sameKindStreak + 1, m - 1); // the next click of this kind reaches m
    }
    std::vector<int> earned() const {
        std::vector<int> out;
        for (int n = 1; n <= kTrophyCount; ++n)
            if (trophyEarned(n)) out.push_back(n);
        return out;
    }
    // The next scenario on a new level for a profile without trophies.
    void startAfresh() {
        resetTrophyState();
        newLevel();
    }
};

using Earned = std::vector<int>;

TEST_F(TrophyEvents, BreakStepTotalsEarnTwoFiveAndFourThenFallBack) {
    // A group on single squares pays 10 per figure and 90 per square times
    // the combo; the clicked figure stays (it becomes a bomb).
    struct Case {
        int size, combo, trophy;
    } cases[] = {{11, 5, 2}, {15, 5, 5}, {15, 7, 4}};
    for (const Case& k : cases) {
        startAfresh();
        raiseCombo(6, k.combo);
        layBlock(k.size, 6, 1);
        int before = gs.score;
        click(10, 0);
        EXPECT_EQ(gs.score - before, k.combo * (100 * k.size - 10)) << k.trophy;
        EXPECT_EQ(earned(), Earned{k.trophy});
    }
    // With 4 already earned, the next big steps fall back to 5, then to 2.
    startAfresh();
    for (int round = 0; round < 3; ++round) {
        newLevel();
        raiseCombo(6 + round, 7);
        layBlock(15, 6 + round, 1);
        click(10, 0);
    }
    EXPECT_EQ(earned(), (Earned{2, 4, 5}));
}

TEST_F(TrophyEvents, ChainsOfBlastsEarnOneNineAndThree) {
    // Bombs two cells apart set each other off along a snake: row 5 to the
    // right, down column 10, back along row 9. The clicked bomb does not count.
    const int snake[][2] = {{5, 2}, {5, 4}, {5, 6}, {5, 8}, {5, 10}, {7, 10}, {9, 10}, {9, 8}, {9, 6}, {9, 4}, {9, 2}};
    struct Case {
        int chain, trophy;
    } cases[] = {{6, 1}, {9, 9}, {11, 3}};
    auto playChain = [&](int chain) {
        lay(5, 0, 6, kBomb);
        lay(5, 1, 6);
        for (int i = 0; i < chain; ++i) lay(snake[i][0], snake[i][1], 7, kBomb);
        clickAt(5, 1);
        for (int i = 0; i < 400 && gs.chainCount < chain; ++i) tick(16);
        EXPECT_EQ(gs.chainCount, chain);
        runUntilRest();
        EXPECT_EQ(gs.chainCount, 0) << "announced";
    };
    for (const Case& k : cases) {
        startAfresh();
        playChain(k.chain);
        EXPECT_EQ(earned(), Earned{k.trophy});
    }
    // With 3 earned, eleven falls back to 9; with 9 earned, nine gives 1.
    newLevel();
    playChain(11);
    EXPECT_EQ(earned(), (Earned{3, 9}));
    playChain(9);
    EXPECT_EQ(earned(), (Earned{1, 3, 9}));
}

TEST_F(TrophyEvents, BonusStreaksEarnTheirTrophies) {
    // Held in the clicked group, click after click (kinds alternate, so no
    // same-kind combo gets in the way).
    struct Held {
        int bonus, clicks, trophy;
    } held[] = {{kBomb, 5, 14}, {kSuperBomb, 3, 6}, {kThunder, 4, 7}};
    for (const Held& h : held) {
        startAfresh();
        for (int i = 0; i < h.clicks; ++i) {
            EXPECT_TRUE(earned().empty()) << h.trophy << " after " << i;
            clickPair(6 + i % 2, h.bonus);
        }
        EXPECT_EQ(earned(), Earned{h.trophy});
    }
    // Earned by the group's size, click after click.
    struct Earn {
        int size, clicks, trophy;
    } earn[] = {{5, 5, 15}, {8, 3, 11}};
    for (const Earn& e : earn) {
        startAfresh();
        for (int i = 0; i < e.clicks; ++i) {
            layBlock(e.size, 6 + i % 2);
            click(10, 0);
        }
        EXPECT_EQ(earned(), Earned{e.trophy});
    }
}

TEST_F(TrophyEvents, SameKindClicksEarnTenTwelveAndThirteen) {
    int when[kTrophyCount + 1] = {};
    for (int i = 1; i <= 13; ++i) {
        clickPair(6);
        for (int n : earned())
            if (!when[n]) when[n] = i;
    }
    // The combo passes 8 at the tenth click of a kind and 10 at the twelfth;
    // the fourth click earns a thunder and every third one after it, the
    // fourth thunder at the thirteenth.
    EXPECT_EQ(when[10], 10);
    EXPECT_EQ(when[12], 12);
    EXPECT_EQ(when[13], 13);
    // Each came within 500 ms of moving board after the last: 17 on the way.
    EXPECT_EQ(when[17], 10);
    EXPECT_EQ(earned(), (Earned{10, 12, 13, 17}));
}

TEST_F(TrophyEvents, GroupSizesAndRapidClicks) {
    layBlock(30, 6);
    click(10, 0);
    EXPECT_EQ(earned(), Earned{16});
    layBlock(31, 7);
    click(10, 0);
    EXPECT_EQ(earned(), (Earned{8, 16})) << "30 or more with 16 earned gives 8";
    startAfresh();
    layBlock(20, 6);
    click(10, 0);
    EXPECT_EQ(earned(), Earned{8});

    // Ten clicks, each soon after the last while the board still moves.
    startAfresh();
    for (int i = 0; i < 10; ++i) clickPair(6 + i % 2);
    EXPECT_EQ(earned(), Earned{17});
}

TEST_F(TrophyEvents, TwoTrophiesOfOneMoveArePresentedInNumberOrder) {
    // Thirty figures on squares at combo 2: 16 for the size, 2 for the
    // 5980 points of the step.
    raiseCombo(6, 2);
    layBlock(30, 6, 1);
    click(10, 0);
    ASSERT_EQ(earned(), (Earned{2, 16}));

    // With the announcement connected, the board hands over to the room.
    aw::setCurrentDirectory(awtest::builtData()); // the room's painting
    awtest::recordRoomCalls();
    std::string texts = "gettrophy=A trophy!\r\nx=\r\n";
    parseTextBlock(texts.data(), int(texts.size()));
    connectBoardTrophies();
    for (int i = 0; i < 40; ++i) tick(16);
    EXPECT_TRUE(gs.paused);
    EXPECT_TRUE(sceneTransitionRunning());
    EXPECT_STREQ(sceneTransition().caption, "A trophy!");
    for (int i = 0; i < 200 && awtest::roomCalls.scenes.empty(); ++i) tick(16);
    ASSERT_EQ(awtest::roomCalls.scenes, std::vector<std::string>{"room"});
    EXPECT_EQ(trophyRoom().returnCode, kRoomFromGameplay);
    EXPECT_FALSE(gs.paused) << "the board is given back for the return";
    EXPECT_EQ(heard.count("GetTrophy.ogg"), 1);

    std::vector<int> order;
    for (int i = 0; i < 1000 && firstNewTrophy(); ++i) {
        updateTrophyRoom(16, Vec2{-390, -290});
        if (trophyRoom().presentation == Presentation::kWaiting) {
            order.push_back(trophyRoom().presented);
            trophyRoomClick(Vec2{0, kPanelButtonY});
        }
    }
    EXPECT_EQ(order, (std::vector<int>{2, 16}));
}

} // namespace
} // namespace aw::test
