// The course of a game: which mode is played, which level comes next, the
// lives and the score carried from level to level, and what follows a won or
// lost level, a restart, a skip, the last life and the last level. The board
// decides that a level is won or lost; the flow reacts through the board's
// play-flow hooks and the items of the screens.
//
//   state                         entered by                            left by
//   main menu (menu scene)        start-up, "main" items, game over     choosing a mode, ...
//   mode screen (map sub-state)   choosing a mode, "no" to resuming,    "start", "back",
//                                 return to the map                     trophy room
//   playing (game scene)          setting a level up, "resume game",    the outcome, Escape
//                                 OK of a life-lost box
//   paused (overlay "gameplay")   Escape                                "resume game", "main",
//                                                                       restart, skip
//   level complete                the board                             advance, then the map
//   level lost                    the board                             restart, "defeat", game over
//   game over (overlay "hiscore") no lives left at a loss, "yes" to     "back" or "cancel" to main
//                                 "nomorelives"
//   finished                      completing level 128                  the map's congratulation
#pragma once
#include "board/play_state.h"

namespace aw {

// What the flow asks of the layers above it; each may stay null (tests).
struct PlayFlowHooks {
    void (*switchToGameScene)() = nullptr;
    // Empties the letter bursts over the board.
    void (*clearLetters)() = nullptr;
};

extern PlayFlowHooks playFlowHooks;

constexpr float kStartTransitionMs = 1000;
constexpr float kLossMessageAtMs = 2000;   // the timed message by lives left
constexpr float kLossMessageMs = 4000;
constexpr float kLossInputAfterMs = 4000;  // a click or key resolves the loss from here on
constexpr float kLossResolveAtMs = 8000;   // and without one it resolves itself
constexpr int kLossTune = 6;
constexpr int kMenuTunes = 5;              // the map picks one of tunes 0..4

// The flow's own record. The level part is wiped whenever a level is set
// up; the rest lives for the run; resetPlayFlow() wipes both (tests).
struct PlayFlow {
    // reset at level set-up
    float lossClock = 0;       // time since the loss, while the loss display runs
    bool lossStarted = false;  // the loss tune was selected
    bool lossResolved = false;
    bool resultOpened = false; // the level result has been shown
    float advanceClock = 0;    // the advance display after a completed level
    // lives for the run
    bool startPending = false; // a level starts once the iris has closed
    int startLevel = 0;
    float startClock = 0;
    int pickedLevel = 0;       // the level the "zeroscore" question is about
};

const PlayFlow& playFlow();

// [SECTION] the menus' side
// Main menu items "adventure", "timeless", "puzzle".
void chooseMode(GameMode mode);
// "yes" and "no" in the resume question.
void resumeSavedGame();
void declineSavedGame();
// Opens the current mode's screen; its on-open hook places the map.
void openModeScreen();
// The mode screens' on-open hook: map sub-state, the mode's levels on the map.
void onModeScreenOpened();
// The mode screen's item "start".
void startFromModeScreen();
// Accepting the "prolog" box: a new game at level 0.
void startNewGame();
// The test start (--level, --mode): the level at once in the game scene,
// as if it were chosen on the map as the mode's current level.
void playLevelAtOnce(GameMode mode, int level);

// [SECTION] levels
// Sets level index up from its file with a plain level start.
void setUpLevel(int index);
// One life less and the same level again (life-lost box, defeat, pause).
void restartLevel();
// One life less and on to the next level; the skipped one is not completed.
void skipLevel();

// [SECTION] the board's hooks
void completeLevel();
void openResultScreen();
void continueAfterOutcome();
void advanceToNextLevel();
void returnToMap();
void lossTick(float dt);
// A click or key during the loss display.
void resolveLossOnInput();
void resolveLoss();
void gameOver();
void openPauseScreen();

// Fills the board's play-flow hooks, registers the flow's items and gives
// the mode screens their on-open hook. After the screen tree is loaded.
void connectPlayFlow();
// Once per frame in the menu and game scenes: the delayed start.
void advancePlayFlow(float dtMs);
void resetPlayFlow();

} // namespace aw
