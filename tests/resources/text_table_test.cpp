#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"

#include <string>

using namespace aw;
using namespace awtest;

namespace {

struct TextTableTest : ::testing::Test {
    void SetUp() override {
        resetTextTable();
        resetResources();
    }
    void TearDown() override {
        resetTextTable();
        resetResources();
    }
    void parse(const std::string& s) { parseTextBlock(s.data(), int(s.size())); }
};

std::string text(const char* key) {
    const char* t = lookupText(key);
    return t ? t : "<null>";
}

} // namespace

TEST_F(TextTableTest, LineFormKeepsSpacesAroundTheEqualsSign) {
    parse("play=Play\r\nquit =Quit\r\nback= Back\r\n  \t indented=x\r\n");
    EXPECT_EQ(text("play"), "Play");
    EXPECT_EQ(text("quit"), "<null>");
    EXPECT_EQ(text("quit "), "Quit");
    EXPECT_EQ(text("back"), " Back");
    EXPECT_EQ(text("indented"), "x");
    EXPECT_EQ(textCount(), 4);
}

TEST_F(TextTableTest, LastLineNeedsItsLineBreak) {
    parse("a=1\r\nb=2");
    EXPECT_EQ(text("a"), "1");
    EXPECT_EQ(text("b"), "<null>");
    EXPECT_EQ(textCount(), 1);
    resetTextTable();
    parse("a=1\r\nb=2\r\n");
    EXPECT_EQ(text("b"), "2");
}

TEST_F(TextTableTest, LfOnlyLinesRunTogetherUpToTheNextCrLf) {
    parse("a=one\nb=two\nc=three\r\nd=four\r\n");
    EXPECT_EQ(text("a"), "one\nb=two\nc=three");
    EXPECT_EQ(text("b"), "<null>");
    EXPECT_EQ(text("d"), "four");
}

TEST_F(TextTableTest, CreditsBlockKeepsItsLineBreaks) {
    parse("title=Amberwick\r\n[credits/]\r\nMade by us\r\nPlayed by you\r\n[/credits]\r\nafter=yes\r\n");
    EXPECT_EQ(text("credits"), "Made by us\r\nPlayed by you\r\n");
    EXPECT_EQ(text("title"), "Amberwick");
    EXPECT_EQ(text("after"), "yes");
    EXPECT_EQ(textIndex("after"), 2);
}

TEST_F(TextTableTest, BlockSkipsOnlyControlBytesAfterItsTag) {
    parse("[b/]  spaced[/b]\r\n[c/]\r\n\r\nx[anything]tail=1\r\n");
    EXPECT_EQ(text("b"), "  spaced");
    EXPECT_EQ(text("c"), "x");
    EXPECT_EQ(text("tail"), "1");
}

TEST_F(TextTableTest, UnterminatedEntriesAtTheEndAreDropped) {
    parse("a=1\r\n[blk/]text without a closing tag\r\n");
    EXPECT_EQ(text("blk"), "<null>");
    resetTextTable();
    parse("a=1\r\nnoequals\r\n");
    EXPECT_EQ(textCount(), 1);
    resetTextTable();
    parse("[open\r\n");
    EXPECT_EQ(textCount(), 0);
    resetTextTable();
    parse("");
    parse("=");
    EXPECT_EQ(textCount(), 0);
}

TEST_F(TextTableTest, StringsShadowTipsAndPositionsFollowLoadOrder) {
    ScratchDir dir;
    writeBytes("strings.txt", "hello=From strings\r\ndefname1=Ann\r\ndefname2=Bob\r\n");
    writeBytes("tips.txt", "hello=From tips\r\ntip1=Click groups\r\n");
    loadTextFile("strings.txt");
    loadTextFile("tips.txt");
    EXPECT_EQ(text("hello"), "From strings");
    EXPECT_EQ(text("tip1"), "Click groups");
    EXPECT_EQ(textIndex("hello"), 0);
    EXPECT_STREQ(textAt(3), "From tips"); // the shadowed entry keeps its place
    EXPECT_EQ(resourceCount(), 0);         // both file blocks were released
}

TEST_F(TextTableTest, TextAfterReadsNumberedLists) {
    parse("x=0\r\ndefname1=Ann\r\ndefname2=Bob\r\ndefname3=Cid\r\ndefname4=Dee\r\nlast=Z\r\n");
    EXPECT_STREQ(textAfter("defname1", 0), "Ann");
    EXPECT_STREQ(textAfter("defname1", 3), "Dee");
    EXPECT_STREQ(textAfter("nothere", 1), "Ann"); // missing keys read from the start
    EXPECT_EQ(textAfter("defname1", 5), nullptr);
    EXPECT_EQ(textAt(-1), nullptr);
    EXPECT_EQ(textIndex("nothere"), 0);
}

TEST_F(TextTableTest, LimitsRefuseRatherThanOverflow) {
    std::string k19(19, 'k'), k20(20, 'k');
    parse(k19 + "=fits\r\n" + k20 + "=too long\r\nnext=ok\r\n");
    EXPECT_EQ(text(k19.c_str()), "fits");
    EXPECT_EQ(text(k20.c_str()), "<null>");
    EXPECT_EQ(text("next"), "ok");

    resetTextTable();
    std::string many;
    for (int i = 0; i < kMaxTexts + 10; ++i) many += "t" + std::to_string(i) + "=v\r\n";
    parse(many);
    EXPECT_EQ(textCount(), kMaxTexts);
    EXPECT_EQ(text("t1023"), "v");
    EXPECT_EQ(text("t1024"), "<null>");
}

TEST_F(TextTableTest, FreedTableAnswersNull) {
    parse("a=1\r\n");
    freeTextTable();
    EXPECT_EQ(lookupText("a"), nullptr);
    EXPECT_EQ(textAt(0), nullptr);
    EXPECT_EQ(textCount(), 1);
}

TEST_F(TextTableTest, MissingTextFileIsFatal) {
    ScratchDir dir;
    FatalHooks hooks;
    EXPECT_THROW(loadTextFile("strings.txt"), FatalExit);
    EXPECT_EQ(lastBoxText(), "Can't load strings.txt...\nProgram will now stop.");
}
