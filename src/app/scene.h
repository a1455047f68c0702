// A scene is one full-screen state of the program that receives every frame
// and every input event from the shell. Four exist for the whole run.
#pragma once

namespace aw {

class Scene {
public:
    virtual ~Scene() = default;

    // In slot order. Mouse operations read mouseX / mouseY of the shell.
    virtual void onActivate() {}
    virtual void onLeave() {}
    virtual void onAfterFrame() { pendingKey = 0; }
    virtual void onReserved() {}
    virtual void onFrame() {}
    virtual void onKeyDown(int /*virtualKey*/) {}
    virtual void onLeftDown() {}
    virtual void onLeftDoubleClick() {}
    virtual void onLeftUp() {}
    virtual void onRightDown() {}
    virtual void onRightUp() {}
    virtual void onMiddleDown() {}
    virtual void onMouseMove() {}

    // The last key stored by onKeyDown; consumed in onAfterFrame. 0 when none.
    int pendingKey = 0;
};

// The switch is deferred: it takes effect after the current frame. A second
// request in the same frame replaces the first.
void requestSceneSwitch(Scene* next);
// Called once per drawn frame by the frame loop.
void applySceneSwitch();
bool sceneSwitchPending();
Scene* nextScene();

} // namespace aw
