// The tutorial tips through the board's own hooks: which tip opens when, the
// profile's seen flags (also across a restart of the game), the bubble's
// button and its first 250 ms, one bubble at a time, the idle hint.
#include "effects_fixture.h"

#include "effects/tips.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/saved_game_format.h"
#include "persistence/settings.h"
#include "platform/paths.h"
#include "ui/tooltip.h"
#include "temp_dir.h"

#include <string>
#include <vector>

using namespace aw;
using namespace awtest;

namespace {

std::vector<std::string> sounds;

// A level of three kinds whose every cell has the given ground code.
std::string levelOf(char ground) {
    std::string level = "figures=3\r\nlevel=\r\n";
    for (int r = 0; r < kRows; ++r) level += std::string(size_t(kColumns), ground) + "\r\n";
    return level;
}

class Tips : public EffectsTest {
protected:
    aw::test::TempDir home;
    std::string data;

    void SetUp() override {
        EffectsTest::SetUp();
        resetPersistence();
        data = currentDirectory(); // the level's landscape is read from here
        setSettingsDirectory(home / "settings");
        setDataDirectory(data);
        plainFont();
        const std::string texts = "welcome=Welcome\r\nbreaksquares=Squares\r\nbreakzep=Locks\r\nusehammer=Hammer\r\n"
                                  "b_t_firstbonus1=Bomb\r\nb_t_firstbonus5=Super\r\nnomoves=None\r\ncontinue=Go on\r\n";
        parseTextBlock(texts.data(), int(texts.size()));
        ASSERT_TRUE(addProfile("TESTER"));
        connectBoardPresentation();
        boardOutward.loadBackground = nullptr; // no landscape pictures here
        sounds.clear();
        boardOutward.playSound = [](const char* name, int) { sounds.push_back(name); };
        startLevelFromText(levelOf('1'), 3); // single squares everywhere
        boardInput.mouse = {1000, 1000};
    }
    void TearDown() override {
        resetPersistence();
        setCurrentDirectory(data);
    }

    static uint8_t flag(int n) { return currentProfile()->tutorialPending[n]; }
    static int heard(const std::string& name) {
        int n = 0;
        for (const std::string& s : sounds) n += s == name;
        return n;
    }
    // One frame as the game runs it: the tick, then the drawing.
    static void frame(float dt = 16) {
        tick(dt);
        drawGameplayFrame(dt, 0);
    }
};

} // namespace

TEST_F(Tips, SeenTipsStaySeenAlsoAfterTheGameRestarts) {
    currentProfile()->tutorialPending[0] = 0; // the welcome is not the subject here
    gs.groupsRemoved = 3;
    frame();
    EXPECT_FALSE(tipVisible()); // squares wait for more than three removed groups
    gs.groupsRemoved = 4;
    frame();
    ASSERT_STREQ(shownTipKey(), "breaksquares");
    EXPECT_EQ(flag(1), 0);
    EXPECT_EQ(heard("TipShow.ogg"), 1);
    EXPECT_EQ(heard("MoveTipShow.ogg"), 1); // one chime, however many cells light up
    onBoardKey('A'); // any key closes it
    frame();
    EXPECT_FALSE(tipVisible());

    // Quit and start again: the profile comes back from its file with the tip seen.
    writePlayerFiles();
    resetPersistence();
    setSettingsDirectory(home / "settings");
    setDataDirectory(data);
    readSettings();
    readProfiles();
    ASSERT_EQ(profileCount(), 1);
    EXPECT_EQ(flag(1), 0);
    startLevelFromText(levelOf('1'), 3);
    gs.groupsRemoved = 9;
    frame();
    EXPECT_FALSE(tipVisible());
}

TEST_F(Tips, TheWelcomeComesInTheFirstFrameOfTheFirstLevelOrNever) {
    frame();
    ASSERT_STREQ(shownTipKey(), "welcome");
    EXPECT_EQ(flag(0), 0);
    // It points at the first group, every figure of which shines.
    Vec2 first{};
    for (int r = 0, found = 0; r < kRows && !found; ++r)
        for (int c = 0; c < kColumns && !found; ++c)
            if (board[r][c].groupId == gs.hintGroup) first = cellCentre(r, c), found = 1;
    SavedHintBubble saved;
    captureTipBubble(saved);
    EXPECT_EQ(saved.anchor, first);
    // A saved game brings it back as it was, without touching the flags.
    hideTip();
    restoreTipBubble(saved);
    EXPECT_STREQ(shownTipKey(), "welcome");
    EXPECT_TRUE(boardInput.tipHasButton);
    hideTip();
    startLevelFromText(levelOf('1'), 4);
    frame();
    EXPECT_FALSE(tipVisible());

    // A level whose first frame finds no group of the hint: the welcome is lost.
    currentProfile()->tutorialPending[0] = 1;
    for (auto& row : board)
        for (Cell& cell : row) cell.groupId = -1;
    tipTriggerPass(16);
    EXPECT_FALSE(tipVisible());
    EXPECT_EQ(flag(0), 0);
}

TEST_F(Tips, TheContinueButtonWaitsOutTheFirst250MsThenCloses) {
    currentProfile()->tutorialPending[0] = 0;
    TooltipBalloon look;
    look.standOff = true;
    look.anchor = {-314, -42};
    look.text = lookupText("usehammer");
    look.buttonLabel = lookupText("continue");
    const Rect button = standOffLayout(look).button;
    const Vec2 centre{(button.x0 + button.x1) / 2, (button.y0 + button.y1) / 2};
    ASSERT_GT(button.x1 - button.x0, 0);

    // A click on the button within 250 ms (here about 160 ms in) is swallowed.
    offerTip(-314, -42, "usehammer", 0, true, true);
    for (int i = 0; i < 10; ++i) frame();
    int movesBefore = gs.movesUsed;
    boardInput.mouse = centre;
    onBoardLeftDown();
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_TRUE(tipVisible());
    EXPECT_EQ(gs.movesUsed, movesBefore); // the board never saw the click
    EXPECT_EQ(tipButtonRect(), button);   // grown in, the button stands where the layout says

    // Outside the button, later: still swallowed, the bubble stays.
    boardInput.mouse = {button.x1 + 40, button.y0 + 40};
    onBoardLeftDown();
    frame();
    EXPECT_TRUE(tipVisible());
    // On the button, later: it closes, with its sound.
    boardInput.mouse = centre;
    onBoardLeftDown();
    frame();
    EXPECT_FALSE(tipVisible());
    EXPECT_FALSE(boardInput.tipShown);
    EXPECT_EQ(heard("ButtonClick.ogg"), 1);
    EXPECT_EQ(gs.movesUsed, movesBefore);
}

TEST_F(Tips, OneBubbleAtATimeAndMissedTipsAreNotQueued) {
    currentProfile()->tutorialPending[0] = 0;
    // A bomb and a super bomb on a settled board after the first level: one bubble.
    board[4][4].fig.bonus = kBomb;
    board[6][6].fig.bonus = kSuperBomb;
    breakStep();
    EXPECT_STREQ(shownTipKey(), "b_t_firstbonus1");
    EXPECT_EQ(flag(6), 0);
    EXPECT_EQ(flag(10), 1); // its moment passed; it stays pending
    offerTip(-314, -42, "usehammer", 0, true, true);
    EXPECT_EQ(flag(5), 1);
    hideTip();
    board[6][6].fig.bonus = kNoBonus; // the super bomb went off meanwhile
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_FALSE(tipVisible()); // nothing comes back on its own

    // The first level never explains bonuses.
    playState.levelIndex = 0;
    breakStep();
    EXPECT_FALSE(tipVisible());
    EXPECT_EQ(flag(10), 1);

    // No moves: once per situation, without a profile flag.
    offerTip(0, -100, "nomoves", 0, true, false);
    EXPECT_STREQ(shownTipKey(), "nomoves");
    EXPECT_EQ(heard("NoMoreMove.ogg"), 1);
    for (int groups : {0, 5}) { // the second time the board can be played again
        hideTip();
        gs.groupCount = groups;
        tipTick(16);
        offerTip(0, -100, "nomoves", 0, true, false);
        EXPECT_EQ(tipVisible(), groups > 0);
    }

    // An overlay, a pause or the level's end takes the bubble away.
    offerTip(-314, -42, "usehammer", 0, true, true);
    gs.paused = true;
    tipTick(16);
    EXPECT_FALSE(tipVisible());
}

TEST_F(Tips, TheIdleHintShinesForFourSecondsThenWaitsAgain) {
    currentProfile()->tutorialPending[0] = 0;
    gs.hintShown = true;
    gs.hintGroup = 2;
    gs.hintDelay = 6000;
    gs.idleTime = 6010;
    tipTriggerPass(16);
    EXPECT_EQ(heard("MoveTipShow.ogg"), 1);
    int unlit = 0, inGroup = 0;
    for (auto& row : board)
        for (Cell& cell : row) inGroup += cell.groupId == 2, unlit += cell.groupId == 2 && !cell.fig.hovered;
    EXPECT_GT(inGroup, 0);
    EXPECT_EQ(unlit, 0);
    EXPECT_FALSE(tipVisible()); // the idle hint has no bubble
    gs.idleTime = 10017;
    tipTriggerPass(16);
    EXPECT_FALSE(gs.hintShown);
    EXPECT_EQ(gs.idleTime, 0);
    EXPECT_EQ(gs.hintDelay, 6000);
}
