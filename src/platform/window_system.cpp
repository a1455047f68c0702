#include "platform/window_system.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace aw {

bool queryWindowSystemSize(SDL_Window* window, int& w, int& h) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (!window) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    XWindowAttributes a;
    if (!XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a)) return false;
    if (a.width <= 0 || a.height <= 0) return false;
    w = a.width;
    h = a.height;
    return true;
#else
    (void)window;
    (void)w;
    (void)h;
    return false;
#endif
}

bool isWindowSystemConfigure(const SDL_Event& e) {
#if defined(SDL_VIDEO_DRIVER_X11)
    return e.type == SDL_SYSWMEVENT && e.syswm.msg && e.syswm.msg->subsystem == SDL_SYSWM_X11 &&
           e.syswm.msg->msg.x11.event.type == ConfigureNotify;
#else
    (void)e;
    return false;
#endif
}

void enableWindowSystemEvents() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

} // namespace aw
