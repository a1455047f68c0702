#include "app/scene.h"

#include "app/shell_state.h"

namespace aw {
namespace {
// Lives for the run.
bool switchPending = false;
Scene* switchTarget = nullptr;
} // namespace

void requestSceneSwitch(Scene* next) {
    switchTarget = next;
    switchPending = true;
}

void applySceneSwitch() {
    if (!switchPending) return;
    if (shell.currentScene) shell.currentScene->onLeave();
    if (switchTarget) switchTarget->onActivate();
    shell.currentScene = switchTarget;
    switchPending = false;
}

bool sceneSwitchPending() { return switchPending; }
Scene* nextScene() { return switchTarget; }

} // namespace aw
