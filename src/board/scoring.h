// Score, combos, limits and the level outcome.
#pragma once

namespace aw {

// The bonus for clearing the level now, by mode.
int levelBonusNow();
// The clear check of the board step: no square left wins the level.
void clearCheck();
// The shown score counts up; crossing a multiple of 250,000 earns a life.
void countUpScore(float dt);
// Announces a chain of three or more bonuses and pays for it.
void announceChains();
void applyLimits(float dt);
void completionDisplay(float dt);
void trophyNotice(float dt);
// The text keys of a chain announcement (upper is null below three).
const char* chainTextKey(int chainCount);

} // namespace aw
