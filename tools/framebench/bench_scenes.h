// The scenes the frame benchmark and the allocation test run: the real frame
// loop offscreen, unpaced, with each scene set up as a player reaches it.
#pragma once
#include <string>

namespace aw::bench {

enum SceneId { kEmptyFrame, kMainMenu, kMap, kGameplay, kTrophyRoom, kSceneCount };

const char* sceneName(int id);

// Opens a hidden window and the render device, runs the start-up load from
// data (a directory ending in '/') and makes sure a profile exists. The
// player files go where XDG_DATA_HOME points: callers give a private one.
// False, with the reason on stderr, when there is no window.
bool startUp(const std::string& data);
void shutDown();

// Switches to the scene and runs it until its transitions are over.
void enter(int id);
// One frame of the scene: what keeps it busy (the bomb chain), then the
// frame loop's own frame, waiting for the renderer to finish it.
void frame(int id);

} // namespace aw::bench
