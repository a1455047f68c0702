// The render device: display-mode table, creation on the game window,
// present with mode changes, gamma, and the scene brackets and clears.
//
// Lifetime: the device record lives for the run; initRenderDevice() after
// openWindow(), releaseRenderDevice() at shutdown. resetRenderDevice() gives
// tests a clean record.
#pragma once
#include "core/color.h"
#include "core/matrix.h"

#include <cstdint>

namespace aw {

// Pixel formats by the device's own numbering (stored with the mode table).
enum class PixelFormat : int {
    Unknown = 0,
    A8R8G8B8 = 21,
    X8R8G8B8 = 22,
    R5G6B5 = 23,
    X1R5G5B5 = 24,
    D16Lockable = 70,
    D32 = 71,
    D15S1 = 73,
    D24S8 = 75,
    D24X8 = 77,
    D24X4S4 = 79,
    D16 = 80,
};

struct DisplayModeRecord {
    int width = 0, height = 0;
    int bitsPerPixel = 0; // 32 or 16
    PixelFormat displayFormat = PixelFormat::Unknown;
    PixelFormat depthFormat = PixelFormat::Unknown;
    PixelFormat backBufferFormat = PixelFormat::Unknown; // also the render-target texture format
};

constexpr int kMaxDisplayModes = 256;

struct Resolution {
    int width = 0, height = 0;
};

// A mode as the display reports it (input of the mode table).
struct ReportedMode {
    int width = 0, height = 0, bitsPerPixel = 0;
};

// The device record (lives for the run).
struct RenderDevice {
    DisplayModeRecord modes[kMaxDisplayModes];
    int modeCount = 0;
    Resolution resolutions[kMaxDisplayModes];
    int resolutionCount = 0;
    int resolutionIndex = 0;
    DisplayModeRecord currentMode;
    int colorDepthPreference = 1; // 1 = 32-bit, 0 = 16-bit
    int verticalSync = 0;
    bool modeChangeRequested = false;
    bool created = false;
    Matrix perspectiveMatrix = Matrix::identity(); // the shared perspective projection
    Matrix viewMatrix = Matrix::identity();        // the shared view matrix, set by the scenes
    // What the shell asks for (its settings): the client size and the mode.
    int renderWidth = 800, renderHeight = 600;
    bool fullScreen = false;
    float gamma = 0.5f;                            // 0.5 is neutral
    bool gammaDirty = false;
    uint16_t gammaRamp[256] = {}; // the ramp last applied
};

extern RenderDevice renderDevice;

// The shell's client size and mode, before initRenderDevice() and before
// every requestModeChange(); also sets the preferred depth (32 bits windowed,
// 16 full-screen).
void setDisplayRequest(int width, int height, bool fullScreen);

// Builds the table from the display's modes: 4:3 modes of at least 640 x 480
// in 32 or 16 bits, one record per size and depth (refresh rates collapse into
// the first). A display that reports none gets one 800 x 600 record.
void buildModeTable(const ReportedMode* reported, int count);
// Picks currentMode for the requested size at the preferred depth.
void selectMode();

// After openWindow(). On failure the "Can't init Direct3D" box, then false.
bool initRenderDevice();
void releaseRenderDevice();
// Re-selects the mode, re-applies the default states and re-creates the
// render targets; the owner of the render targets is asked to redraw them.
void resetDevice();
using RenderTargetsLostHandler = void (*)();
void setRenderTargetsLostHandler(RenderTargetsLostHandler handler);
// Windowed or full-screen (renderDevice.fullScreen) takes effect at the next presentFrame().
void requestModeChange();
void presentFrame();
// Tests: forget the device record (the window stays open).
void resetRenderDevice();

void setGamma(float value);
// The ramp of a gamma value: (gamma + 0.5) * i * 256, capped at 0xFFFF.
void buildGammaRamp(float gamma, uint16_t ramp[256]);

void beginScene();
void endScene();
void clearTarget(Color color);
void clearDepth(float z);

} // namespace aw
