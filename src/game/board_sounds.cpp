#include "game/board_sounds.h"

#include "audio/sound_system.h"
#include "board/outward.h"

namespace aw {

void connectBoardSounds() {
    boardOutward.playSound = [](const char* name, int frequency) { playEffectAt(name, frequency); };
    boardOutward.playSoundVolume = [](const char* name, float volume) { playEffectVolume(name, volume); };
    boardOutward.changeTune = [](int track) { changeTune(track); };
}

} // namespace aw
