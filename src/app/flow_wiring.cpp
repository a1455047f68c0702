#include "app/flow_wiring.h"

#include "app/scenes.h"
#include "game/play_flow.h"

namespace aw {

void connectFlow() {
    playFlowHooks.switchToGameScene = [] { requestSceneSwitch(&gameScene); };
    connectPlayFlow();
}

} // namespace aw
