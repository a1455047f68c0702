#include "render/device.h"

#include "platform/frame_buffer.h"
#include "platform/gl_device.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "render/render_states.h"
#include "render/texture.h"
#include "render/transforms.h"

#include <cmath>

namespace aw {

RenderDevice renderDevice;

namespace {

RenderTargetsLostHandler targetsLost = nullptr;

// The device's formats for a depth; the GL frame is 8-bit RGBA with a
// 24-bit depth and 8-bit stencil buffer whatever the display runs.
DisplayModeRecord recordFor(int width, int height, int bits) {
    DisplayModeRecord r;
    r.width = width;
    r.height = height;
    r.bitsPerPixel = bits;
    r.displayFormat = bits == 32 ? PixelFormat::X8R8G8B8 : PixelFormat::R5G6B5;
    r.backBufferFormat = bits == 32 ? PixelFormat::A8R8G8B8 : PixelFormat::R5G6B5;
    r.depthFormat = PixelFormat::D24S8;
    return r;
}

void addResolution(int width, int height) {
    RenderDevice& d = renderDevice;
    for (int i = 0; i < d.resolutionCount; ++i)
        if (d.resolutions[i].width == width && d.resolutions[i].height == height) return;
    if (d.resolutionCount < kMaxDisplayModes) d.resolutions[d.resolutionCount++] = {width, height};
}

} // namespace

void buildModeTable(const ReportedMode* reported, int count) {
    RenderDevice& d = renderDevice;
    d.modeCount = 0;
    d.resolutionCount = 0;
    for (int i = 0; i < count; ++i) {
        const ReportedMode& m = reported[i];
        if (m.width <= 639 || m.height <= 479) continue;
        if (std::fabs(double(m.width) / double(m.height) - 1.33) > 0.01) continue;
        if (m.bitsPerPixel != 32 && m.bitsPerPixel != 16) continue;
        bool known = false;
        for (int j = 0; j < d.modeCount && !known; ++j)
            known = d.modes[j].bitsPerPixel == m.bitsPerPixel && d.modes[j].width == m.width &&
                    d.modes[j].height == m.height;
        if (known) continue;
        if (d.modeCount == kMaxDisplayModes) break;
        d.modes[d.modeCount++] = recordFor(m.width, m.height, m.bitsPerPixel);
        addResolution(m.width, m.height);
    }
    if (d.modeCount == 0) {
        d.modes[d.modeCount++] = recordFor(kFrameWidth, kFrameHeight, 32);
        addResolution(kFrameWidth, kFrameHeight);
    }
}

void setDisplayRequest(int width, int height, bool fullScreen) {
    renderDevice.renderWidth = width;
    renderDevice.renderHeight = height;
    renderDevice.fullScreen = fullScreen;
    renderDevice.colorDepthPreference = fullScreen ? 0 : 1;
}

void selectMode() {
    RenderDevice& d = renderDevice;
    const int renderWidth = d.renderWidth, renderHeight = d.renderHeight;
    for (int i = 0; i < d.resolutionCount; ++i)
        if (d.resolutions[i].width == renderWidth && d.resolutions[i].height == renderHeight) {
            d.resolutionIndex = i;
            break;
        }
    int wanted = d.colorDepthPreference == 1 ? 32 : 16;
    d.currentMode = d.modes[0];
    for (int i = 0; i < d.modeCount; ++i) {
        const DisplayModeRecord& m = d.modes[i];
        if (m.bitsPerPixel == wanted && m.width == renderWidth && m.height == renderHeight) {
            d.currentMode = m;
            break;
        }
    }
    // Windowed, the frame takes the desktop's format whatever the table says.
    gpu::DisplayMode desk;
    if (!d.fullScreen && gpu::desktopDisplayMode(desk))
        d.currentMode.displayFormat = desk.bitsPerPixel == 16 ? PixelFormat::R5G6B5 : PixelFormat::X8R8G8B8;
}

bool initRenderDevice() {
    RenderDevice& d = renderDevice;
    gpu::DisplayMode listed[kMaxDisplayModes * 4];
    int n = gpu::listDisplayModes(listed, kMaxDisplayModes * 4);
    ReportedMode reported[kMaxDisplayModes * 4];
    for (int i = 0; i < n; ++i) reported[i] = {listed[i].width, listed[i].height, listed[i].bitsPerPixel};
    buildModeTable(reported, n);
    selectMode();
    if (!gpu::initGpu()) {
        showMessageBox("Initialization failed", "Can't init Direct3D");
        return false;
    }
    d.created = true;
    resetTransforms();
    resetRenderStates();
    applyDefaultStates();
    return true;
}

void releaseRenderDevice() {
    RenderDevice& d = renderDevice;
    setGamma(0.5f);
    if (d.gammaDirty) {
        buildGammaRamp(d.gamma, d.gammaRamp);
        d.gammaDirty = false;
    }
    releaseAllTextures();
    gpu::shutdownGpu();
    d.created = false;
}

void setRenderTargetsLostHandler(RenderTargetsLostHandler handler) { targetsLost = handler; }

void resetDevice() {
    selectMode();
    textureManager.releaseRenderTargets();
    gpu::setRenderTarget(0);
    applyDefaultStates();
    textureManager.recreateRenderTargets();
    if (targetsLost) targetsLost();
}

void requestModeChange() {
    RenderDevice& d = renderDevice;
    d.colorDepthPreference = d.fullScreen ? 0 : 1;
    selectMode();
    d.modeChangeRequested = true;
}

void presentFrame() {
    RenderDevice& d = renderDevice;
    if (d.gammaDirty) {
        // The ramp is kept but not sent: the game only ever uses the neutral
        // one, and desktop GL offers no portable ramp.
        buildGammaRamp(d.gamma, d.gammaRamp);
        d.gammaDirty = false;
    }
    if (!d.created) return;
    gpu::setRenderTarget(0);
    presentFrameBuffer();
    if (d.modeChangeRequested) {
        resetDevice();
        d.modeChangeRequested = false;
        setWindowFullScreen(d.fullScreen);
    }
}

void resetRenderDevice() {
    bool created = renderDevice.created;
    renderDevice = RenderDevice{};
    renderDevice.created = created;
    targetsLost = nullptr;
}

void setGamma(float value) {
    if (value == renderDevice.gamma) return;
    renderDevice.gamma = value;
    renderDevice.gammaDirty = true;
}

void buildGammaRamp(float gamma, uint16_t ramp[256]) {
    for (int i = 0; i < 256; ++i) {
        double v = double(gamma + 0.5f) * double(i * 256);
        ramp[i] = v > 65535.0 ? uint16_t(0xFFFF) : v < 0 ? uint16_t(0) : uint16_t(v);
    }
}

// GL needs no scene brackets; they stay so the frame reads as on the device.
void beginScene() {}
void endScene() {}

void clearTarget(Color color) { gpu::clear(true, color.argb, false, 0); }
void clearDepth(float z) { gpu::clear(false, 0, true, z); }

} // namespace aw
