#include "ui/scene_transition.h"

#include "audio/sound_system.h"
#include "core/matrix.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "ui/ui_media.h"

#include <cmath>
#include <cstdio>

namespace aw {
namespace {

SceneTransition transition;

void start(float lengthMs, const char* caption, bool closing) {
    playEffect("Gag.ogg");
    transition.lengthMs = lengthMs > 0 ? lengthMs : 1;
    transition.timerMs = 0;
    transition.running = true;
    transition.closing = closing;
    std::snprintf(transition.caption, sizeof transition.caption, "%s", caption ? caption : "");
}

// x = 0 is a black screen, x = 1 an open view.
void drawIris(float x) {
    const TextureRecord* gag = uiMedia().gag;
    float w = 10000 * x * x * x;
    int alpha = int((1 - 0.7f * x) * 255);
    if (alpha < 0) alpha = 0;
    float degrees = 50 - 360 * x;
    Color tint(255, 255, 255, alpha), black(0, 0, 0, alpha);
    if (gag && w > 0) {
        setTexture(gag);
        drawRotatedSprite(0, 0, 0, 0, degrees, w, w, UvRect(0, 0, 1, 1), tint, 10);
    }
    // The largest upright square inside the turned picture; black outside it.
    float a = degrees * 0.017453292f;
    float h = w / 2 / (std::fabs(std::cos(a)) + std::fabs(std::sin(a)));
    if (h > 1000) return;
    setTexture(uiMedia().white);
    drawQuad(Rect(-400, 300, 400, h), UvRect(), black, 10);
    drawQuad(Rect(-400, -h, 400, -300), UvRect(), black, 10);
    drawQuad(Rect(-400, h, -h, -h), UvRect(), black, 10);
    drawQuad(Rect(h, h, 400, -h), UvRect(), black, 10);
}

void drawCaption(float x) {
    if (!transition.caption[0] || fontCount() == 0) return;
    float size = 32 * (1 - x * x);
    float degrees = 180 + 180 * std::cos(3.14159265f * x * x * x);
    float a = degrees * 0.017453292f;
    Matrix turn = Matrix::identity();
    turn.m[0][0] = std::cos(a);
    turn.m[0][1] = std::sin(a);
    turn.m[1][0] = -std::sin(a);
    turn.m[1][1] = std::cos(a);
    Matrix world = getWorld();
    setWorld(turn);
    Color keep = textColor();
    setTextColor(255, 255, 255, 255);
    drawText(0, 0, size, transition.caption, true);
    setTextColorValue(keep);
    setWorld(world);
}

} // namespace

void openSceneTransition(float lengthMs, const char* caption) { start(lengthMs, caption, false); }
void startSceneTransition(float lengthMs, const char* caption) { start(lengthMs, caption, true); }
void stopSceneTransition() { transition.running = false; }
bool sceneTransitionRunning() { return transition.running; }
const SceneTransition& sceneTransition() { return transition; }

float sceneTransitionOpening() {
    if (!transition.running) return 1;
    float a = transition.timerMs / transition.lengthMs;
    float x = transition.closing ? 1 - a : a;
    return x < 0 ? 0 : x > 1 ? 1 : x;
}

void stepSceneTransition(float dt) {
    if (!transition.running) return;
    transition.timerMs += dt;
    if (transition.timerMs > transition.lengthMs) {
        transition.timerMs = 0;
        if (transition.closing) transition.closing = false;
        else transition.running = false;
    }
}

void advanceSceneTransition(float dt) {
    if (!transition.running) return;
    float x = sceneTransitionOpening();
    {
        Ui2DScope scope;
        drawIris(x);
        drawCaption(x);
    }
    stepSceneTransition(dt);
}

void resetSceneTransition() { transition = SceneTransition{}; }

} // namespace aw
