// The main menu: its list, the greeting, the link to the profiles and the tips.
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/tooltip.h"
#include "ui/ui_hooks.h"
#include "ui/widget_draw.h"

#include "audio/sound_system.h"
#include "core/text_format.h"
#include "persistence/profiles.h"
#include "resources/text_table.h"

namespace aw {
namespace {

constexpr float kListX = -220, kListY = 40, kListFont = 18;
constexpr int kTippedItems = 6;
constexpr int kMainBackground = 15;

} // namespace

void onOpenMain() {
    changeTune(0);
    uicall::setMenuBackground(kMainBackground);
    uicall::setMenuSubState(kMenuMain);
}

void drawMainScreen() {
    drawDefaultList(kListX, kListY + slideOffset(), kListFont, true);
    MenuNode* screen = currentScreen();
    if (!screen) return;
    float bottom = kListY + slideOffset() - (2 * kListFont * float(screen->childCount) + 64) / 2;
    float alpha = 1 - transitionAmount();
    if (profileCount() > 0) {
        char greeting[128];
        formatText(greeting, sizeof greeting, lookupText("hallo"), currentProfile()->name);
        drawLabel(kListX, bottom - 26, fittingSize(greeting, 12.5f, 300), greeting, true,
                  Color(255, 255, 255, int(255 * alpha)));
    }
    if (const char* link = lookupText("ifnotyou"))
        drawLink(kListX, bottom - 50, 11, link, Color(100, 250, 100, int(255 * alpha)));
    // A tip while the mouse rests on one of the first six items.
    int item = selectedIndex();
    if (nav.hoverOnSelected && item >= 0 && item < kTippedItems && item < widgets.lineCount && transitionAmount() == 0) {
        const MenuLine& line = widgets.lines[item];
        TooltipBalloon tip;
        tip.anchor = Vec2{-110, (line.top + line.bottom) / 2};
        tip.text = textAfter("adventuretip", item);
        tip.width = 300;
        tip.side = BalloonSide::kRight;
        tip.fontSize = 11;
        if (tip.text) drawTooltipBalloon(tip);
    }
}

void actionExit() { messageBox("quit", false); }

} // namespace aw
