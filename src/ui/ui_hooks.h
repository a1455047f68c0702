// What the screens ask of the subsystems above them: particle effects, the
// menu landscape, the map, the trophy room, scene switches, the menu scene's
// sub-state, quitting and the display mode. Every hook defaults to nothing
// (queries answer false); the app connects what exists.
#pragma once

namespace aw {

// The menu scene's sub-states.
constexpr int kMenuMain = 0, kMenuMap = 1, kMenuCredits = 4;

struct UiHooks {
    void (*clearParticles)() = nullptr;
    void (*spawnEffect)(const char* name, float x, float y, float size) = nullptr;
    // The menu landscape and a neutral tint (number 15 for the main menu).
    void (*setMenuBackground)(int number) = nullptr;
    void (*setMenuSubState)(int kind) = nullptr;
    void (*switchToMenuScene)() = nullptr;
    // Entering the trophy room (from the main menu, from a mode screen).
    void (*enterTrophyRoomFromMenu)() = nullptr;
    void (*enterTrophyRoomFromModeScreen)() = nullptr;
    // A click reaches the map first.
    void (*mapClick)() = nullptr;
    void (*quit)() = nullptr;
    // Window or desktop full-screen, at once; also stores the flag.
    void (*applyDisplayMode)(bool fullScreen) = nullptr;
    bool (*displayFullScreen)() = nullptr;
    // Where the mouse is, in client pixels of the 800 x 600 frame; asked
    // before every input and every update.
    void (*mousePosition)(int& x, int& y) = nullptr;
    // True while the screens are shown over the board.
    bool (*hostedByGame)() = nullptr;
};

extern UiHooks uiHooks;

// Null-safe callers.
namespace uicall {
void clearParticles();
void spawnEffect(const char* name, float x, float y, float size = 1);
void setMenuBackground(int number);
void setMenuSubState(int kind);
void switchToMenuScene();
bool enterTrophyRoomFromMenu();
bool enterTrophyRoomFromModeScreen();
void mapClick();
void quit();
void applyDisplayMode(bool fullScreen);
bool displayFullScreen();
bool hostedByGame();
// Takes the mouse from the hook when one is connected.
void refreshMouse();
} // namespace uicall

} // namespace aw
