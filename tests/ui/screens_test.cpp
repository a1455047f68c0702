// The screens' content: name entry, sliders, options, profiles, high
// scores, the level result and the scene transition.
#include "ui_fixture.h"

#include "board/board_state.h"
#include "board/play_state.h"
#include "persistence/records.h"
#include "platform/events.h"
#include "render/draw_capture.h"
#include "ui/scene_transition.h"
#include "ui/screen_values.h"

#include <filesystem>

using namespace aw;
using namespace awtest;


class NameEntry : public ScreensTest {
protected:
    void typeText(const char* s) {
        for (; *s; ++s) key(*s);
    }
};

TEST_F(NameEntry, TypesCapitalsUpToTwelveCharactersAndEditsAtTheCaret) {
    open("newprofile");
    ASSERT_TRUE(textEntryActive());
    typeText("ABCDEFGHIJKLM");
    EXPECT_STREQ(editText(), "ABCDEFGHIJKL") << "the thirteenth is not typed";
    key(vk::Home);
    key(vk::Delete);
    key(vk::End);
    key(vk::Back);
    EXPECT_STREQ(editText(), "BCDEFGHIJK");
    key(vk::Left);
    key(vk::Left);
    key('9');
    EXPECT_STREQ(editText(), "BCDEFGHI9JK");
    EXPECT_EQ(editCaret(), 9);
    key(vk::Space);
    key(vk::Escape); // no way back from the first name entry
    settle();
    EXPECT_EQ(current(), "newprofile");
}

TEST_F(NameEntry, StopsBeforeTheNameReaches140Pixels) {
    resetText();
    addFont(fixedFont(16)); // 16 pixels a glyph at size 16
    open("newprofile");
    typeText("ABCDEFGHIJ");
    EXPECT_STREQ(editText(), "ABCDEFGH") << "a ninth glyph would make it 144 wide";
}

TEST_F(NameEntry, CreatesTheProfileOrKeepsTheEntryAsTyped) {
    open("newprofile");
    key(vk::Return); // empty: refused
    settle();
    EXPECT_EQ(current(), "newprofile");
    EXPECT_EQ(profileCount(), 0);
    typeText("ANNA");
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "main");
    ASSERT_EQ(profileCount(), 1);
    EXPECT_STREQ(currentProfile()->name, "ANNA");
    EXPECT_TRUE(std::filesystem::exists(settingsPath("profiles.dat")));
    // A second ANNA is refused and the entry keeps the text.
    open("newprofile");
    typeText("ANNA");
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "newprofile");
    EXPECT_STREQ(editText(), "ANNA");
    EXPECT_EQ(profileCount(), 1);
    EXPECT_EQ(widgets.lineCount, 2) << "with a profile there is a way back";
}

class Profiles : public ScreensTest {
protected:
    void addProfiles(int n) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(addProfile(("P" + std::to_string(i)).c_str()));
    }
    void choose(const char* item) {
        while (selectedItem() != item) key(vk::Down);
        key(vk::Return);
        settle();
    }
};

TEST_F(Profiles, RenamingToItsOwnNameIsRefused) {
    addProfiles(2);
    open("profiles");
    choose("rename");
    ASSERT_EQ(current(), "rename");
    EXPECT_STREQ(editText(), "P0"); // the focused profile is the one acted on
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "rename");
    EXPECT_STREQ(profileAt(0)->name, "P0");
    key(vk::End); // the caret starts at 0
    key(vk::Back);
    key('X');
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "profiles");
    EXPECT_STREQ(profileAt(0)->name, "PX");
}

TEST_F(Profiles, WithEightProfilesNewProfileOnlyRefuses) {
    addProfiles(8);
    open("profiles");
    while (selectedItem() != "newprofile") key(vk::Down);
    key(vk::Return);
    EXPECT_FALSE(screenFading()) << "the key is consumed: the screen stays";
    settle();
    EXPECT_EQ(current(), "profiles");
}

TEST_F(Profiles, RemovingTheLastProfileLeadsToANameEntryWithOneButton) {
    addProfiles(1);
    open("profiles");
    choose("remove");
    ASSERT_EQ(current(), "messageboxyn");
    key(vk::Return); // "yes"
    settle();
    EXPECT_EQ(profileCount(), 0);
    EXPECT_EQ(current(), "newprofile");
    EXPECT_EQ(widgets.lineCount, 1);
}

TEST_F(Profiles, DoubleClickOnANameSelectsThatProfile) {
    addProfiles(3);
    open("profiles");
    const UiControl& line = widgets.controls[0];
    ASSERT_EQ(line.kind, kControlProfileLine);
    mouseAt((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    screenDoubleClick();
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(currentProfileIndex(), 0);
}

TEST(Slider, ClicksStepAtTheBandEdgesAndDragsAcrossTheTrack) {
    UiControl s;
    s.left = -80, s.right = 80, s.top = 15, s.bottom = -15, s.kind = kControlSlider, s.steps = 100, s.value = 50;
    EXPECT_EQ(sliderClickBehavior(s, 80 + 25.6f, 0), SliderClick::kUp);
    EXPECT_EQ(s.value, 51);
    EXPECT_EQ(sliderClickBehavior(s, 80 + 25.5f, 0), SliderClick::kFocus);
    EXPECT_EQ(sliderClickBehavior(s, -80 - 25.6f, 0), SliderClick::kDown);
    EXPECT_EQ(sliderClickBehavior(s, 80 + 64, 0), SliderClick::kMissed);
    EXPECT_EQ(sliderClickBehavior(s, 0, 15), SliderClick::kMissed);
    s.value = 99;
    sliderClickBehavior(s, 120, 0);
    EXPECT_EQ(s.value, 99) << "never above steps - 1";
    EXPECT_TRUE(sliderDragBehavior(s, 0, 0));
    EXPECT_EQ(s.value, 50);
    sliderDragBehavior(s, 80, 0);
    EXPECT_EQ(s.value, 99);
    sliderDragBehavior(s, -90, 0);
    EXPECT_EQ(s.value, 0);
    EXPECT_FALSE(sliderDragBehavior(s, 106, 0));
}

class Options : public ScreensTest {};

TEST_F(Options, ChangesTakeEffectAtOnceFullScreenOnlyOnApplyAndLeavingSaves) {
    static int applied = -1;
    uiHooks.applyDisplayMode = [](bool f) { applied = f; };
    uiHooks.displayFullScreen = [] { return true; };
    settings().musicVolume = 40;
    open("options");
    // Controls in drawing order: sound slider, music slider, full screen, cursor.
    ASSERT_EQ(widgets.controlCount, 4);
    UiControl& music = widgets.controls[1];
    mouseAt(music.right + 30, (music.top + music.bottom) / 2);
    screenClick();
    screenRelease();
    frame();
    EXPECT_EQ(settings().musicVolume, 41);
    UiControl& cursor = widgets.controls[3];
    mouseAt((cursor.left + cursor.right) / 2, (cursor.top + cursor.bottom) / 2);
    screenClick();
    frame();
    EXPECT_EQ(settings().customCursor, 1) << "the cursor follows the box while the screen is open";
    UiControl& full = widgets.controls[2];
    mouseAt((full.left + full.right) / 2, (full.top + full.bottom) / 2);
    screenClick();
    frame();
    EXPECT_EQ(applied, -1) << "full screen waits for apply";
    EXPECT_FALSE(std::filesystem::exists(settingsPath("settings.dat")));
    key(vk::Escape);
    settle();
    EXPECT_TRUE(std::filesystem::exists(settingsPath("settings.dat"))) << "leaving saves the settings";
    EXPECT_EQ(applied, -1);
    open("options");
    UiControl& full2 = widgets.controls[2];
    mouseAt((full2.left + full2.right) / 2, (full2.top + full2.bottom) / 2);
    screenClick();
    frame();
    mouseAt(0, -140); // the apply button
    frame();
    key(vk::Return);
    settle();
    EXPECT_EQ(applied, 0);
}

TEST_F(ScreensTest, AnotherModesTableNeverShowsTheHighlightedRow) {
    makeDefaultHighScores();
    ASSERT_TRUE(addProfile("ANNA"));
    currentProfile()->lastMode = 1;
    setHighlightedRow(2, 0);
    open("hiscore");
    EXPECT_EQ(shownHiscoreMode(), 1);
    auto glowingGlyphs = [this] {
        DrawRecorder rec;
        frame();
        int n = 0;
        for (const CapturedBatch& b : rec.batches)
            for (int i = 0; i < b.vertexCount && b.fvf == 0x142; ++i) {
                Color c(b.wordAt(i, 12));
                if (c.r() == 255 && c.b() == 0 && c.g() >= 150 && c.g() <= 200 && c.a() == 255) ++n;
            }
        return n;
    };
    int selectedButtonOnly = glowingGlyphs(); // the OK button's label glows as the selected line
    key(vk::Right);
    EXPECT_EQ(shownHiscoreMode(), 2);
    EXPECT_GT(glowingGlyphs(), selectedButtonOnly);
    key(vk::Left);
    EXPECT_EQ(glowingGlyphs(), selectedButtonOnly);
    key(vk::Right);
    key(vk::Right);
    EXPECT_EQ(shownHiscoreMode(), 0) << "wraps round";
    key(vk::Escape);
    settle();
    EXPECT_EQ(highlightedRow(), -1) << "closing the table forgets the row";
}

TEST_F(ScreensTest, LevelResultFinishesItsCountOnTheFirstEnterAndRunsTheButtonOnTheSecond) {
    static int next = 0;
    registerItemAction("oknextlevel", [] { ++next; });
    open("levelcomplete");
    key(vk::Escape);
    settle();
    EXPECT_EQ(next, 0);
    EXPECT_EQ(current(), "levelcomplete");
    key(vk::Escape);
    settle();
    EXPECT_EQ(next, 1);
}

TEST_F(ScreensTest, GameOverlaysCloseIntoTheBoard) {
    playState.overlayShown = true;
    open("gameplay");
    key(vk::Escape);
    settle();
    EXPECT_FALSE(playState.overlayShown);
    playState.overlayShown = true;
    open("gameplaytip");
    key(vk::Escape); // acts as Enter: "okcontinuegame"
    settle();
    EXPECT_FALSE(playState.overlayShown);
    EXPECT_EQ(gameTipCounter(), 1);
}

TEST(SceneTransitionTimer, CloseAndOpenTakesTwiceItsLengthAndIsBlackBetween) {
    resetSceneTransition();
    startSceneTransition(1000, "");
    EXPECT_FLOAT_EQ(sceneTransitionOpening(), 1);
    stepSceneTransition(500);
    EXPECT_FLOAT_EQ(sceneTransitionOpening(), 0.5f);
    stepSceneTransition(501);
    EXPECT_TRUE(sceneTransitionRunning());
    EXPECT_FLOAT_EQ(sceneTransitionOpening(), 0);
    stepSceneTransition(999);
    EXPECT_TRUE(sceneTransitionRunning());
    stepSceneTransition(2);
    EXPECT_FALSE(sceneTransitionRunning());
    openSceneTransition(1000, "x");
    EXPECT_FLOAT_EQ(sceneTransitionOpening(), 0);
    resetSceneTransition();
}
