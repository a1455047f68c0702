#include "effects_fixture.h"

#include "render/draw_capture.h"

#include <cstring>

using namespace aw;
using namespace awtest;

namespace {

using Announcements = EffectsTest;

// Runs the announcements for ms in steps of 10 ms.
void run(float ms) {
    for (float t = 0; t < ms; t += 10) drawAnnouncements(10, t);
}

} // namespace

TEST_F(Announcements, AMessageGrowsWobblesAndShrinksOverItsDuration) {
    for (float duration : {2000.0f, 4000.0f}) {
        resetAnnouncements();
        float k = duration / 2000;
        showMessage("Cool combo!", 0, 20, 20, duration);
        run(550 * k);
        MessageLook growing = messageLook(messageAt(0).life);
        EXPECT_LT(growing.factor, 1) << duration;
        EXPECT_LT(growing.alpha, 255) << duration;
        run(100 * k);
        EXPECT_EQ(messageLook(messageAt(0).life).alpha, 255) << duration;
        run(700 * k); // 1350 of 2000
        EXPECT_EQ(messageLook(messageAt(0).life).alpha, 255) << duration;
        run(100 * k);
        EXPECT_LT(messageLook(messageAt(0).life).factor, 1) << duration;
        EXPECT_GT(messageAt(0).life, 0) << duration;
        run(600 * k);
        EXPECT_LE(messageAt(0).life, 0) << duration;
    }
    showMessage("never", 0, 0, 20, 0);
    showMessage("never", 0, 0, 20, -5);
    for (int i = 0; i < kMessageCount; ++i) EXPECT_LE(messageAt(i).life, 0);
}

TEST_F(Announcements, LettersPopInOneAfterAnotherAndLongTextsAreCut) {
    plainFont();
    showLetters("ABCDE", 0, 0, 10);
    // Each letter advances 5: the first stands at -W/2, the next 5 further on.
    EXPECT_FLOAT_EQ(letterAt(0).x, -12.5f);
    EXPECT_FLOAT_EQ(letterAt(4).x, 7.5f);
    LetterLook look;
    run(150);
    EXPECT_TRUE(letterLook(letterAt(0).life, look));
    EXPECT_FALSE(letterLook(letterAt(4).life, look)); // 160 ms after the first
    run(20);
    EXPECT_TRUE(letterLook(letterAt(4).life, look));
    run(6000 - 170);
    EXPECT_LE(letterAt(0).life, 0);
    EXPECT_GT(letterAt(4).life, 0); // and gone 160 ms after the first
    run(160);
    EXPECT_LE(letterAt(4).life, 0);

    std::string huge(300, 'x');
    showMessage(huge.c_str(), 0, 0, 20, 1000);
    EXPECT_EQ(std::strlen(messageAt(0).text), size_t(kMessageTextSize - 1));
}

TEST_F(Announcements, LettersAreWhiteAndMessagesWarm) {
    plainFont();
    showLetters("A", 0, 0, 10);
    showMessage("B", 0, 0, 10, 2000);
    run(700);
    DrawRecorder rec;
    drawAnnouncements(10, 0);
    ASSERT_EQ(rec.batches.size(), 3u); // the letter, the message's shadow, the message
    Color letter(rec.batches[0].wordAt(0, 12)), shadow(rec.batches[1].wordAt(0, 12)), text(rec.batches[2].wordAt(0, 12));
    EXPECT_EQ(letter.argb & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(shadow.argb & 0xFFFFFFu, 0u);
    EXPECT_EQ(text.r(), 255);
    EXPECT_GE(text.g(), 230);
    EXPECT_GE(text.b(), 100);
    EXPECT_EQ(textColor(), Color(255, 255, 255, 255));
}

TEST_F(Announcements, ALevelStartClearsLettersWhileMessagesRunOut) {
    parseTextBlock("getlife=Extra life!\r\nyouwon=Well done\r\n.", 40);
    connectBoardPresentation();
    boardOutward.loadBackground = nullptr; // no paintings in the test's data
    plainFont();
    report::showLetters("getlife", 90, 100, 30);
    report::showMessage("youwon", 0, -15, 15, 2000);
    report::showMessage("no such key", 0, 0, 15, 2000);
    EXPECT_GT(letterAt(0).life, 0);
    EXPECT_STREQ(messageAt(0).text, "Well done");
    EXPECT_LE(messageAt(1).life, 0);
    startLevelFromText("level=\r\n", 0);
    for (int i = 0; i < kLetterCount; ++i) EXPECT_LE(letterAt(i).life, 0);
    EXPECT_GT(messageAt(0).life, 0);
}
