// The gameplay screen: one frame of the board being played, with the
// landscape, the tiles and figures, bonus markers, the effects of breaking,
// refilling and losing, the game bar with score, level, lives, hammer gauge
// and buttons, the score numbers, the pause prompts and the announcements.
// It reads the board and never changes a rule; what it owns is presentation
// state (clocks, pulses, effect slots).
//
// Lifetime: the textures live for the run; the presentation state is wiped
// at every level start (clearLevelPresentation) and by resetGameplayScreen
// (tests).
#pragma once

namespace aw {

// The gameplay pictures, then the light and material of the 3D models
// (start-up, after the sounds, before the font).
void loadGameplayGraphics(const char* dataDirectory);

// Advances the presentation clocks by dt and draws the frame.
void drawGameplayFrame(float dt, float animationTimeMs);
// Once per board tick: the landscape's tint target.
void gameplayTick(float dt);

// What lies under a point of the bar (an aw::HudSpot of board/outward.h).
int hudSpotAt(float x, float y);

// Flying score numbers: small (size 14) and large (size 20).
void spawnScorePopup(float x, float y, int value);
void spawnLargeScorePopup(float x, float y, int value);
// A broken square splits into four flying quarters of its former tile.
void startSquareBreak(float x, float y, int ground);

// Particles, letters, shards and the per-level clocks (level start).
void clearLevelPresentation();
// Fills the board's presentation hooks: effects, texts, shards, the HUD's
// buttons, the level's landscape, the per-tick presentation update.
void connectBoardPresentation();
void resetGameplayScreen();

} // namespace aw
