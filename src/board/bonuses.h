// Bonus figures and their blasts, and the hammer's charge.
#pragma once
#include "board/board_state.h"

namespace aw {

// Step e of a group click: the clicked figure may become a bonus figure.
// hadBomb / hadThunder / hadSuper tell which bonuses the clicked group held.
void awardClickBonus(bool hadBomb, bool hadThunder, bool hadSuper);
// Queues a blast for every marked figure carrying a bonus; delay 1 (a blast
// set off by another blast) starts it 150 ms later and counts one chain.
void triggerBonuses(int delay);
void updateBlasts(float dt);
void hitCell(int row, int column, const Blast& blast);
void updateHammer(float dt);
// The blast length of a bonus type.
float blastDuration(int type);
// Frees the thunder bolts as their life runs out, and moves the board shake.
void updateBolts(float dt);
void updateShake(float dt);

} // namespace aw
