// The --map start: the map as the play flow opens it after a mode is chosen
// or a level completed, for looking at the map with a given profile.
#include "app/launch_options.h"

#include "app/scenes.h"
#include "board/play_state.h"
#include "game/map_state.h"
#include "persistence/profiles.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

namespace aw {

bool openLaunchMap() {
    if (profileCount() == 0) return false;
    static const char* const kScreens[kModeCount] = {"adventure", "timeless", "puzzle"};
    int mode = launchOptions.startMode;
    const Profile* p = currentProfile();
    playState = PlayState{};
    playState.mode = GameMode(mode);
    int level = levelIndexOf(p->currentStage[mode], p->currentLevel[mode]);
    int furthest = levelIndexOf(p->furthestStage[mode], p->furthestLevel[mode]);
    int moveFrom = -1;
    if (launchOptions.mapCompleted == kLevelCount) playState.finished = true;
    else if (launchOptions.mapCompleted > 0) moveFrom = launchOptions.mapCompleted - 1;
    menuScene.setSubState(kMenuMap);
    // Back from a level the map shows at once, as the play flow's return does.
    if (launchOptions.mapCompleted > 0) stopSceneTransition();
    placeOnMap(level, furthest, moveFrom);
    return openScreenByName(kScreens[mode]);
}

} // namespace aw
