#include "app/flow_wiring.h"

#include "app/scenes.h"
#include "effects/announcements.h"
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
    connectPlayFlow();
}

} // namespace aw
