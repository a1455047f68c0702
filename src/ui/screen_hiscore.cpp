// The high-score tables, one per mode, with the row of the last insertion.
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/screen_values.h"
#include "ui/widget_draw.h"

#include "board/game_modes.h"
#include "core/game_constants.h"
#include "core/text_format.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "resources/text_table.h"

namespace aw {
namespace {

constexpr float kWidth = 480, kHeight = 470;

// Lives for the run.
struct HiscoreView {
    int shownMode = 0;
    int highlightRow = -1;
    int highlightMode = 0;
};
HiscoreView view;

} // namespace

void setHighlightedRow(int mode, int row) {
    view.highlightMode = mode;
    view.highlightRow = row >= 0 && row < kHighScoreRows ? row : -1;
}
void clearHighlightedRow() { view.highlightRow = -1; }
int highlightedRow() { return view.highlightRow; }
int highlightedRowMode() { return view.highlightMode; }
int shownHiscoreMode() { return view.shownMode; }

void onOpenHiscore() {
    int mode = profileCount() > 0 ? currentProfile()->lastMode : 0;
    view.shownMode = mode >= 0 && mode < kModeCount ? mode : 0;
}

void changeHiscoreMode(int step) { view.shownMode = ((view.shownMode + step) % kModeCount + kModeCount) % kModeCount; }

void drawHiscoreScreen() {
    PanelView v;
    drawPanel(Rect::fromCentre(0, 10, kWidth, kHeight), v.s);
    int a = int(255 * v.alpha());
    Color white(255, 255, 255, a);
    MenuNode* screen = currentScreen();
    drawLabel(0, v.y(205), v.f(20), screen ? screen->text : "", true, Color(255, 255, 155, a));
    drawLabel(0, v.y(165), v.f(14), lookupText(modeInfo(view.shownMode).hiscoreTitleKey), true, Color(0, 255, 255, a));
    drawArrow(v.x(-150), v.y(165), false);
    drawArrow(v.x(150), v.y(165), true);
    bool marked = view.highlightRow >= 0 && view.highlightMode == view.shownMode;
    for (int row = 0; row < kHighScoreRows; ++row) {
        const HighScoreRow* r = highScoreRow(view.shownMode, row);
        if (!r) continue;
        float y = v.y(125 - 25 * float(row));
        Color c = marked && row == view.highlightRow ? highlightText() : white;
        char name[kHighScoreNameSize + 1] = {};
        for (int i = 0; i < kHighScoreNameSize && r->name[i]; ++i) name[i] = r->name[i];
        char score[24];
        formatText(score, sizeof score, "%i", r->score);
        drawLabel(v.x(-0.35f * kWidth), y, fittingSize(name, v.f(12), v.x(0.5f * kWidth)), name, false, c);
        drawLabel(v.x(0.2f * kWidth), y, v.f(12), score, false, c);
    }
    drawButton(0, v.y(-170), v.x(128), v.y(64), v.f(19), "OK", v.alpha());
}

void resetHiscoreScreen() { view = HiscoreView{}; }

} // namespace aw
