#include "effects/backgrounds.h"

#include "core/color.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/texture.h"

#include <cstdio>

namespace aw {
namespace {

// The painting fills 800 x 600 texels of its 1024 x 1024 texture.
constexpr float kPictureU = 0.78125f, kPictureV = 0.5859375f;

struct Tint {
    float r = 1, g = 1, b = 1, a = 1;
};

// Lives for the run.
struct Backgrounds {
    int number = -1;
    TextureRecord* painting = nullptr;
    Tint tint, target;
} bg;

uint8_t channel(float v) { return uint8_t(v <= 0 ? 0 : v >= 1 ? 255 : v * 255); }

} // namespace

void setBackground(int number) {
    if (number < 0 || number >= kBackgroundCount) number = 0;
    if (number == bg.number && bg.painting) return;
    if (bg.painting) releaseTexture(bg.painting);
    char name[64];
    std::snprintf(name, sizeof name, "AnimBacks\\_a_back%i.jpg", number);
    bg.painting = textureManager.loadAlphaPicture(name, 800, 600);
    bg.number = number;
}

void changeBackground(int number) { setBackground(number); }
int currentBackground() { return bg.number; }

void setTintTarget(float r, float g, float b, float a) { bg.target = {r, g, b, a}; }
void setTintNow(float r, float g, float b, float a) { bg.tint = bg.target = {r, g, b, a}; }

void drawBackground(bool, float dt) {
    Tint& t = bg.tint;
    float k = 0.0015f * dt;
    if (k > 1) k = 1;
    t.r += (bg.target.r - t.r) * k;
    t.g += (bg.target.g - t.g) * k;
    t.b += (bg.target.b - t.b) * k;
    t.a += (bg.target.a - t.a) * k;
    if (!bg.painting) return;
    setTexture(bg.painting);
    drawScreenRect(0, 0, 800, 600, 0, 0, kPictureU, kPictureV,
                   Color(channel(t.r), channel(t.g), channel(t.b), channel(t.a)));
}

void resetBackgrounds() { bg = Backgrounds{}; }

} // namespace aw
