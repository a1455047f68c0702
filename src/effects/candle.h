// The candle on the right of the gameplay screen: its length is the time left
// (adventure) or the moves left (puzzle); there is none in timeless. Near the
// end the flame smokes, a warning counts down and the scene darkens. Once the
// level is won the rest burns down in 4 s while sparks fly from the flame to
// the level bonus counter under the board.
//
// Lifetime: the drops, the sparks and the emitter clocks are reset at level
// start (clearCandle) and by resetCandle (tests).
#pragma once
#include "core/rect.h"
#include "core/vec.h"

namespace aw {

constexpr float kFullCandleMs = 600000; // the time that fills the candle
constexpr float kFullCandleMoves = 300;
constexpr float kTimeWarningMs = 20000;
constexpr int kMovesWarning = 5;
constexpr float kCandleBurnDownMs = 4000; // the rest burns down after a win
constexpr int kCandleDrops = 5;
constexpr int kBonusSparks = 128;

// What one frame of the candle shows; a pure function of the level state,
// the candle offset (0 shown .. -128 hidden) and a pulse clock (ms).
struct CandleView {
    bool shown = false;       // false in timeless
    float remaining = 0;      // ms or moves, run down after a win
    float burned = 0;         // q: 0 a full candle, 1 burned out; below 0 longer than full
    float shift = 0;          // cx: 1.1 x the candle offset
    Rect stick, candle, pool;
    float candleTopV = 0;     // the candle's texture rows run from here to 1
    Vec2 flame;               // the flame's centre
    bool warning = false;     // the text over the flame
    char text[96] = {};
    float textSize = 0;
    Vec2 textAt;
    bool darken = false;      // the scene's tint is taken down to (v, v, v)
    float darkness = 1;       // v
};
CandleView candleView(float candleOffset, float pulseMs);

// The level bonus counting up under the board after a win.
struct LevelBonusView {
    bool shown = false;
    int value = 0;
    float size = 0;
    float alpha = 0; // 0..255
};
LevelBonusView levelBonusView();

// Draws the candle (advancing its emitters and sparks by dt), then the
// counter; the gameplay frame calls both right after the board.
void drawCandle(float dt, float candleOffset);
void drawLevelBonusCounter();
// In the last 20 s or 5 moves the scene's target tint becomes (v, v, v, 1).
bool candleDarkens(float& v);

// The wax drops, run by the level tick while the candle's limit runs.
void candleDropTick(float dt);
// A spark from the flame to the counter (while the level is won).
void spawnBonusSpark(Vec2 at);
int activeBonusSparks();
int activeCandleDrops();

void clearCandle();
void resetCandle();

} // namespace aw
