#include "ui/cursor.h"

#include "platform/cursor.h"
#include "platform/image_decode.h"
#include "resources/registry.h"
#include "ui/ui_media.h"

namespace aw {
namespace {

struct CursorState {
    int state = 0;
    bool custom = false;
    bool applied = false;
    float glintMs = 0;
};
CursorState cursor;

void showWindowPointer() { showPointer(cursor.custom ? kPointerHidden : cursor.state); }

} // namespace

void loadCursorPictures() {
    static const char* const kNames[2] = {"cursor1.tga", "cursor2.tga"};
    static const int kHot[2][2] = {{6, 6}, {1, 1}}; // the hammer's face, the pointer's tip
    for (int i = 0; i < 2; ++i) {
        int size = 0;
        uint8_t* data = loadResource(kNames[i], &size, false);
        if (!data) continue;
        DecodedImage img;
        if (decodeImage(data, size, img))
            setPointerPicture(i + 1, img.bgra.data(), img.width, img.height, kHot[i][0], kHot[i][1]);
        releaseResource(data);
    }
}

void setPointerState(int state) {
    if (state < 0 || state > 2) state = 0;
    if (cursor.state == state && cursor.applied) return;
    cursor.state = state;
    cursor.applied = true;
    showWindowPointer();
}
int pointerState() { return cursor.state; }

void applyCursorSetting(bool custom) {
    if (custom == cursor.custom && cursor.applied) return;
    cursor.custom = custom;
    cursor.applied = true;
    showWindowPointer();
}

void drawCustomCursor(float x, float y, float dt) {
    cursor.glintMs += dt;
    // A glint runs down the pointer every two seconds: frames 23, 24, 25, then 22 at rest.
    int phase = int(cursor.glintMs / 80) % 25;
    int sprite = phase < 3 ? 23 + phase : 22;
    // The tip of the picture is 3 pixels inside its cell's top-left corner.
    Ui2DScope scope;
    drawAtlasSprite(sprite, x + 29, y - 29, Color());
}

void resetCursor() { cursor = CursorState{}; }

} // namespace aw
