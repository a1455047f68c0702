// The screen tree: every screen and item the game opens or acts on, within the
// loader's limits, with texts found by the loader's substring search.
#include "data/data_set.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace awtest;

namespace {

struct Node {
    std::string name;
    std::string text;
    std::vector<std::string> children;
};

// Where "name=" first occurs anywhere in the file (the loader's search), and
// where it occurs at the start of a line (what the author meant).
size_t substringEntry(const std::string& file, const std::string& name) { return file.find(name + "="); }
size_t lineEntry(const std::string& file, const std::string& name) {
    std::string key = name + "=";
    if (file.compare(0, key.size(), key) == 0) return 0;
    size_t at = file.find("\n" + key);
    return at == std::string::npos ? at : at + 1;
}

struct Tree {
    std::string menu, texts;
    std::map<std::string, Node> nodes;
    std::vector<std::string> order; // creation order
    std::vector<std::string> lookupConflicts;

    std::string lineAt(const std::string& file, size_t at) const {
        size_t end = file.find('\r', at);
        return file.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }

    void load(const std::string& name) {
        if (nodes.count(name)) return;
        Node& n = nodes[name];
        n.name = name;
        order.push_back(name);
        size_t t = substringEntry(texts, name);
        if (t != lineEntry(texts, name)) lookupConflicts.push_back("menutext.txt: " + name);
        if (t != std::string::npos) n.text = lineAt(texts, t + name.size() + 1);
        size_t e = substringEntry(menu, name);
        if (e != lineEntry(menu, name)) lookupConflicts.push_back("menu.txt: " + name);
        if (e == std::string::npos) return;
        size_t p = menu.find("\r\n", e);
        std::vector<std::string> children;
        while (p != std::string::npos && p + 2 < menu.size()) {
            p += 2;
            std::string line = lineAt(menu, p);
            if (line.empty()) break;
            children.push_back(line);
            p = menu.find("\r\n", p);
        }
        nodes[name].children = children;
        for (const std::string& c : children) load(c);
    }
};

const Tree& tree() {
    static Tree t = [] {
        Tree r;
        const DataSet& d = DataSet::instance();
        if (auto m = d.read("", "menu.txt")) r.menu = asString(*m);
        if (auto x = d.read("", "menutext.txt")) r.texts = asString(*x);
        r.load("main");
        return r;
    }();
    return t;
}

const Node* node(const std::string& name) {
    auto it = tree().nodes.find(name);
    return it == tree().nodes.end() ? nullptr : &it->second;
}

// The main menu as shown: the loader drops the first child.
std::vector<std::string> mainItems() {
    std::vector<std::string> items = node("main")->children;
    items.erase(items.begin());
    return items;
}

bool lists(const std::string& screen, const std::string& item) {
    const Node* n = node(screen);
    if (!n) return false;
    for (const std::string& c : n->children)
        if (c == item) return true;
    return false;
}

std::vector<std::string> creditsLines() {
    const std::string& s = tree().texts;
    std::vector<std::string> out;
    size_t start = s.find("[credits/]");
    if (start == std::string::npos) return out;
    size_t p = s.find("\r\n", start) + 2;
    while (p < s.size() && (s[p] == '\r' || s[p] == '\n')) ++p; // blank lines after the marker
    while (p < s.size()) {
        size_t end = s.find("\r\n", p);
        std::string line = s.substr(p, end - p);
        if (line.starts_with("[/credits]")) break;
        out.push_back(line);
        if (end == std::string::npos) break;
        p = end + 2;
    }
    return out;
}

} // namespace

TEST(ScreenTree, StaysWithinTheLoaderLimits) {
    ASSERT_NE(node("main"), nullptr);
    EXPECT_LE(tree().nodes.size(), 256u);
    for (const auto& [name, n] : tree().nodes) {
        EXPECT_LE(n.children.size(), 16u) << name;
        EXPECT_LE(name.size(), 63u) << name;
        EXPECT_LE(n.text.size(), 63u) << name;
        EXPECT_EQ(n.text.find('='), std::string::npos) << name;
    }
    // Each entry of menu.txt ends with an empty line, the last one included.
    EXPECT_TRUE(tree().menu.ends_with("\r\n\r\n"));
}

TEST(ScreenTree, SubstringLookupFindsEveryNodeAtItsOwnLine) {
    (void)tree();
    for (const std::string& c : tree().lookupConflicts) ADD_FAILURE() << "search for name= lands elsewhere: " << c;
}

TEST(ScreenTree, MainListsTheModesAndExitsAfterTheDroppedFirstChild) {
    std::vector<std::string> items = mainItems();
    std::set<std::string> have(items.begin(), items.end());
    for (const char* item : {"adventure", "timeless", "puzzle", "trophyroom", "exit", "options", "credits"})
        EXPECT_TRUE(have.count(item)) << item;
    EXPECT_GE(items.size(), 6u) << "six items carry the main-menu tips";
    EXPECT_FALSE(have.count(node("main")->children.front())) << "the dropped child must not be a real item";
}

TEST(ScreenTree, EveryScreenTheGameOpensExists) {
    for (const char* s : {"main", "adventure", "timeless", "puzzle", "loadgamequest", "gameplay", "defeat",
                          "gameover", "replaywin", "replayloss", "levelcomplete", "hiscore", "options",
                          "audio", "video", "profiles", "newprofile", "rename", "credits", "gameplaytip",
                          "messageboxok", "messageboxyn", "trophyroom"})
        EXPECT_NE(node(s), nullptr) << s;
}

TEST(ScreenTree, ScreensListTheirItemsInTheOrderTheButtonsNeed) {
    auto first = [](const char* screen) {
        const Node* n = node(screen);
        return n && !n->children.empty() ? n->children[0] : std::string();
    };
    for (const char* mode : {"adventure", "timeless", "puzzle"}) {
        EXPECT_EQ(first(mode), "start") << mode;
        EXPECT_TRUE(lists(mode, "backfrommap")) << mode;
    }
    EXPECT_EQ(first("levelcomplete"), "oknextlevel");
    EXPECT_EQ(first("newprofile"), "oknewprofile");
    EXPECT_EQ(first("rename"), "okrename");
    EXPECT_EQ(first("gameplaytip"), "okcontinuegame");
    EXPECT_EQ(first("options"), "apply");
    EXPECT_TRUE(first("hiscore") == "back" || first("hiscore") == "cancel");
    // The name entries show a second button when profiles exist: a way back.
    for (const char* s : {"newprofile", "rename"}) {
        ASSERT_GE(node(s)->children.size(), 2u) << s;
        std::string second = node(s)->children[1];
        EXPECT_TRUE(second == "back" || second == "cancel") << s;
    }
    EXPECT_EQ(node("messageboxok")->children, std::vector<std::string>{"ok"});
    EXPECT_EQ(node("messageboxyn")->children, (std::vector<std::string>{"yes", "no"}));
    EXPECT_EQ(node("loadgamequest")->children, (std::vector<std::string>{"yes", "no"}));
    for (const char* item : {"selectprofile", "newprofile", "rename", "remove"})
        EXPECT_TRUE(lists("profiles", item)) << item;
    for (const char* item : {"resume game", "restart level", "skip level", "main"})
        EXPECT_TRUE(lists("gameplay", item)) << item;
    for (const char* item : {"restart level", "skip level", "main"}) EXPECT_TRUE(lists("defeat", item)) << item;
    for (const char* s : {"audio", "video"}) EXPECT_TRUE(lists(s, "default")) << s;
    EXPECT_TRUE(node("credits")->children.empty());
}

TEST(ScreenTree, EveryShownNodeHasAText) {
    const std::string dropped = node("main")->children.front();
    for (const auto& [name, n] : tree().nodes)
        if (name != dropped) {
            EXPECT_FALSE(n.text.empty()) << name;
        }
}

TEST(Credits, LinesFitAndHeadingsAreMarkedForYellow) {
    std::vector<std::string> lines = creditsLines();
    ASSERT_GE(lines.size(), 4u);
    int headings = 0;
    for (const std::string& l : lines) {
        EXPECT_LE(l.size(), 63u) << l;
        EXPECT_EQ(l.find('='), std::string::npos) << l;
        if (l.size() >= 3 && static_cast<unsigned char>(l[2]) >= 0xE0) ++headings;
    }
    EXPECT_GE(headings, 1);
    EXPECT_FALSE(lines.front().empty()) << "blank lines after the marker are skipped";
}
