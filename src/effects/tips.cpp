// [SECTION] flags
// [SECTION] the bubble
// [SECTION] tick and click
// [SECTION] trigger pass
// [SECTION] drawing
// [SECTION] saved games, hooks and resets
#include "effects/tips.h"

#include "board/board.h"
#include "effects/particles.h"
#include "persistence/profiles.h"
#include "persistence/saved_game_format.h"
#include "resources/text_table.h"
#include "ui/tooltip.h"

#include <algorithm>
#include <cstring>

namespace aw {
namespace {

constexpr float kBubbleWidth = 300;
constexpr float kButtonLiveAfterMs = 250; // the button ignores clicks while the bubble grows in
constexpr float kGrowMs = 250;
constexpr float kIdleHintMs = 4000;       // how long the idle hint shines
constexpr float kHintDelayMs = 6000;
const Vec2 kFarAway{-100000, -100000};

// The tips of the profile's flag block, by position.
struct TipFlag {
    const char* key;
    int flag;
};
constexpr TipFlag kTipFlags[] = {
    {"welcome", 0},          {"breaksquares", 1},     {"breakdualsquares", 2}, {"breakzep", 3},
    {"usehammer", 5},        {"b_t_firstbonus1", 6},  {"b_t_firstbonus2", 7},  {"b_t_firstbonus5", 10},
    {"candletime", 11},      {"candlemove", 12},
};
constexpr int kWelcomeFlag = 0;
constexpr const char* kNoMovesKey = "nomoves";

// The tip being shown. Hidden at level start.
struct TipBubble {
    bool visible = false;
    Vec2 anchor;
    const char* key = nullptr;  // lives in kTipFlags, the caller's literal or the text table
    const char* text = nullptr; // from the text table
    float delay = 0;            // ms; counts down, goes negative once shown
    bool button = false, pointer = false;
    bool clicked = false;       // a click waits for the button test
    Vec2 clickAt;
};

// What the host scene draws this frame; set by the tick.
struct BubbleWidget {
    bool set = false;           // set during this frame
    Vec2 anchor = kFarAway;
    const char* text = nullptr;
    float width = kBubbleWidth;
    bool pointer = false, button = false, scaleIn = true;
    float directionDeg = kBalloonAutoDirection;
    float age = 0;              // ms since the text or the anchor changed
    const char* drawnText = nullptr; // what the last frame showed
    Vec2 drawnAnchor = kFarAway;
    Rect buttonRect;            // of the last frame drawn
};

TipBubble bubble;
BubbleWidget widget;
bool noMovesShown = false; // lives for the run: one bubble per no-moves situation

uint8_t* pendingFlag(int flag) {
    if (flag < 0 || flag >= kTutorialFlagCount || profileCount() <= 0) return nullptr;
    return &currentProfile()->tutorialPending[flag];
}

bool flagPending(int flag) {
    const uint8_t* f = pendingFlag(flag);
    return f && *f == 1;
}

void syncBoard() {
    boardInput.tipShown = bubble.visible;
    boardInput.tipHasButton = bubble.visible && bubble.button;
}

void openBubble(float x, float y, const char* key, float delay, bool button, bool pointer) {
    bubble = TipBubble{};
    bubble.visible = true;
    bubble.anchor = {x, y};
    bubble.key = key;
    bubble.text = lookupText(key);
    bubble.delay = delay;
    bubble.button = button;
    bubble.pointer = pointer;
    syncBoard();
}

bool sameKey(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

} // namespace

// [SECTION] flags

int tutorialFlagOf(const char* key) {
    if (!key) return -1;
    for (const TipFlag& t : kTipFlags)
        if (std::strcmp(t.key, key) == 0) return t.flag;
    return -1;
}

// [SECTION] the bubble

void offerTip(float x, float y, const char* key, float delayMs, bool button, bool pointer) {
    if (bubble.visible) return;
    int flag = tutorialFlagOf(key);
    if (flag >= 0) {
        uint8_t* f = pendingFlag(flag);
        if (!f || *f != 1) return;
        // The welcome stays pending through its first trigger pass, so every
        // figure of the group it points at can shine.
        if (flag != kWelcomeFlag) *f = 0;
        report::playSound("TipShow.ogg");
    } else if (sameKey(key, kNoMovesKey)) {
        if (noMovesShown) return;
        noMovesShown = true;
        report::playSound("TipShow.ogg");
        report::playSound("NoMoreMove.ogg");
    } else {
        hideTip();
        return;
    }
    openBubble(x, y, key, delayMs, button, pointer);
}

void hideTip() {
    bubble.visible = false;
    bubble.clicked = false;
    syncBoard();
}

bool tipVisible() { return bubble.visible; }
const char* shownTipKey() { return bubble.visible ? bubble.key : nullptr; }

// [SECTION] tick and click

void tipTick(float dt) {
    // A board that can be played again ends the no-moves situation.
    if (gs.groupCount > 0) noMovesShown = false;
    if (!bubble.visible) return;
    if (playState.overlayShown || playState.levelWon || playState.levelLost || gs.paused) hideTip();
    if (bubble.visible && bubble.delay <= 0) {
        widget.set = true;
        widget.anchor = bubble.anchor;
        widget.text = bubble.text;
        widget.width = kBubbleWidth;
        widget.pointer = bubble.pointer;
        widget.directionDeg = kBalloonAutoDirection;
        widget.scaleIn = true;
        widget.button = bubble.button;
    }
    if (bubble.delay <= -kButtonLiveAfterMs) {
        if (bubble.clicked) {
            bubble.clicked = false;
            if (bubble.visible && balloonButtonHit(widget.buttonRect, bubble.clickAt.x, bubble.clickAt.y)) {
                hideTip();
                report::playSound("ButtonClick.ogg");
            }
        }
    } else {
        // A click while the bubble grows in is swallowed, not kept for later:
        // a player clicking on the board as the tip appears does not close it unread.
        bubble.clicked = false;
    }
    bubble.delay -= dt;
}

void recordTipClick(float x, float y) {
    if (!bubble.visible) return;
    bubble.clicked = true;
    bubble.clickAt = {x, y};
}

// [SECTION] trigger pass

void tipTriggerPass(float dt) {
    if (playState.overlayShown || bubble.visible || gs.paused || playState.levelWon || playState.levelLost) return;
    const bool settled = isSettled();
    const bool welcome = flagPending(kWelcomeFlag);
    bool moveTipSound = false;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = board[r][c];
            const Vec2 at = cellCentre(r, c) + cell.wobble;
            // A cell shines when the bubble shown is the one it called for
            // (the welcome's whole group); a cell whose tip could not open
            // keeps its flag for another time and does not shine.
            auto fire = [&](const char* key) {
                offerTip(at.x, at.y, key, 0, true, true);
                if (!sameKey(shownTipKey(), key)) return;
                moveTipSound = true;
                cell.fig.hovered = 1;
                startEffect("blik4", at.x, at.y);
            };
            if (welcome && cell.groupId == gs.hintGroup && !gs.hammerArmed) fire("welcome");
            if (settled && cell.groupId > 1) {
                if (cell.ground == 1 && gs.groupsRemoved > 3 && flagPending(1)) fire("breaksquares");
                if (cell.ground == 2 && gs.groupsRemoved > 3 && flagPending(2)) fire("breakdualsquares");
                if (cell.lock && gs.groupsRemoved >= 1 && flagPending(3)) fire("breakzep");
            }
            if (gs.hintShown && cell.groupId == gs.hintGroup && !gs.hammerArmed &&
                gs.idleTime > gs.hintDelay && gs.idleTime <= gs.hintDelay + kIdleHintMs) {
                // The hinted group animates while the hint lasts; it sparkles once.
                cell.fig.hovered = 1;
                if (gs.idleTime <= gs.hintDelay + dt) {
                    moveTipSound = true;
                    startEffect("blik4", at.x, at.y);
                }
            }
        }
    if (gs.hintShown && gs.idleTime > gs.hintDelay + kIdleHintMs) {
        for (auto& row : board)
            for (Cell& cell : row)
                if (cell.groupId == gs.hintGroup) cell.fig.hovered = 0;
        gs.hintShown = false;
        hideTip();
        gs.hintDelay = kHintDelayMs;
        gs.idleTime = 0;
    }
    // One chime for all the cells that lit up together.
    if (moveTipSound) report::playSound("MoveTipShow.ogg");
    if (uint8_t* f = pendingFlag(kWelcomeFlag)) *f = 0;
}

// [SECTION] drawing

void drawTipBubble(float dt) {
    BubbleWidget& w = widget;
    if (!w.set) {
        w.age = 0;
        w.drawnText = nullptr;
        w.drawnAnchor = kFarAway;
        w.buttonRect = Rect();
        return;
    }
    w.set = false;
    if (w.text != w.drawnText || !(w.anchor == w.drawnAnchor)) w.age = 0;
    else w.age += dt;
    w.drawnText = w.text;
    w.drawnAnchor = w.anchor;

    TooltipBalloon b;
    b.standOff = true;
    b.anchor = w.anchor;
    b.text = w.text;
    b.width = w.width;
    b.fontSize = kStandOffFontSize;
    b.pointer = w.pointer;
    b.directionDeg = w.directionDeg;
    b.scaleIn = w.scaleIn ? std::min(1.0f, w.age / kGrowMs) : 1;
    b.buttonLabel = w.button ? lookupText("continue") : nullptr;
    b.ageMs = w.age;
    w.buttonRect = drawTooltipBalloon(b);
}

Rect tipButtonRect() { return widget.buttonRect; }

// [SECTION] saved games, hooks and resets

void captureTipBubble(SavedHintBubble& out) {
    out = SavedHintBubble{};
    if (!bubble.visible) return;
    out.visible = 1;
    out.hasButton = bubble.button;
    out.hasPointer = bubble.pointer;
    out.anchor = bubble.anchor;
    out.delay = bubble.delay;
    out.textIndex = bubble.text ? textIndex(bubble.key) : -1; // a shown text has its key in the table
}

void restoreTipBubble(const SavedHintBubble& in) {
    hideTip();
    if (!in.visible || in.textIndex < 0 || !textAt(in.textIndex)) return;
    openBubble(in.anchor.x, in.anchor.y, textKeyAt(in.textIndex), in.delay, in.hasButton, in.hasPointer);
}

void connectTips() {
    boardOutward.showTip = [](const char* key, float x, float y, bool pointer) {
        offerTip(x, y, key, 0, true, pointer);
    };
    boardOutward.closeTip = hideTip;
    boardOutward.tipClick = recordTipClick;
}

void clearTips() {
    hideTip();
    widget = BubbleWidget{};
}

void resetTips() {
    bubble = TipBubble{};
    widget = BubbleWidget{};
    noMovesShown = false;
    syncBoard();
}

} // namespace aw
