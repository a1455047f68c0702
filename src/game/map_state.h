// The adventure map's state: which levels show as completed, the stage in
// view, the selected level that "start" plays and the mode's current level;
// the view gliding along the path, the level ring, the new star of a level
// just completed, the artefact's fragments and the closing congratulation.
//
// Lifetime: one record for the run; placeOnMap rewrites the choice and
// restarts the view's animations whenever a mode screen opens;
// resetMapState() empties it (tests).
#pragma once
#include "core/game_constants.h"
#include "core/vec.h"
#include "game/stages.h"

namespace aw {

constexpr int kMapLevelSlots = 1024;
constexpr int kFragmentCount = 10;
constexpr int kMaxFlyingFragments = 128;

// [SECTION] timings and sizes (ms, path units, virtual pixels)
constexpr float kRingAppearMs = 2000, kRingStarDelayMs = 80, kRingStarGrowMs = 400;
constexpr float kNewStarMs = 5000, kNewStarShowMs = 4000, kNewStarReplayMs = 500, kStarPopMs = 350;
constexpr float kViewSpeed = 0.15f, kViewSpeedGain = 0.001f, kViewSpeedFrom = 300, kViewSpeedMax = 0.6f;
constexpr float kRingWaitDistance = 200, kViewJumpDistance = 600, kViewNearDistance = 130;
constexpr float kPhasePerMs = 0.005f;
constexpr float kRingRadius = 44, kLevelHoverRadius = 16;
constexpr float kStageMarkSize = 64, kStageHoverSize = 68, kSparkleEveryMs = 40;
constexpr float kDotSpacing = 14, kDotMargin = 35;
constexpr float kArtefactMoveMs = 1000, kArtefactOpenMs = 300;
constexpr float kCongratulationMs = 500;
constexpr float kFragmentArriveDistance = 10, kFragmentMaxTravel = 3000;

enum class ArtefactView { closed, moving, open, closing };

// Congratulation states: grow, wait for "OK", shrink, finish, idle.
enum CongratulationState { kCongratulationGrow = 0, kCongratulationWait = 1, kCongratulationShrink = 2,
                           kCongratulationFinish = 3, kCongratulationIdle = 4 };

// A fragment on its way into the artefact panel (screen coordinates).
struct FlyingFragment {
    bool active = false;
    int fragment = 0; // 0..9
    Vec2 position, velocity, target;
    float travelled = 0;
};

struct MapState {
    // The choice of level: rewritten by placeOnMap.
    bool completed[kMapLevelSlots] = {};
    int shownStage = 0;
    int selectedLevel = 0;  // never beyond 128
    int currentLevel = 0;   // where the mode's progress stands
    int moveFromLevel = -1; // the level just completed when the map opened after it, else -1
    bool justAdvanced = false; // opened on the way back from a completed level

    // The view, in path units; the centre it drew last frame in chart pixels.
    float viewDistance = 0, targetDistance = 0;
    bool viewNear = true; // within kViewNearDistance of the target
    Vec2 viewCentre;
    Vec2 chartSize;       // the painted chart's size; 0 keeps the view unclamped
    Vec2 mouse;           // virtual pixels, centred, y up
    Vec2 lean;            // the chart's shift towards the mouse, easing to a tenth of its offset
    float phase = 0;      // grows by kPhasePerMs
    float ringTimerMs = kRingAppearMs;
    int hoveredStage = -1, hoveredLevel = -1;
    float sparkleTimerMs = 0;
    int movingOnStage = -1; // sparks around its mark when the view arrives

    // The new star of moveFromLevel.
    float newStarTimerMs = 0;
    bool starPending = false;   // the star has not appeared yet
    bool replayedLevel = false; // the level had been completed before
    float starPopMs = 0;

    // The artefact of the stage of moveFromLevel (or of the shown stage).
    int artefactStage = 0;
    int fragmentsBefore = 0, fragmentsAfter = 0, fragmentsShown = 0;
    bool stageJustCompleted = false;
    bool fragmentLanded = false; // the first landing sound has played
    ArtefactView artefactView = ArtefactView::closed;
    float artefactViewMs = 0;
    Vec2 artefactViewFrom;
    // Fragment centres within the artefact picture, 0..1 from its top left.
    Vec2 fragmentCentre[kFragmentCount] = {{0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f},
                                           {0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f}};

    FlyingFragment flying[kMaxFlyingFragments];
    int flyingNext = 0;

    int congratulation = kCongratulationIdle;
    float congratulationMs = 0;

    // The furthest level placed last in each mode: tells a replayed level
    // from one completed for the first time.
    int placedFurthest[kModeCount] = {-1, -1, -1};
};

extern MapState mapState;

// [SECTION] the choice of level
// Levels 0 .. furthest - 1 completed, the others not; level selected and
// current. With moveFrom 0 or more the new star of that level follows; once
// the mode is finished (the play state's flag, or a level of 129) every level
// shows completed, level 128 stays selected and the congratulation starts.
void placeOnMap(int level, int furthest, int moveFrom);
int mapSelectedLevel();
// Whether "start" plays the mode's current level; when it does, that level's
// stage is brought into view.
bool mapSelectionIsCurrent();
// No level completed, level 0 selected and current (an earlier level replayed from the start).
void resetMapMarks();

bool stageReached(int stage);
bool stageComplete(int stage);
// A level may be chosen when it is the first of the game or the one before it is completed.
bool levelOpen(int level);
// Selects an open level other than the selected one; false when refused.
bool selectMapLevel(int level);
// Brings a reached stage into view and selects its first level not completed
// (its first level when all are); false when the stage is not reached.
bool showMapStage(int stage);

// Puts a stage in view and aims the view at it (the ring appears anew); with
// jump, a view more than kViewJumpDistance away is put there at once.
void aimMapView(int stage, bool jump);

// What the map shows: the level just completed waits for its new star.
bool levelShownCompleted(int level);
bool stageShownComplete(int stage);
// Fragments of a stage's artefact for the completed levels shown: whole part
// of 10 x completed / stage size.
int artefactFragments(int stage);
// The fragments the artefact panel shows for the shown stage.
int panelFragments();

// [SECTION] the frame and the clicks (map_frame.cpp)
// One frame of the map's logic: the view, the ring, the new star, the
// fragments, the artefact view, the congratulation and the hover test. The
// mouse is in virtual pixels (centred, y up).
void updateMap(float dtMs, Vec2 mouse);
// A click at the mouse; true when the map took it.
bool mapClick(Vec2 mouse);
// Starts the closing congratulation (idle otherwise; nothing when it runs).
void startMapCongratulation();
bool mapCongratulationShown();
// The sequence after a completed level is still running (star, fragments, artefact view).
bool mapSequenceBusy();

// [SECTION] geometry shared by the logic and the drawing
// A chart point on the screen, from the view centre of the last update.
Vec2 chartToScreen(Vec2 chart);
// A stage mark's place on the screen (its path point rounded down).
Vec2 stageMarkScreen(int stage);
// Level k of the shown stage's ring.
Vec2 ringLevelScreen(int stage, int withinStage);
// The artefact panel in the top right and where fragment i lands in it.
constexpr float kArtefactPanelX = 300, kArtefactPanelY = 190, kArtefactPanelArt = 140;
Vec2 fragmentTarget(int fragment);
// The buttons of the artefact view and of the congratulation.
constexpr float kArtefactViewW = 420, kArtefactViewH = 470, kArtefactArtSize = 256;
constexpr float kCongratulationSize = 400;
Vec2 artefactOkCentre();
Vec2 congratulationOkCentre();
constexpr float kOkButtonW = 128, kOkButtonH = 64;
// Scale of the congratulation panel: 1 - f squared over its grow and shrink.
float congratulationScale();
// The artefact view's panel scale (0 closed .. 1 open).
float artefactViewScale();

void resetMapState();

} // namespace aw
