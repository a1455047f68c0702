#include "app/flow_wiring.h"

#include "app/scenes.h"
#include "effects/announcements.h"
#include "effects/particles.h"
#include "game/play_flow.h"
#include "game/saved_games.h"
#include "game/trophy_room.h"
#include "ui/ui_hooks.h"

namespace aw {

void connectFlow() {
    playFlowHooks.switchToGameScene = [] { requestSceneSwitch(&gameScene); };
    playFlowHooks.clearLetters = clearLetters;
    // Levels started, left and advanced by the flow and the screens begin without old sparks.
    uiHooks.clearParticles = clearEffects;
    // The board behind a room entered from the menus is not a game being left.
    savedGameHooks.trophyRoomOutsideGameplay = [] {
        return trophyRoomShown() && trophyRoom().returnCode != kRoomFromGameplay;
    };
    connectPlayFlow();
}

} // namespace aw
