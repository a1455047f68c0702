// The render tests' world: one hidden window with the device for the whole
// process, a clean device state for every test, pictures written to a
// scratch directory, and a font built in memory.
#pragma once
#include "platform/gl_device.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/draw.h"
#include "render/draw_capture.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/registry.h"
#include "resources/test_support.h"

#include <stb/stb_image_write.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace awtest {

class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (aw::windowIsOpen()) return;
        aw::WindowConfig config;
        config.hidden = true;
        ASSERT_TRUE(aw::openWindow(config)) << aw::lastWindowError();
        ASSERT_TRUE(aw::initRenderDevice());
    }

    void SetUp() override {
        aw::releaseAllTextures();
        aw::resetResources();
        aw::resetText();
        aw::resetSprites();
        aw::resetRenderDevice();
        aw::resetTransforms();
        aw::resetRenderStates();
        aw::applyDefaultStates();
        aw::setRenderTarget(nullptr);
        aw::triangleCount = 0;
        aw::clearTarget(aw::Color(0, 0, 0, 255));
        aw::clearDepth(1);
    }

    void TearDown() override {
        aw::releaseAllTextures();
        aw::resetResources();
    }
};

struct Rgba {
    uint8_t r, g, b, a;
};

// A picture of w x h from a colour function, as TGA (alpha kept) or JPEG.
template <class F> std::vector<uint8_t> pixelsOf(int w, int h, F colour) {
    std::vector<uint8_t> p(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgba c = colour(x, y);
            uint8_t* q = &p[(size_t(y) * w + x) * 4];
            q[0] = c.r, q[1] = c.g, q[2] = c.b, q[3] = c.a;
        }
    return p;
}

template <class F> void writeTga(const std::string& path, int w, int h, F colour) {
    std::vector<uint8_t> p = pixelsOf(w, h, colour);
    ASSERT_NE(stbi_write_tga(path.c_str(), w, h, 4, p.data()), 0);
}

template <class F> std::string jpegBytes(int w, int h, F colour) {
    std::vector<uint8_t> p = pixelsOf(w, h, colour), rgb(size_t(w) * h * 3);
    for (size_t i = 0; i < size_t(w) * h; ++i)
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = p[i * 4 + c];
    std::string out;
    stbi_write_jpg_to_func(
        [](void* ctx, void* data, int size) { static_cast<std::string*>(ctx)->append(static_cast<char*>(data), size_t(size)); },
        &out, w, h, 3, rgb.data(), 95);
    return out;
}

inline bool near(int a, int b, int tolerance = 6) { return std::abs(a - b) <= tolerance; }

inline ::testing::AssertionResult pixelIs(int x, int y, int r, int g, int b, int tolerance = 3) {
    aw::Pixel p = aw::readPixel(x, y);
    if (near(p.r, r, tolerance) && near(p.g, g, tolerance) && near(p.b, b, tolerance))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is (" << int(p.r) << ", " << int(p.g)
                                         << ", " << int(p.b) << "), wanted (" << r << ", " << g << ", " << b << ")";
}

// A font whose every glyph uses cell 0 of a 16 x 16 grid; advances in pixels
// of a 512-wide atlas (so 32 pixels are one cell, an advance of 2).
inline aw::Font testFont(int width = 16) {
    uint8_t metrics[aw::kFontMetricsSize] = {16, 0, 0, 0};
    for (int c = 0; c < 256; ++c) metrics[4 + c] = uint8_t(width);
    aw::Font f;
    aw::parseFontMetrics(metrics, sizeof metrics, 1, 1, f);
    return f;
}

} // namespace awtest
