// The menu pictures: the panel atlas "_a_menutex.jpg" (4 x 8 cells of 64
// pixels), the balloon atlas "_a_baloon.jpg", "white.jpg", "button.tga", the
// iris "_a_gag.jpg" and the tip arrow "baloonarrow.tga", with the atlas's
// sprite table.
//
// Lifetime: loaded once by the start-up load, kept for the run.
#pragma once
#include "core/color.h"
#include "core/matrix.h"
#include "core/rect.h"

namespace aw {

struct TextureRecord;

struct UiMedia {
    TextureRecord* atlas = nullptr;
    TextureRecord* balloon = nullptr;
    TextureRecord* white = nullptr;
    TextureRecord* button = nullptr;
    TextureRecord* gag = nullptr;
    TextureRecord* arrow = nullptr; // 128 x 64, pointing to +x
};
const UiMedia& uiMedia();

// Loads the six pictures (required: a missing one is the loading error).
void loadMenuTextures();
// Tests: use pictures made elsewhere (any may be null).
void setUiMedia(const UiMedia& media);
void resetUiMedia();

constexpr int kAtlasSprites = 26;
// Sprite n's cells in the atlas, inset by 0.003; its drawn size is 64 per cell.
UvRect atlasSpriteUv(int n);
float atlasSpriteWidth(int n);
float atlasSpriteHeight(int n);
// Centred at (x, y), scaled by s, at depth 10.
void drawAtlasSprite(int n, float x, float y, Color color, float s = 1);
// Balloon piece n (0..5), 64 by 64 scaled by s.
UvRect balloonPieceUv(int n);

// A filled rectangle in one colour (the white picture), at depth 10.
void fillRect(const Rect& r, Color color);

// The 2D state the screens draw in (centred 800 x 600, y up, blended, no
// depth test), with the transforms put back when the scope ends.
class Ui2DScope {
public:
    Ui2DScope();
    ~Ui2DScope();
    Ui2DScope(const Ui2DScope&) = delete;
    Ui2DScope& operator=(const Ui2DScope&) = delete;

private:
    Matrix world, view, projection;
    unsigned zEnable = 0, cull = 0;
};

} // namespace aw
