// The profile list and the name entry screens with their actions.
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/screen_values.h"
#include "ui/ui_hooks.h"
#include "ui/ui_media.h"
#include "ui/widget_draw.h"

#include "audio/sound_system.h"
#include "persistence/player_files.h"
#include "persistence/profiles.h"
#include "render/text.h"
#include "resources/text_table.h"

#include <cmath>
#include <cstring>

namespace aw {
namespace {

constexpr int kMainBackground = 15;
constexpr float kFieldWidth = 330, kFieldHeight = 64;

// Lives for the run.
int actOn = 0; // the profile "rename", "remove" and the link act on

int clampProfile(int i) {
    int n = profileCount();
    return n <= 0 ? 0 : i < 0 ? 0 : i >= n ? n - 1 : i;
}

// The profile the focus frame stands on (the lines are the only controls here).
int focusedProfile() {
    if (nav.focused >= 0 && nav.focused < widgets.controlCount &&
        widgets.controls[nav.focused].kind == kControlProfileLine)
        return nav.focused;
    return clampProfile(actOn);
}

MenuNode* profilesScreen() { return findMenuNode("profiles"); }

void openNameScreen(const char* name) {
    MenuNode* screen = findMenuNode(name);
    if (!screen) return;
    if (screen != nav.current && nav.current) screen->parent = nav.current;
    openScreen(screen);
}

} // namespace

int profileToActOn() { return actOn; }
bool profilesFull() { return profileCount() >= kMaxProfiles; }

void openProfilesFromLink() {
    actOn = currentProfileIndex();
    MenuNode* profiles = profilesScreen();
    if (profiles && nav.current && profiles != nav.current) profiles->parent = nav.current;
    if (profiles) openScreen(profiles);
}

void onOpenProfiles() { nav.focused = clampProfile(actOn); }

void drawProfilesScreen() {
    int count = profileCount();
    float top = 280 + slideOffset();
    drawPanel(Rect(25, top, 355, top - (30 * float(count) + 115)), 1);
    drawLabel(190, top - 40, 18, lookupText("curusers"), true, Color(0, 255, 255));
    // Registered before anything else, so control i is profile i.
    int focusedBefore = nav.focused;
    for (int i = 0; i < count; ++i) {
        float y = top - 85 - 30 * float(i);
        registerControl(kControlProfileLine, 45, y + 18, 335, y - 18);
        const char* name = profileAt(i)->name;
        Color c = i == focusedBefore ? Color(255, 255, 55) : Color();
        drawLabel(190, y, fittingSize(name, 14, 270), name, true, c);
    }
    drawFocusFrame(true);
    drawDefaultList(-210, 150 + slideOffset(), 16, true);
}

void onOpenNewProfile() {
    uicall::setMenuBackground(kMainBackground);
    uicall::setMenuSubState(kMenuMain);
    startTextEntry("");
}

void onOpenRename() {
    Profile* p = profileAt(clampProfile(actOn));
    startTextEntry(p ? p->name : "");
}

void drawNameEntry() {
    PanelView v;
    drawPanel(Rect(-200, 140, 200, -140), v.s);
    Color white(255, 255, 255, int(255 * v.alpha()));
    drawLabel(0, v.y(90), v.f(15), lookupText("entername"), true, white);
    Rect field = Rect::fromCentre(0, v.y(20), v.x(kFieldWidth), v.y(kFieldHeight));
    fillRect(field, Color(20, 8, 0, int(220 * v.alpha())));
    Color rim(200, 150, 60, int(200 * v.alpha()));
    fillRect(Rect(field.x0, field.y0, field.x1, field.y0 - 2), rim);
    fillRect(Rect(field.x0, field.y1 + 2, field.x1, field.y1), rim);
    const char* text = editText();
    float size = fittingSize(text, v.f(17), v.x(kFieldWidth - 40));
    drawLabel(0, v.y(20), size, text, true, white);
    // The caret stands after the characters before it, in the centred line.
    char before[kEditBufferSize];
    std::memcpy(before, text, size_t(editCaret()));
    before[editCaret()] = 0;
    float x = -measureText(text, size) / 2 + measureText(before, size);
    float pulse = std::sin(0.01f * uiClockMs()) / 2 + 0.5f;
    drawLabel(x, v.y(20), size, "|", true, Color(255, 255, 55, int(255 * pulse * v.alpha())));
    if (profileCount() > 0) {
        drawButton(v.x(-90), v.y(-80), v.x(128), v.y(64), v.f(18), nullptr, v.alpha());
        drawButton(v.x(90), v.y(-80), v.x(128), v.y(64), v.f(18), nullptr, v.alpha());
    } else {
        drawButton(0, v.y(-80), v.x(150), v.y(64), v.f(18), nullptr, v.alpha());
    }
}

void actionSelectProfile() {
    if (profileCount() > 0) {
        selectProfile(focusedProfile());
        writePlayerFiles();
    }
    openScreenByName("main");
}

void actionNewProfile() {
    if (profilesFull()) {
        playEffect("MaxPlayers.ogg");
        if (nav.current) openScreen(nav.current);
        return;
    }
    openNameScreen("newprofile");
}

void actionRename() {
    actOn = focusedProfile();
    Profile* p = profileAt(actOn);
    startTextEntry(p ? p->name : "");
    openNameScreen("rename");
}

void actionOkRename() {
    MenuNode* rename = nav.current;
    if (profileCount() > 0 && renameProfile(clampProfile(actOn), editText())) {
        writePlayerFiles();
        openScreenByName("profiles");
        return;
    }
    // Refused: the entry stays with the name as typed.
    char typed[kEditBufferSize];
    std::memcpy(typed, editText(), sizeof typed);
    int caret = editCaret();
    openScreen(rename);
    startTextEntry(typed);
    nav.caret = caret;
}

void actionRemove() {
    actOn = focusedProfile();
    messageBox("removeplayer", false);
}

void removeProfileToActOn() {
    if (profileCount() > 0) {
        removeProfile(clampProfile(actOn));
        writePlayerFiles();
    }
    actOn = currentProfileIndex();
    if (profileCount() > 0) {
        goBack();
        return;
    }
    MenuNode* entry = findMenuNode("newprofile");
    if (entry) entry->parent = nullptr;
    openScreen(entry);
}

void actionOkNewProfile() {
    if (!profilesFull() && addProfile(editText())) {
        writePlayerFiles();
        actOn = currentProfileIndex();
        openScreenByName("main");
        return;
    }
    char typed[kEditBufferSize];
    std::memcpy(typed, editText(), sizeof typed);
    int caret = editCaret();
    openScreen(nav.current);
    startTextEntry(typed);
    nav.caret = caret;
}

void resetProfileScreens() { actOn = 0; }

} // namespace aw
