// The ui's own screens and their routines, given to the tree by name.
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"

#include "render/text.h"

namespace aw {

float fittingSize(const char* text, float size, float maxWidth) {
    float w = text ? measureText(text, size) : 0;
    return w > maxWidth && w > 0 ? size * maxWidth / w : size;
}

void resetLevelResult();
void resetProfileScreens();
void resetHiscoreScreen();
void resetCreditsScreen();
void resetOptionsScreen();
void resetDialogs();

void registerBuiltInScreens() {
    struct Entry {
        const char* name;
        ScreenRoutine draw, onOpen;
    };
    static const Entry kScreens[] = {
        {"main", drawMainScreen, onOpenMain},
        {"profiles", drawProfilesScreen, onOpenProfiles},
        {"newprofile", drawNameEntry, onOpenNewProfile},
        {"rename", drawNameEntry, onOpenRename},
        {"options", drawOptionsScreen, onOpenOptions},
        {"hiscore", drawHiscoreScreen, onOpenHiscore},
        {"credits", drawCreditsScreen, onOpenCredits},
        {"adventure", drawModeScreen, nullptr},
        {"timeless", drawModeScreen, nullptr},
        {"puzzle", drawModeScreen, nullptr},
        {"loadgamequest", drawLoadGameQuestion, nullptr},
        {"gameplaytip", drawGameTip, nullptr},
        {"levelcomplete", drawLevelResult, onOpenLevelResult},
        {"defeat", drawDefeatScreen, nullptr},
        {"gameover", drawDefeatScreen, nullptr},
        {"messageboxok", drawMessageBox, nullptr},
        {"messageboxyn", drawMessageBox, nullptr},
    };
    for (const Entry& e : kScreens) setScreenRoutines(e.name, e.draw, e.onOpen);
}

void resetScreenContent() {
    resetLevelResult();
    resetProfileScreens();
    resetHiscoreScreen();
    resetCreditsScreen();
    resetOptionsScreen();
    resetDialogs();
}

} // namespace aw
