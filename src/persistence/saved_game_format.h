// The saved-game file: a snapshot of the level being played, 51,656 bytes in
// 47 blocks at fixed offsets, little-endian, no header. This is only the codec
// between the bytes and a record of every block; capturing the live level and
// applying a record to it belong to the game.
//
// Reading never trusts the file: a wrong size or any value outside its field's
// range refuses the whole file, so a record that decodes is safe to apply.
#pragma once
#include "board/board_state.h"
#include "board/play_state.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace aw {

constexpr int kSavedGameFileSize = 51656;
constexpr int kSavedGameBlockCount = 47;
constexpr int kSavedDebrisRecordSize = 60;
constexpr int kSavedBlastRecordSize = 44;
constexpr int kSavedCellRecordSize = 116;
constexpr int kSavedBoltRecordSize = 20;
constexpr int kSavedShakeRecordSize = 84;
constexpr int kSavedHintBubbleSize = 20;
constexpr int kLightLevelCount = 4;
// Every float of the file must be finite and no larger than this: beyond it a
// conversion to int, which the rules do with times and positions, is undefined.
constexpr float kSavedFloatLimit = 1.0e9f;

// Where block n (1-based) starts and how long it is.
struct SavedGameBlock {
    int offset;
    int size;
    const char* name;
};
const SavedGameBlock& savedGameBlock(int n);

// The tip bubble as a saved game keeps it (block 9).
struct SavedHintBubble {
    uint8_t visible = 0;
    uint8_t hasButton = 0;
    uint8_t hasPointer = 0;
    Vec2 anchor;               // board coordinates
    float delay = 0;           // ms, counts down and may go negative
    int32_t textIndex = -1;    // position in the text table, -1 for none
};

// The blocks that presentation subsystems own (the light levels, the hint
// bubble, the pointer, the HUD). They fill and read it through the game's
// saved-game hooks; left at zero by a game without them.
struct SavedPresentation {
    float lightLevels[kLightLevelCount] = {};
    SavedHintBubble hintBubble;
    int32_t pointerState = 0;  // 0 the arrow, 1 and 2 the game's cursors
    float hudBarOffset = 0;    // the game bar's slide, 0 shown to -128 hidden
};

// Every block of the file. Filled by the game from the live level (or by the
// decoder from a file); the reserved blocks are not kept: they are always 0.
struct SavedGame {
    Debris debris[kDebrisCount];
    Blast blasts[kBlastCount];
    Cell board[kRows][kColumns];
    BoltSet boltSets[kBoltSets];
    SavedPresentation presentation;
    int32_t debrisRing = 0;        // next debris slot, 0..149
    int32_t blastRing = 0;         // next blast slot, 0..149
    Shake shake;
    int32_t displayedScore = 0;
    int32_t score = 0;
    int32_t scoreBase = 0;
    int32_t chainCount = 0;
    int32_t boltRing = 0;          // next thunder bolt set, 0..15
    int32_t breakables = 0;
    int32_t breakablesAtStart = 0;
    int32_t bestStreak = 0;
    int32_t sameKindStreak = 0;
    int32_t rapidClicks = 0;       // the click handling's streak of quick clicks
    int32_t streakTrigger = 0;
    int32_t lastClickedKind = -2;
    int32_t movesUsed = 0;
    Vec2 mouse;
    uint8_t paused = 0;
    uint8_t overlayShown = 0;
    uint8_t levelWon = 0;
    uint8_t levelEnded = 0;
    uint8_t lostOnce = 0;
    GameMode mode = kAdventure;
    float animationClock = 0;      // the board's blast clock
    float cooldown = 0;
    float timeUsed = 0;
    float timeLimit = 0;
    float pauseClock = 0;
    float outroTime = 0;
    float hammerCharge = 0;
    float hammerTarget = 0;
    float warningClock = 0;
};

// Writes all 47 blocks; out holds kSavedGameFileSize bytes.
void encodeSavedGame(const SavedGame& game, uint8_t* out);

// Decodes a file image into out. False, with out unspecified and why naming
// the first offending field, when the size is not exactly kSavedGameFileSize,
// the mode is not expectedMode, a reserved field is not 0, or any value lies
// outside its field's range. A level that was already won never reaches a
// file, so a file that says so is refused too.
bool decodeSavedGame(const uint8_t* bytes, size_t size, GameMode expectedMode, SavedGame& out, std::string* why);

} // namespace aw
