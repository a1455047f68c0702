#include "platform/cursor.h"

#include <SDL.h>

namespace aw {
namespace {

// Lives for the run.
SDL_Cursor* pictures[kPointerPictures + 1] = {};
SDL_Cursor* arrow = nullptr;
int shown = kPointerArrow;

} // namespace

bool setPointerPicture(int state, const uint8_t* bgra, int w, int h, int hotX, int hotY) {
    if (state < 1 || state > kPointerPictures || !bgra || w <= 0 || h <= 0) return false;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(bgra), w, h, 32, w * 4,
                                                        SDL_PIXELFORMAT_ARGB8888);
    if (!s) return false;
    SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
    SDL_FreeSurface(s);
    if (!c) return false;
    if (pictures[state]) SDL_FreeCursor(pictures[state]);
    pictures[state] = c;
    if (shown == state) showPointer(state);
    return true;
}

void showPointer(int state) {
    shown = state;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (state == kPointerHidden) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_Cursor* c = state >= 1 && state <= kPointerPictures ? pictures[state] : nullptr;
    if (!c) {
        if (!arrow) arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
        c = arrow;
    }
    if (c) SDL_SetCursor(c);
    SDL_ShowCursor(SDL_ENABLE);
}

int shownPointer() { return shown; }

void releasePointers() {
    for (SDL_Cursor*& c : pictures)
        if (c) {
            SDL_FreeCursor(c);
            c = nullptr;
        }
    if (arrow) SDL_FreeCursor(arrow);
    arrow = nullptr;
    shown = kPointerArrow;
}

} // namespace aw
