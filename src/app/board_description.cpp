#include "app/board_description.h"

#include "app/launch_options.h"
#include "app/scenes.h"
#include "app/shell_state.h"
#include "board/board_state.h"
#include "board/falling.h"
#include "board/geometry.h"
#include "board/play_state.h"
#include "effects/announcements.h"
#include "game/map_state.h"
#include "game/progress.h"
#include "game/trophy_room.h"
#include "persistence/profiles.h"
#include "platform/files.h"
#include "platform/window.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace aw {
namespace {

// Lives for the run: the text last written, so an unchanged state costs no write.
char lastWritten[kDescriptionSize];
size_t lastLength = 0;
bool wroteOnce = false;

struct Writer {
    char* out;
    size_t capacity, length = 0;
    void line(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (length + 1 >= capacity) return;
        va_list args;
        va_start(args, format);
        int n = std::vsnprintf(out + length, capacity - length, format, args);
        va_end(args);
        if (n < 0) return;
        length += size_t(n) < capacity - length ? size_t(n) : capacity - length - 1;
    }
};

const char* sceneName() {
    if (shell.currentScene == &splashScene) return "splash";
    if (shell.currentScene == &menuScene) return "menu";
    if (shell.currentScene == &gameScene) return "game";
    if (shell.currentScene == &trophyRoomScene) return "trophyroom";
    return "none";
}

// Names from the data end at their buffer; a line break in one would split
// the line, so such bytes are written as '_'.
void copyName(char* dst, size_t size, const char* src) {
    size_t i = 0;
    for (; src && src[i] && i + 1 < size; ++i) dst[i] = (src[i] == '\n' || src[i] == '\r') ? '_' : src[i];
    dst[i] = 0;
}

} // namespace

size_t composeDescription(char* out, size_t capacity) {
    if (capacity == 0) return 0;
    out[0] = 0;
    Writer w{out, capacity};
    char name[kMenuNameSize];

    w.line("scene %s\n", sceneName());
    w.line("substate %d\n", menuScene.subState);
    MenuNode* screen = currentScreen();
    copyName(name, sizeof name, screen ? screen->name : "-");
    w.line("screen %s\n", name[0] ? name : "-");
    const char* box = messageBoxKey();
    copyName(name, sizeof name, box && box[0] ? box : "-");
    w.line("box %s\n", name);
    w.line("selected %d\n", selectedIndex());
    w.line("fading %d\n", screenFading() ? 1 : 0);
    w.line("transition %d\n", sceneTransitionRunning() ? 1 : 0);
    w.line("overlay %d\n", playState.overlayShown ? 1 : 0);
    w.line("tip %d\n", boardInput.tipShown ? 1 : 0);
    w.line("textentry %d\n", textEntryActive() ? 1 : 0);
    copyName(name, sizeof name, editText());
    w.line("entry %s\n", name);
    if (screen)
        for (int i = 0; i < screen->childCount; ++i) {
            copyName(name, sizeof name, screen->children[i] ? screen->children[i]->name : "");
            w.line("item %d %s\n", i, name);
        }

    for (int i = 0; i < kMessageCount; ++i) {
        const MessageRecord& m = messageAt(i);
        if (m.life <= 0) continue;
        char text[kMessageTextSize];
        copyName(text, sizeof text, m.text);
        w.line("message %s\n", text);
    }

    const bool hasProfile = profileCount() > 0;
    if (hasProfile) {
        copyName(name, sizeof name, currentProfile()->name);
        w.line("profile %s\n", name);
    }
    const int mode = playState.mode;
    w.line("mode %d\n", mode);
    w.line("level %d\n", playState.levelIndex + 1); // as the player counts
    w.line("score %d\n", playState.scoreBase + gs.score);
    w.line("lives %d\n", hasProfile ? livesOf(*currentProfile(), mode) : 0);
    w.line("moves %d\n", gs.movesUsed);
    w.line("hammer %d\n", gs.hammerReady || gs.hammerArmed ? 1 : 0);
    w.line("won %d\n", playState.levelWon ? 1 : 0);
    w.line("lost %d\n", playState.levelLost ? 1 : 0);
    w.line("map %d %d\n", mapState.selectedLevel + 1, mapState.currentLevel + 1);
    const TrophyRoom& room = trophyRoom();
    w.line("room %d %d\n", room.active ? 1 : 0, int(room.presentation));

    const bool onBoard = shell.currentScene == &gameScene;
    const bool settled = onBoard && isSettled();
    w.line("settled %d\n", settled ? 1 : 0);
    // What the board's click accepts, and nothing is in its way.
    const bool ready = settled && gs.cooldown < 0 && !gs.paused && !boardInput.tipShown &&
                       !playState.overlayShown && !playState.levelWon && !playState.levelLost;
    w.line("ready %d\n", ready ? 1 : 0);
    if (!settled) return w.length;
    int ww = 0, wh = 0;
    windowSize(ww, wh);
    Letterbox lb = computeLetterbox(ww, wh);
    w.line("board %d %d\n", kRows, kColumns);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = board[r][c];
            Vec2 p = cellCentre(r, c);
            int x = int(lb.offsetX + (400.0f + p.x) * lb.scale);
            int y = int(lb.offsetY + (300.0f - p.y) * lb.scale);
            w.line("cell %d %d %d %d %d %d %d %d\n", r, c, cell.fig.kind, cell.ground, cell.lock, cell.groupId, x, y);
        }
    // A line of its own, so readers of the cell lines need not change.
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (board[r][c].fig.bonus > 0)
                w.line("bonus %d %d %d\n", r, c, board[r][c].fig.bonus);
    return w.length;
}

void describeBoardIfAsked() {
    const std::string& path = launchOptions.describeBoardPath;
    if (path.empty()) return;
    static char text[kDescriptionSize];
    size_t length = composeDescription(text, sizeof text);
    if (wroteOnce && length == lastLength && std::memcmp(text, lastWritten, length) == 0) return;
    // Relative names mean the directory the game was started in, not the data directory.
    std::string target = path[0] == '/' ? path : shell.startDirectory + "/" + path;
    if (!writeFileAtomic(target, text, length)) return; // tried again next frame
    std::memcpy(lastWritten, text, length);
    lastLength = length;
    wroteOnce = true;
}

} // namespace aw
