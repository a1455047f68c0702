// What the window system itself says about the game's window, where SDL's
// own record may be wrong: a full-screen request on an X server without a
// window manager leaves the window as it was while SDL reports the size of
// the screen. Only the platform layer uses this.
#pragma once

struct SDL_Window;
union SDL_Event;

namespace aw {

// The window's size as the X server has it; false when the window does not
// live on X11 (SDL's sizes are right there) or the query fails.
bool queryWindowSystemSize(SDL_Window* window, int& w, int& h);
// Whether an event is the window system reporting a new geometry of the
// window (X11 ConfigureNotify, which arrives even when SDL ignores it).
bool isWindowSystemConfigure(const SDL_Event& event);
// Asks for the window system's own events (needed by isWindowSystemConfigure).
void enableWindowSystemEvents();

} // namespace aw
