// The candle gauge on the right: brass holder, wax candle (cut from the top
// as it burns, so it is uniform along its length), flame, wax pool and drops.
#include "carving.h"
#include "gem.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>

namespace art {

namespace {

const Rgb kWax = hex(0xF4E6C4);

Image stick() {
    // Drawn 128 x 512 with its top at screen y 212: the candle stands at
    // x = 96 with its foot on row 492; the pool spreads around x = 64.
    Canvas canvas(128, 512);
    cairo_t* cr = canvas.cr();
    // Handle ring on the left.
    cairo_arc(cr, 22, 470, 15, 0, 2 * M_PI);
    setColor(cr, pal::goldDeep);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_arc(cr, 22, 470, 15, 0, 2 * M_PI);
    goldRim(cr, 4);
    // Dish.
    cairo_save(cr);
    cairo_translate(cr, 66, 494);
    cairo_scale(cr, 1, 0.28);
    cairo_arc(cr, 0, 0, 60, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(6, 480, 126, 508);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::goldMid);
    addStop(g, 1, pal::goldDeep);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 66, 491);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, 50, 0, 2 * M_PI);
    cairo_restore(cr);
    setColor(cr, pal::goldDark, 0.8);
    cairo_fill(cr);
    // Foot under the dish.
    cairo_move_to(cr, 44, 508);
    cairo_line_to(cr, 88, 508);
    cairo_line_to(cr, 80, 500);
    cairo_line_to(cr, 52, 500);
    cairo_close_path(cr);
    setColor(cr, pal::goldDark);
    cairo_fill(cr);
    boss(cr, 14, 494, 5, pal::red);
    boss(cr, 118, 494, 5, pal::red);
    return canvas.image();
}

Image candle() {
    Canvas canvas(64, 512);
    cairo_t* cr = canvas.cr();
    // Body, lit from the left.
    cairo_rectangle(cr, 19, 4, 26, 490);
    cairo_pattern_t* g = cairo_pattern_create_linear(19, 0, 45, 0);
    addStop(g, 0, mix(kWax, hex(0xFFFFFF), 0.5));
    addStop(g, 0.35, kWax);
    addStop(g, 1, scale(kWax, 0.62));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Runs of wax down the side.
    Rng rng(17);
    for (int i = 0; i < 14; ++i) {
        double x = rng.range(20, 42), y0 = rng.range(0, 420), len = rng.range(30, 90), w = rng.range(2, 4);
        roundedRect(cr, x, y0, w, len, w / 2);
        setColor(cr, mix(kWax, hex(0xFFFFFF), x < 30 ? 0.5 : 0.1), 0.6);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 19, 4, 26, 490);
    setColor(cr, hex(0x6A5030), 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The top as it stands before burning.
    cairo_save(cr);
    cairo_translate(cr, 32, 5);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 13, 0, 2 * M_PI);
    cairo_restore(cr);
    setColor(cr, scale(kWax, 0.85));
    cairo_fill(cr);
    // Brass socket at the foot.
    roundedRect(cr, 12, 486, 40, 24, 4);
    g = cairo_pattern_create_linear(12, 486, 52, 510);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, 12, 492);
    cairo_line_to(cr, 52, 492);
    setColor(cr, pal::goldDeep, 0.7);
    cairo_stroke(cr);
    return canvas.image();
}

Image flame() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    // Glow that also hides the cut top of the candle.
    cairo_pattern_t* g = cairo_pattern_create_radial(32, 30, 0, 32, 30, 30);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.45, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.75, 0.3, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // Melted rim around the wick.
    cairo_save(cr);
    cairo_translate(cr, 32, 36);
    cairo_scale(cr, 1, 0.32);
    cairo_arc(cr, 0, 0, 13.5, 0, 2 * M_PI);
    cairo_restore(cr);
    setColor(cr, mix(kWax, hex(0xFFD080), 0.4));
    cairo_fill(cr);
    cairo_rectangle(cr, 31, 28, 2, 8);
    setColor(cr, hex(0x2A1A10));
    cairo_fill(cr);
    // Outer flame, then the bright core.
    for (int layer = 0; layer < 3; ++layer) {
        double w = 9 - layer * 2.6, top = 4 + layer * 6, bottom = 34 - layer * 1.5;
        cairo_move_to(cr, 32, top);
        cairo_curve_to(cr, 32 + w * 0.6, top + 10, 32 + w, bottom - 9, 32, bottom);
        cairo_curve_to(cr, 32 - w, bottom - 9, 32 - w * 0.6, top + 10, 32, top);
        const Rgb colours[3] = {hex(0xFF8A1E), hex(0xFFC84A), hex(0xFFF8D8)};
        setColor(cr, colours[layer], layer == 0 ? 0.85 : 1);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 29, 33);
    cairo_curve_to(cr, 30, 30, 34, 30, 35, 33);
    setColor(cr, hex(0x4A7AE8), 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return canvas.image();
}

Image pool() {
    Canvas canvas(128, 64);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, 64, 36);
    cairo_scale(cr, 1, 0.38);
    cairo_arc(cr, 0, 0, 58, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(50, 30, 4, 64, 36, 60);
    addStop(g, 0, mix(kWax, hex(0xFFFFFF), 0.6));
    addStop(g, 0.7, kWax);
    addStop(g, 1, scale(kWax, 0.7));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Lobes where the wax ran further.
    Rng rng(3);
    for (int i = 0; i < 6; ++i) {
        double a = rng.range(0, 2 * M_PI);
        double x = 64 + std::cos(a) * 50, y = 36 + std::sin(a) * 18;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.5);
        cairo_arc(cr, 0, 0, rng.range(7, 12), 0, 2 * M_PI);
        cairo_restore(cr);
        setColor(cr, scale(kWax, 0.92));
        cairo_fill(cr);
    }
    return canvas.image();
}

Image drop(int n) {
    Canvas canvas(16, 64);
    cairo_t* cr = canvas.cr();
    Rng rng(40 + n);
    double len = 22 + n * 7, w = 4.5 + (n % 3);
    // A trail of wax ending in a round bead.
    cairo_move_to(cr, 8 - 1.5, 2);
    cairo_line_to(cr, 8 + 1.5, 2);
    cairo_curve_to(cr, 8 + w * 0.4, len * 0.5, 8 + w, len - w, 8 + w * 0.9, len);
    cairo_arc(cr, 8, len, w * 0.9, 0, M_PI);
    cairo_curve_to(cr, 8 - w, len - w, 8 - w * 0.4, len * 0.5, 8 - 1.5, 2);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(8 - w, 0, 8 + w, 0);
    addStop(g, 0, mix(kWax, hex(0xFFFFFF), 0.6));
    addStop(g, 1, scale(kWax, 0.7));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_arc(cr, 8 - w * 0.35, len - w * 0.2, w * 0.25, 0, 2 * M_PI);
    setColor(cr, hex(0xFFFFFF), 0.8);
    cairo_fill(cr);
    (void)rng;
    return canvas.image();
}

}  // namespace

void paintCandle(Sink& sink) {
    sink.put("_a_candlestick.jpg", stick(), Format::AlphaJpeg);
    sink.put("_a_candle.jpg", candle(), Format::AlphaJpeg);
    sink.put("candlefire.tga", flame(), Format::Tga);
    sink.put("candlepool.tga", pool(), Format::Tga);
    // The game loads five drops; the candle draws the first four.
    for (int i = 1; i <= 5; ++i) sink.put("drop" + std::to_string(i) + ".tga", drop(i), Format::Tga);
}

}  // namespace art
