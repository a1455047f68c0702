// The ui's own screens: draw routines, on-open hooks, item actions and key
// remaps, one file per screen family (internal to the ui).
#pragma once

namespace aw {

struct MenuNode;

// [SECTION] main (screen_main.cpp)
void drawMainScreen();
void onOpenMain();
void actionExit();

// [SECTION] profiles and name entry (screen_profiles.cpp)
void drawProfilesScreen();
void onOpenProfiles();
void drawNameEntry();
void onOpenNewProfile();
void onOpenRename();
void openProfilesFromLink();
void actionSelectProfile();
void actionNewProfile();
void actionRename();
void actionOkRename();
void actionRemove();
void actionOkNewProfile();
void removeProfileToActOn(); // "yes" after "removeplayer"
bool profilesFull();

// [SECTION] options (screen_options.cpp)
void drawOptionsScreen();
void onOpenOptions();
void actionApply();
void actionDefault();

// [SECTION] high scores (screen_hiscore.cpp)
void drawHiscoreScreen();
void onOpenHiscore();
void changeHiscoreMode(int step);

// [SECTION] credits (screen_credits.cpp)
void drawCreditsScreen();
void onOpenCredits();

// [SECTION] boxes and game dialogs (screen_dialogs.cpp)
void drawMessageBox();
void drawLoadGameQuestion();
void drawGameTip();
void drawDefeatScreen();
void drawModeScreen();
void actionContinueGame();

// [SECTION] level result (screen_level_result.cpp)
void drawLevelResult();
void onOpenLevelResult();
bool levelResultCounting();
void finishLevelResultCount();

} // namespace aw
