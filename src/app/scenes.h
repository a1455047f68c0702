// The four scenes of the run. Each is one object created before the entry
// point runs and kept until exit.
#pragma once
#include "app/scene.h"
#include "core/color.h"

namespace aw {

struct TextureRecord;

// Start pictures, the start-up load with its load bar, the wait for a key.
class SplashScene : public Scene {
public:
    TextureRecord* firstSplash = nullptr;
    TextureRecord* secondSplash = nullptr;
    TextureRecord* loadScreen = nullptr;
    TextureRecord* loadBar = nullptr;
    float phaseTimeMs = 0;     // time on the current picture
    bool showingSecond = false;
    bool hasSecond = false;    // "splash2.jpg" was found on disk
    float fadeOutMs = 0;       // 0 until the final fade starts, then its age (from 1)
    float afterLoadMs = 0;
    bool musicStarted = false;
    int loadedFiles = 0;
    int loadedBytes = 0;
    Color fadeColor{0xFFFFFFFFu};

    // Loads the splash pictures; the data directory is current.
    void prepare();
    void reportLoadProgress(int bytes);
    void drawLoadScreen();
    // Back to the state before prepare (tests).
    void reset();

    void onActivate() override;
    void onAfterFrame() override;
    void onFrame() override;
    void onKeyDown(int key) override;
    void onLeftDown() override;

private:
    void drawPicture();
    void finishFade();
};

// Menu screens over the animated landscape (sub-states 0 and 4) or the map (1).
class MenuScene : public Scene {
public:
    int subState = 0;
    float timerMs = 0;
    // Starts the 1000 ms transition when the kind changes.
    void setSubState(int kind);

    void onFrame() override;
    void onKeyDown(int key) override;
    void onAfterFrame() override;
    void onLeftDown() override;
    void onLeftDoubleClick() override;
    void onLeftUp() override;
    void onMouseMove() override;
};

// The board and the gameplay screen, with screens of the tree as overlays.
class GameScene : public Scene {
public:
    void onFrame() override;
    void onKeyDown(int key) override;
    void onLeftDown() override;
    void onLeftDoubleClick() override;
    void onLeftUp() override;
    void onRightDown() override;
    void onRightUp() override;
    void onMouseMove() override;
};

class TrophyRoomScene : public Scene {
public:
    void onFrame() override;
    void onKeyDown(int key) override;
    void onAfterFrame() override;
    void onLeftDown() override;
    void onLeftDoubleClick() override;
    void onLeftUp() override;
    void onMouseMove() override;
};

extern SplashScene splashScene;
extern MenuScene menuScene;
extern GameScene gameScene;
extern TrophyRoomScene trophyRoomScene;

// Pixel constants of the load screen.
constexpr int kExpectedLoadBytes = 25176136;
constexpr float kLoadBarWidth = 472, kLoadBarHeight = 72;

} // namespace aw
