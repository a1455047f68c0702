// The message boxes, the resume question, the game tip, the defeat screen and
// the buttons of the mode screens (the map under them is drawn by the map).
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/screen_values.h"
#include "ui/widget_draw.h"

#include "board/game_modes.h"
#include "board/play_state.h"
#include "core/game_constants.h"
#include "core/text_format.h"
#include "persistence/profiles.h"
#include "render/text.h"
#include "resources/text_table.h"

#include <algorithm>

namespace aw {
namespace {

// Lives for the run: counts "okcontinuegame" from program start.
int tipCounter = 0;

constexpr int kStageSizes[15] = {4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10};

int levelIndexOf(int stage, int levelInStage) {
    int index = 0;
    for (int s = 0; s < stage && s < 15; ++s) index += kStageSizes[s];
    return index + levelInStage;
}

// Draws wrapped text with its top-left glyph at (x, y); returns its height.
float drawWrapped(float x, float y, float width, float size, const char* text, Color color) {
    if (!text || fontCount() == 0) return 0;
    float h = wrapText(width, text, size);
    drawLabel(x, y, size, wrappedText(), true, color);
    return h;
}

} // namespace

int gameTipCounter() { return tipCounter; }

void drawMessageBox() {
    PanelView v;
    MenuNode* screen = currentScreen();
    bool yesNo = screen && screen->childCount >= 2;
    float textH = fontCount() ? wrapText(340, messageText(), 12) : 22;
    float h = std::max(200.0f, textH + 170);
    float top = h / 2;
    drawPanel(Rect(-225, top, 225, -top), v.s);
    int a = int(255 * v.alpha());
    drawLabel(0, v.y(top - 40), v.f(14), screen ? screen->text : "", true, Color(255, 255, 155, a));
    drawWrapped(0, v.y(top - 78), 340, v.f(12), messageText(), Color(255, 255, 255, a));
    float by = v.y(-top + 62);
    if (yesNo) {
        drawButton(v.x(-90), by, v.x(128), v.y(64), v.f(17), nullptr, v.alpha());
        drawButton(v.x(90), by, v.x(128), v.y(64), v.f(17), nullptr, v.alpha());
    } else {
        drawButton(0, by, v.x(128), v.y(64), v.f(17), nullptr, v.alpha());
    }
}

void drawLoadGameQuestion() {
    PanelView v;
    drawPanelCentred(0, 0, 450, 350, v.s);
    int mode = std::clamp(int(playState.mode), 0, kModeCount - 1);
    int a = int(255 * v.alpha());
    drawLabel(0, v.y(130), v.f(19), lookupText(modeInfo(mode).resumeTitleKey), true, Color(255, 255, 155, a));
    drawWrapped(0, v.y(80), 380, v.f(13), lookupText("loadmsg"), Color(255, 255, 255, a));
    const Profile* p = currentProfile();
    int level = levelIndexOf(p->currentStage[mode], p->currentLevel[mode]);
    char line[128];
    formatText(line, sizeof line, lookupText("surlevscore"), level + 1, p->score[mode]);
    drawLabel(0, v.y(0), v.f(17), line, true, Color(255, 255, 255, a));
    drawButton(v.x(-0.23f * 450), v.y(-110), v.x(128), v.y(64), v.f(18), nullptr, v.alpha());
    drawButton(v.x(0.23f * 450), v.y(-110), v.x(128), v.y(64), v.f(18), nullptr, v.alpha());
}

void drawGameTip() {
    PanelView v;
    const char* tip = textAfter("gametip1", tipCounter);
    float textH = tip && fontCount() ? wrapText(440, tip, 10) : 20;
    float h = textH + 190, top = h / 2;
    drawPanel(Rect(-250, top, 250, -top), v.s);
    int a = int(255 * v.alpha());
    drawLabel(0, v.y(top - 40), v.f(12), lookupText("showgametip"), true, Color(255, 255, 155, a));
    drawWrapped(0, v.y(top - 75), 440, v.f(10), tip, Color(255, 255, 255, a));
    drawButton(0, v.y(-top + 62), v.x(128), v.y(64), v.f(15), nullptr, v.alpha());
}

void actionContinueGame() {
    ++tipCounter;
    playState.overlayShown = false;
}

void drawDefeatScreen() {
    PanelView v;
    MenuNode* screen = currentScreen();
    int count = screen ? screen->childCount : 0;
    const float f = 18;
    float widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, measureText(screen->children[i]->text, f));
    widest = std::max(widest, std::max(measureText(lookupText("timeisup"), 16), measureText(lookupText("loselife"), 16)));
    float h = 2 * f * float(count) + 164;
    drawPanel(Rect(-(widest + 94) / 2, 100, (widest + 94) / 2, 100 - h), v.s);
    int a = int(255 * v.alpha());
    drawLabel(0, v.y(65), v.f(16), lookupText("timeisup"), true, Color(55, 255, 255, a));
    drawLabel(0, v.y(30), v.f(16), lookupText("loselife"), true, Color(55, 255, 255, a));
    for (int i = 0; i < count; ++i) {
        float y = v.y(-40 - 2 * f * float(i));
        float w = measureText(screen->children[i]->text, v.f(f));
        registerLine(-w / 2 - f, y + 1.2f * f, w / 2 + f, y - 0.8f * f);
        Color c = i == selectedIndex() ? highlightText() : Color(255, 255, 255, a);
        drawLabel(0, y, v.f(f), screen->children[i]->text, true, c);
    }
}

void drawModeScreen() {
    float alpha = 1 - transitionAmount();
    MenuNode* screen = currentScreen();
    if (!screen || screen->childCount == 0) return;
    drawButton(258, -252, 256, 106, 26, nullptr, alpha, false);
    if (screen->childCount > 1) drawButton(-364, 264, 64, 64, 18, nullptr, alpha, false);
}

void resetDialogs() { tipCounter = 0; }

} // namespace aw
