// The screen tree: every screen and item of the menus, loaded once from
// "menu.txt" (the tree) and "menutext.txt" (the texts and the credits
// block), and the registry of what each named screen draws and does on open.
//
// Lifetime: the node table lives for the run; resetMenuTree() empties it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace aw {

constexpr int kMaxMenuNodes = 256;
constexpr int kMaxMenuChildren = 16;
constexpr int kMenuNameSize = 64; // 63 characters and the terminator
constexpr int kMaxCreditsLines = 128;

using ScreenRoutine = void (*)();

struct MenuNode {
    char name[kMenuNameSize] = {};
    char text[kMenuNameSize] = {};
    MenuNode* parent = nullptr; // where the back action returns; set when opened from another node
    MenuNode* children[kMaxMenuChildren] = {};
    int childCount = 0;
    uint8_t disabled = 0;
    ScreenRoutine draw = nullptr;   // none for plain lists
    ScreenRoutine onOpen = nullptr; // runs when the screen opens
};

// Builds the tree from the two files' bytes, depth first from "main", then
// drops the first child of "main". Everything past the limits (nodes,
// children, name and text lengths) is left out; an entry also ends at a line
// that starts another entry, so a missing empty line cannot swallow it.
// Returns the number of nodes.
int buildMenuTree(const char* menu, size_t menuSize, const char* texts, size_t textsSize);
// Reads both files through the resource registry (required) and builds the tree.
void loadMenus();

// Linear search by name; null when absent or name is null.
MenuNode* findMenuNode(const char* name);
int menuNodeCount();
MenuNode* menuNodeAt(int index);
// Index of child among node's children, -1 when absent.
int childIndex(const MenuNode* node, const MenuNode* child);

// The credits block of "menutext.txt".
int creditsLineCount();
const char* creditsLine(int index);

// Gives a named screen its draw routine and on-open hook (either may be
// null); applied now and to the screen whenever the tree is rebuilt. Other
// subsystems use it for the screens they draw (the mode screens show the map).
void setScreenRoutines(const char* name, ScreenRoutine draw, ScreenRoutine onOpen);

void resetMenuTree();

} // namespace aw
