// The navigation state shared by the ui's own files (not part of its contract).
#pragma once
#include "ui/menu_tree.h"
#include "ui/screens.h"
#include "ui/widgets.h"

namespace aw {

constexpr int kMessageKeySize = 32;

// One instance; lives for the run, wiped by resetScreens().
struct NavigationState {
    MenuNode* current = nullptr;
    int selected = 0;
    int lastSelected = -1;     // for the line-select sound
    int focused = -1;          // index of the focused control
    int pendingKey = 0;
    bool fadeIn = false, fadeOut = false;
    float fadeTimer = 0;
    float amount = 1;          // 0 fully shown, 1 fully hidden
    float slide = 0;           // virtual pixels
    bool pendingItem = false, pendingBack = false;
    int itemIndex = -1;        // the child chosen by Enter
    bool textEntry = false;
    char edit[kEditBufferSize] = {};
    int editLength = 0, caret = 0;
    bool mainHidden = false;
    bool sliderDrag = false;
    bool mouseMoved = false;
    bool hoverOnSelected = false; // the mouse rests on the selected line (tooltips)
    bool trophyRequest = false;
    float trophyTimer = 0;
    float clockMs = 0;
    Highlight highlight;
    float mouseX = 0, mouseY = 0; // virtual: centred, y up
    char message[kMessageBufferSize] = {};
    char messageKey[kMessageKeySize] = {};
};
extern NavigationState nav;

bool fadeRunning();
// The child of the current screen at index, or null.
MenuNode* currentChild(int index);
// Item actions and back actions (item_actions.cpp).
void runItemAction(MenuNode* screen, MenuNode* item);
void runBackAction(MenuNode* screen);
// Opens item as a screen reached from the current one.
void openAsScreen(MenuNode* item);
// Screen-specific key remaps; returns the key to process, 0 when consumed.
int remapScreenKey(MenuNode* screen, int key);
// The pending key's processing (screen_input.cpp).
void processPendingKey();
void registeredActionsReset();
// The ui's own screens with their routines (screen_table.cpp).
void registerBuiltInScreens();
void resetScreenContent();

} // namespace aw
