// The seventeen trophies of the room and their glows ("trophyes/trophyNN.tga"
// and "trophyes/trophyNN_glow.tga", names fixed by "trophy.txt"), 64 x 64.
// The glow is a warm halo around the brightened trophy, so it reads whether
// it is drawn over the trophy or instead of it.
#include "carving.h"
#include "gem.h"
#include "painters.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

namespace {

const int kSize = 64;

const Rgb& jewelOf(int i) {
    static const Rgb jewels[8] = {pal::red, pal::blue, pal::green, pal::aqua, pal::lilac, pal::orange, pal::white, pal::yellow};
    return jewels[i % 8];
}

Rgb metalOf(int i) {
    // Three tiers, easiest to hardest: bronze, silver, gold.
    if (i <= 5) return hex(0xC07A40);
    if (i <= 11) return hex(0xD4D8E0);
    return pal::gold;
}

void fillMetal(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb metal) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStop(g, 0, mix(metal, hex(0xFFFFFF), 0.55));
    addStop(g, 0.4, metal);
    addStop(g, 1, scale(metal, 0.4));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

void plinth(cairo_t* cr, Rgb metal) {
    roundedRect(cr, 16, 50, 32, 10, 2);
    fillMetal(cr, 16, 50, 48, 60, pal::woodLight);
    roundedRect(cr, 22, 45, 20, 6, 2);
    fillMetal(cr, 22, 45, 42, 51, metal);
}

void trophy(cairo_t* cr, int i) {
    Rgb metal = metalOf(i);
    Rgb jewel = jewelOf(i);
    switch (i % 4) {
    case 0: {  // cup with handles
        plinth(cr, metal);
        cairo_move_to(cr, 16, 8);
        cairo_line_to(cr, 48, 8);
        cairo_curve_to(cr, 48, 28, 38, 34, 35, 36);
        cairo_line_to(cr, 35, 45);
        cairo_line_to(cr, 29, 45);
        cairo_line_to(cr, 29, 36);
        cairo_curve_to(cr, 26, 34, 16, 28, 16, 8);
        cairo_close_path(cr);
        fillMetal(cr, 16, 8, 48, 40, metal);
        for (int s = -1; s <= 1; s += 2) {
            cairo_arc(cr, 32 + s * 17, 17, 6, 0, 2 * M_PI);
            setColor(cr, pal::ink);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            cairo_arc(cr, 32 + s * 17, 17, 6, 0, 2 * M_PI);
            setColor(cr, metal);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
        GemPose p{32, 20, 6, 0, 1};
        drawGem(cr, outlineCircle(12), p, GemStyle{jewel, {0.5}, 1, 0, 1});
        break;
    }
    case 1: {  // medal on a ribbon
        cairo_move_to(cr, 20, 4);
        cairo_line_to(cr, 30, 30);
        cairo_line_to(cr, 38, 26);
        cairo_line_to(cr, 30, 4);
        cairo_close_path(cr);
        fillMetal(cr, 20, 4, 38, 30, pal::red);
        cairo_move_to(cr, 44, 4);
        cairo_line_to(cr, 34, 30);
        cairo_line_to(cr, 26, 26);
        cairo_line_to(cr, 34, 4);
        cairo_close_path(cr);
        fillMetal(cr, 26, 4, 44, 30, pal::blue);
        cairo_arc(cr, 32, 42, 17, 0, 2 * M_PI);
        fillMetal(cr, 15, 25, 49, 59, metal);
        GemPose p{32, 42, 11, 0, 1};
        drawGem(cr, outlineStar(5, 0.45), p, GemStyle{jewel, {0.45}, 1, 0, 1});
        break;
    }
    case 2: {  // star on a column
        plinth(cr, metal);
        cairo_rectangle(cr, 29, 30, 6, 16);
        fillMetal(cr, 29, 30, 35, 46, metal);
        GemPose p{32, 20, 18, 0, 1};
        drawGem(cr, outlineStar(5, 0.45), p, GemStyle{metal, {0.45}, 1.4, 0.3, 1});
        GemPose q{32, 21, 5, 0, 1};
        drawGem(cr, outlineCircle(12), q, GemStyle{jewel, {0.5}, 0.8, 0, 1});
        break;
    }
    default: {  // great jewel on a stand
        plinth(cr, metal);
        cairo_move_to(cr, 22, 46);
        cairo_line_to(cr, 26, 34);
        cairo_line_to(cr, 38, 34);
        cairo_line_to(cr, 42, 46);
        cairo_close_path(cr);
        fillMetal(cr, 22, 34, 42, 46, metal);
        const std::vector<Pt> shapes[4] = {outlineStepCut(), outlineHexagon(), outlineTeardrop(), outlineHeart()};
        GemPose p{32, 20, 15, 0, 1};
        drawGem(cr, shapes[(i / 4) % 4], p, GemStyle{jewel, {0.55}, 1.4, 0.3, 1});
        break;
    }
    }
}

// Separable box blur of the alpha channel, three passes.
std::vector<float> blurAlpha(const Image& img, int radius) {
    std::vector<float> a(size_t(img.w) * img.h), t(a.size());
    for (size_t i = 0; i < a.size(); ++i) a[i] = img.px[i * 4 + 3] / 255.f;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += a[size_t(y) * img.w + std::clamp(x + k, 0, img.w - 1)];
                t[size_t(y) * img.w + x] = s / (2 * radius + 1);
            }
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += t[size_t(std::clamp(y + k, 0, img.h - 1)) * img.w + x];
                a[size_t(y) * img.w + x] = s / (2 * radius + 1);
            }
    }
    return a;
}

Image glowOf(const Image& trophy) {
    std::vector<float> halo = blurAlpha(trophy, 3);
    Image out(trophy.w, trophy.h);
    for (size_t i = 0; i < halo.size(); ++i) {
        double h = std::min(1.0, halo[i] * 1.8);
        double ta = trophy.px[i * 4 + 3] / 255.0;
        for (int k = 0; k < 3; ++k) {
            const double warm[3] = {1.0, 0.88, 0.5};
            double bright = std::min(1.0, trophy.px[i * 4 + k] / 255.0 * 1.35 + 0.1);
            out.px[i * 4 + k] = uint8_t(std::lround(255 * (warm[k] * (1 - ta) + bright * ta)));
        }
        out.px[i * 4 + 3] = uint8_t(std::lround(255 * std::max(ta, h * 0.85)));
    }
    return out;
}

}  // namespace

void paintTrophies(Sink& sink) {
    for (int i = 1; i <= 17; ++i) {
        Canvas canvas(kSize, kSize);
        // Leave room for the glow around the silhouette.
        cairo_translate(canvas.cr(), 32, 32);
        cairo_scale(canvas.cr(), 0.86, 0.86);
        cairo_translate(canvas.cr(), -32, -32);
        trophy(canvas.cr(), i);
        Image pic = canvas.image();
        char name[64];
        std::snprintf(name, sizeof name, "trophyes/trophy%02d.tga", i);
        sink.put(name, pic, Format::Tga);
        std::snprintf(name, sizeof name, "trophyes/trophy%02d_glow.tga", i);
        sink.put(name, glowOf(pic), Format::Tga);
    }
}

}  // namespace art
