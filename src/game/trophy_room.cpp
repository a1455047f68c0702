// The trophy room's rules: entering and leaving, hover and the balloon, the
// presentation of new trophies. Its drawing is trophy_room_draw.cpp.
//
// [SECTION] entering and leaving
// [SECTION] presentation
// [SECTION] frame and input
#include "game/trophy_room.h"

#include "audio/ambient.h"
#include "audio/sound_system.h"
#include "board/game_modes.h"
#include "core/game_constants.h"
#include "effects/backgrounds.h"
#include "game/trophies.h"
#include "game/trophy_layout.h"
#include "persistence/binary_fields.h"
#include "resources/text_table.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <cstdio>

namespace aw {

TrophyRoomHooks trophyRoomHooks;

namespace {

TrophyRoom room;
float ambientClock = 0; // float twin of room.ambientMs, so fractions of a ms add up

constexpr int kKeyEnter = 13, kKeyEscape = 27, kKeySpace = 32;

void call(void (*hook)()) {
    if (hook) hook();
}

void clearHoverMarks() {
    for (TrophyPlace& p : trophyLayout().places) p.hovered = 0;
}

void saveTrophies() {
    if (room.profileName[0]) writeProfileTrophies(room.profileName);
}

} // namespace

const TrophyRoom& trophyRoom() { return room; }
bool trophyRoomShown() { return room.active; }

// [SECTION] entering and leaving

void enterTrophyRoom(int returnCode) {
    room = TrophyRoom{};
    ambientClock = 0;
    room.active = true;
    room.returnCode = returnCode;
    room.rememberedBackground = currentBackground();
    setBackground(kTrophyRoomBackground);
    setTintNow(1, 1, 1, 1);
    copyName(room.profileName, sizeof room.profileName, profileCount() > 0 ? currentProfile()->name : "");
    uicall::clearParticles();
    clearHoverMarks();
    call(trophyRoomHooks.showRoomScene);
}

namespace {

void startLeaving(bool writeLayout) {
    // The layout is written back as it was loaded; a data directory that
    // cannot be written keeps its file, which holds the same layout.
    if (writeLayout) writeTrophyLayout();
    playEffect("ButtonClick.ogg");
    startSceneTransition(kRoomLeaveMs, "");
    room.leaving = true;
    room.leaveMs = 0;
    room.balloonShown = false;
}

// The iris is closed: back where the room was entered from.
void finishLeaving() {
    for (uint8_t& n : trophyState().isNew) n = 0;
    saveTrophies();
    room.active = false;
    room.leaving = false;
    clearHoverMarks();
    if (room.returnCode == kRoomFromGameplay) {
        if (room.rememberedBackground >= 0) setBackground(room.rememberedBackground);
        call(trophyRoomHooks.showGameScene);
        return;
    }
    bool toMode = room.returnCode >= 0 && room.returnCode < kModeCount;
    changeTune(0);
    setBackground(kMainMenuBackground);
    setTintNow(1, 1, 1, 1);
    if (trophyRoomHooks.showMenuScene) trophyRoomHooks.showMenuScene(toMode ? kMenuMap : kMenuMain);
    openScreenByName(toMode ? modeInfo(room.returnCode).key : "main");
}

// [SECTION] presentation

// The panel is done: the trophy takes its place.
void finishPresentation() {
    int n = room.presented;
    trophyState().isNew[n - 1] = 0;
    saveTrophies();
    const TrophyPlace& p = trophyPlace(n);
    uicall::spawnEffect("trophyadd2", p.x, p.y);
    room.presentation = Presentation::kIdle;
    room.presented = 0;
    room.presentMs = 0;
}

// True while a presentation holds the room (hover and exit wait).
bool stepPresentation(float dt) {
    if (room.presentation == Presentation::kIdle) {
        int n = firstNewTrophy();
        if (n == 0) return false;
        room.presented = n;
        room.presentation = Presentation::kGrowing;
        room.presentMs = 0;
        room.balloonShown = false;
        room.hovered = 0;
    }
    switch (room.presentation) {
    case Presentation::kGrowing:
        room.presentMs += dt;
        if (room.presentMs >= kPanelGrowMs) {
            room.presentation = Presentation::kWaiting;
            room.presentMs = 0;
        }
        break;
    case Presentation::kShrinking:
        room.presentMs += dt;
        if (room.presentMs >= kPanelGrowMs) finishPresentation();
        break;
    default:
        break;
    }
    return true;
}

void acceptPresentation() {
    if (room.presentation != Presentation::kWaiting) return;
    playEffect("ButtonClick.ogg");
    room.presentation = Presentation::kShrinking;
    room.presentMs = 0;
}

bool presenting() { return room.presentation != Presentation::kIdle || firstNewTrophy() != 0; }

bool reacting() { return room.active && !room.leaving && room.timeMs >= kRoomQuietMs; }

Rect exitSignRect() { return Rect::fromCentre(kExitSignX, kExitSignY, kExitSignSize, kExitSignSize); }

} // namespace

float presentationScale() {
    float f;
    switch (room.presentation) {
    case Presentation::kGrowing: f = 1 - room.presentMs / kPanelGrowMs; break;
    case Presentation::kShrinking: f = room.presentMs / kPanelGrowMs; break;
    case Presentation::kWaiting: f = 0; break;
    default: f = 1; break;
    }
    f = f < 0 ? 0 : f > 1 ? 1 : f;
    return 1 - f * f;
}

Rect panelButtonRect() { return Rect::fromCentre(0, kPanelButtonY, kPanelButtonWidth, kPanelButtonHeight); }

int trophyAt(Vec2 p) {
    for (int n = kTrophyCount; n >= 1; --n)
        if (trophyEarned(n) && !trophyIsNew(n) && trophyRect(trophyPlace(n)).contains(p)) return n;
    return 0;
}

const char* trophyDescription(int number, const char* fallback) {
    char key[24];
    std::snprintf(key, sizeof key, "trophytip%i", number);
    const char* text = lookupText(key);
    return text && text[0] ? text : fallback;
}

// [SECTION] frame and input

void updateTrophyRoom(float dt, Vec2 mouse) {
    if (!room.active) return;
    if (dt < 0) dt = 0;
    room.mouse = mouse;
    uint32_t before = room.ambientMs;
    ambientClock += dt;
    room.ambientMs = uint32_t(ambientClock);
    updateTrophyRoomAmbient(before, room.ambientMs - before);
    room.timeMs += dt;
    clearHoverMarks();

    if (room.leaving) {
        room.leaveMs += dt;
        if (room.leaveMs >= kRoomLeaveMs) finishLeaving();
        return;
    }
    if (room.timeMs < kRoomQuietMs) return;
    if (stepPresentation(dt)) {
        room.exitHovered = false;
        return;
    }

    int n = trophyAt(mouse);
    if (n != room.hovered) {
        room.hovered = n;
        room.restMs = 0;
        room.balloonShown = false;
        room.balloonAgeMs = 0;
    } else if (n) {
        room.restMs += dt;
        if (room.restMs >= kBalloonRestMs && !room.balloonShown) {
            room.balloonShown = true;
            room.balloonAgeMs = 0;
        }
    }
    if (n) trophyPlace(n).hovered = 1;
    if (room.balloonShown) room.balloonAgeMs += dt;
    room.exitHovered = exitSignRect().contains(mouse);
}

void trophyRoomClick(Vec2 p) {
    if (!reacting()) return;
    if (presenting()) {
        if (room.presentation == Presentation::kWaiting && panelButtonRect().contains(p)) acceptPresentation();
        return;
    }
    if (exitSignRect().contains(p)) {
        startLeaving(false);
        return;
    }
    int n = trophyAt(p);
    if (n == 0) return;
    if (n != room.hovered) {
        room.hovered = n;
        room.restMs = 0;
        room.balloonAgeMs = 0;
    }
    room.balloonShown = true;
}

void trophyRoomKeyDown(int key) {
    if (!reacting()) return;
    if (presenting()) {
        // The panel's button answers the keys the menus use for it.
        if (key == kKeyEnter || key == kKeySpace) acceptPresentation();
        return;
    }
    if (key == kKeyEscape) startLeaving(true);
}

void resetTrophyRoom() {
    room = TrophyRoom{};
    ambientClock = 0;
    trophyRoomHooks = TrophyRoomHooks{};
}

} // namespace aw
