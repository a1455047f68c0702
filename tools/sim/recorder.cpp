#include "recorder.h"

#include "board/outward.h"

#include <algorithm>

namespace aw::sim {

Record record;

namespace {

void count(const char* name) {
    if (name && *name) ++record.events[name];
}

void onSound(const char* name, int) { count(name); }
void onSoundVolume(const char* name, float) { count(name); }
void onEffect(const char* name, float, float, float) { count(name); }
void onTip(const char* key, float, float, bool) { count(key); }
void onMessage(const char* key, float, float, float, float) { count(key); }
void onLetters(const char* key, float, float, float) { count(key); }

bool onTrophy(int number) {
    auto& t = record.trophies;
    if (std::find(t.begin(), t.end(), number) != t.end()) return false;
    t.push_back(number);
    return true;
}

void onAddLife() { ++record.lives; }
int onLives() { return record.lives; }

bool quietTrophy(int) { return false; }

} // namespace

void installRecorder() {
    boardOutward = BoardOutward{};
    boardOutward.playSound = onSound;
    boardOutward.playSoundVolume = onSoundVolume;
    boardOutward.spawnEffect = onEffect;
    boardOutward.showTip = onTip;
    boardOutward.showMessage = onMessage;
    boardOutward.showLetters = onLetters;
    boardOutward.requestTrophy = onTrophy;
    boardOutward.addLife = onAddLife;
    boardOutward.lives = onLives;
}

void installSilence() {
    boardOutward = BoardOutward{};
    boardOutward.requestTrophy = quietTrophy;
}

} // namespace aw::sim
