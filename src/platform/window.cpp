#include "platform/window.h"

#include "platform/frame_buffer.h"
#include "platform/gl.h"
#include "platform/window_system.h"

#include <SDL.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace aw {
namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
bool isFullScreen = false;
char errorText[256] = "";
// The size the window system really gave the window (X11 only); elsewhere
// SDL's own sizes are the truth and are read when asked.
bool systemSized = false;
int systemWidth = kFrameWidth, systemHeight = kFrameHeight;

void setError(const char* what) { std::snprintf(errorText, sizeof errorText, "%s: %s", what, SDL_GetError()); }

} // namespace

bool openWindow(const WindowConfig& config) {
    if (window) return true;
    if (config.appId) { // read when the video subsystem starts; a user's own setting wins
        setenv("SDL_VIDEO_X11_WMCLASS", config.appId, 0);
        setenv("SDL_VIDEO_WAYLAND_WMCLASS", config.appId, 0);
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        setError("SDL video");
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");

    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (config.hidden) flags |= SDL_WINDOW_HIDDEN;
    if (config.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow(config.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFrameWidth,
                              kFrameHeight, flags);
    if (!window) {
        setError("window");
        return false;
    }
    isFullScreen = config.fullScreen;
    SDL_SetWindowMinimumSize(window, 320, 240);
    context = SDL_GL_CreateContext(window);
    if (!context) {
        setError("OpenGL context");
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(0); // unpaced until startFramePacing() chooses
    if (!createFrameBuffer(kFrameWidth, kFrameHeight)) {
        std::snprintf(errorText, sizeof errorText, "frame buffer object not supported");
        closeWindow();
        return false;
    }
    enableWindowSystemEvents();
    refreshWindowSize();
    return true;
}

void closeWindow() {
    destroyFrameBuffer();
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
    systemSized = false;
}

bool windowIsOpen() { return window != nullptr; }
const char* lastWindowError() { return errorText; }

void setWindowFullScreen(bool fullScreen) {
    if (!window) return;
    if (fullScreen) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowSize(window, kFrameWidth, kFrameHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    isFullScreen = fullScreen;
    // What the window manager makes of the request arrives later as a size
    // event; until then the frame goes into the size the window has now.
    refreshWindowSize();
}

bool windowFullScreen() { return isFullScreen; }

void setWindowIcon(const uint8_t* rgba, int width, int height) {
    if (!window || !rgba) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height, 32, width * 4,
                                                        SDL_PIXELFORMAT_RGBA32);
    if (!s) return;
    SDL_SetWindowIcon(window, s);
    SDL_FreeSurface(s);
}

void raiseWindow() {
    if (!window) return;
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
}

bool refreshWindowSize() {
    int w = 0, h = 0;
    systemSized = queryWindowSystemSize(window, w, h);
    if (!systemSized) return false;
    bool changed = w != systemWidth || h != systemHeight;
    systemWidth = w;
    systemHeight = h;
    return changed;
}

// X11 has no scaling of its own: there the drawable is the window's size.
void windowSize(int& w, int& h) {
    w = kFrameWidth;
    h = kFrameHeight;
    if (!window) return;
    if (systemSized) {
        w = systemWidth;
        h = systemHeight;
    } else {
        SDL_GetWindowSize(window, &w, &h);
    }
}

void drawableSize(int& w, int& h) {
    w = kFrameWidth;
    h = kFrameHeight;
    if (!window) return;
    if (systemSized) {
        w = systemWidth;
        h = systemHeight;
    } else {
        SDL_GL_GetDrawableSize(window, &w, &h);
    }
}

Letterbox computeLetterbox(int w, int h) {
    Letterbox lb;
    if (w <= 0 || h <= 0) return lb;
    float sx = float(w) / kFrameWidth, sy = float(h) / kFrameHeight;
    lb.scale = sx < sy ? sx : sy;
    lb.offsetX = (float(w) - kFrameWidth * lb.scale) / 2;
    lb.offsetY = (float(h) - kFrameHeight * lb.scale) / 2;
    return lb;
}

PixelRect letterboxRect(int w, int h) {
    PixelRect r;
    if (w <= 0 || h <= 0) return r;
    Letterbox lb = computeLetterbox(w, h);
    int fw = int(kFrameWidth * lb.scale + 0.5f), fh = int(kFrameHeight * lb.scale + 0.5f);
    if (fw > w) fw = w;
    if (fh > h) fh = h;
    r.x0 = (w - fw) / 2;
    r.y0 = (h - fh) / 2;
    r.x1 = r.x0 + fw;
    r.y1 = r.y0 + fh;
    return r;
}

void windowToClient(int wx, int wy, int& cx, int& cy) {
    int w, h;
    windowSize(w, h);
    Letterbox lb = computeLetterbox(w, h);
    cx = int(std::floor((float(wx) - lb.offsetX) / lb.scale));
    cy = int(std::floor((float(wy) - lb.offsetY) / lb.scale));
}

} // namespace aw
