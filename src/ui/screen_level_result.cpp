// The level result: four rows that grow in one after another, then the
// level's records for moves and time with their holders.
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/ui_hooks.h"
#include "ui/widget_draw.h"

#include "audio/sound_system.h"
#include "board/board_state.h"
#include "board/play_state.h"
#include "core/random.h"
#include "core/text_format.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "resources/text_table.h"

namespace aw {
namespace {

constexpr int kResultRows = 4;
constexpr float kRowMs = 500, kFullSize = 14, kSparkleMs = 25;
constexpr float kRowY[kResultRows] = {110, 75, 40, 5};

// Reset when the screen opens.
struct ResultCount {
    float elapsedMs = 0;  // since the first row began
    int startedRows = 0;  // rows whose sound and effect have run
    float sparkleMs = 0;
    bool done = false;
    float lastClock = 0;
};
ResultCount count;

void formatTime(char* out, size_t cap, const char* format, int ms) {
    int seconds = ms > 0 ? ms / 1000 : 0;
    formatText(out, cap, format, seconds / 60, seconds % 60);
}

void advanceCount(float dt) {
    if (count.done) return;
    count.elapsedMs += dt;
    int row = int(count.elapsedMs / kRowMs);
    while (count.startedRows <= row && count.startedRows < kResultRows) {
        playEffect("LevelStatistic.ogg");
        uicall::spawnEffect("wowIQ", 0, kRowY[count.startedRows]);
        ++count.startedRows;
    }
    count.sparkleMs += dt;
    while (count.sparkleMs >= kSparkleMs && row < kResultRows) {
        count.sparkleMs -= kSparkleMs;
        uicall::spawnEffect("blik3", -200 + randomFloat(400), kRowY[row] + randomSigned(8), 0.5f);
    }
    if (count.elapsedMs >= kRowMs * kResultRows) count.done = true;
}

float rowSize(int row) {
    if (count.done) return kFullSize;
    float t = (count.elapsedMs - kRowMs * float(row)) / kRowMs;
    return t <= 0 ? 0 : t >= 1 ? kFullSize : kFullSize * t;
}

} // namespace

void onOpenLevelResult() {
    count = ResultCount{};
    count.lastClock = uiClockMs();
}

bool levelResultCounting() { return !count.done; }

void finishLevelResultCount() {
    while (count.startedRows < kResultRows) {
        playEffect("LevelStatistic.ogg");
        ++count.startedRows;
    }
    count.done = true;
}

void drawLevelResult() {
    float now = uiClockMs();
    if (transitionAmount() == 0) advanceCount(now - count.lastClock);
    count.lastClock = now;
    PanelView v;
    drawPanelCentred(0, 0, 540, 420, v.s);
    int a = int(255 * v.alpha());
    Color white(255, 255, 255, a);
    drawLabel(0, v.y(170), v.f(20), lookupText("levelresult"), true, Color(255, 255, 155, a));
    const LevelRecord* rec = levelRecord(playState.mode, playState.levelIndex);
    int score = gs.displayedScore, combo = gs.bestStreak, moves = gs.movesUsed, timeMs = int(gs.playClock);
    bool better[kResultRows] = {rec && score >= rec->bestScore, rec && combo >= rec->bestCombo,
                          rec && moves <= rec->fewestMoves, rec && timeMs <= rec->shortestTime};
    static const char* const kLabels[kResultRows] = {"yourscore", "yourcombo", "yourmoves", "yourtime"};
    for (int row = 0; row < kResultRows; ++row) {
        float y = v.y(kRowY[row]);
        drawLabel(v.x(-220), y, v.f(14), lookupText(kLabels[row]), false, white);
        float size = rowSize(row) * v.s;
        if (size <= 0) continue;
        char value[32];
        if (row == 3) formatTime(value, sizeof value, "%.2i:%.2i", timeMs);
        else formatText(value, sizeof value, "%i", row == 0 ? score : row == 1 ? combo : moves);
        drawLabel(v.x(150), y, size, value, true, better[row] ? highlightText() : white);
    }
    // The records, or the player's own figure where it equals or beats them.
    const char* player = profileCount() > 0 ? currentProfile()->name : "";
    char figure[32], holder[kRecordNameSize + 1] = {};
    for (int k = 0; k < 2; ++k) {
        bool own = better[2 + k];
        float y = v.y(k == 0 ? -45 : -80);
        drawLabel(v.x(-220), y, v.f(12), lookupText(k == 0 ? "bestmoves" : "besttime"), false, white);
        int recordValue = rec ? (k == 0 ? rec->fewestMoves : rec->shortestTime) : 0;
        int shown = own ? (k == 0 ? moves : timeMs) : recordValue;
        if (k == 0) formatText(figure, sizeof figure, "   %i", shown);
        else formatTime(figure, sizeof figure, "   %.2i:%.2i", shown);
        const char* name = player;
        if (!own && rec) {
            const char* src = k == 0 ? rec->movesHolder : rec->timeHolder;
            for (int i = 0; i < kRecordNameSize && src[i]; ++i) holder[i] = src[i];
            holder[kRecordNameSize] = 0;
            name = holder;
        }
        Color c = own ? highlightText() : white;
        drawLabel(v.x(-40), y, v.f(12), figure, false, c);
        drawLabel(v.x(60), y, v.f(12), lookupText("by"), false, white);
        drawLabel(v.x(100), y, fittingSize(name, v.f(12), v.x(150)), name, false, c);
    }
    drawButton(0, v.y(-150), v.x(128), v.y(64), v.f(18), "OK", v.alpha());
}

void resetLevelResult() { count = ResultCount{}; count.done = true; }

} // namespace aw
