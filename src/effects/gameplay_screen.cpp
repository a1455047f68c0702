// [SECTION] pictures
// [SECTION] frame
// [SECTION] per tick
// [SECTION] hooks and resets
#include "effects/gameplay_screen.h"

#include "board/board.h"
#include "core/matrix.h"
#include "effects/announcements.h"
#include "effects/backgrounds.h"
#include "effects/candle.h"
#include "effects/gameplay_internal.h"
#include "effects/hud.h"
#include "effects/particles.h"
#include "effects/strands.h"
#include "effects/tips.h"
#include "platform/paths.h"
#include "render/render_states.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/text_table.h"

#include <algorithm>
#include <string>

namespace aw {

GameplayTextures gameplayTextures;
Presentation presentation;

namespace {

// The figure pictures of the 17 display slots: eight looks, repeated.
const char* const kFigureFiles[kFigureSlots] = {"aqua.tga",   "blue.tga",   "green.tga", "red.tga",   "orange.tga",
                                                "lilac.tga",  "white.tga",  "yellow.tga", "aqua.tga", "blue.tga",
                                                "green.tga",  "red.tga",    "orange.tga", "lilac.tga", "white.tga",
                                                "yellow.tga", "aqua.tga"};
constexpr float kFigureSize = 48;
constexpr float kBarSlidePerMs = 0.2f;

float towards(float value, float target, float step) {
    if (value < target) return std::min(target, value + step);
    return std::max(target, value - step);
}

} // namespace

// [SECTION] pictures

void loadGameplayGraphics(const char* dataDirectory) {
    GameplayTextures& t = gameplayTextures;
    std::string data = dataDirectory;
    std::string back = currentDirectory();
    setCurrentDirectory(data + "figures");
    for (int k = 0; k < kFigureSlots; ++k) {
        t.figures[k].init(kFigureFiles[k], 0);
        t.figures[k].cellWidth = t.figures[k].cellHeight = kFigureSize;
    }
    setCurrentDirectory(data);
    t.gameBar = textureManager.loadAlphaJpeg("_a_gamebar.jpg", true);
    t.candlestick = textureManager.loadAlphaJpeg("_a_candlestick.jpg", true);
    t.candle = textureManager.loadAlphaJpeg("_a_candle.jpg", true);
    t.candleFire = getTexture("candlefire.tga");
    t.candlePool = getTexture("candlepool.tga");
    const char* drops[5] = {"drop1.tga", "drop2.tga", "drop3.tga", "drop4.tga", "drop5.tga"};
    for (int i = 0; i < 5; ++i) t.drops[i] = getTexture(drops[i]);
    t.tiles[0] = getTexture("field\\field0.tga");
    t.tiles[1] = getTexture("field\\field1.tga");
    t.tiles[2] = getTexture("field\\field2.tga");
    t.lock = getTexture("zep2.tga");
    t.bonusMarkers[0] = getTexture("bonus1.tga");
    t.bonusMarkers[1] = getTexture("bonus2.tga");
    t.heart = getTexture("heart.tga");
    t.trophyButton = getTexture("trophybutton.tga");
    t.flare = getTexture("flare.jpg");
    t.gag = textureManager.loadAlphaJpeg("_a_gag.jpg", true);
    t.hammerGlows[0] = getTexture("hammer.texturelum1.jpg");
    t.hammerGlows[1] = getTexture("hammer.texturelum2.jpg");
    t.hammerGlows[2] = getTexture("hammer.texturelum3.jpg");
    t.hammerBase = getTexture("hammer.texture1.tga");
    t.hammerFill = getTexture("hammer.texture2.tga");
    // The pointer picture is the screens' own; the gameplay screen borrows it.
    t.hammerPointer = textureManager.loadTexture("cursor1.tga", false, true);
    setCurrentDirectory(back);

    // The 3D models are lit from the upper left, in front of the board.
    setDirectionalLight(0, {3, 3, -10}, {1, 1, 1, 1});
    setMaterialColors({1, 1, 1, 1}, {0.2f, 0.2f, 0.2f, 1});
}

// [SECTION] frame

Color boardColor() {
    const float* t = presentation.tint;
    auto byte = [](float v) { return int(std::clamp(v, 0.0f, 1.0f) * 255); };
    return Color(byte(t[0]), byte(t[1]), byte(t[2]), byte(t[3]));
}

bool offFrame(Vec2 centre, float halfSize) {
    return centre.x + halfSize < -400 || centre.x - halfSize > 400 || centre.y + halfSize < -300 ||
           centre.y - halfSize > 300;
}

namespace {

// The frame's view: 800 x 600 units, board sprites at depth 0 in front of
// the camera, alpha blended, no lighting, depth or culling, alpha tested.
void beginGameplayFrame() {
    setOrtho(800, 600, 1, 500);
    Matrix view = Matrix::translation(0, 0, 120);
    setView(&view);
    setWorld(nullptr);
    enableFeature(4);
    setBlendMode(0);
    disableFeature(0);
    disableFeature(1);
    disableFeature(2);
    setRenderState(RS_CULLMODE, kCullNone);
    enableFeature(5);
    setRenderState(RS_ALPHAREF, 1);
}

void advanceClocks(float dt) {
    presentation.boardClock += dt;
    presentation.highlightClock += 2 * dt;
    float k = std::min(1.0f, 0.0015f * dt);
    for (int i = 0; i < 4; ++i) presentation.tint[i] += (presentation.tintTarget[i] - presentation.tint[i]) * k;
    float barTarget = playState.levelAdvanced || playState.finished ? kBarHidden : 0;
    presentation.barOffset = towards(presentation.barOffset, barTarget, kBarSlidePerMs * dt);
    presentation.candleOffset = towards(presentation.candleOffset, barTarget, kBarSlidePerMs * dt);
}

} // namespace

void drawGameplayFrame(float dt, float animationTimeMs) {
    beginGameplayFrame();
    advanceClocks(dt);
    if (playState.levelAdvanced) {
        presentation.advanceClock += dt;
        drawBackground(true, dt);
        drawAdvancePrompt();
        return;
    }
    presentation.advanceClock = 0;
    drawBackground(true, dt);
    drawGameBar(dt);
    drawBoard(dt);
    drawCandle(dt, presentation.candleOffset);
    drawLevelBonusCounter();
    drawHammerGauge();
    drawDebris(dt);
    drawStrands(gameplayTextures.flare);
    if (!playState.overlayShown) updateAndDrawEffects(dt);
    enableFeature(5);
    enableFeature(7);
    // The prompts stand over the board, so they come after it.
    drawPausePrompts();
    drawLevelWonPrompt(dt);
    drawScorePopups(dt);
    drawAnnouncements(dt, animationTimeMs);
    drawTipBubble(dt);
    drawHammerPointer();
}

// [SECTION] per tick

void gameplayTick(float dt) {
    float* target = presentation.tintTarget;
    float dark = 1;
    if (gs.paused || playState.levelWon) {
        target[0] = target[1] = target[2] = target[3] = 1;
    } else if (playState.levelIndex % 2 == 0) {
        target[0] = 0.8f, target[1] = 0.8f, target[2] = 1.0f, target[3] = 1;
    } else {
        target[0] = 1.0f, target[1] = 0.8f, target[2] = 0.8f, target[3] = 1;
    }
    // The candle's last moments darken the scene.
    if (candleDarkens(dark)) target[0] = target[1] = target[2] = dark, target[3] = 1;
    setTintTarget(target[0], target[1], target[2], target[3]);
    tipTick(dt);
}

// [SECTION] hooks and resets

void clearLevelPresentation() {
    clearEffects();
    clearLetters();
    clearStrands();
    for (Shard& s : presentation.shards) s = Shard{};
    for (DebrisLook& d : presentation.debris) d = DebrisLook{};
    for (ThunderStrand& s : presentation.thunder) s = ThunderStrand{};
    presentation.promptClock = presentation.advanceClock = 0;
    presentation.defeatClock = 0;
    presentation.defeatRows = 0;
    presentation.markerClocks[0] = presentation.markerClocks[1] = 0;
    presentation.livesPulse = 0;
    clearCandle();
    clearTips();
}

void connectBoardPresentation() {
    boardOutward.spawnEffect = [](const char* name, float x, float y, float size) {
        startEffect(name, x, y, kNoTarget, kNoTarget, size, -1);
    };
    boardOutward.showMessage = [](const char* key, float x, float y, float size, float durationMs) {
        showMessage(lookupText(key), x, y, size, durationMs);
    };
    boardOutward.showLetters = [](const char* key, float x, float y, float size) {
        showLetters(lookupText(key), x, y, size);
    };
    boardOutward.startSquareBreak = startSquareBreak;
    boardOutward.presentationTick = gameplayTick;
    boardOutward.hudSpotAt = hudSpotAt;
    boardOutward.clearLevelEffects = clearLevelPresentation;
    boardOutward.loadBackground = [](int background, int) { setBackground(background); };
    boardOutward.candleTick = candleDropTick;
    connectTips();
}

void resetGameplayScreen() {
    presentation = Presentation{};
    resetEffectPools();
    resetAnnouncements();
    clearStrands();
    resetCandle();
    resetTips();
}

} // namespace aw
