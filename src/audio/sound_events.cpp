#include "audio/sound_events.h"
#include "audio/sound_system.h"

#include <cstdio>

namespace aw {

void playMenuLineSelect() { playEffect("MenuLineSelect.ogg"); }
void playButtonClick() { playEffect("ButtonClick.ogg"); }
void playMaxPlayers() { playEffect("MaxPlayers.ogg"); }
void playEffectsVolumeChanged() { playEffect("SFXVolume.ogg"); }
void playGag() { playEffect("Gag.ogg"); }
void playLevelStatistic() { playEffect("LevelStatistic.ogg"); }

void playBreakChain() { playEffect("BreakZep.ogg"); }
void playBreakSquare() { playEffect("BreakSquare.ogg"); }

void playBreakFigure(int sameKindStreak) {
    if (sameKindStreak < 0)
        sameKindStreak = 0;
    if (sameKindStreak <= 7) {
        char name[32];
        std::snprintf(name, sizeof name, "BreakFigure%d.ogg", sameKindStreak + 1);
        playEffect(name);
        return;
    }
    // Keeps the rate arithmetic in range for absurd streaks; the mixer caps
    // the rate far below this anyway.
    if (sameKindStreak > 10000)
        sameKindStreak = 10000;
    playEffectAt("BreakFigure.ogg", 2000 * sameKindStreak + 8050);
}

void playFigureFall() { playEffect("FigureFall.ogg"); }
void playRefill() { playEffect("ReFillLevel.ogg"); }
void playMoveTip() { playEffect("MoveTipShow.ogg"); }
void playGetHammer() { playEffect("GetHammer.ogg"); }
void playUseHammer() { playEffect("UseHammer.ogg"); }

void playAddBomb() { playEffect("AddBomb.ogg"); }
void playAddSuperBomb() { playEffect("AddSuperBomb.ogg"); }
void playAddThunder() { playEffect("AddThunder.ogg"); }
void playBombExplosion() { playEffect("ExplosionBomb.ogg"); }
void playSuperBombExplosion() { playEffect("ExplosionSuperBomb.ogg"); }
void playThunderbolt() { playEffect("Thunderbolt.ogg"); }
void playBonusPrize() { playEffect("BonusPrize.ogg"); }

void playTimeOut(float volume) { playEffectVolume("TimeOut.ogg", volume); }
void playDefeat() { playEffect("DefeatLevel.ogg"); }
void playDefeatWave() { playEffect("DefeatLevelEffect.ogg"); }
void playGetLife() { playEffect("GetLife.ogg"); }
void playGetTrophy() { playEffect("GetTrophy.ogg"); }

void playTipShown() { playEffect("TipShow.ogg"); }
void playNoMoreMoves() { playEffect("NoMoreMove.ogg"); }

void playMapSound(int number) {
    if (number < 1 || number > 9)
        return;
    char name[16];
    std::snprintf(name, sizeof name, "map%d.ogg", number);
    playEffect(name);
}

void playMapButton() {
    playEffect("map7.ogg");
    playEffect("menu.ogg");
}

} // namespace aw
