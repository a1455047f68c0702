#include "board/board_state.h"
#include "board/bonuses.h"
#include "board/outward.h"
#include "board/play_state.h"

namespace aw {

// The hammer charges as figures go (the break step raises its target) and
// is ready once full; a click then strikes one cell (see moves.cpp).
void updateHammer(float dt) {
    if (playState.overlayShown || playState.levelWon || boardInput.tipShown || gs.paused || playState.levelLost ||
        boardInput.transitionRunning) {
        if (gs.hammerCursor) report::setHammerCursor(false);
        return;
    }
    if (gs.hammerCursor != gs.hammerArmed) report::setHammerCursor(gs.hammerArmed);
    if (gs.hammerCharge >= gs.hammerFull) {
        gs.hammerCharge = gs.hammerFull;
        gs.hammerTarget = gs.hammerEmpty;
        if (!gs.hammerReady && !gs.hammerArmed) {
            report::playSound("GetHammer.ogg");
            gs.hammerReady = true;
            report::showTip("usehammer", -314, -42);
        }
        return;
    }
    float d = gs.hammerTarget - gs.hammerCharge;
    if (d > 0.001f) gs.hammerCharge += d * dt * 0.005f;
    else gs.hammerCharge = gs.hammerTarget;
}

} // namespace aw
