// The items of the screens whose actions are the flow's: the main menu's
// modes, the mode screen's "start", the pause and defeat screens, the level
// result, and the answers of the boxes the flow asks.
#include "game/play_flow_internal.h"

#include "board/board.h"
#include "game/saved_games.h"
#include "ui/screens.h"

#include <cstring>

namespace aw {
namespace {

bool asked(const char* key) { return std::strcmp(messageBoxKey(), key) == 0; }

void reopenCurrent() {
    if (MenuNode* screen = currentScreen()) openScreen(screen);
}

void restartItem() {
    if (playState.levelLost) restartLevel();
    else askOverBoard(livesLeft() > 0 ? "restartquest" : "nomorelives");
}

void skipItem() {
    if (playState.levelIndex >= kLevelCount - 1) reopenCurrent(); // the last level has no next
    else if (livesLeft() > 0) askOverBoard("skipquest");
    else noticeOverBoard("noskiplevel");
}

// "main" leaves the board for the main menu. From the pause screen the level
// is saved first, and a box says so; after a win or a loss nothing is written.
void mainItem() {
    if (!currentScreenIs("gameplay") || !saveGame()) {
        leaveToMainMenu();
        return;
    }
    noticeOverBoard("savemsg");
}

void yesItem() {
    if (currentScreenIs("loadgamequest")) resumeSavedGame();
    else if (asked("zeroscore")) startPickedLevelFresh();
    else if (asked("restartquest")) restartLevel();
    else if (asked("nomorelives")) gameOver();
    else if (asked("skipquest")) skipLevel();
    else returnToParent();
}

void okItem() {
    if (asked("prolog")) startNewGame();
    else acceptLifeLost(); // "lostlifetime" and "lostlifemoves"
}

} // namespace

void registerPlayFlowItems() {
    registerItemAction("adventure", [] { chooseMode(kAdventure); });
    registerItemAction("timeless", [] { chooseMode(kTimeless); });
    registerItemAction("puzzle", [] { chooseMode(kPuzzle); });
    registerItemAction("start", startFromModeScreen);
    registerItemAction("resume game", [] { playState.overlayShown = false; });
    registerItemAction("restart level", restartItem);
    registerItemAction("skip level", skipItem);
    registerItemAction("main", mainItem);
    registerItemAction("oknextlevel", [] { playState.overlayShown = false; });
    registerItemAction("yes", yesItem);
    registerItemAction("no", declineSavedGame); // the ui asks only for the resume question's "no"
    registerItemAction("ok", okItem);
}

} // namespace aw
