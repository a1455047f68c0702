#include "board/outward.h"

#include "board/board_state.h"

namespace aw {

BoardOutward boardOutward;

namespace report {

void playSound(const char* name, int frequency) {
    if (boardOutward.playSound) boardOutward.playSound(name, frequency);
}

void playSoundVolume(const char* name, float volume) {
    if (boardOutward.playSoundVolume) boardOutward.playSoundVolume(name, volume);
}

void spawnEffect(const char* name, float x, float y, float size) {
    if (boardOutward.spawnEffect) boardOutward.spawnEffect(name, x, y, size);
}

void showTip(const char* key, float x, float y, bool pointer) {
    if (boardOutward.showTip) boardOutward.showTip(key, x, y, pointer);
}

void closeTip() {
    if (boardOutward.closeTip) boardOutward.closeTip();
}

void showMessage(const char* textKey, float x, float y, float size, float durationMs) {
    if (boardOutward.showMessage) boardOutward.showMessage(textKey, x, y, size, durationMs);
}

void showLetters(const char* textKey, float x, float y, float size) {
    if (boardOutward.showLetters) boardOutward.showLetters(textKey, x, y, size);
}

void changeTune(int track) {
    if (boardOutward.changeTune) boardOutward.changeTune(track);
}

void startSquareBreak(float x, float y, int ground) {
    if (boardOutward.startSquareBreak) boardOutward.startSquareBreak(x, y, ground);
}

void setHammerCursor(bool hammer) {
    gs.hammerCursor = hammer;
    if (boardOutward.setHammerCursor) boardOutward.setHammerCursor(hammer);
}

bool requestTrophy(int number) { return boardOutward.requestTrophy && boardOutward.requestTrophy(number); }

bool requestTrophyChain(const int* numbers, int count) {
    for (int i = 0; i < count; ++i)
        if (requestTrophy(numbers[i])) return true;
    return false;
}

} // namespace report

} // namespace aw
