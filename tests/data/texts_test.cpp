// The text tables hold every key the game asks for, lists in one piece, and
// format texts whose conversions match what their callers pass.
#include "data/data_set.h"
#include "data/text_keys.h"
#include "data/text_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace awtest;

namespace {

// Lists read by position from their head; all entries must follow it directly.
struct ListUse {
    const char* head;
    int count;
};
const ListUse kLists[] = {{"defname1", 10}, {"adventuretip", 6}, {"gametip1", 1}, {"tip1", 1}};

struct Tables {
    TextEntries all; // strings.txt then tips.txt, as the game loads them
    size_t stringsCount = 0;
};

const Tables& tables() {
    static Tables t = [] {
        Tables r;
        const DataSet& d = DataSet::instance();
        auto strings = d.read("", "strings.txt");
        auto tips = d.read("", "tips.txt");
        if (strings) r.all = parseTextTable(asString(*strings));
        r.stringsCount = r.all.size();
        if (tips)
            for (auto& e : parseTextTable(asString(*tips))) r.all.push_back(e);
        return r;
    }();
    return t;
}

const std::string* text(const std::string& key) {
    int i = findKey(tables().all, key);
    return i < 0 ? nullptr : &tables().all[static_cast<size_t>(i)].second;
}

// The conversions of a printf format, as letters; "%%" counts for nothing.
// Anything but %i and %s is reported as '?', so flags and other types fail.
std::string conversions(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') continue;
        if (i + 1 < s.size() && s[i + 1] == '%') { ++i; continue; }
        char c = i + 1 < s.size() ? s[i + 1] : '\0';
        out.push_back(c == 'i' || c == 's' ? c : '?');
        ++i;
    }
    return out;
}

} // namespace

TEST(TextTables, EveryLookedUpKeyIsPresentWithItsConversions) {
    ASSERT_FALSE(tables().all.empty()) << "strings.txt or tips.txt is missing or empty";
    for (const KeyUse& k : kSingleKeys) {
        const std::string* t = text(k.key);
        ASSERT_NE(t, nullptr) << k.key;
        EXPECT_FALSE(t->empty()) << k.key;
        EXPECT_EQ(conversions(*t), k.conversions) << k.key << " = " << *t;
    }
}

TEST(TextTables, NoPlainTextCarriesAPercentSign) {
    std::set<std::string> formats;
    for (const KeyUse& k : kSingleKeys)
        if (*k.conversions) formats.insert(k.key);
    for (const auto& [key, value] : tables().all)
        if (!formats.count(key)) {
            EXPECT_EQ(value.find('%'), std::string::npos) << key << " = " << value;
        }
}

TEST(TextTables, NumberedListsAreCompleteAndConsecutive) {
    const TextEntries& all = tables().all;
    for (const ListUse& l : kLists) {
        int head = findKey(all, l.head);
        ASSERT_GE(head, 0) << l.head;
        ASSERT_LE(head + l.count, static_cast<int>(all.size())) << l.head;
    }
    // Ten default names, each usable as a record holder (20-byte field).
    int names = findKey(all, "defname1");
    for (int i = 0; i < 10; ++i) {
        const auto& [key, value] = all[static_cast<size_t>(names + i)];
        EXPECT_EQ(key, "defname" + std::to_string(i + 1));
        EXPECT_FALSE(value.empty());
        EXPECT_LT(value.size(), 20u) << value;
    }
    int tipsHead = findKey(all, "adventuretip");
    EXPECT_EQ(all[static_cast<size_t>(tipsHead)].first, "adventuretip");
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(all[static_cast<size_t>(tipsHead + i)].first, "adventuretip" + std::to_string(i + 1));
    // The game tip counter walks on past the list: nothing unrelated may follow it.
    int gameTips = findKey(all, "gametip1");
    for (size_t i = static_cast<size_t>(gameTips); i < all.size(); ++i)
        EXPECT_EQ(all[i].first, "gametip" + std::to_string(i - gameTips + 1));
}

TEST(TextTables, StageAndTrophyTextsAreIndexedByKey) {
    for (int s = 0; s < 15; ++s) {
        EXPECT_NE(text("stagetitle" + std::to_string(s)), nullptr) << s;
        EXPECT_NE(text("stage" + std::to_string(s)), nullptr) << s;
    }
    for (int t = 1; t <= 17; ++t) EXPECT_NE(text("trophytip" + std::to_string(t)), nullptr) << t;
}

TEST(TextTables, EntriesStayWithinTheTableLimits) {
    const TextEntries& all = tables().all;
    EXPECT_LE(all.size(), 1024u);
    std::set<std::string> seen;
    for (const auto& [key, value] : all) {
        EXPECT_LE(key.size(), 19u) << key;
        EXPECT_TRUE(seen.insert(key).second) << "duplicate key " << key;
        EXPECT_FALSE(key.empty());
        EXPECT_NE(key.back(), ' ') << "key ends with a space: '" << key << "'";
        EXPECT_LT(value.size(), 1024u) << key; // the wrap buffer
        EXPECT_EQ(value.find('['), std::string::npos) << key;
        for (unsigned char c : value) EXPECT_GE(c, 0x20) << key << " holds a control byte";
    }
    for (const char* key : kAnnouncements) {
        const std::string* t = text(key);
        ASSERT_NE(t, nullptr) << key;
        EXPECT_LE(t->size(), 127u) << key;
    }
}

TEST(TextTables, TheLastEntryOfEachFileSurvivesTheReader) {
    // The reader overwrites the final byte; the last written entry must still be read.
    for (const char* file : {"strings.txt", "tips.txt"}) {
        auto bytes = DataSet::instance().read("", file);
        ASSERT_TRUE(bytes) << file;
        std::string s = asString(*bytes);
        size_t lastEq = s.rfind('=');
        ASSERT_NE(lastEq, std::string::npos);
        size_t lineStart = s.rfind('\n', lastEq);
        std::string lastKey = s.substr(lineStart + 1, lastEq - lineStart - 1);
        EXPECT_GE(findKey(parseTextTable(s), lastKey), 0) << file << ": " << lastKey;
    }
}

TEST(TrophyList, NamesTwoPicturesForEachTrophy) {
    auto bytes = DataSet::instance().read("", "trophy.txt");
    ASSERT_TRUE(bytes);
    std::string s = asString(*bytes);
    for (int i = 1; i <= 17; ++i) {
        for (std::string key : {"trophy" + std::to_string(i) + "=", "trophylum" + std::to_string(i) + "="}) {
            // The reader searches for the key anywhere; it must start a line.
            size_t at = s.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            EXPECT_TRUE(at == 0 || s[at - 1] == '\n') << key;
            size_t end = s.find('\r', at);
            ASSERT_NE(end, std::string::npos) << key;
            std::string value = s.substr(at + key.size(), end - at - key.size());
            EXPECT_TRUE(value.size() > 4 && (value.ends_with(".tga") || value.ends_with(".jpg"))) << key << value;
        }
    }
}
