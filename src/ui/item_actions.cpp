// What an item does when it is chosen, what Escape does on each screen, and
// the screen-specific key remaps.
#include "ui/navigation_state.h"

#include "audio/sound_system.h"
#include "board/game_modes.h"
#include "board/play_state.h"
#include "persistence/player_files.h"
#include "platform/events.h"
#include "ui/scene_transition.h"
#include "ui/screen_content.h"
#include "ui/screen_values.h"
#include "ui/ui_hooks.h"

#include <cstring>

namespace aw {
namespace {

constexpr int kMaxRegisteredActions = 48;

struct NamedAction {
    char name[kMenuNameSize] = {};
    ItemAction action = nullptr;
};

// Lives for the run; filled by the play flow.
NamedAction registered[kMaxRegisteredActions];
int registeredCount = 0;

ItemAction registeredAction(const char* name) {
    for (int i = 0; i < registeredCount; ++i)
        if (std::strcmp(registered[i].name, name) == 0) return registered[i].action;
    return nullptr;
}

bool is(const MenuNode* n, const char* name) { return n && std::strcmp(n->name, name) == 0; }
bool isModeScreen(const MenuNode* n) { return n && modeFromKey(n->name) >= 0; }
bool askedFor(const char* key) { return std::strcmp(nav.messageKey, key) == 0; }

// Runs the play flow's action for the name; true when there was one.
bool runRegistered(const char* name) {
    ItemAction a = registeredAction(name);
    if (!a) return false;
    a();
    return true;
}

// Names whose actions belong to the play flow: until it registers them, the
// screen that was left simply comes back.
const char* const kPlayFlowItems[] = {"adventure", "timeless",    "puzzle", "start", "resume game",
                                      "restart level", "skip level", "main", "oknextlevel"};

bool playFlowItem(const char* name) {
    for (const char* n : kPlayFlowItems)
        if (std::strcmp(n, name) == 0) return true;
    return false;
}

void reopen(MenuNode* screen) {
    if (screen) openScreen(screen);
}

void answerYes(MenuNode* screen) {
    // The key names the last box's question; only that box answers it (a
    // "yes" elsewhere, as in the resume question, must not act on it).
    bool box = is(screen, "messageboxyn");
    if (box && askedFor("removeplayer")) removeProfileToActOn();
    else if (box && askedFor("quit")) uicall::quit();
    else if (!runRegistered("yes")) goBack();
}

void answerNo(MenuNode* screen) {
    if (is(screen, "loadgamequest") && runRegistered("no")) return;
    goBack();
}

void answerOk(MenuNode* screen) {
    if (askedFor("prolog") || askedFor("lostlifetime") || askedFor("lostlifemoves")) {
        if (!runRegistered("ok")) goBack();
        return;
    }
    if (screen && is(screen->parent, "defeat")) {
        returnToParent();
        return;
    }
    uicall::switchToMenuScene();
    openScreenByName("main");
}

void backOrLeaveGame(MenuNode* screen) {
    if (is(screen, "hiscore") && uicall::hostedByGame()) {
        clearHighlightedRow();
        uicall::switchToMenuScene();
        openScreenByName("main");
        return;
    }
    goBack();
}

void startTrophyRoom(MenuNode*) {
    startSceneTransition(1000, "");
    requestTrophyRoomLater();
}

void trophyRoomFromMap(MenuNode* screen) {
    if (!uicall::enterTrophyRoomFromModeScreen()) reopen(screen);
}

using BuiltIn = void (*)(MenuNode* screen);

struct BuiltInAction {
    const char* name;
    BuiltIn run;
};

// The ui's own item actions, matched by name wherever the item stands.
const BuiltInAction kBuiltIn[] = {
    {"selectprofile", [](MenuNode*) { actionSelectProfile(); }},
    {"newprofile", [](MenuNode*) { actionNewProfile(); }},
    {"rename", [](MenuNode*) { actionRename(); }},
    {"okrename", [](MenuNode*) { actionOkRename(); }},
    {"remove", [](MenuNode*) { actionRemove(); }},
    {"oknewprofile", [](MenuNode*) { actionOkNewProfile(); }},
    {"okcontinuegame", [](MenuNode*) { actionContinueGame(); }},
    {"apply", [](MenuNode*) { actionApply(); }},
    {"cancel", backOrLeaveGame},
    {"back", backOrLeaveGame},
    {"default", [](MenuNode*) { actionDefault(); }},
    {"exit", [](MenuNode*) { actionExit(); }},
    {"trophyroom", startTrophyRoom},
    {"trophy room", trophyRoomFromMap},
    {"backfrommap", [](MenuNode*) { goBack(); }},
    {"yes", answerYes},
    {"no", answerNo},
    {"ok", answerOk},
};

} // namespace

void registerItemAction(const char* name, ItemAction action) {
    if (!name) return;
    for (int i = 0; i < registeredCount; ++i)
        if (std::strcmp(registered[i].name, name) == 0) {
            registered[i].action = action;
            return;
        }
    if (registeredCount >= kMaxRegisteredActions) return;
    std::snprintf(registered[registeredCount].name, kMenuNameSize, "%s", name);
    registered[registeredCount++].action = action;
}

void registeredActionsReset() {
    for (NamedAction& a : registered) a = NamedAction{};
    registeredCount = 0;
}

void openAsScreen(MenuNode* item) {
    if (!item) return;
    // The credits always lead back to the main menu.
    MenuNode* parent = is(item, "credits") ? findMenuNode("main") : nav.current;
    if (parent != item) item->parent = parent;
    openScreen(item);
    nav.selected = 0;
}

void runItemAction(MenuNode* screen, MenuNode* item) {
    if (!item) return;
    for (const BuiltInAction& b : kBuiltIn)
        if (std::strcmp(b.name, item->name) == 0) {
            b.run(screen);
            return;
        }
    if (runRegistered(item->name)) return;
    if (playFlowItem(item->name)) {
        reopen(screen);
        return;
    }
    openAsScreen(item);
}

void returnToParent() {
    MenuNode* left = nav.current;
    MenuNode* parent = left ? left->parent : nullptr;
    // A screen opened with no way back leads to the main menu.
    if (!parent || parent == left) parent = is(left, "main") ? nullptr : findMenuNode("main");
    if (!parent || !openScreen(parent)) return;
    int index = childIndex(parent, left);
    nav.selected = index < 0 ? 0 : index;
}

void runBackAction(MenuNode* screen) {
    if (!screen) return;
    if (is(screen, "gameplay") || is(screen, "replaywin") || is(screen, "replayloss")) {
        playState.overlayShown = false;
    } else if (is(screen, "credits")) {
        changeTune(0);
        returnToParent();
    } else if (is(screen, "main")) {
        nav.mainHidden = true;
    } else if (is(screen, "hiscore")) {
        clearHighlightedRow();
        returnToParent();
    } else if (isModeScreen(screen) || is(screen, "trophyroom")) {
        openScreenByName("main");
    } else if (is(screen, "options")) {
        writePlayerFiles();
        returnToParent();
    } else {
        returnToParent();
    }
}

void goBack() { runBackAction(nav.current); }

int remapScreenKey(MenuNode* screen, int key) {
    if (!screen) return key;
    if (is(screen, "profiles")) {
        if (key == vk::Return && is(currentChild(nav.selected), "newprofile") && profilesFull()) {
            playEffect("MaxPlayers.ogg");
            return 0;
        }
    } else if (is(screen, "levelcomplete")) {
        if (key == vk::Escape) key = vk::Return;
        if (key == vk::Return && levelResultCounting()) {
            finishLevelResultCount();
            return 0;
        }
    } else if (is(screen, "hiscore")) {
        if (key == vk::Left || key == vk::Right) {
            changeHiscoreMode(key == vk::Left ? -1 : 1);
            return 0;
        }
    } else if (is(screen, "credits")) {
        return vk::Escape;
    } else if (is(screen, "gameplaytip")) {
        if (key == vk::Escape) key = vk::Return;
    } else if (is(screen, "loadgamequest") || is(screen, "defeat") || isModeScreen(screen)) {
        if (key == vk::Escape) return 0;
    }
    return key;
}

} // namespace aw
