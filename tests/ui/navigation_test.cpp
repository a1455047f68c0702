// The screen tree as loaded, and moving around it with keys and the mouse.
#include "ui_fixture.h"

#include "platform/events.h"

#include <cstring>

using namespace aw;
using namespace awtest;

TEST_F(ScreensTest, TreeDropsMainsFirstChildAndKeepsEveryNodeOnce) {
    MenuNode* main = findMenuNode("main");
    ASSERT_NE(main, nullptr);
    EXPECT_STREQ(main->children[0]->name, "adventure"); // "screens" is never shown
    for (int i = 0; i < main->childCount; ++i) EXPECT_STRNE(main->children[i]->name, "screens");
    EXPECT_NE(findMenuNode("screens"), nullptr) << "the dropped child still loads what it lists";
    EXPECT_STREQ(findMenuNode("ok")->text, "OK");
    EXPECT_STREQ(findMenuNode("messageboxok")->text, "Notice");
    // "start" is listed by three mode screens and exists once.
    EXPECT_EQ(findMenuNode("adventure")->children[0], findMenuNode("puzzle")->children[0]);
    EXPECT_GT(creditsLineCount(), 4);
    EXPECT_STRNE(creditsLine(0), "");
}

TEST_F(ScreensTest, HostileTreeFilesStayWithinTheTables) {
    // A node naming itself, 20 children, 300 names, an overlong name and no empty lines.
    std::string m = "main=\r\nmain\r\nloop\r\n";
    for (int i = 0; i < 300; ++i) m += "n" + std::to_string(i) + "\r\n";
    m += std::string(100, 'x') + "\r\nloop=\r\nloop\r\nmain\r\n";
    std::string t = "main=" + std::string(200, 'T') + "\r\n";
    int n = buildMenuTree(m.data(), m.size(), t.data(), t.size());
    EXPECT_EQ(n, kMaxMenuNodes);
    MenuNode* main = findMenuNode("main");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->childCount, kMaxMenuChildren - 1); // 16 read, the first dropped
    EXPECT_EQ(std::strlen(main->text), size_t(kMenuNameSize - 1));
    MenuNode* loop = findMenuNode("loop");
    ASSERT_NE(loop, nullptr);
    EXPECT_EQ(loop->childCount, 2); // its entry ends where the next begins
    EXPECT_EQ(buildMenuTree(nullptr, 0, nullptr, 0), 1);
    EXPECT_EQ(buildMenuTree("", 0, "", 0), 1);
}

TEST_F(ScreensTest, UnknownScreenOpensNothingAndSaysSoOnce) {
    open("main");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(openScreenByName("nosuchscreen"));
    EXPECT_FALSE(openScreenByName("nosuchscreen"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("nosuchscreen"), std::string::npos);
    EXPECT_EQ(err.find("nosuchscreen"), err.rfind("nosuchscreen"));
    EXPECT_EQ(current(), "main");
}

TEST_F(ScreensTest, KeysDuringAFadeAreDroppedAndSelectionWraps) {
    ASSERT_TRUE(openScreenByName("main"));
    frame(16); // fading in
    screenKeyDown(vk::Return);
    screenKeyDown(vk::Escape);
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(transitionAmount(), 0.0f) << "neither key was kept for after the fade";
    EXPECT_EQ(selectedIndex(), 0);
    key(vk::Left);
    EXPECT_EQ(selectedItem(), "exit");
    key(vk::Down);
    EXPECT_EQ(selectedItem(), "adventure");
    key(vk::Up);
    key(vk::Right);
    EXPECT_EQ(selectedIndex(), 0);
}

TEST_F(ScreensTest, MouseRestingOnAnItemLetsKeysMoveUntilItMoves) {
    open("main");
    ASSERT_GE(widgets.lineCount, 3);
    const MenuLine& l = widgets.lines[2];
    mouseAt((l.left + l.right) / 2, (l.top + l.bottom) / 2);
    frame();
    EXPECT_EQ(selectedIndex(), 2);
    key(vk::Down);
    key(vk::Down);
    EXPECT_EQ(selectedIndex(), 4) << "a resting mouse does not pull the selection back";
    const MenuLine& l1 = widgets.lines[1];
    mouseAt((l1.left + l1.right) / 2, (l1.top + l1.bottom) / 2);
    frame();
    EXPECT_EQ(selectedIndex(), 1);
}

TEST_F(ScreensTest, ItemsOpenScreensAndBackReturnsThroughTheSameItem) {
    open("main");
    while (selectedItem() != "hiscore") key(vk::Down);
    int hiscoreIndex = selectedIndex();
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "hiscore");
    key(vk::Escape);
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(selectedIndex(), hiscoreIndex);
    // Escape on main hides it until the next key.
    key(vk::Escape);
    settle();
    EXPECT_EQ(transitionAmount(), 1.0f);
    key('A');
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(transitionAmount(), 0.0f);
}

TEST_F(ScreensTest, PlayFlowItemsRunTheirRegisteredActionOrLeaveTheMenuAsItWas) {
    open("main");
    key(vk::Return); // "adventure", nothing registered yet
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(transitionAmount(), 0.0f);
    static int chosen = 0;
    registerItemAction("adventure", [] { ++chosen; });
    key(vk::Return);
    settle();
    EXPECT_EQ(chosen, 1);
}

TEST_F(ScreensTest, MessageBoxesKnowTheirQuestionAndParent) {
    open("main");
    static int quits = 0;
    uiHooks.quit = [] { ++quits; };
    while (selectedItem() != "exit") key(vk::Down);
    key(vk::Return);
    settle();
    ASSERT_EQ(current(), "messageboxyn");
    EXPECT_STREQ(messageText(), "Really quit?");
    EXPECT_EQ(currentScreen()->parent, findMenuNode("main"));
    key(vk::Right); // "no"
    key(vk::Return);
    settle();
    EXPECT_EQ(current(), "main");
    EXPECT_EQ(quits, 0);
    while (selectedItem() != "exit") key(vk::Down);
    key(vk::Return);
    settle();
    key(vk::Return); // "yes"
    settle();
    EXPECT_EQ(quits, 1);
    // An OK box cannot be escaped.
    messageBox("quit", true);
    settle();
    key(vk::Escape);
    settle();
    EXPECT_EQ(current(), "messageboxok");
}
