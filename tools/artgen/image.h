// Straight-alpha RGBA pictures and the cairo canvas they are painted on.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// A picture in straight (not premultiplied) RGBA, rows top to bottom.
struct Image {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> px;

    Image() = default;
    Image(int width, int height) : w(width), h(height), px(size_t(width) * height * 4, 0) {}
    uint8_t* at(int x, int y) { return &px[(size_t(y) * w + x) * 4]; }
    const uint8_t* at(int x, int y) const { return &px[(size_t(y) * w + x) * 4]; }
};

// Colour in 0..1 floats, straight alpha.
struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb hex(uint32_t rrggbb);
Rgb mix(Rgb a, Rgb b, double t);
Rgb scale(Rgb a, double k);

// A cairo ARGB32 surface with its context; the painting tool of every picture.
class Canvas {
public:
    Canvas(int width, int height);
    explicit Canvas(const Image& from);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return w_; }
    int height() const { return h_; }

    // Unpremultiplied copy. Fully transparent texels take the colour of
    // their nearest painted neighbours so filtering never pulls in black.
    Image image() const;

private:
    int w_, h_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Cairo helpers used everywhere.
void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// Spreads colour into fully transparent texels (a few passes are enough for
// bilinear filtering and JPEG blocks).
void bleedColor(Image& img, int passes = 6);

// Nearest-free box downscale to exactly (w, h).
Image resample(const Image& src, int w, int h);

// Rotates the whole picture by 180 degrees.
Image rotate180(const Image& src);

}  // namespace art
