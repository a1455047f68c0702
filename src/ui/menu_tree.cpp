#include "ui/menu_tree.h"

#include "core/keys.h"
#include "resources/registry.h"

#include <cstring>
#include <string_view>

namespace aw {
namespace {

constexpr int kMaxRoutineEntries = 32;

struct RoutineEntry {
    char name[kMenuNameSize] = {};
    ScreenRoutine draw = nullptr, onOpen = nullptr;
};

// Lives for the run.
struct TreeState {
    MenuNode nodes[kMaxMenuNodes];
    int count = 0;
    char credits[kMaxCreditsLines][kMenuNameSize] = {};
    int creditsCount = 0;
    RoutineEntry routines[kMaxRoutineEntries];
    int routineCount = 0;
};
TreeState tree;

void copyName(char* out, std::string_view s) {
    size_t n = s.size() < size_t(kMenuNameSize - 1) ? s.size() : size_t(kMenuNameSize - 1);
    std::memcpy(out, s.data(), n);
    out[n] = 0;
}

// One line from at (without its CR LF); at moves to the next line.
std::string_view nextLine(std::string_view file, size_t& at) {
    size_t end = file.find('\n', at);
    std::string_view line = file.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    at = end == std::string_view::npos ? file.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Where the entry "name=" starts a line; npos when none does.
size_t findEntry(std::string_view menu, std::string_view name) {
    size_t at = 0;
    while (at < menu.size()) {
        size_t lineStart = at;
        std::string_view line = nextLine(menu, at);
        if (line.size() == name.size() + 1 && line.back() == '=' && line.substr(0, name.size()) == name)
            return lineStart;
    }
    return std::string_view::npos;
}

void applyRoutines(MenuNode& n) {
    for (int i = 0; i < tree.routineCount; ++i)
        if (std::strcmp(tree.routines[i].name, n.name) == 0) {
            n.draw = tree.routines[i].draw;
            n.onOpen = tree.routines[i].onOpen;
        }
}

MenuNode* findByView(std::string_view name) {
    char key[kMenuNameSize];
    copyName(key, name);
    return findMenuNode(key);
}

struct Loader {
    std::string_view menu, texts;

    // Existing nodes are reused, so a tree that names itself ends here.
    MenuNode* load(std::string_view name) {
        if (MenuNode* existing = findByView(name)) return existing;
        if (tree.count >= kMaxMenuNodes || name.empty()) return nullptr;
        MenuNode& n = tree.nodes[tree.count++];
        n = MenuNode{};
        copyName(n.name, name);
        char textKey[kMenuNameSize + 1];
        std::memcpy(textKey, n.name, std::strlen(n.name));
        textKey[std::strlen(n.name)] = '=';
        if (auto v = findKeyValue(texts, std::string_view(textKey, std::strlen(n.name) + 1))) {
            std::string_view t = *v;
            if (size_t lf = t.find('\n'); lf != std::string_view::npos) t = t.substr(0, lf);
            copyName(n.text, t);
        }
        applyRoutines(n);
        size_t at = findEntry(menu, n.name);
        if (at == std::string_view::npos) return &n;
        nextLine(menu, at); // the "name=" line itself
        while (at < menu.size()) {
            std::string_view child = nextLine(menu, at);
            if (child.empty() || child.back() == '=') break;
            MenuNode* c = load(child);
            if (c && n.childCount < kMaxMenuChildren) n.children[n.childCount++] = c;
        }
        return &n;
    }
};

void readCredits(std::string_view texts) {
    tree.creditsCount = 0;
    size_t at = texts.find("[credits/]");
    if (at == std::string_view::npos) return;
    nextLine(texts, at);
    bool leading = true;
    while (at < texts.size() && tree.creditsCount < kMaxCreditsLines) {
        std::string_view line = nextLine(texts, at);
        if (line.substr(0, 10) == "[/credits]") break;
        if (leading && line.empty()) continue;
        leading = false;
        copyName(tree.credits[tree.creditsCount++], line);
    }
}

} // namespace

int buildMenuTree(const char* menu, size_t menuSize, const char* texts, size_t textsSize) {
    tree.count = 0;
    Loader loader{std::string_view(menu ? menu : "", menu ? menuSize : 0),
                  std::string_view(texts ? texts : "", texts ? textsSize : 0)};
    if (MenuNode* main = loader.load("main"); main && main->childCount > 0) {
        for (int i = 1; i < main->childCount; ++i) main->children[i - 1] = main->children[i];
        main->children[--main->childCount] = nullptr;
    }
    readCredits(loader.texts);
    return tree.count;
}

void registerBuiltInScreens(); // screen_table.cpp

void loadMenus() {
    registerBuiltInScreens();
    int menuSize = 0, textsSize = 0;
    uint8_t* menu = loadResource("menu.txt", &menuSize, true);
    uint8_t* texts = loadResource("menutext.txt", &textsSize, true);
    buildMenuTree(reinterpret_cast<const char*>(menu), size_t(menuSize), reinterpret_cast<const char*>(texts),
                  size_t(textsSize));
    releaseResource(menu);
    releaseResource(texts);
}

MenuNode* findMenuNode(const char* name) {
    if (!name) return nullptr;
    for (int i = 0; i < tree.count; ++i)
        if (std::strcmp(tree.nodes[i].name, name) == 0) return &tree.nodes[i];
    return nullptr;
}

int menuNodeCount() { return tree.count; }
MenuNode* menuNodeAt(int index) { return index >= 0 && index < tree.count ? &tree.nodes[index] : nullptr; }

int childIndex(const MenuNode* node, const MenuNode* child) {
    if (!node || !child) return -1;
    for (int i = 0; i < node->childCount; ++i)
        if (node->children[i] == child) return i;
    return -1;
}

int creditsLineCount() { return tree.creditsCount; }
const char* creditsLine(int index) {
    return index >= 0 && index < tree.creditsCount ? tree.credits[index] : "";
}

void setScreenRoutines(const char* name, ScreenRoutine draw, ScreenRoutine onOpen) {
    if (!name) return;
    RoutineEntry* entry = nullptr;
    for (int i = 0; i < tree.routineCount; ++i)
        if (std::strcmp(tree.routines[i].name, name) == 0) entry = &tree.routines[i];
    if (!entry) {
        if (tree.routineCount >= kMaxRoutineEntries) return;
        entry = &tree.routines[tree.routineCount++];
        copyName(entry->name, name);
    }
    entry->draw = draw;
    entry->onOpen = onOpen;
    if (MenuNode* n = findMenuNode(name)) applyRoutines(*n);
}

void resetMenuTree() { tree = TreeState{}; }

} // namespace aw
