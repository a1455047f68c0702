#include "ui/ui_media.h"

#include "render/render_states.h"
#include "render/sprites.h"
#include "render/texture.h"
#include "render/transforms.h"

namespace aw {
namespace {

UiMedia media;

struct AtlasCell {
    int column, row, width, height; // in cells
};

// Sprite n of the menu atlas.
constexpr AtlasCell kAtlas[kAtlasSprites] = {
    {0, 0, 1, 1}, {1, 0, 1, 1}, {0, 1, 1, 1}, {1, 1, 1, 1}, // panel corners
    {0, 2, 1, 1}, {1, 2, 1, 1},                             // edge bars
    {2, 0, 1, 1}, {3, 0, 1, 1}, {2, 1, 1, 1}, {3, 1, 1, 1}, // spare jewels
    {0, 3, 2, 1}, {0, 4, 2, 1},                             // top and bottom ornaments
    {2, 3, 1, 2}, {3, 3, 1, 2},                             // left and right ornaments
    {0, 7, 1, 1}, {1, 7, 1, 1},                             // horizontal slider ends
    {0, 5, 1, 1}, {0, 6, 1, 1},                             // vertical slider ends
    {2, 5, 1, 1}, {3, 5, 1, 1},                             // knob, track
    {1, 6, 1, 1}, {1, 5, 1, 1},                             // check box on, off
    {3, 7, 1, 1}, {2, 7, 1, 1}, {3, 6, 1, 1}, {2, 6, 1, 1}, // drawn cursor
};
constexpr float kInset = 0.003f;

} // namespace

const UiMedia& uiMedia() { return media; }

void loadMenuTextures() {
    media.atlas = textureManager.loadAlphaJpeg("_a_menutex.jpg", true);
    media.balloon = textureManager.loadAlphaJpeg("_a_baloon.jpg", true);
    media.white = getTexture("white.jpg");
    media.button = getTexture("button.tga");
    media.gag = textureManager.loadAlphaJpeg("_a_gag.jpg", true);
    media.arrow = getTexture("baloonarrow.tga");
}

void setUiMedia(const UiMedia& m) { media = m; }
void resetUiMedia() { media = UiMedia{}; }

UvRect atlasSpriteUv(int n) {
    if (n < 0 || n >= kAtlasSprites) return UvRect();
    const AtlasCell& c = kAtlas[n];
    return UvRect(c.column / 4.0f + kInset, c.row / 8.0f + kInset, (c.column + c.width) / 4.0f - kInset,
                  (c.row + c.height) / 8.0f - kInset);
}
float atlasSpriteWidth(int n) { return n >= 0 && n < kAtlasSprites ? 64.0f * kAtlas[n].width : 0; }
float atlasSpriteHeight(int n) { return n >= 0 && n < kAtlasSprites ? 64.0f * kAtlas[n].height : 0; }

void drawAtlasSprite(int n, float x, float y, Color color, float s) {
    if (n < 0 || n >= kAtlasSprites || !media.atlas) return;
    setTexture(media.atlas);
    drawSprite(x, y, atlasSpriteWidth(n) * s, atlasSpriteHeight(n) * s, atlasSpriteUv(n), color, 10);
}

UvRect balloonPieceUv(int n) {
    static constexpr int kPieces[6][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0}};
    if (n < 0 || n > 5) return UvRect();
    float c = float(kPieces[n][0]), r = float(kPieces[n][1]);
    return UvRect(c / 4 + kInset, r / 2 + kInset, (c + 1) / 4 - kInset, (r + 1) / 2 - kInset);
}

void fillRect(const Rect& r, Color color) {
    setTexture(media.white);
    drawQuad(r, UvRect(0.25f, 0.25f, 0.75f, 0.75f), color, 10);
}

Ui2DScope::Ui2DScope() : world(getWorld()), view(getView()), projection(getProjection()) {
    zEnable = getRenderState(RS_ZENABLE);
    cull = getRenderState(RS_CULLMODE);
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
}

Ui2DScope::~Ui2DScope() {
    setWorld(world);
    setView(view);
    setProjection(projection);
    setRenderState(RS_ZENABLE, zEnable);
    setRenderState(RS_CULLMODE, cull);
}

} // namespace aw
