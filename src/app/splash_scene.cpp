// The splash: one or two start pictures, the start-up load with its load bar,
// the pulsing prompt, and the fade into the menus.
//
//   picture one (4000 ms, fading over its last 1000) -> picture two if present
//   -> load (one long loop pass; the bar is drawn from the progress reports)
//   -> waiting for a key -> final fade (800 ms) -> menu scene
#include "app/launch_options.h"
#include "app/scenes.h"

#include "app/scene_parts.h"
#include "app/shell_state.h"
#include "audio/sound_system.h"
#include "persistence/profiles.h"
#include "platform/files.h"
#include "platform/pacing.h"
#include "render/device.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/text_table.h"

#include <cmath>

namespace aw {

SplashScene splashScene;

namespace {
// An 800 x 600 picture in the top-left corner of a 1024 x 1024 texture.
constexpr float kPictureU = 0.78125f, kPictureV = 0.5859375f;
} // namespace

void SplashScene::reset() {
    Scene::pendingKey = 0;
    firstSplash = secondSplash = loadScreen = loadBar = nullptr;
    phaseTimeMs = 0;
    showingSecond = hasSecond = false;
    fadeOutMs = afterLoadMs = 0;
    musicStarted = false;
    loadedFiles = loadedBytes = 0;
    fadeColor = Color(0xFFFFFFFFu);
}

void SplashScene::prepare() {
    fadeColor = Color(0xFFFFFFFFu);
    setRenderState(RS_CULLMODE, kCullNone);
    firstSplash = textureManager.loadPicture("splash1.jpg", 800, 600);
    // Probed on disk only: no archive is open yet.
    hasSecond = fileExists("splash2.jpg");
    if (hasSecond) secondSplash = textureManager.loadPicture("splash2.jpg", 800, 600);
    loadScreen = textureManager.loadPicture("loadscreen.jpg", 800, 600);
    loadBar = textureManager.loadPicture("loadbar.tga", 472, 72);
}

void SplashScene::drawPicture() {
    clearTarget(Color(0xFF000000u));
    begin2D();
    float b = phaseTimeMs <= 3000 ? 1.0f : (4000 - phaseTimeMs) / 1000;
    int grey = int(b * 255);
    if (grey < 0) grey = 0;
    if (grey > 255) grey = 255;
    disableFeature(7);
    setTexture(showingSecond ? secondSplash : firstSplash);
    drawScreenRect(0, 0, 799, 599, 0, 0, kPictureU, kPictureV, Color(grey, grey, grey, 255));
    enableFeature(7);
}

void SplashScene::drawLoadScreen() {
    begin2D();
    setTexture(loadScreen);
    drawScreenRect(0, 0, 800, 600, 0, 0, kPictureU, kPictureV, fadeColor);
    // Not clamped: a larger data set draws a longer bar.
    float r = musicStarted ? 1.0f : float(loadedBytes) / float(kExpectedLoadBytes);
    setTexture(loadBar);
    Rect bar(-224, -229, -224 + r * kLoadBarWidth, -229 - kLoadBarHeight);
    UvRect uv(0.001f, 0.001f, r * kLoadBarWidth / 512 + 0.001f, kLoadBarHeight / 128 + 0.001f);
    drawQuad(bar, uv, fadeColor, 10);
}

void SplashScene::finishFade() {
    fadeOutMs = 800;
    requestSceneSwitch(&menuScene);
    for (TextureRecord** t : {&firstSplash, &secondSplash, &loadScreen, &loadBar}) {
        if (*t) textureManager.releaseTexture(*t);
        *t = nullptr;
    }
    if (startLaunchLevel()) return; // a test start goes straight into its level
    changeTune(0);
    if (!launchOptions.openMap || !openLaunchMap()) openScreenByName(profileCount() > 0 ? "main" : "newprofile");
}

void SplashScene::onFrame() {
    float dt = shell.clock.frameDeltaMs;
    if (phaseTimeMs < 4000) {
        drawPicture();
        phaseTimeMs += dt;
        if (phaseTimeMs >= 4000) {
            if (showingSecond || !hasSecond) {
                shell.loadRequested = true;
            } else {
                showingSecond = true;
                phaseTimeMs = 0;
            }
        }
        return;
    }

    if (!musicStarted) {
        startTuneAtOnce(0);
        musicStarted = true;
    }
    afterLoadMs += dt;
    if (fadeOutMs > 0) {
        fadeOutMs += dt;
        if (fadeOutMs > 800) {
            finishFade();
            return;
        }
    }
    float f = fadeOutMs / 800;
    int grey = 255 - int(f * 255);
    fadeColor = Color(grey, grey, grey, 255);

    begin2D();
    setView(&renderDevice.viewMatrix);
    clearTarget(Color(0xFF000000u));
    drawLoadScreen();

    const char* prompt = lookupText("keytoresume");
    if (prompt) {
        selectFont(0);
        float size = 13 + 0.05f * std::sin(afterLoadMs * 0.01f);
        drawTextShadowed(0, -260, size, prompt, true, Color(255, 255, 255, 255), Color(0, 0, 0, 192), 2, 1, -1);
    }
    setTextColor(255, 255, 255, 255);
    selectFont(0);
}

void SplashScene::onAfterFrame() {
    if (pendingKey != 0) {
        if (phaseTimeMs < 3500)
            phaseTimeMs = 3500; // into the fade of the current picture
        else if (fadeOutMs == 0)
            fadeOutMs = 1; // the final fade, as soon as the load is done
    }
    pendingKey = 0;
}

void SplashScene::onActivate() { fadeOutMs = 1; }
void SplashScene::onKeyDown(int key) { pendingKey = key; }
void SplashScene::onLeftDown() { pendingKey = 13; } // a click counts as Enter

// The bar is redrawn at most once per display frame and 20 times a second: a
// present that waits for the display after every one of hundreds of small
// files would stretch the load to seconds. Every file is still counted.
void SplashScene::reportLoadProgress(int bytes) {
    if (shell.loadRequested && loadRedrawDue()) {
        beginScene();
        drawLoadScreen();
        endScene();
        presentFrame();
    }
    loadedFiles += 1;
    loadedBytes += bytes;
}

} // namespace aw
