// One function per sound event: the game code calls these by meaning, and
// only this file knows which sound file each one plays.
#pragma once

namespace aw {

// Menus and dialogs.
void playMenuLineSelect();
void playButtonClick();
void playMaxPlayers();
void playEffectsVolumeChanged();
void playGag();
void playLevelStatistic();

// The board.
void playBreakChain();
void playBreakSquare();
// A figure breaks during a same-kind streak of sameKindStreak: a rising
// series of eight sounds, then one sound pitched higher with every step.
void playBreakFigure(int sameKindStreak);
void playFigureFall();
void playRefill();
void playMoveTip();
void playGetHammer();
void playUseHammer();

// Bonuses.
void playAddBomb();
void playAddSuperBomb();
void playAddThunder();
void playBombExplosion();
void playSuperBombExplosion();
void playThunderbolt();
void playBonusPrize();

// Limits and outcome. volume 0..1: the warning ticks grow louder.
void playTimeOut(float volume);
void playDefeat();
void playDefeatWave();
void playGetLife();
void playGetTrophy();

// Tutorial hints.
void playTipShown();
void playNoMoreMoves();

// The adventure map: sounds 1 to 9 (others play nothing), and the click on the
// map's growing button.
void playMapSound(int number);
void playMapButton();

} // namespace aw
