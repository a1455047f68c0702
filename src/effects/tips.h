// The tutorial tips: speech bubbles that explain the game once per profile
// (the welcome, squares, dual squares, locks, the first bonuses, the hammer,
// the candle, no moves left), each pointing at what it talks about, and the
// idle hint that makes a playable group shine after a pause.
//
// One bubble at a time. A tip's profile flag goes from 1 to 0 when it opens,
// so a tip whose moment passes while another is shown is simply not queued.
//
// Lifetime: the bubble and its widget are hidden at every level start
// (clearTips) and wiped by resetTips (tests); the no-moves flag lives for the
// run; the seen flags live in the profile and are saved with it.
#pragma once
#include "core/rect.h"
#include "core/vec.h"

namespace aw {

struct SavedHintBubble;

// The profile's tutorial flag block: the position of a tip's flag, -1 for a
// key without one ("nomoves" and unknown keys).
int tutorialFlagOf(const char* key);

// Opens the bubble unless one is shown: a tip of the table only while the
// current profile's flag is 1 (and clears it, except "welcome"); "nomoves"
// once per no-moves situation; any other key hides the bubble.
void offerTip(float x, float y, const char* key, float delayMs, bool button, bool pointer);
void hideTip();
bool tipVisible();
// The key of the tip shown (null when hidden).
const char* shownTipKey();

// Once per board tick: hides the bubble over an overlay, a pause or a level
// outcome, sets the widget for this frame and lets its button close it.
void tipTick(float dt);
// Once per frame from the board drawing, between the tiles and the figures:
// offers the tips the board's cells call for and runs the idle hint.
void tipTriggerPass(float dt);
// A left click on the board while a bubble is shown.
void recordTipClick(float x, float y);

// Draws the bubble set by this frame's tick (the host scene, each frame).
void drawTipBubble(float dt);
// The button's rectangle of the last frame drawn (empty without one).
Rect tipButtonRect();

// The saved game's copy of the bubble.
void captureTipBubble(SavedHintBubble& out);
void restoreTipBubble(const SavedHintBubble& in);

// Fills the board's tip hooks (show, close, click).
void connectTips();
// Hides the bubble (level start).
void clearTips();
void resetTips();

} // namespace aw
