// The board's records: the grid, the level state and the fixed rings of
// transient things. One instance each, process-wide; everything here except
// BoardInput and the animation clock is wiped by resetLevelState at level start.
#pragma once
#include "core/vec.h"

#include <cstdint>

namespace aw {

constexpr int kRows = 11;
constexpr int kColumns = 12;
constexpr int kCells = kRows * kColumns;
constexpr int kKinds = 17;
constexpr int kBlastCount = 150;
constexpr int kDebrisCount = 150;
constexpr int kFloatingCount = 64;
constexpr int kBoltSets = 16;
constexpr int kBoltsPerSet = 64;

enum Bonus : int32_t { kNoBonus = 0, kBomb = 1, kThunder = 2, kCrossBomb = 3, kDiagonalBomb = 4, kSuperBomb = 5 };

// The part of a cell that travels when a figure falls; copied as a whole.
struct Figure {
    Vec2 offset;             // drawn position relative to the cell centre
    int32_t kind = -1;       // -1 empty, else 0..16
    int32_t frame = 0;       // animation frame 0..31 (drawing)
    int32_t bonus = 0;
    int32_t nextBonus = 0;   // waits behind bonus; takes its place when it goes off
    uint8_t refilling = 0;
    float fallSpeed = 0;
    float bonusGlow = 0;     // ms
    uint8_t diagonal = 0;
    uint8_t hovered = 0;
    uint8_t appear = 0;
    float highlight = 0;     // drawing only
    float animClock = 0;     // drawing only, ms
};

struct Cell {
    int32_t ground = 0;      // -1 hole, 0 plain, 1 single square, 2 dual square
    int32_t lock = 0;
    Figure fig;
    int32_t removal = 0;     // 1 removed by the next break step, 3 struck by thunder
    uint8_t hit = 0;
    int32_t searchDistance = -1;
    int32_t groupId = -1;
    Vec2 wobble;             // completion display
    Vec2 launch;             // completion display
    int32_t points = 0;
    float outroDelay = 0;
};

struct Blast {
    int32_t type = 0;        // 0 free, else a Bonus
    int32_t row = 0, column = 0;
    Vec2 position;
    float elapsed = 0;
    float startAt = 0;       // animation clock value at which it begins
    float duration = 0;
    uint8_t started = 0;
    uint8_t rays[8] = {};    // down, up, right, left, down-right, up-right, down-left, up-left
};

struct Debris {
    int32_t kind = 0;        // kind + 1; 0 is a free record
    Vec2 position;
    Vec2 velocity;
    int32_t type = 0;        // 1 a figure flying off
};

struct FloatingPoints {
    int32_t value = 0;
    Vec2 position;
    Vec2 velocity;
    float size = 0, sizeChange = 0;
    float opacity = 0, opacityChange = 0;
};

struct Bolt {
    Vec2 position;
    uint32_t color = 0;      // 0xAARRGGBB
};

struct BoltSet {
    int32_t count = 0;
    float life = 0;          // ms, runs down to 0
    Bolt bolts[kBoltsPerSet];
};

struct Shake {
    bool active = false;
    float time = 0;          // ms since the shake began
    Vec2 shift;              // how far the whole board is drawn shifted
};

struct GameState {
    int32_t figureCount = 0;
    int32_t displayTable[kKinds] = {};
    float baseTimeSeconds = 0;  // the level file's "time=" (10 when missing)
    int32_t baseMoves = 0;      // the level file's "moves=" (50 when missing)
    float timeLimit = 0, timeUsed = 0;
    int32_t moveLimit = 0, movesUsed = 0;
    int32_t score = 0, displayedScore = 0, levelBonus = 0;
    int32_t breakables = 0, breakablesAtStart = 0;
    float cooldown = 0;
    float idleTime = 0, hintDelay = 0;
    bool hintShown = false;
    int32_t hintGroup = 0;
    int32_t groupCount = 0;
    int32_t groupColumns[kCells] = {};
    int32_t groupRows[kCells] = {};
    int32_t groupSize = 0, groupKind = 0;
    Vec2 hoverPosition;
    bool hoverValid = false;
    // streaks and counters
    int32_t sameKindStreak = 0, bestStreak = 0, lastClickedKind = 0, streakTrigger = 0, chainCount = 0;
    int32_t bombStreak = 0, thunderStreak = 0, superStreak = 0;
    int32_t bombEarnStreak = 0, superEarnStreak = 0, thunderEarnCount = 0, sinceThunder = 0;
    int32_t groupsRemoved = 0;  // group clicks in this level (tutorial tips count them)
    // hammer
    float hammerCharge = 0, hammerTarget = 0, hammerFull = 0, hammerEmpty = 0;
    bool hammerReady = false, hammerArmed = false;
    // flags
    bool paused = false;
    float pauseClock = 0;
    bool levelEnded = false;
    bool refillActive = false;
    float refillClock = 0;
    bool resultShown = false;   // the result screen has been asked for
    bool trophyAsked = false;   // the player pressed the trophy button
    // input
    float clickGap = 0;
    int32_t rapidClicks = 0;
    bool leftHeld = false, rightHeld = false;
    bool hammerCursor = false;
    bool lightningShown[kKinds] = {};
    // scoring, limits and outcome
    int32_t outroVariant = 0;
    float outroTime = 0;
    bool outroMusic = false;
    int32_t gameTime = 0;       // raw ms since level start
    float limitClock = 0, warningClock = 0, candleMoves = 0;
    float timeFraction = 0, moveFraction = 0;
    float trophyClock = 0;
    float playClock = 0;        // played time kept for the per-level records
    int32_t blastRing = 0, debrisRing = 0, floatingRing = 0, boltRing = 0;
};

// What other subsystems tell the board; never reset by the board.
struct BoardInput {
    Vec2 mouse;                  // board coordinates
    bool tipShown = false;       // a tutorial bubble is visible
    bool tipHasButton = false;
    bool transitionRunning = false;
};

extern Cell board[kRows][kColumns];
extern GameState gs;
extern Blast blasts[kBlastCount];
extern Debris debris[kDebrisCount];
extern FloatingPoints floatingPoints[kFloatingCount];
extern BoltSet boltSets[kBoltSets];
extern Shake shake;
extern BoardInput boardInput;
// The running sum of frame times (a looping-animation phase); the board's
// delayed blasts are timed against it. Advanced by tick; never reset.
extern float animationTimeMs;

// Clears every record above (not BoardInput, not the clock) and the outcome
// flags of the play state; the first step of starting a level.
void resetLevelState();

} // namespace aw
