// The gameplay HUD: the carved game bar, the life heart, the trophy button,
// the hammer gauge with its glows, the beam and highlight glows and the iris
// of the scene transition.
#include "carving.h"
#include "gem.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>

namespace art {

namespace {

// [SECTION] game bar

Image gameBar() {
    Canvas canvas(128, 512);
    cairo_t* cr = canvas.cr();
    // Column of carved wood ending in a rounded foot.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 122, 0);
    cairo_line_to(cr, 122, 470);
    cairo_curve_to(cr, 122, 500, 90, 508, 61, 508);
    cairo_curve_to(cr, 32, 508, 0, 500, 0, 470);
    cairo_close_path(cr);
    cairo_path_t* outline = cairo_copy_path(cr);
    woodFill(cr, 0, 0, 122, 512, 5, pal::wood);
    cairo_append_path(cr, outline);
    goldRim(cr, 3);
    cairo_path_destroy(outline);
    // Plaques behind the texts (positions follow the HUD layout).
    plaque(cr, 10, 6, 102, 58, 8);      // score
    plaque(cr, 18, 84, 86, 66, 8);      // level
    // The trophies label reaches higher than "Menu": its plaque stands a
    // little taller, and the lives plaque ends a little sooner to make room.
    plaque(cr, 8, 168, 110, 64, 8);     // lives
    plaque(cr, 14, 236, 96, 27, 10);    // trophies button
    plaque(cr, 14, 276, 96, 24, 10);    // menu button
    // Hammer recess.
    roundedRect(cr, 18, 304, 72, 136, 10);
    setColor(cr, hex(0x0E0703), 0.85);
    cairo_fill_preserve(cr);
    goldRim(cr, 2.5);
    // Foot ornament.
    boss(cr, 61, 474, 13, pal::red);
    boss(cr, 28, 462, 6, pal::aqua);
    boss(cr, 94, 462, 6, pal::aqua);
    for (int i = 0; i < 3; ++i) boss(cr, 116, 100 + i * 110, 3.5, pal::gold);
    return canvas.image();
}

// [SECTION] small HUD pictures

Image heart() {
    Canvas canvas(32, 32);
    GemPose p{16, 16.5, 14, 0, 1};
    drawGem(canvas.cr(), outlineHeart(), p, GemStyle{hex(0xE8303C), {0.5}, 1.2, 0.3, 1});
    return canvas.image();
}

void cup(cairo_t* cr, double cx, double top, double s, Rgb metal) {
    cairo_move_to(cr, cx - 16 * s, top);
    cairo_line_to(cr, cx + 16 * s, top);
    cairo_curve_to(cr, cx + 16 * s, top + 20 * s, cx + 8 * s, top + 26 * s, cx + 3 * s, top + 28 * s);
    cairo_line_to(cr, cx + 3 * s, top + 34 * s);
    cairo_line_to(cr, cx + 10 * s, top + 40 * s);
    cairo_line_to(cr, cx - 10 * s, top + 40 * s);
    cairo_line_to(cr, cx - 3 * s, top + 34 * s);
    cairo_line_to(cr, cx - 3 * s, top + 28 * s);
    cairo_curve_to(cr, cx - 8 * s, top + 26 * s, cx - 16 * s, top + 20 * s, cx - 16 * s, top);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - 16 * s, 0, cx + 16 * s, 0);
    addStop(g, 0, mix(metal, hex(0xFFFFFF), 0.5));
    addStop(g, 0.35, metal);
    addStop(g, 1, scale(metal, 0.45));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.4 * s);
    cairo_stroke(cr);
    // Handles.
    for (int side = -1; side <= 1; side += 2) {
        cairo_arc(cr, cx + side * 17 * s, top + 9 * s, 6 * s, 0, 2 * M_PI);
        setColor(cr, pal::ink, 0.9);
        cairo_set_line_width(cr, 4 * s);
        cairo_stroke(cr);
        cairo_arc(cr, cx + side * 17 * s, top + 9 * s, 6 * s, 0, 2 * M_PI);
        setColor(cr, metal);
        cairo_set_line_width(cr, 2 * s);
        cairo_stroke(cr);
    }
}

Image trophyButton() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 32, 32, 29, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(26, 24, 2, 32, 32, 29);
    addStop(g, 0, pal::woodLight);
    addStop(g, 1, pal::woodDeep);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    goldRim(cr, 3);
    cup(cr, 32, 13, 0.95, pal::gold);
    GemPose p{32, 22, 4.5, 0, 1};
    drawGem(cr, outlineCircle(12), p, GemStyle{pal::red, {0.5}, 0.8, 0, 1});
    return canvas.image();
}

// [SECTION] hammer gauge

void hammerShape(cairo_t* cr, Rgb head, Rgb handle, Rgb jewel, double glow) {
    // Handle.
    roundedRect(cr, 27, 38, 10, 84, 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(27, 0, 37, 0);
    addStop(g, 0, mix(handle, hex(0xFFFFFF), 0.3));
    addStop(g, 1, scale(handle, 0.5));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 26, 80 + i * 9, 12, 3);
        setColor(cr, scale(head, 0.8));
        cairo_fill(cr);
    }
    // Head.
    roundedRect(cr, 6, 12, 52, 28, 5);
    g = cairo_pattern_create_linear(6, 12, 58, 40);
    addStop(g, 0, mix(head, hex(0xFFFFFF), 0.45));
    addStop(g, 0.5, head);
    addStop(g, 1, scale(head, 0.45));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    roundedRect(cr, 2, 16, 8, 20, 2);
    roundedRect(cr, 54, 16, 8, 20, 2);
    setColor(cr, scale(head, 0.7));
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink, 0.9);
    cairo_stroke(cr);
    GemPose p{32, 26, 8, 0, 1};
    drawGem(cr, outlineStepCut(), p, GemStyle{jewel, {0.6}, 1, 0, 1});
    if (glow > 0) {
        g = cairo_pattern_create_radial(32, 26, 0, 32, 26, 30);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, glow);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.6, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    }
}

Image hammerBase() {
    Canvas canvas(64, 128);
    hammerShape(canvas.cr(), hex(0x5A5650), hex(0x4A3626), hex(0x3A3A48), 0);
    return canvas.image();
}

Image hammerFill() {
    Canvas canvas(64, 128);
    cairo_t* cr = canvas.cr();
    // Warm light behind the hammer so the rising fill reads across the gauge.
    roundedRect(cr, 2, 2, 60, 124, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 128, 0, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.9, 0.55, 0.1, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.85, 0.3, 0.35);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    hammerShape(cr, pal::gold, pal::woodLight, pal::red, 0.25);
    return canvas.image();
}

// Additive glows: black is "no light".
Image glowPicture(int kind) {
    const int s = 128;
    Image img(s, s);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            double dx = (x - 63.5) / 64, dy = (y - 63.5) / 64;
            double v;
            if (kind == 0) {  // around the head
                double d = std::hypot(dx / 0.9, (dy + 0.3) / 0.45);
                v = std::exp(-d * d * 2.2);
            } else if (kind == 1) {  // along the handle
                double d = std::hypot(dx / 0.3, (dy - 0.1) / 0.95);
                v = 0.85 * std::exp(-d * d * 2.0);
            } else {  // a halo ring
                double d = std::hypot(dx, dy * 0.75);
                v = 0.9 * std::exp(-std::pow((d - 0.62) / 0.12, 2));
            }
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(std::lround(255 * std::min(1.0, v)));
            p[1] = uint8_t(std::lround(220 * std::min(1.0, v)));
            p[2] = uint8_t(std::lround(120 * std::min(1.0, v * v)));
            p[3] = 255;
        }
    return img;
}

// Beam texture: u runs along the beam, v across it.
Image flare() {
    Image img(128, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            double across = (y - 31.5) / 32, along = (x - 63.5) / 64;
            double core = std::exp(-across * across * 18), halo = 0.5 * std::exp(-across * across * 4);
            double ends = 1 - 0.3 * std::pow(std::abs(along), 6);
            double v = (core + halo) * ends;
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(std::lround(255 * std::min(1.0, v)));
            p[1] = uint8_t(std::lround(255 * std::min(1.0, v * 0.95)));
            p[2] = uint8_t(std::lround(255 * std::min(1.0, v * 0.85)));
            p[3] = 255;
        }
    return img;
}

// Highlight behind a selected line; symmetric because it is drawn mirrored.
Image highlight() {
    Image img(256, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) {
            double dx = (x - 127.5) / 128, dy = (y - 31.5) / 32;
            double d = std::pow(std::pow(std::abs(dx), 4) + std::pow(std::abs(dy), 2.2), 0.5);
            double v = std::exp(-d * 3.2) * (1 - std::min(1.0, std::max(std::abs(dx), std::abs(dy)) * 0));
            v *= smoothstep(1.0, 0.85, std::max(std::abs(dx), std::abs(dy)));
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(std::lround(255 * v));
            p[1] = uint8_t(std::lround(235 * v));
            p[2] = uint8_t(std::lround(190 * v));
            p[3] = 255;
        }
    return img;
}

Image white() {
    Image img(64, 64);
    std::fill(img.px.begin(), img.px.end(), 255);
    return img;
}

// The iris of the scene transition: black, opaque at the border, with a
// star-shaped opening fringed in gold at the centre.
Image iris() {
    const int s = 512;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, s, s);
    std::vector<Pt> star;
    for (int i = 0; i < 16; ++i) {
        double a = -M_PI / 2 + M_PI * i / 8, r = (i % 2) ? 150 : 200;
        star.push_back({s / 2.0 + r * std::cos(a), s / 2.0 + r * std::sin(a)});
    }
    for (size_t i = 0; i < star.size(); ++i) (i ? cairo_line_to : cairo_move_to)(cr, star[i].x, star[i].y);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill(cr);
    pathOf(cr, star);
    setColor(cr, pal::goldDark);
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    setColor(cr, pal::gold);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    return canvas.image();
}

}  // namespace

void paintHud(Sink& sink) {
    sink.put("_a_gamebar.jpg", gameBar(), Format::AlphaJpeg);
    sink.put("heart.tga", heart(), Format::Tga);
    sink.put("trophybutton.tga", trophyButton(), Format::Tga);
    sink.put("hammer.texture1.tga", hammerBase(), Format::Tga);
    sink.put("hammer.texture2.tga", hammerFill(), Format::Tga);
    for (int i = 0; i < 3; ++i)
        sink.put("hammer.texturelum" + std::to_string(i + 1) + ".jpg", glowPicture(i), Format::Jpeg);
    sink.put("flare.jpg", flare(), Format::Jpeg);
    sink.put("podsvet.jpg", highlight(), Format::Jpeg);
    sink.put("white.jpg", white(), Format::Jpeg);
    sink.put("_a_gag.jpg", iris(), Format::AlphaJpeg);
}

}  // namespace art
