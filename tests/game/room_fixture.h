// What the trophy-room tests share: a hidden window for the room's pictures,
// the built data set for its painting, the player's files in a scratch
// directory, and a recorder on the room's hooks.
#pragma once
#include "game/trophy_room.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "render/device.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace awtest {

inline void openHiddenWindow() {
    if (aw::windowIsOpen()) return;
    aw::WindowConfig config;
    config.hidden = true;
    ASSERT_TRUE(aw::openWindow(config)) << aw::lastWindowError();
    ASSERT_TRUE(aw::initRenderDevice());
}

// The Data directory the build made (the room's painting is read from it).
inline std::string builtData() {
    const char* dir = std::getenv("AW_BUILD_DIR");
    return std::string(dir ? dir : ".") + "/Data";
}

struct Effect {
    std::string name;
    float x = 0, y = 0;
};

// What the room asked of the app and the particles.
struct RoomCalls {
    std::vector<std::string> scenes; // "room", "game", "menu0", "menu1"
    std::vector<Effect> effects;
    int particleClears = 0;
};
inline RoomCalls roomCalls;

inline void recordRoomCalls() {
    roomCalls = RoomCalls{};
    aw::trophyRoomHooks.showRoomScene = [] { roomCalls.scenes.push_back("room"); };
    aw::trophyRoomHooks.showGameScene = [] { roomCalls.scenes.push_back("game"); };
    aw::trophyRoomHooks.showMenuScene = [](int s) { roomCalls.scenes.push_back("menu" + std::to_string(s)); };
    aw::uiHooks.spawnEffect = [](const char* n, float x, float y, float) { roomCalls.effects.push_back({n, x, y}); };
    aw::uiHooks.clearParticles = [] { ++roomCalls.particleClears; };
}

// Frames of the room's scene with the mouse resting at p, in steps of 16 ms:
// the room, then the screens' update.
inline void roomFrames(float ms, aw::Vec2 p = {-390, -290}) {
    for (float t = 0; t < ms; t += 16) {
        aw::updateTrophyRoom(16, p);
        aw::screenUpdate(16);
    }
}

} // namespace awtest
