// The landscape behind the board and the menus: one of 18 paintings with its
// scenery (sky and water moving behind holes in the painting, spray, swaying
// leaves, pictures behind and in front), its tint, and the change between
// levels. Callers use only these operations.
//
// Lifetime: the catalogue and the layouts live for the run; the current
// painting until another is shown. resetBackgrounds() forgets the painting,
// the change, the tint and the droplets (tests); resetScenery() also the
// catalogue, the layouts, the 3D objects and their meshes.
#pragma once

namespace aw {

struct DropletRing;

constexpr int kBackgroundCount = 18;
constexpr int kMainMenuBackground = 15;
constexpr int kTrophyRoomBackground = 17;

// Start-up, with the data directory current: the catalogue "gameobjs.txt"
// with its pictures and 3D objects, then the layouts of backgrounds 0 to 15
// from "AnimBacks".
void loadScenery();

// Shows the painting of number (outside 0..17: 0) at once, ending any change
// under way; the same number again changes nothing.
void setBackground(int number);
// Moves to the painting of number through the 3000 ms change (500 ms outside
// gameplay): the old scene swings and zooms, then the new one fades in.
void changeBackground(int number);
int currentBackground();
bool backgroundChanging();

// The tint the landscape moves towards, and one that applies at once.
void setTintTarget(float r, float g, float b, float a);
void setTintNow(float r, float g, float b, float a);

// The fade value (0 to 1) of the screen open over the board, set by the game
// scene every frame; while a screen is open the landscape is drawn darker by
// 0.8 + 0.2 * fade.
void setOverlayFade(float fade);

// Draws the landscape for this frame and advances its clocks by dt (ms).
// inGameplay: behind the board (the menus and the map pass false).
void drawBackground(bool inGameplay, float dt);

void resetBackgrounds();
void resetScenery();

// The droplets of the sprays (tests and tools look at them).
const DropletRing& sceneryDroplets();

} // namespace aw
