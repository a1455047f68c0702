#include "carving.h"

#include "gem.h"
#include "noise.h"
#include "palette.h"

#include <cmath>

namespace art {

void woodFill(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, Rgb base) {
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w, y + h * 0.3);
    addStop(g, 0, mix(base, pal::woodLight, 0.5));
    addStop(g, 0.5, base);
    addStop(g, 1, scale(base, 0.6));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Grain runs along the long side.
    bool vertical = h > w;
    int lines = int((vertical ? w : h) / 3);
    for (int i = 0; i < lines; ++i) {
        double o = (i + 0.5) * 3;
        double len = vertical ? h : w;
        cairo_new_path(cr);
        for (double t = 0; t <= len; t += 6) {
            double wob = 1.6 * std::sin(t * 0.03 + i * 0.9) + 2.0 * (fbm(t * 0.02, i * 0.3, 2, seed) - 0.5);
            double px = vertical ? x + o + wob : x + t, py = vertical ? y + t : y + o + wob;
            cairo_line_to(cr, px, py);
        }
        double v = fbm(i * 0.37, 0.5, 2, seed + 1);
        setColor(cr, v > 0.5 ? pal::woodLight : pal::woodDeep, 0.18);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
}

void goldRim(cairo_t* cr, double width) {
    cairo_save(cr);
    setColor(cr, pal::goldDeep, 0.95);
    cairo_set_line_width(cr, width + 2);
    cairo_stroke_preserve(cr);
    double x0, y0, x1, y1;
    cairo_stroke_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.4, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void plaque(cairo_t* cr, double x, double y, double w, double h, double r) {
    roundedRect(cr, x, y, w, h, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x, y + h);
    addStop(g, 0, hex(0x120A05));
    addStop(g, 1, hex(0x2E1A0C));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    goldRim(cr, 2);
}

void boss(cairo_t* cr, double x, double y, double r, Rgb jewel) {
    GemPose p{x, y, r, 0, 1};
    drawGem(cr, outlineCircle(16), p, GemStyle{pal::gold, {0.55}, 1, 0.35, 1});
    GemPose q{x, y, r * 0.55, 0, 1};
    drawGem(cr, outlineCircle(12), q, GemStyle{jewel, {0.5}, 0.7, 0, 1});
}

}  // namespace art
