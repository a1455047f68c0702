// What the play flow's files share (not part of its contract).
#pragma once
#include "game/play_flow.h"
#include "game/score_tables.h"
#include "persistence/profiles.h"

namespace aw {

extern PlayFlow flow;

// The current profile (a zeroed record when there is none) and the mode played.
Profile& player();
int playedMode();
// The player's lives in the mode played.
int livesLeft();

// The figures of the level on the board, for the records.
LevelFigures levelFigures();
// Score carried into the level plus the score of the level so far.
int scoreWithLevel();

// Writes the player files (profiles, records, high scores, settings).
void savePlayerProgress();
// Enters the high score in the mode's table and marks its row for the screen.
void enterHighScore(int score);

// Opens a screen over the board; false when the screen cannot open.
bool showOverlay(const char* screen);
// A question (yes / no) or a notice (OK) over the board.
void askOverBoard(const char* textKey);
void noticeOverBoard(const char* textKey);
// The menu scene with the main menu.
void leaveToMainMenu();
void clearLetterBursts();
// A level starts once the iris has closed: the iris now, the switch and the
// level set-up after kStartTransitionMs.
void scheduleGameStart(int level);
// The per-level part of the flow's record back to its start.
void resetLevelFlow();

// "yes" to "zeroscore" (play_flow_menus.cpp).
void startPickedLevelFresh();
// Accepting a life-lost box: the level again, and a second loss opens "defeat".
void acceptLifeLost();

// The item actions (play_flow_items.cpp).
void registerPlayFlowItems();

} // namespace aw
