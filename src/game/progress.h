// A mode's progress inside the profile: the level played next, the furthest
// level reached, the lives and the score carried into the current level.
// The profile keeps the levels as (stage, level within stage); these read
// and write them as level indices. Values read from a file are not trusted:
// every level read back lies in 0..128 and every count is kept in range.
#pragma once
#include "persistence/profiles.h"

namespace aw {

constexpr int kStartLives = 3;
constexpr int kMaxLives = 999; // far beyond what any score can earn; keeps the count sane

// The level the player plays next in the mode (0..128).
int currentLevelOf(const Profile& p, int mode);
// The furthest level ever reached in the mode (0..128); levels up to it are open.
int furthestLevelOf(const Profile& p, int mode);
void storeCurrentLevel(Profile& p, int mode, int level);

// After level `completed` is cleared: the next level becomes current (after
// the last one the first), and the furthest level rises to it, never beyond 128.
void advanceProgress(Profile& p, int mode, int completed);

int livesOf(const Profile& p, int mode);
void setLives(Profile& p, int mode, int lives);
int modeScoreOf(const Profile& p, int mode);
void setModeScore(Profile& p, int mode, int score);

} // namespace aw
