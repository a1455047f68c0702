// [SECTION] layout and behaviour
// [SECTION] game bar
// [SECTION] hammer gauge
// [SECTION] prompts
#include "effects/hud.h"

#include "board/outward.h"
#include "board/play_state.h"
#include "effects/gameplay_internal.h"
#include "effects/gameplay_screen.h"
#include "persistence/profiles.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "resources/text_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;
const Color kWhite(255, 255, 255, 255);
const Color kYellow(255, 255, 0, 255);
const Color kShadow(0, 0, 0, 192);

bool menuHovered = false, trophyHovered = false;

void hudText(float x, float y, float size, const char* text, Color color, bool centred = true) {
    if (!text) return;
    drawTextShadowed(x, y, size, text, centred, color, kShadow, 2, 1, -1);
}

void hudKey(float x, float y, float size, const char* key, Color color) { hudText(x, y, size, lookupText(key), color); }

// The lives box holds about 100 units of text: a longer line is wrapped in
// two, centred on the row, instead of running out of the box.
void livesText(Vec2 at, const char* text) {
    constexpr float kSize = 10, kBoxWidth = 100;
    if (!text || measureText(text, kSize) <= kBoxWidth) {
        hudText(at.x, at.y, kSize, text, kWhite);
        return;
    }
    float height = wrapText(kBoxWidth, text, kSize * 0.9f);
    hudText(at.x, at.y + height / 4, kSize * 0.9f, wrappedText(), kWhite);
}

} // namespace

// [SECTION] layout and behaviour

LivesRow livesRowLayout(int lives, float bar, float sincePulse) {
    LivesRow row;
    float grow = sincePulse >= 0 && sincePulse < kLifePulseMs ? 2 * std::sin(kPi * sincePulse / 200) : 0;
    Vec2 box{bar - 392, 81};
    auto boxAt = [&](Vec2 c) { return Rect::fromCentre(c.x, c.y, 24 + 2 * grow, 24 + 2 * grow); };
    if (lives <= 0) {
        row.textKey = "lastlife";
        row.textAt = {box.x - 12 + 65, box.y + 12 - 12};
    } else if (lives <= 3) {
        for (int i = 0; i < lives; ++i) {
            box.x += 26;
            row.boxes[row.hearts++] = boxAt(box);
        }
    } else {
        box.x += 36;
        row.boxes[row.hearts++] = boxAt(box);
        std::snprintf(row.count, sizeof row.count, "x%i", lives);
        row.countText = true;
        row.textAt = {box.x - 12 + 30, box.y + 12 - 12};
    }
    return row;
}

void stepHudButton(HudButton& b, bool hovered, float dt) {
    if (!hovered) {
        b.size = b.lower;
        b.direction = 1;
        return;
    }
    b.size += b.direction * 0.003f * dt;
    if (b.size >= b.upper) {
        b.size = b.upper;
        b.direction = -1;
    } else if (b.size <= b.lower) {
        b.size = b.lower;
        b.direction = 1;
    }
}

bool hudButtonsLive() {
    bool timeLeft = gs.timeLimit <= 0 || gs.timeUsed / gs.timeLimit < 1;
    return timeLeft && !playState.overlayShown && !boardInput.tipShown;
}

void updateHudButtons(float dt) {
    bool live = hudButtonsLive();
    menuHovered = live && kMenuButtonRect.contains(boardInput.mouse);
    trophyHovered = live && kTrophyButtonRect.contains(boardInput.mouse);
    stepHudButton(presentation.menu, menuHovered, dt);
    stepHudButton(presentation.trophies, trophyHovered, dt);
}

bool menuButtonHovered() { return menuHovered; }
bool trophyButtonHovered() { return trophyHovered; }

int hudSpotAt(float x, float y) {
    Vec2 p{x, y};
    if (kMenuButtonRect.contains(p)) return kHudMenuButton;
    if (kTrophyButtonRect.contains(p)) return kHudTrophyButton;
    if (kHammerButtonRect.contains(p)) return kHudHammerButton;
    if (kBarRect.contains(p)) return kHudBar;
    return kHudNone;
}

float promptAlpha(float t, float k) {
    float p = (std::cos(k * t - 0.9424779f) + 1) / 2;
    return p > 0.7f ? (p - 0.7f) / 0.3f : 0.0f;
}

PausePrompts pausePrompts(float pauseClock) {
    PausePrompts out;
    float a = promptAlpha(pauseClock, 0.0003f);
    out.showPause = pauseClock < 7000;
    out.pauseSize = 21 + 4 * a * a;
    out.promptSize = 13 + a;
    out.promptAlpha = a;
    return out;
}

int currentLives() {
    if (profileCount() <= 0) return 0;
    int mode = std::clamp(int(playState.mode), 0, kModeCount - 1);
    return currentProfile()->lives[mode];
}

// [SECTION] game bar

void drawGameBar(float dt) {
    const float bar = presentation.barOffset;
    const GameplayTextures& t = gameplayTextures;
    setTexture(t.gameBar);
    drawScreenRect(bar, 0, bar + 127, 511, 0, 0, 1, 1, kWhite);

    char number[24];
    hudKey(bar - 340, 280, 12, "score", kWhite);
    std::snprintf(number, sizeof number, "%i", playState.scoreBase + gs.displayedScore);
    hudText(bar - 340, 253, 12, number, kYellow);
    hudKey(bar - 340, 200, 12, "level", kWhite);
    std::snprintf(number, sizeof number, "%i", playState.levelIndex + 1);
    hudText(bar - 342, 170, 15, number, kYellow);
    hudKey(bar - 336, 114, 11, "lives", kWhite);

    int lives = currentLives();
    if (presentation.shownLives >= 0 && lives > presentation.shownLives) presentation.livesPulse = kLifePulseMs;
    presentation.shownLives = lives;
    float since = presentation.livesPulse > 0 ? kLifePulseMs - presentation.livesPulse : -1;
    presentation.livesPulse = std::max(0.0f, presentation.livesPulse - dt);
    LivesRow row = livesRowLayout(lives, bar, since);
    setTexture(t.heart);
    for (int i = 0; i < row.hearts; ++i) drawQuad(row.boxes[i], UvRect(0, 0, 1, 1), kWhite, 10);
    if (row.textKey) livesText(row.textAt, lookupText(row.textKey));
    if (row.countText) hudText(row.textAt.x, row.textAt.y, 11, row.count, Color(0, 255, 0, 255), false);

    updateHudButtons(dt);
    hudKey(bar - 338, 15, presentation.menu.size, "menu", menuHovered ? kYellow : kWhite);
    hudKey(bar - 338, 53, presentation.trophies.size, "trophies", trophyHovered ? kYellow : kWhite);
}

// [SECTION] hammer gauge

void drawHammerGauge() {
    const float bar = presentation.barOffset, t = presentation.boardClock;
    const GameplayTextures& tex = gameplayTextures;
    setTexture(tex.hammerBase);
    drawQuad(Rect(bar - 378, -8, bar - 314, -136), UvRect(0, 0, 1, 1), kWhite, 10);
    float charge = std::clamp(gs.hammerCharge, 0.0f, 1.0f);
    if (!gs.hammerArmed) {
        // The fill rises from the bottom with the charge.
        setTexture(tex.hammerFill);
        drawQuad(Rect(bar - 378, -136 + 128 * charge, bar - 314, -136), UvRect(0, 1 - charge, 1, 1), kWhite, 10);
    }
    setTexture(tex.flare);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendOne);
    if (gs.hammerCharge < gs.hammerFull) {
        float y = -136 + 128 * gs.hammerCharge;
        int i = int(100 + 50 * std::sin(0.005f * t));
        drawBeam({bar - 374, y, 0}, {bar - 310, y, 0}, 6, Color(i, i, 0, 255));
        drawBeam({bar - 374, y, 0}, {bar - 310, y, 0}, 1, kYellow);
    } else {
        const float phase[3] = {0, 2.0943952f, 4.1887903f};
        for (int k = 0; k < 3; ++k) {
            int v = int(255 * (0.5f + 0.5f * std::sin(0.005f * t + phase[k])));
            setTexture(tex.hammerGlows[k]);
            drawSprite(bar - 346, -72, 128, 128, UvRect(0, 0, 1, 1), Color(v, v, v, 255), 10);
        }
    }
    setBlendMode(0);
}

// [SECTION] prompts

void drawPrompt(const char* key, float x, float y, float size, float alpha) {
    int a = std::clamp(int(255 * alpha), 0, 255);
    if (a == 0) return;
    const char* text = lookupText(key);
    if (text) drawTextShadowed(x, y, size, text, true, Color(255, 255, 255, a), Color(0, 0, 0, a), 2, 1, -1);
}

void drawPausePrompts() {
    if (!gs.paused || gs.trophyClock > 0) return; // the trophy notice has the screen
    PausePrompts p = pausePrompts(gs.pauseClock);
    if (p.showPause) hudKey(0, 0, p.pauseSize, "pause", kWhite);
    drawPrompt("keytoresume", 0, -280, p.promptSize, p.promptAlpha);
}

void drawLevelWonPrompt(float dt) {
    if (!playState.levelWon || gs.outroTime < 7000 || playState.overlayShown || !gs.levelEnded) {
        presentation.promptClock = 0;
        return;
    }
    presentation.promptClock += dt;
    float a = promptAlpha(presentation.promptClock, 0.0002f);
    drawPrompt("keytoresume", 0, -280, 13 + a, a);
}

void drawAdvancePrompt() {
    float a = promptAlpha(presentation.advanceClock - 6000, 0.0002f);
    drawPrompt("keytoresume", 0, -280, 13 + a, a);
}

} // namespace aw
