// The options: the two volumes (applied every frame), the full-screen switch
// (applied by "apply") and the drawn cursor (at once).
#include "ui/navigation_state.h"
#include "ui/panel_view.h"
#include "ui/screen_content.h"
#include "ui/ui_hooks.h"
#include "ui/widget_draw.h"

#include "audio/sound_system.h"
#include "persistence/settings.h"
#include "render/device.h"
#include "resources/text_table.h"

#include <cstring>

namespace aw {
namespace {

constexpr int kVolumeSteps = 100;

// Lives for the run: the screen's own copy of the full-screen flag.
int fullScreenChoice = 1;
int lastSoundVolume = -1;

} // namespace

void onOpenOptions() {
    fullScreenChoice = uicall::displayFullScreen() ? 1 : 0;
    lastSoundVolume = -1;
}

void drawOptionsScreen() {
    PanelView v;
    drawPanel(Rect(-190, 260, 190, -190), v.s);
    Color white(255, 255, 255, int(255 * v.alpha()));
    MenuNode* screen = currentScreen();
    drawLabel(0, v.y(222), v.f(17), screen ? screen->text : "", true, Color(255, 255, 155, int(255 * v.alpha())));
    Settings& s = settings();
    drawLabel(0, v.y(175), v.f(13), lookupText("sfxvolume"), true, white);
    drawSlider(v.x(-80), v.x(80), v.y(140), kVolumeSteps, s.soundVolume);
    drawLabel(0, v.y(95), v.f(13), lookupText("musicvolume"), true, white);
    drawSlider(v.x(-80), v.x(80), v.y(60), kVolumeSteps, s.musicVolume);
    drawCheckBox(v.x(-100), v.y(0), fullScreenChoice, nullptr);
    drawLabel(v.x(-53), v.y(0), v.f(10), lookupText("fullscreen"), false, white);
    drawCheckBox(v.x(-100), v.y(-60), s.customCursor, nullptr);
    drawLabel(v.x(-53), v.y(-60), v.f(10), lookupText("customcursor"), false, white);
    drawFocusFrame();
    drawButton(0, v.y(-140), v.x(128), v.y(64), v.f(15), nullptr, v.alpha());
    // The volumes take effect while the sliders move; a changed sound volume
    // lets the player hear it.
    applyVolumes(s.musicVolume, s.soundVolume);
    if (!fadingIn() && lastSoundVolume >= 0 && s.soundVolume != lastSoundVolume) playEffect("SFXVolume.ogg");
    lastSoundVolume = s.soundVolume;
}

void actionApply() {
    bool wanted = fullScreenChoice != 0;
    if (wanted != uicall::displayFullScreen()) uicall::applyDisplayMode(wanted);
    settings().fullScreen = wanted ? 1 : 0;
    goBack();
}

void actionDefault() {
    MenuNode* screen = nav.current;
    if (screen && std::strcmp(screen->name, "audio") == 0) {
        settings().musicVolume = kDefaultMusicVolume;
        settings().soundVolume = kDefaultEffectsVolume;
        applyVolumes(kDefaultMusicVolume, kDefaultEffectsVolume);
    } else if (screen && std::strcmp(screen->name, "video") == 0) {
        setGamma(0.5f);
    }
    if (screen) openScreen(screen);
}

void resetOptionsScreen() {
    fullScreenChoice = 1;
    lastSoundVolume = -1;
}

} // namespace aw
