#include "soak_level.h"

#include "soak_game.h"

#include "app/scenes.h"
#include "app/shell_state.h"
#include "autoplay.h"
#include "board/board.h"
#include "effects/hud.h"
#include "game/play_flow.h"
#include "platform/events.h"
#include "run.h"

namespace aw::soak {
namespace {

// A player answers a prompt (a tip, the result, the trophy room) about this
// often; answering every frame would skip what the prompt waits for.
constexpr double kPromptEveryMs = 600;

// The client pixel of a point in board coordinates (origin at the centre, y up).
void clickBoardPoint(Vec2 p) { click(int(p.x + 400), int(300 - p.y)); }

struct Prompter {
    double lastMs = -1e9;
    int presses = 0;
    bool due() {
        if (clockMs() - lastMs < kPromptEveryMs) return false;
        lastMs = clockMs();
        ++presses;
        return true;
    }
    void answer() {
        if (due()) pressKey(vk::Return);
    }
    // The trophy room takes Enter for each new trophy's panel and Escape to
    // leave; each key does nothing where the other is meant.
    void answerRoom() {
        if (due()) pressKey(presses % 2 ? vk::Return : vk::Escape);
    }
};

// A move of the autoplayer on a board that takes one: a hammer strike when
// the hammer is ready and a figure is worth it, else a group.
void makeMove(LevelRun& run) {
    int row = 0, column = 0;
    if (gs.hammerReady && sim::chooseHammerStrike(&row, &column)) {
        const Rect& b = kHammerButtonRect;
        clickBoardPoint({(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2});
        clickBoardPoint(cellCentre(row, column));
        ++run.strikes;
        return;
    }
    if (sim::chooseClick(&row, &column)) clickBoardPoint(cellCentre(row, column));
}

} // namespace

const char* outcomeName(Outcome o) {
    switch (o) {
    case Outcome::Won: return "won";
    case Outcome::Lost: return "lost";
    case Outcome::OverBudget: return "over-budget";
    case Outcome::Stalled: return "stalled";
    }
    return "?";
}

LevelRun playLevel(GameMode mode, int index, long budget) {
    LevelRun run;
    Prompter prompter;
    playLevelAtOnce(mode, index);
    while (run.frames < budget) {
        if (!frame()) {
            run.outcome = Outcome::Stalled;
            return run;
        }
        ++run.frames;
        if (shell.currentScene == &trophyRoomScene) { // a new trophy is presented
            prompter.answerRoom();
            continue;
        }
        if (shell.currentScene != &gameScene) continue; // the switch into the level
        if (playState.levelAdvanced) {
            run.outcome = Outcome::Won;
            return run;
        }
        if (playState.levelLost && playFlow().lossResolved) {
            run.outcome = Outcome::Lost;
            return run;
        }
        if (playState.levelWon || playState.levelLost) {
            run.moves = gs.movesUsed;
            prompter.answer();
            continue;
        }
        if (playState.overlayShown || boardInput.tipShown) {
            prompter.answer();
            continue;
        }
        // The posted clicks are handled before the next frame, whose tick
        // starts the move; until it is over the board takes no other.
        if (boardInput.transitionRunning || !sim::acceptsClick()) continue;
        makeMove(run);
    }
    run.outcome = Outcome::OverBudget;
    return run;
}

} // namespace aw::soak
