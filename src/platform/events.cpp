#include "platform/events.h"

#include "platform/window.h"
#include "platform/window_system.h"

#include <SDL.h>
#include <csignal>

namespace aw {
namespace {

// A small ring is enough: posted messages are drained before SDL's queue.
constexpr int kPostedCapacity = 64;
WindowMessage posted[kPostedCapacity];
int postedHead = 0, postedCount = 0;

volatile std::sig_atomic_t closeSignalled = 0;

void onCloseSignal(int) { closeSignalled = 1; }

void mousePosition(int wx, int wy, WindowMessage& out) { windowToClient(wx, wy, out.x, out.y); }

} // namespace

int virtualKeyFromSdl(int k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return vk::F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return '1' + (k - SDLK_KP_1);
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Return;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_TAB: return vk::Tab;
    case SDLK_DELETE: return vk::Delete;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_HOME: return vk::Home;
    case SDLK_END: return vk::End;
    case SDLK_KP_0: return '0';
    default: return 0;
    }
}

bool translateEvent(const SDL_Event& e, WindowMessage& out) {
    out = WindowMessage{};
    switch (e.type) {
    case SDL_QUIT: out.msg = Msg::Close; return true;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out.msg = Msg::Close; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.msg = Msg::Activate; out.wParam = 1; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.msg = Msg::Activate; out.wParam = 0; return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_DISPLAY_CHANGED:
            refreshWindowSize();
            out.msg = Msg::Size;
            return true;
        // A window manager's answer may come with no size event of SDL's
        // (it ignores a "new" size it already believed in): look again.
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
            if (!refreshWindowSize()) return false;
            out.msg = Msg::Size;
            return true;
        default: return false;
        }
    case SDL_SYSWMEVENT:
        if (!isWindowSystemConfigure(e) || !refreshWindowSize()) return false;
        out.msg = Msg::Size;
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int code = virtualKeyFromSdl(e.key.keysym.sym);
        if (!code) return false;
        out.msg = e.type == SDL_KEYDOWN ? Msg::KeyDown : Msg::KeyUp;
        out.wParam = code;
        return true;
    }
    case SDL_MOUSEMOTION:
        out.msg = Msg::MouseMove;
        mousePosition(e.motion.x, e.motion.y, out);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        bool down = e.type == SDL_MOUSEBUTTONDOWN;
        // Like a window with double-click messages: every second press of a
        // quick pair arrives as a double click instead of a plain press.
        bool dbl = down && e.button.clicks >= 2 && e.button.clicks % 2 == 0;
        switch (e.button.button) {
        case SDL_BUTTON_LEFT: out.msg = down ? (dbl ? Msg::LButtonDblClk : Msg::LButtonDown) : Msg::LButtonUp; break;
        case SDL_BUTTON_RIGHT: out.msg = down ? (dbl ? Msg::RButtonDblClk : Msg::RButtonDown) : Msg::RButtonUp; break;
        case SDL_BUTTON_MIDDLE: out.msg = down ? Msg::MButtonDown : Msg::MButtonUp; break;
        default: return false;
        }
        mousePosition(e.button.x, e.button.y, out);
        return true;
    }
    default: return false;
    }
}

bool peekMessage(WindowMessage& out) {
    if (closeSignalled) {
        closeSignalled = 0;
        out = WindowMessage{};
        out.msg = Msg::Close;
        return true;
    }
    if (postedCount > 0) {
        out = posted[postedHead];
        postedHead = (postedHead + 1) % kPostedCapacity;
        --postedCount;
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (translateEvent(e, out)) return true;
    }
    return false;
}

void postMessage(const WindowMessage& message) {
    if (postedCount == kPostedCapacity) { // full: the oldest gives way
        postedHead = (postedHead + 1) % kPostedCapacity;
        --postedCount;
    }
    posted[(postedHead + postedCount) % kPostedCapacity] = message;
    ++postedCount;
}

void clearPostedMessages() { postedHead = postedCount = 0; }

void installCloseSignalHandlers() {
    struct sigaction sa {};
    sa.sa_handler = onCloseSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

} // namespace aw
