// What the parts of the gameplay screen share: its pictures and its
// presentation state. Only the files of the gameplay screen include this.
#pragma once
#include "board/board_state.h"
#include "core/color.h"
#include "core/rect.h"
#include "core/vec.h"
#include "render/sprites.h"

namespace aw {

struct TextureRecord;

constexpr int kFigureSlots = 17;
constexpr int kShardCount = 150;
constexpr int kThunderStrands = 8;
constexpr float kBarHidden = -128;

// Loaded once at start-up; lives for the run.
struct GameplayTextures {
    SpriteSheet figures[kFigureSlots];
    TextureRecord* gameBar = nullptr;
    TextureRecord* candlestick = nullptr;
    TextureRecord* candle = nullptr;
    TextureRecord* candleFire = nullptr;
    TextureRecord* candlePool = nullptr;
    TextureRecord* drops[5] = {};
    TextureRecord* tiles[3] = {};
    TextureRecord* lock = nullptr;
    TextureRecord* bonusMarkers[2] = {}; // cross bomb, super bomb
    TextureRecord* heart = nullptr;
    TextureRecord* trophyButton = nullptr;
    TextureRecord* flare = nullptr;
    TextureRecord* gag = nullptr;
    TextureRecord* hammerGlows[3] = {};
    TextureRecord* hammerBase = nullptr;
    TextureRecord* hammerFill = nullptr;
    TextureRecord* hammerPointer = nullptr;
};
extern GameplayTextures gameplayTextures;

// A HUD button's label breathes between its bounds while hovered.
struct HudButton {
    float size = 0, lower = 0, upper = 0;
    float direction = 1;
};

struct Shard {
    bool active = false;
    float age = 0, sparkle = 0; // ms
    int ground = 1;             // the square's former level: its tile
    Vec2 centre, velocity;
};

// What the debris records of the board need for drawing.
struct DebrisLook {
    int frame = 0;
    float frameClock = 0;
    float rotation = 0, spin = 0, scale = 1;
};

struct ThunderStrand {
    Vec2 from, to;
    float life = 0;
};

// Reset at level start unless noted.
struct Presentation {
    float barOffset = 0;       // 0 shown .. -128 hidden; lives for the run
    float candleOffset = 0;    // the candle's slide, like the bar's; lives for the run
    float highlightClock = 0;  // runs at twice the frame time
    float boardClock = 0;
    float promptClock = 0;     // the level-won prompt's pulse
    float advanceClock = 0;    // since the level was advanced
    float livesPulse = 0;      // ms left of the heart pulse
    int shownLives = -1;       // lives count of the last frame (-1: not yet seen)
    HudButton menu{12.5f, 12.5f, 13.5f, 1};
    HudButton trophies{11.5f, 11.5f, 12.5f, 1};
    float tint[4] = {1, 1, 1, 1};       // lives for the run
    float tintTarget[4] = {1, 1, 1, 1}; // lives for the run
    ThunderStrand thunder[kThunderStrands];
    float markerClocks[2] = {};         // cross bomb, super bomb sparks
    float defeatClock = 0;
    int defeatRows = 0;                 // rows the defeat wave has reached
    Shard shards[kShardCount];
    int shardRing = 0;
    DebrisLook debris[kDebrisCount];
};
extern Presentation presentation;

// The board's colour from the tint (alpha included).
Color boardColor();
// A board sprite wholly outside the 800 x 600 frame is skipped.
bool offFrame(Vec2 centre, float halfSize);

// [SECTION] HUD (hud.cpp)
void drawGameBar(float dt);
void drawHammerGauge();
void drawPausePrompts();
void drawLevelWonPrompt(float dt);
void drawAdvancePrompt();
// The pulse of the prompts: alpha factor a in 0..1 at clock t.
float promptAlpha(float t, float k);
void drawPrompt(const char* key, float x, float y, float size, float alpha);

// [SECTION] board (board_view.cpp)
void drawBoard(float dt);

// [SECTION] flying things (board_fx.cpp)
void drawShards(float dt);
void drawDebris(float dt);
void drawScorePopups(float dt);
void drawHammerPointer();

} // namespace aw
