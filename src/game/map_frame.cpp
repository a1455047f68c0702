// The map's logic frame by frame, and its clicks.
//
// [SECTION] outward connections
// [SECTION] geometry
// [SECTION] the view and the ring
// [SECTION] the new star and the flying fragments
// [SECTION] the artefact view and the congratulation
// [SECTION] hover, frame and click
#include "game/map_outward.h"
#include "game/map_path.h"
#include "game/map_state.h"

#include "audio/sound_events.h"
#include "audio/sound_system.h"
#include "board/play_state.h"
#include "core/random.h"
#include "effects/backgrounds.h"
#include "ui/menu_tree.h"
#include "ui/scene_transition.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"

#include <algorithm>
#include <cmath>

namespace aw {

// [SECTION] outward connections

namespace {

void leaveForHiscoreNow() {
    changeTune(0);
    uicall::setMenuBackground(kMainMenuBackground);
    uicall::setMenuSubState(kMenuMain);
    // The table's way back leads to the main menu, whatever opened it before.
    if (MenuNode* hiscore = findMenuNode("hiscore")) hiscore->parent = findMenuNode("main");
    openScreenByName("hiscore");
    startSceneTransition(1000, "");
}

} // namespace

MapOutward defaultMapOutward() {
    MapOutward o;
    o.playSound = playMapSound;
    o.playButton = playMapButton;
    o.playClick = playButtonClick;
    o.startEffect = [](const char* name, float x, float y, float size) { uicall::spawnEffect(name, x, y, size); };
    o.leaveForHiscore = leaveForHiscoreNow;
    return o;
}

MapOutward mapOutward = defaultMapOutward();

namespace {

void sound(int n) {
    if (mapOutward.playSound) mapOutward.playSound(n);
}

void effect(const char* name, Vec2 at, float size = 1) {
    if (mapOutward.startEffect) mapOutward.startEffect(name, at.x, at.y, size);
}

// Sparks in a ring around a point.
void sparkRing(Vec2 at, float radius, int count) {
    for (int i = 0; i < count; ++i) {
        float a = 6.2831853f * float(i) / float(count);
        effect("map02", at + Vec2{radius * std::cos(a), radius * std::sin(a)});
    }
}

} // namespace

// [SECTION] geometry

Vec2 chartToScreen(Vec2 chart) {
    return {chart.x - mapState.viewCentre.x, mapState.viewCentre.y - chart.y};
}

Vec2 stageMarkScreen(int stage) {
    Vec2 p = pathPosition(stageDistance(stage));
    return chartToScreen({std::floor(p.x), std::floor(p.y)});
}

Vec2 ringLevelScreen(int stage, int withinStage) {
    int size = std::max(1, stageSize(stage));
    // Level 1 at the top, the others clockwise.
    float a = 6.2831853f * float(withinStage) / float(size);
    return stageMarkScreen(stage) + Vec2{kRingRadius * std::sin(a), kRingRadius * std::cos(a)};
}

Vec2 fragmentTarget(int fragment) {
    Vec2 c = mapState.fragmentCentre[std::clamp(fragment, 0, kFragmentCount - 1)];
    return {kArtefactPanelX + (c.x - 0.5f) * kArtefactPanelArt, kArtefactPanelY + (0.5f - c.y) * kArtefactPanelArt};
}

Vec2 artefactOkCentre() { return {0, -kArtefactViewH / 2 + 52}; }
Vec2 congratulationOkCentre() { return {0, -kCongratulationSize / 2 + 56}; }

float congratulationScale() {
    float f;
    switch (mapState.congratulation) {
    case kCongratulationGrow: f = 1 - std::min(1.0f, mapState.congratulationMs / kCongratulationMs); break;
    case kCongratulationWait: f = 0; break;
    case kCongratulationShrink: f = std::min(1.0f, mapState.congratulationMs / kCongratulationMs); break;
    default: return 0;
    }
    return 1 - f * f;
}

float artefactViewScale() {
    float t = std::min(1.0f, mapState.artefactViewMs / kArtefactOpenMs);
    switch (mapState.artefactView) {
    case ArtefactView::open: return 1 - (1 - t) * (1 - t);
    case ArtefactView::closing: return 1 - t * t;
    default: return 0;
    }
}

namespace {

// The "OK" of a panel scaled by s about the screen centre, as it is drawn.
bool insideButton(Vec2 centre, float s, Vec2 p) {
    Vec2 c = centre * s;
    return std::fabs(p.x - c.x) < kOkButtonW * s / 2 && std::fabs(p.y - c.y) < kOkButtonH * s / 2;
}

// [SECTION] the view and the ring

// The view centre in chart pixels: the path point, with the chart shifted on
// the screen by a tenth of the mouse's offset from the screen centre (it
// leans towards the mouse), kept on the painted chart.
Vec2 viewCentreNow() {
    Vec2 c = pathPosition(mapState.viewDistance) - Vec2{mapState.lean.x, -mapState.lean.y};
    Vec2 size = mapState.chartSize;
    auto keep = [](float v, float half, float extent) {
        if (extent <= 0) return v;
        if (extent <= 2 * half) return extent / 2;
        return std::clamp(v, half, extent - half);
    };
    return {keep(c.x, 400, size.x), keep(c.y, 300, size.y)};
}

void arrived() {
    int stage = mapState.shownStage;
    effect("map01", stageMarkScreen(stage));
    if (mapState.movingOnStage == stage) sparkRing(stageMarkScreen(stage), 40, 8);
    mapState.movingOnStage = -1;
}

void stepView(float dt) {
    // The lean follows the mouse within about a tenth of a second, so the
    // first mouse report after a screen change does not jolt the chart.
    Vec2 want = mapState.mouse * 0.1f;
    mapState.lean += (want - mapState.lean) * std::min(1.0f, dt / 100);
    float d = mapState.targetDistance - mapState.viewDistance;
    float away = std::fabs(d);
    bool arrival = false;
    if (away > 0) {
        float speed = std::min(kViewSpeed + kViewSpeedGain * std::max(0.0f, away - kViewSpeedFrom), kViewSpeedMax);
        float step = speed * dt;
        if (step >= away) {
            mapState.viewDistance = mapState.targetDistance;
            arrival = true;
        } else {
            mapState.viewDistance += d > 0 ? step : -step;
        }
        away = std::fabs(mapState.targetDistance - mapState.viewDistance);
        if (!mapState.viewNear && away <= kViewNearDistance) {
            mapState.viewNear = true;
            sound(9);
        }
    }
    mapState.viewCentre = viewCentreNow();
    if (arrival) arrived();
}

void stepRing(float dt) {
    if (std::fabs(mapState.targetDistance - mapState.viewDistance) > kRingWaitDistance)
        mapState.ringTimerMs = kRingAppearMs;
    else
        mapState.ringTimerMs = std::max(0.0f, mapState.ringTimerMs - dt);
}

// [SECTION] the new star and the flying fragments

int flyingCount() {
    int n = 0;
    for (const FlyingFragment& f : mapState.flying) n += f.active;
    return n;
}

void launchFragments(Vec2 from) {
    for (int i = mapState.fragmentsBefore; i < mapState.fragmentsAfter; ++i) {
        FlyingFragment& f = mapState.flying[mapState.flyingNext];
        mapState.flyingNext = (mapState.flyingNext + 1) % kMaxFlyingFragments;
        f.active = true;
        f.fragment = i;
        f.target = fragmentTarget(i);
        // Each piece leaves the star upwards at its own slant, then homes in.
        float a = 1.2f + 0.7f * float(i - mapState.fragmentsBefore);
        f.position = from;
        f.velocity = {0.35f * std::cos(a), 0.35f * std::sin(a) + 0.2f};
        f.travelled = 0;
    }
}

void land(FlyingFragment& f) {
    f.active = false;
    mapState.fragmentsShown = std::min(mapState.fragmentsShown + 1, mapState.fragmentsAfter);
    if (!mapState.fragmentLanded) {
        mapState.fragmentLanded = true;
        sound(4);
    }
}

void stepFragment(FlyingFragment& f, float dt) {
    Vec2 to = f.target - f.position;
    float dist = std::hypot(to.x, to.y);
    if (dist <= kFragmentArriveDistance) {
        land(f);
        return;
    }
    // Slow off the star, quicker as it goes: about a second to the panel.
    float speed = std::min(0.2f + 0.0008f * f.travelled, 0.9f);
    Vec2 want = to * (speed / dist);
    float steer = std::min(1.0f, dt * 0.006f);
    f.velocity += (want - f.velocity) * steer;
    Vec2 step = f.velocity * dt;
    float len = std::hypot(step.x, step.y);
    // Never step past the target: a long frame lands the piece instead.
    if (len >= dist) {
        f.position = f.target;
        f.travelled += dist;
        land(f);
        return;
    }
    float before = f.travelled;
    f.position += step;
    f.travelled += len;
    // A trail of sparks, one every 60 units.
    if (int(f.travelled / 60) != int(before / 60)) effect("map02", f.position, 0.4f);
    if (f.travelled >= kFragmentMaxTravel) land(f);
}

void stepFragments(float dt) {
    // Small steps keep the homing course the same at any frame rate.
    while (dt > 0) {
        float part = std::min(dt, 16.0f);
        for (FlyingFragment& f : mapState.flying)
            if (f.active) stepFragment(f, part);
        dt -= part;
    }
}

void openArtefactView() {
    mapState.artefactView = ArtefactView::moving;
    mapState.artefactViewMs = 0;
    mapState.artefactViewFrom = stageMarkScreen(mapState.artefactStage);
    sound(6);
}

// The sequence after a completed level is over: the view moves on to the
// stage of the selected level when that is another one.
void finishSequence() {
    mapState.moveFromLevel = -1;
    mapState.newStarTimerMs = 0;
    int stage = stageOfLevel(mapState.selectedLevel);
    if (stage != mapState.shownStage && stageReached(stage)) {
        aimMapView(stage, false);
        mapState.movingOnStage = stage;
        sound(8);
    }
}

void stepNewStar(float dt) {
    mapState.starPopMs = std::max(0.0f, mapState.starPopMs - dt);
    if (mapState.moveFromLevel < 0) return;
    mapState.newStarTimerMs -= dt;
    if (mapState.starPending && mapState.newStarTimerMs <= kNewStarShowMs) {
        mapState.starPending = false;
        mapState.starPopMs = kStarPopMs;
        int level = mapState.moveFromLevel;
        Vec2 at = ringLevelScreen(stageOfLevel(level), levelWithinStage(level));
        effect("map02", at);
        if (mapState.replayedLevel) {
            sound(2);
            mapState.newStarTimerMs = kNewStarReplayMs;
        } else {
            sound(3);
            launchFragments(at);
        }
    }
    if (mapState.starPending || flyingCount() > 0 || mapState.artefactView != ArtefactView::closed) return;
    mapState.fragmentsShown = mapState.fragmentsAfter;
    if (mapState.stageJustCompleted) {
        mapState.stageJustCompleted = false;
        openArtefactView();
    } else if (mapState.newStarTimerMs <= 0) {
        finishSequence();
    }
}

// [SECTION] the artefact view and the congratulation

void stepArtefactView(float dt) {
    switch (mapState.artefactView) {
    case ArtefactView::closed: return;
    case ArtefactView::moving:
        mapState.artefactViewMs += dt;
        if (mapState.artefactViewMs >= kArtefactMoveMs) {
            mapState.artefactView = ArtefactView::open;
            mapState.artefactViewMs = 0;
        }
        return;
    case ArtefactView::open: mapState.artefactViewMs += dt; return;
    case ArtefactView::closing:
        mapState.artefactViewMs += dt;
        if (mapState.artefactViewMs >= kArtefactOpenMs) {
            mapState.artefactView = ArtefactView::closed;
            mapState.artefactViewMs = 0;
            finishSequence();
        }
        return;
    }
}

void stepCongratulation(float dt) {
    int& state = mapState.congratulation;
    if (state == kCongratulationGrow || state == kCongratulationShrink) mapState.congratulationMs += dt;
    if (state == kCongratulationGrow && mapState.congratulationMs >= kCongratulationMs) {
        state = kCongratulationWait;
        mapState.congratulationMs = 0;
    }
    if (state == kCongratulationShrink && mapState.congratulationMs >= kCongratulationMs) state = kCongratulationFinish;
    if (state == kCongratulationFinish) {
        state = kCongratulationIdle;
        playState.finished = false;
        mapState.selectedLevel = 0;
        mapState.currentLevel = 0;
        if (mapOutward.leaveForHiscore) mapOutward.leaveForHiscore();
    }
}

// [SECTION] hover, frame and click

bool ringShown() { return std::fabs(mapState.targetDistance - mapState.viewDistance) <= kRingWaitDistance; }

void hoverTest() {
    mapState.hoveredStage = mapState.hoveredLevel = -1;
    if (mapState.congratulation != kCongratulationIdle || mapState.artefactView != ArtefactView::closed) return;
    Vec2 m = mapState.mouse;
    for (int s = 0; s < kStageCount; ++s) {
        if (s == mapState.shownStage || !stageReached(s)) continue;
        Vec2 at = stageMarkScreen(s);
        if (std::fabs(m.x - at.x) < kStageMarkSize / 2 && std::fabs(m.y - at.y) < kStageMarkSize / 2) {
            mapState.hoveredStage = s;
            break;
        }
    }
    if (!ringShown()) return;
    int stage = mapState.shownStage, first = firstLevelOfStage(stage);
    for (int k = 0; k < stageSize(stage); ++k) {
        Vec2 d = ringLevelScreen(stage, k) - m;
        if (d.x * d.x + d.y * d.y <= kLevelHoverRadius * kLevelHoverRadius) {
            mapState.hoveredLevel = first + k;
            break;
        }
    }
}

void stepSparkle(float dt) {
    if (mapState.hoveredStage < 0) {
        mapState.sparkleTimerMs = 0;
        return;
    }
    mapState.sparkleTimerMs += dt;
    Vec2 at = stageMarkScreen(mapState.hoveredStage);
    for (int n = 0; mapState.sparkleTimerMs >= kSparkleEveryMs && n < 8; ++n) {
        mapState.sparkleTimerMs -= kSparkleEveryMs;
        float a = randomFloat(6.2831853f);
        effect("map02", at + Vec2{30 * std::cos(a), 30 * std::sin(a)}, 0.5f);
    }
    mapState.sparkleTimerMs = std::fmod(mapState.sparkleTimerMs, kSparkleEveryMs);
}

} // namespace

bool mapSequenceBusy() {
    return mapState.starPending || flyingCount() > 0 || mapState.artefactView != ArtefactView::closed;
}

void startMapCongratulation() {
    if (mapState.congratulation != kCongratulationIdle) return;
    mapState.congratulation = kCongratulationGrow;
    mapState.congratulationMs = 0;
}

bool mapCongratulationShown() { return mapState.congratulation != kCongratulationIdle; }

void updateMap(float dtMs, Vec2 mouse) {
    // A stalled frame counts as a quarter second, so nothing leaps.
    float dt = std::isfinite(dtMs) ? std::clamp(dtMs, 0.0f, 250.0f) : 0.0f;
    mapState.mouse = mouse;
    mapState.phase += kPhasePerMs * dt;
    stepCongratulation(dt);
    stepView(dt);
    stepRing(dt);
    stepNewStar(dt);
    stepFragments(dt);
    stepArtefactView(dt);
    hoverTest();
    stepSparkle(dt);
}

bool mapClick(Vec2 mouse) {
    mapState.mouse = mouse;
    if (mapState.congratulation != kCongratulationIdle) {
        if (mapState.congratulation == kCongratulationWait && insideButton(congratulationOkCentre(), 1, mouse)) {
            mapState.congratulation = kCongratulationShrink;
            mapState.congratulationMs = 0;
            if (mapOutward.playClick) mapOutward.playClick();
        }
        return true;
    }
    if (mapState.artefactView != ArtefactView::closed) {
        if (mapState.artefactView == ArtefactView::open && insideButton(artefactOkCentre(), artefactViewScale(), mouse)) {
            mapState.artefactView = ArtefactView::closing;
            mapState.artefactViewMs = 0;
            if (mapOutward.playButton) mapOutward.playButton();
        }
        return true;
    }
    hoverTest();
    if (mapState.hoveredStage >= 0) {
        // The fragments of a level just completed land on the stage in view first.
        if (mapState.starPending || flyingCount() > 0) return true;
        int stage = mapState.hoveredStage;
        if (showMapStage(stage)) {
            sound(5);
            effect("map02", stageMarkScreen(stage));
        }
        return true;
    }
    if (mapState.hoveredLevel >= 0) {
        int level = mapState.hoveredLevel;
        if (selectMapLevel(level)) {
            sound(1);
            effect("map02", ringLevelScreen(mapState.shownStage, levelWithinStage(level)));
        }
        return true;
    }
    return false;
}

} // namespace aw
