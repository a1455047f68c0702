// The screen system as the scenes and the play flow see it: one current
// screen of the tree, opened by name or by node, closed with a fade, fed
// with keys and clicks, updated and drawn once per frame by the hosting scene.
//
// Lifetime: the navigation state lives for the run; resetScreens() brings
// the whole ui back to its state before the start-up load (tests).
#pragma once
#include "ui/menu_tree.h"

namespace aw {

constexpr float kFadeMs = 300.0f;
constexpr int kEditBufferSize = 13; // 12 characters and the terminator
constexpr float kEditWidthLimit = 140.0f;
constexpr float kEditFontSize = 16.0f;
constexpr int kMessageBufferSize = 1024;

// Opens the named screen; an unknown name opens nothing and says so once on stderr.
bool openScreenByName(const char* name);
// Refused (false) while a fade runs.
bool openScreen(MenuNode* node);
// Refused while a fade runs; the pending actions decide what follows.
bool closeCurrentScreen();
// textKey is looked up in the text table ("removeplayer", "quit", ...); the
// key is kept so the box's answers know what was asked. The previous
// current screen becomes the box's parent.
void messageBox(const char* textKey, bool okOnly);
// The same with a text that is already made (shown as it is).
void messageBoxText(const char* key, const char* text, bool okOnly);
const char* messageBoxKey();
const char* messageText();

MenuNode* currentScreen();
bool currentScreenIs(const char* name);
int selectedIndex();
void setSelectedIndex(int index);
bool screenFading();
float transitionAmount(); // 0 shown, 1 hidden
float slideOffset();
bool fadingIn();

// Called once per frame by the hosting scene, update first.
void screenUpdate(float dtMs);
void screenDraw();
// The free-running clock of the highlight colours and pulsing marks.
void advanceUiClock(float dtMs);
float uiClockMs();

// Input. The mouse arrives in client pixels of the 800 x 600 frame.
void setScreenMouse(int clientX, int clientY);
float mouseVirtualX();
float mouseVirtualY();
void screenKeyDown(int virtualKey);
void screenClick();
void screenDoubleClick();
void screenRelease();
void screenMouseMoved();

// Items whose actions belong to others (the play flow's "adventure",
// "start", "resume game", ...). An action registered for a name the ui also
// answers ("yes", "no", "ok", "main") runs for the questions the ui does not
// ask itself. At most 48 names.
using ItemAction = void (*)();
void registerItemAction(const char* name, ItemAction action);
// Runs the back action of the current screen now (items "back", "cancel").
void goBack();
// Opens the parent of the current screen, selecting the child it was reached through.
void returnToParent();

// Text entry of the name screens.
bool textEntryActive();
void startTextEntry(const char* initial);
void stopTextEntry();
const char* editText();
int editCaret();

// The delayed trophy-room request of "trophyroom" (1000 ms).
void requestTrophyRoomLater();

void resetScreens();

} // namespace aw
