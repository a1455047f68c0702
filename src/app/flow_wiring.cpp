#include "app/flow_wiring.h"

#include "app/scenes.h"
#include "effects/announcements.h"
#include "effects/tips.h"
#include "game/play_flow.h"
#include "game/saved_games.h"
#include "game/trophy_room.h"

namespace aw {

void connectFlow() {
    playFlowHooks.switchToGameScene = [] { requestSceneSwitch(&gameScene); };
    playFlowHooks.clearLetters = clearLetters;
    // The board behind a room entered from the menus is not a game being left.
    savedGameHooks.trophyRoomOutsideGameplay = [] {
        return trophyRoomShown() && trophyRoom().returnCode != kRoomFromGameplay;
    };
    // A tip shown when the level was left comes back with it.
    savedGameHooks.capturePresentation = [](SavedPresentation& out) { captureTipBubble(out.hintBubble); };
    savedGameHooks.restorePresentation = [](const SavedPresentation& in) { restoreTipBubble(in.hintBubble); };
    connectPlayFlow();
}

} // namespace aw
