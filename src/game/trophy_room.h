// The trophy room: a scene of its own where the earned trophies stand in a
// painted grotto, each new one presented in a panel before it takes its
// place. Entered from gameplay, the main menu or a mode screen; the return
// code says where leaving goes back to.
//
// Per-frame behaviour:
//   0 .. 1000 ms after entering   nothing reacts (the iris opens)
//   a trophy is new               its panel grows (500 ms), waits for "OK",
//                                 shrinks (500 ms); then it takes its place
//                                 with "trophyadd2"; hover and exit wait
//   otherwise                     hover marks a trophy; resting 2000 ms on
//                                 it, or a click, shows its description;
//                                 the exit sign or Escape leaves
//   leaving                       1000 ms of closing iris, then back
//
// Lifetime: one record for the run, reset on every entry; resetTrophyRoom()
// also forgets the hooks' effects (tests).
#pragma once
#include "core/rect.h"
#include "core/vec.h"
#include "persistence/profiles.h"

#include <cstdint>

namespace aw {

// Return codes: gameplay, the main menu, or the mode screen of that GameMode.
constexpr int kRoomFromGameplay = -2;
constexpr int kRoomFromMainMenu = -1;

constexpr float kRoomQuietMs = 1000;
constexpr float kPanelGrowMs = 500;
constexpr float kBalloonRestMs = 2000;
constexpr float kRoomLeaveMs = 1000;
constexpr float kExitSignX = -364, kExitSignY = 264, kExitSignSize = 64;
constexpr float kPanelWidth = 400, kPanelHeight = 330;
constexpr float kPanelButtonY = -kPanelHeight / 2 + 38, kPanelButtonWidth = 128, kPanelButtonHeight = 44;

enum class Presentation { kIdle, kGrowing, kWaiting, kShrinking };

struct TrophyRoom {
    bool active = false;          // the room is the scene shown
    int returnCode = kRoomFromMainMenu;
    int rememberedBackground = 0;
    char profileName[kProfileNameSize] = {};
    float timeMs = 0;             // since entering
    uint32_t ambientMs = 0;       // the birds' and waterfall's clock
    Vec2 mouse;                   // centred, y-up screen
    int hovered = 0;              // trophy under the mouse, 0 none
    float restMs = 0;             // on the hovered trophy
    bool balloonShown = false;
    float balloonAgeMs = 0;
    bool exitHovered = false;
    Presentation presentation = Presentation::kIdle;
    int presented = 0;            // the trophy in the panel
    float presentMs = 0;          // in the current growing or shrinking
    bool leaving = false;
    float leaveMs = 0;
};

const TrophyRoom& trophyRoom();
bool trophyRoomShown();

// What the room needs from the app: the scene switches. Null-safe.
struct TrophyRoomHooks {
    void (*showRoomScene)() = nullptr;
    void (*showGameScene)() = nullptr;
    // The menu scene in the given sub-state (ui_hooks.h: kMenuMain, kMenuMap).
    void (*showMenuScene)(int subState) = nullptr;
};
extern TrophyRoomHooks trophyRoomHooks;

// Remembers where to go back to, sets the room's painting, clears the
// particles and switches to the room's scene.
void enterTrophyRoom(int returnCode);

// Once per frame: the ambient sounds, hover, the balloon, the presentation
// and the way out. mouse in the centred, y-up screen.
void updateTrophyRoom(float dtMs, Vec2 mouse);
void drawTrophyRoom(float dtMs);
void trophyRoomClick(Vec2 mouse);
void trophyRoomKeyDown(int key);

// The panel's scale now: 1 - f squared as it grows and shrinks.
float presentationScale();
// Where the panel's "OK" button answers a click (the panel at full size).
Rect panelButtonRect();
// The trophy whose picture covers the point (earned, presentation done; the
// one drawn last wins), 0 when none.
int trophyAt(Vec2 p);
// The description of a trophy from the text table, or fallback when missing.
const char* trophyDescription(int number, const char* fallback);

void resetTrophyRoom();

} // namespace aw
