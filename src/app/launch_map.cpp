// The --map start: the map as the play flow opens it after a mode is chosen
// or a level completed, for looking at the map with a given profile.
#include "app/launch_options.h"

#include "board/game_modes.h"
#include "board/play_state.h"
#include "game/map_state.h"
#include "persistence/profiles.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"

namespace aw {

bool openLaunchMap() {
    if (profileCount() == 0) return false;
    int mode = launchOptions.startMode;
    playState = PlayState{};
    playState.mode = GameMode(mode);
    playState.finished = launchOptions.mapCompleted == kLevelCount;
    if (launchOptions.mapCompleted > 0) {
        // Back from a level the map shows at once, with the new star of the
        // level before the profile's current one, as the play flow's return does.
        mapState.justAdvanced = true;
        stopSceneTransition();
    }
    // The mode screen's on-open hook places the map from the profile's progress.
    return openScreenByName(modeInfo(mode).key);
}

} // namespace aw
