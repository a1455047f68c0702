#include "image.h"

#include <stb_image_resize.h>

#include <algorithm>
#include <cmath>

namespace art {

Rgb hex(uint32_t c) {
    return {((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }

Canvas::Canvas(int width, int height) : w_(width), h_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w_, h_);
    cr_ = cairo_create(surface_);
}

Canvas::Canvas(const Image& from) : Canvas(from.w, from.h) {
    cairo_surface_flush(surface_);
    uint8_t* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h_; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < w_; ++x) {
            const uint8_t* p = from.at(x, y);
            uint32_t a = p[3];
            uint32_t r = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255, b = (p[2] * a + 127) / 255;
            row[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(surface_);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::image() const {
    cairo_surface_flush(surface_);
    Image img(w_, h_);
    const uint8_t* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < h_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < w_; ++x) {
            uint32_t v = row[x];
            uint32_t a = v >> 24;
            uint8_t* p = img.at(x, y);
            p[3] = uint8_t(a);
            if (a == 0) continue;
            p[0] = uint8_t(std::min<uint32_t>(255, (((v >> 16) & 255) * 255 + a / 2) / a));
            p[1] = uint8_t(std::min<uint32_t>(255, (((v >> 8) & 255) * 255 + a / 2) / a));
            p[2] = uint8_t(std::min<uint32_t>(255, ((v & 255) * 255 + a / 2) / a));
        }
    }
    bleedColor(img);
    return img;
}

void setColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void bleedColor(Image& img, int passes) {
    // Marks: 1 = has colour. Each pass gives uncoloured texels the mean of
    // their coloured 4-neighbours.
    std::vector<uint8_t> known(size_t(img.w) * img.h);
    bool any = false;
    for (int i = 0; i < img.w * img.h; ++i) {
        known[i] = img.px[size_t(i) * 4 + 3] > 0;
        any = any || known[i];
    }
    if (!any) return;
    std::vector<int> frontier;
    for (int pass = 0; pass < passes; ++pass) {
        frontier.clear();
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) {
                size_t i = size_t(y) * img.w + x;
                if (known[i]) continue;
                int sum[3] = {0, 0, 0}, n = 0;
                const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
                for (int k = 0; k < 4; ++k) {
                    int nx = x + dx[k], ny = y + dy[k];
                    if (nx < 0 || ny < 0 || nx >= img.w || ny >= img.h) continue;
                    size_t j = size_t(ny) * img.w + nx;
                    if (known[j] != 1) continue;
                    for (int c = 0; c < 3; ++c) sum[c] += img.px[j * 4 + c];
                    ++n;
                }
                if (n == 0) continue;
                for (int c = 0; c < 3; ++c) img.px[i * 4 + c] = uint8_t(sum[c] / n);
                frontier.push_back(int(i));
            }
        if (frontier.empty()) break;
        for (int i : frontier) known[i] = 1;
    }
}

Image resample(const Image& src, int w, int h) {
    // Resize premultiplied so transparent texels do not darken edges.
    Image out(w, h);
    stbir_resize_uint8_generic(src.px.data(), src.w, src.h, 0, out.px.data(), w, h, 0, 4, 3,
                               0, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_LINEAR,
                               nullptr);
    return out;
}

Image rotate180(const Image& src) {
    Image out(src.w, src.h);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            const uint8_t* s = src.at(x, y);
            uint8_t* d = out.at(src.w - 1 - x, src.h - 1 - y);
            std::copy(s, s + 4, d);
        }
    return out;
}

}  // namespace art
