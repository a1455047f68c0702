// The game's one window with its OpenGL 2.1 compatibility context. The game
// always renders an 800 x 600 frame; the window may have any size and shows
// that frame scaled to fit with letterbox bars.
#pragma once
#include <cstdint>

namespace aw {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

struct WindowConfig {
    const char* title = "Amberwick";
    // The window's class (X11) or application id (Wayland): the name of the
    // desktop entry, so desktops group the window with it. nullptr keeps SDL's.
    const char* appId = nullptr;
    bool fullScreen = false;
    bool hidden = false; // tests: no window shown
};

// Creates the window, the GL context and the 800 x 600 frame buffer; false
// (with the reason in lastWindowError) when any of them fails.
bool openWindow(const WindowConfig& config);
void closeWindow();
bool windowIsOpen();
const char* lastWindowError();

// Desktop full-screen (the display mode is never changed) or an 800 x 600
// window centred on the display.
void setWindowFullScreen(bool fullScreen);
bool windowFullScreen();
void setWindowIcon(const uint8_t* rgba, int width, int height);
void raiseWindow();

// Window size in screen coordinates (what mouse events use) and the
// drawable size in pixels (what the GL viewport uses): the sizes the window
// really has, which a window manager may have granted or refused whatever
// was asked. Every present letterboxes into the drawable size.
void windowSize(int& w, int& h);
void drawableSize(int& w, int& h);
// Reads the sizes again from the window system; the event translation calls
// it on every size change. True when they changed.
bool refreshWindowSize();

// Where the frame lies in a surface of w x h: frame pixel p is surface
// pixel offset + p * scale.
struct Letterbox {
    float scale = 1, offsetX = 0, offsetY = 0;
};
Letterbox computeLetterbox(int w, int h);
// The frame's rectangle in whole surface pixels (origin top left, x1 and y1
// exclusive), centred so that the bars on opposite sides differ by at most
// one pixel, and never outside a surface of w x h.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
PixelRect letterboxRect(int w, int h);
// A window point to frame client pixels (may be negative or beyond 800 x 600).
void windowToClient(int wx, int wy, int& cx, int& cy);

} // namespace aw
