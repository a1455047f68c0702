// Everything the board tells the rest of the game goes through here, by name:
// sound file names, particle effect names, text keys, trophy numbers, and the
// play-flow calls. Every hook defaults to doing nothing (queries answer
// false / 0); the game wires them up, tests and tools install recorders.
#pragma once

namespace aw {

constexpr int kDefaultFrequency = 44100;

// What routeClick finds under the mouse on the HUD bar.
enum HudSpot { kHudNone = 0, kHudMenuButton = 1, kHudTrophyButton = 2, kHudHammerButton = 3, kHudBar = 4 };

struct BoardOutward {
    // presentation
    void (*playSound)(const char* name, int frequency) = nullptr;
    void (*playSoundVolume)(const char* name, float volume) = nullptr;
    void (*spawnEffect)(const char* name, float x, float y, float size) = nullptr;
    void (*showTip)(const char* key, float x, float y, bool pointer) = nullptr;
    void (*closeTip)() = nullptr;
    // A left click while a tip is shown, at the board mouse (its button may take it).
    void (*tipClick)(float x, float y) = nullptr;
    void (*showMessage)(const char* textKey, float x, float y, float size, float durationMs) = nullptr;
    void (*showLetters)(const char* textKey, float x, float y, float size) = nullptr;
    void (*changeTune)(int track) = nullptr;
    void (*startSquareBreak)(float x, float y, int ground) = nullptr;
    void (*setHammerCursor)(bool hammer) = nullptr;
    void (*clearLevelEffects)() = nullptr;
    void (*loadBackground)(int background, int variant) = nullptr;
    void (*setSceneryVariant)(int variant) = nullptr;
    // Starts the screen transition of the given length with a caption key ("" for none).
    void (*startTransition)(float ms, const char* captionKey) = nullptr;
    int (*hudSpotAt)(float x, float y) = nullptr;
    // per-frame updates of the parts that tick alongside the board
    void (*presentationTick)(float dt) = nullptr;
    // the candle's wax drops run while its limit runs
    void (*candleTick)(float dt) = nullptr;
    // trophies
    bool (*requestTrophy)(int number) = nullptr;
    bool (*trophyPending)() = nullptr;
    void (*showTrophyNotice)() = nullptr;
    // play flow
    void (*levelCompleted)() = nullptr;       // progress, records, profile save
    void (*addLife)() = nullptr;
    int (*lives)() = nullptr;
    void (*openResultScreen)() = nullptr;
    void (*continueAfterOutcome)() = nullptr;  // click or key while won or lost
    void (*resolveLoss)() = nullptr;
    void (*lossTick)(float dt) = nullptr;      // the loss display's timer
    void (*advanceTick)(float dt) = nullptr;   // the advance display after a completed level
    void (*returnToMap)() = nullptr;
    void (*returnToModeScreen)() = nullptr;
    void (*openPauseScreen)() = nullptr;
    void (*clearSavedGameFlag)() = nullptr;
};

extern BoardOutward boardOutward;

// Null-safe callers used by the rules, in a namespace of their own so they
// never clash with the subsystems that answer them.
namespace report {
void playSound(const char* name, int frequency = kDefaultFrequency);
void playSoundVolume(const char* name, float volume);
void spawnEffect(const char* name, float x, float y, float size = 1);
void showTip(const char* key, float x, float y, bool pointer = true);
void closeTip();
void showMessage(const char* textKey, float x, float y, float size, float durationMs);
void showLetters(const char* textKey, float x, float y, float size);
void changeTune(int track);
void startSquareBreak(float x, float y, int ground);
void setHammerCursor(bool hammer);
bool requestTrophy(int number);
// Asks for each trophy in turn until one is awarded; true when one was.
bool requestTrophyChain(const int* numbers, int count);
} // namespace report

} // namespace aw
