// Opening and closing screens, the fades, message boxes and the frame update.
//
//   idle (shown, amount 0) -> fade-out on Enter or Escape -> pending actions
//   -> fade-in of the next screen -> idle
#include "ui/navigation_state.h"

#include "audio/sound_system.h"
#include "resources/text_table.h"
#include "ui/scene_transition.h"
#include "ui/ui_hooks.h"
#include "ui/ui_media.h"
#include "ui/cursor.h"
#include "ui/widget_draw.h"

#include <cstdio>
#include <cstring>

namespace aw {

NavigationState nav;

namespace {

constexpr int kWarnedNames = 16;
char warned[kWarnedNames][kMenuNameSize];
int warnedCount = 0;

// Says once per name that a screen is missing from the tree.
void warnUnknown(const char* name) {
    for (int i = 0; i < warnedCount; ++i)
        if (std::strncmp(warned[i], name, kMenuNameSize - 1) == 0) return;
    std::fprintf(stderr, "Amberwick: no screen named \"%.63s\"\n", name);
    if (warnedCount < kWarnedNames) {
        std::snprintf(warned[warnedCount++], kMenuNameSize, "%s", name);
    }
}

void copyBounded(char* out, size_t cap, const char* s) {
    std::snprintf(out, cap, "%s", s ? s : "");
}

void advanceFades(float dt) {
    if (nav.fadeIn) {
        nav.fadeTimer += dt;
        nav.amount = 1 - nav.fadeTimer / kFadeMs;
        nav.slide = nav.amount * nav.amount * 300;
        if (nav.fadeTimer > kFadeMs) {
            nav.amount = 0;
            nav.slide = 0;
            nav.fadeIn = false;
        }
    } else if (nav.fadeOut) {
        nav.fadeTimer += dt;
        nav.amount = nav.fadeTimer / kFadeMs;
        nav.slide = nav.amount * nav.amount * 600;
        if (nav.fadeTimer > kFadeMs) {
            nav.amount = 1;
            nav.fadeOut = false;
            MenuNode* screen = nav.current;
            if (nav.pendingItem) {
                nav.pendingItem = false;
                runItemAction(screen, screen ? currentChild(nav.itemIndex) : nullptr);
            }
            if (nav.pendingBack) {
                nav.pendingBack = false;
                runBackAction(screen);
            }
        }
    }
}

void hover() {
    nav.hoverOnSelected = false;
    for (int i = 0; i < widgets.lineCount; ++i)
        if (lineHit(widgets.lines[i], nav.mouseX, nav.mouseY)) {
            nav.hoverOnSelected = i == nav.selected;
            if (nav.mouseMoved) {
                nav.selected = i;
                nav.hoverOnSelected = true;
            }
            break;
        }
    for (int i = 0; i < widgets.controlCount; ++i) {
        UiControl& c = widgets.controls[i];
        bool over = controlHit(c, nav.mouseX, nav.mouseY);
        switch (c.kind) {
        case kControlLink: c.on = over; break;
        case kControlSlider:
        case kControlCheckBox:
        case kControlLeftArrow:
        case kControlRightArrow:
            if (over && !nav.textEntry) nav.focused = i;
            break;
        default: break;
        }
    }
}

void dragSliders() {
    if (!nav.sliderDrag) return;
    for (int i = 0; i < widgets.controlCount; ++i)
        if (widgets.controls[i].kind == kControlSlider) sliderDragBehavior(widgets.controls[i], nav.mouseX, nav.mouseY);
}

} // namespace

bool fadeRunning() { return nav.fadeIn || nav.fadeOut; }

MenuNode* currentChild(int index) {
    if (!nav.current || index < 0 || index >= nav.current->childCount) return nullptr;
    return nav.current->children[index];
}

bool openScreenByName(const char* name) {
    MenuNode* node = findMenuNode(name);
    if (!node) {
        warnUnknown(name ? name : "");
        return false;
    }
    return openScreen(node);
}

bool openScreen(MenuNode* node) {
    if (!node || fadeRunning()) return false;
    uicall::clearParticles();
    nav.current = node;
    nav.focused = -1;
    clearRegistrations();
    nav.fadeIn = true;
    nav.amount = 1;
    nav.slide = 300;
    nav.textEntry = false; // the name screens turn it on again in their hooks
    if (node->onOpen) node->onOpen();
    nav.selected = 0;
    nav.fadeTimer = 0;
    return true;
}

bool closeCurrentScreen() {
    if (fadeRunning() || !nav.current) return false;
    uicall::clearParticles();
    nav.fadeOut = true;
    nav.fadeTimer = 0;
    return true;
}

void messageBoxText(const char* key, const char* text, bool okOnly) {
    MenuNode* previous = nav.current;
    copyBounded(nav.message, sizeof nav.message, text);
    copyBounded(nav.messageKey, sizeof nav.messageKey, key);
    MenuNode* box = findMenuNode(okOnly ? "messageboxok" : "messageboxyn");
    if (!box) {
        warnUnknown(okOnly ? "messageboxok" : "messageboxyn");
        return;
    }
    if (openScreen(box) && box != previous) box->parent = previous;
}

void messageBox(const char* textKey, bool okOnly) {
    const char* text = lookupText(textKey ? textKey : "");
    messageBoxText(textKey, text ? text : "", okOnly);
}

const char* messageBoxKey() { return nav.messageKey; }
const char* messageText() { return nav.message; }

MenuNode* currentScreen() { return nav.current; }
bool currentScreenIs(const char* name) { return nav.current && name && std::strcmp(nav.current->name, name) == 0; }
int selectedIndex() { return nav.selected; }
void setSelectedIndex(int index) { nav.selected = index; }
bool screenFading() { return fadeRunning(); }
float transitionAmount() { return nav.amount; }
float slideOffset() { return nav.slide; }
bool fadingIn() { return nav.fadeIn; }

void advanceUiClock(float dt) { nav.clockMs += dt; }
float uiClockMs() { return nav.clockMs; }

void requestTrophyRoomLater() {
    nav.trophyRequest = true;
    nav.trophyTimer = 0;
}

void screenUpdate(float dt) {
    uicall::refreshMouse();
    if (nav.trophyRequest) {
        nav.trophyTimer += dt;
        if (nav.trophyTimer > 1000) {
            nav.trophyRequest = false;
            MenuNode* item = currentChild(nav.selected);
            if (item && item != nav.current) item->parent = nav.current;
            nav.selected = 0;
            // Without a trophy room the main menu comes back.
            if (!uicall::enterTrophyRoomFromMenu() && nav.current) openScreen(nav.current);
        }
        return;
    }
    advanceFades(dt);
    if (nav.selected != nav.lastSelected && nav.selected >= 0 && nav.amount == 0) playEffect("MenuLineSelect.ogg");
    nav.lastSelected = nav.selected;
    nav.highlight = highlightAt(nav.clockMs);
    // The hidden main menu is closed (amount 1), yet a key must bring it back.
    if (nav.mainHidden && nav.pendingKey && !fadeRunning()) {
        processPendingKey();
        nav.pendingKey = 0;
        return;
    }
    if (fadeRunning() || nav.amount > 0) return;
    hover();
    nav.mouseMoved = false;
    dragSliders();
    processPendingKey();
    nav.pendingKey = 0;
}

void screenDraw() {
    clearRegistrations();
    MenuNode* screen = nav.current;
    // A closed screen (amount 1 with no fade) shows nothing.
    if (!screen || (!fadeRunning() && nav.amount >= 1)) return;
    Ui2DScope scope;
    if (screen->draw) {
        screen->draw();
    } else if (std::strcmp(screen->name, "gameplay") == 0 || std::strcmp(screen->name, "defeat") == 0 ||
               std::strcmp(screen->name, "replayloss") == 0) {
        setPointerState(0);
        drawDefaultList(0, nav.amount * nav.amount * 500, 18, true);
    } else if (screen->childCount > 0) {
        drawDefaultList(-210, 150 + nav.slide, 16, true);
    }
}

void resetScreens() {
    nav = NavigationState{};
    widgets = WidgetTables{};
    warnedCount = 0;
    registeredActionsReset();
    resetMenuTree();
    registerBuiltInScreens();
    resetScreenContent();
    resetSceneTransition();
    resetCursor();
}

} // namespace aw
