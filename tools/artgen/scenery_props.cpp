#include "scenery_props.h"

#include "noise.h"
#include "palette.h"

#include <cmath>

namespace art::props {

namespace {

// A blob lit from the upper left.
void litBall(cairo_t* cr, double x, double y, double r, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r);
    addStop(g, 0, mix(c, hex(0xFFF2B0), 0.35));
    addStop(g, 0.6, c);
    addStop(g, 1, scale(c, 0.55));
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Vertical face: lit left, shaded right.
void litBox(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    addStop(g, 0, mix(c, hex(0xFFF0C8), 0.25));
    addStop(g, 0.45, c);
    addStop(g, 1, scale(c, 0.6));
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void cone(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    cairo_move_to(cr, x - w / 2, y);
    cairo_line_to(cr, x, y - h);
    cairo_line_to(cr, x + w / 2, y);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
    addStop(g, 0, mix(c, hex(0xFFFFFF), 0.2));
    addStop(g, 0.5, c);
    addStop(g, 0.5, scale(c, 0.7));
    addStop(g, 1, scale(c, 0.55));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

void tree(cairo_t* cr, double x, double groundY, double size, Rgb leaves, uint32_t seed) {
    Rng rng(seed);
    litBox(cr, x - size * 0.07, groundY - size * 0.75, size * 0.14, size * 0.75, pal::woodDark);
    // Dark mass first, then lit clusters on top.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 7; ++i) {
            double a = rng.range(0, 2 * M_PI), d = rng.range(0, size * 0.32);
            double bx = x + std::cos(a) * d, by = groundY - size * 0.95 + std::sin(a) * d * 0.8;
            double r = size * rng.range(0.22, 0.32) * (pass ? 0.85 : 1.0);
            if (pass == 0)
                litBall(cr, bx + 2, by + 2, r, scale(leaves, 0.6));
            else
                litBall(cr, bx - r * 0.1, by - r * 0.15, r * 0.9, leaves);
        }
}

void pine(cairo_t* cr, double x, double groundY, double height, Rgb needles) {
    litBox(cr, x - height * 0.03, groundY - height * 0.2, height * 0.06, height * 0.2, pal::woodDark);
    for (int i = 0; i < 4; ++i) {
        double y = groundY - height * (0.15 + 0.2 * i);
        double w = height * (0.55 - 0.11 * i);
        cone(cr, x, y, w, height * 0.38, mix(needles, hex(0x000000), 0.05 * i));
    }
}

void palm(cairo_t* cr, double x, double groundY, double height, double lean) {
    double tx = x + lean * height, ty = groundY - height;
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + lean * height * 0.1, groundY - height * 0.5, tx - lean * height * 0.2,
                   groundY - height * 0.8, tx, ty);
    setColor(cr, hex(0x5E3C1E));
    cairo_set_line_width(cr, height * 0.06);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColor(cr, hex(0x9A6B3A));
    cairo_set_line_width(cr, height * 0.025);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        double a = -M_PI + M_PI * i / 6.0 + 0.1 * std::sin(i * 3.1);
        double len = height * 0.45;
        double ex = tx + std::cos(a) * len, ey = ty + std::sin(a) * len * 0.5 + len * 0.35;
        cairo_move_to(cr, tx, ty);
        cairo_curve_to(cr, tx + std::cos(a) * len * 0.5, ty + std::sin(a) * len * 0.5 - len * 0.15,
                       ex - std::cos(a) * len * 0.2, ey - len * 0.2, ex, ey);
        Rgb c = i < 3 ? hex(0x5C9A34) : hex(0x3A6B22);
        setColor(cr, c);
        cairo_set_line_width(cr, height * 0.05);
        cairo_stroke(cr);
    }
    litBall(cr, tx, ty + 3, height * 0.04, hex(0x6B4A22));
}

void castle(cairo_t* cr, double x, double groundY, double s, Rgb wall, Rgb roof) {
    litBox(cr, x - 40 * s, groundY - 50 * s, 80 * s, 50 * s, wall);
    for (int i = 0; i < 5; ++i) litBox(cr, x - 40 * s + i * 17 * s, groundY - 56 * s, 10 * s, 7 * s, wall);
    const double towers[3][3] = {{-44, 80, 16}, {0, 105, 20}, {44, 80, 16}};
    for (auto& t : towers) {
        double tx = x + t[0] * s, h = t[1] * s, w = t[2] * s;
        litBox(cr, tx - w / 2, groundY - h, w, h, wall);
        cone(cr, tx, groundY - h + 1, w * 1.4, w * 1.5, roof);
        cairo_rectangle(cr, tx - w * 0.12, groundY - h * 0.7, w * 0.24, w * 0.4);
        setColor(cr, hex(0x2A1A10));
        cairo_fill(cr);
        // Pennant.
        cairo_move_to(cr, tx, groundY - h - w * 1.5);
        cairo_line_to(cr, tx, groundY - h - w * 2.2);
        cairo_line_to(cr, tx + w * 0.7, groundY - h - w * 2.0);
        cairo_line_to(cr, tx, groundY - h - w * 1.8);
        setColor(cr, pal::red);
        cairo_fill(cr);
    }
    cairo_arc(cr, x, groundY - 14 * s, 9 * s, M_PI, 0);
    cairo_line_to(cr, x + 9 * s, groundY);
    cairo_line_to(cr, x - 9 * s, groundY);
    setColor(cr, hex(0x2A1A10));
    cairo_fill(cr);
}

void pyramid(cairo_t* cr, double x, double groundY, double width, Rgb stone) {
    double h = width * 0.62;
    cairo_move_to(cr, x - width / 2, groundY);
    cairo_line_to(cr, x - width * 0.08, groundY - h);
    cairo_line_to(cr, x + width * 0.12, groundY);
    cairo_close_path(cr);
    setColor(cr, mix(stone, hex(0xFFF0C0), 0.25));
    cairo_fill(cr);
    cairo_move_to(cr, x + width * 0.12, groundY);
    cairo_line_to(cr, x - width * 0.08, groundY - h);
    cairo_line_to(cr, x + width / 2, groundY);
    cairo_close_path(cr);
    setColor(cr, scale(stone, 0.62));
    cairo_fill(cr);
    // Courses of stone.
    for (int i = 1; i < 9; ++i) {
        double t = i / 9.0, y = groundY - h * t;
        cairo_move_to(cr, x - width / 2 + (width * 0.42) * t, y);
        cairo_line_to(cr, x + width / 2 - (width * 0.58) * t, y);
        setColor(cr, hex(0x000000), 0.12);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void windmill(cairo_t* cr, double x, double groundY, double s) {
    cairo_move_to(cr, x - 14 * s, groundY);
    cairo_line_to(cr, x - 8 * s, groundY - 60 * s);
    cairo_line_to(cr, x + 8 * s, groundY - 60 * s);
    cairo_line_to(cr, x + 14 * s, groundY);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 14 * s, 0, x + 14 * s, 0);
    addStop(g, 0, hex(0xF1E4C8));
    addStop(g, 1, hex(0x9A8A70));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cone(cr, x, groundY - 59 * s, 22 * s, 14 * s, hex(0x8A3A22));
    double hx = x, hy = groundY - 56 * s;
    for (int i = 0; i < 4; ++i) {
        double a = 0.4 + M_PI / 2 * i;
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, 2 * s, -3.5 * s, 40 * s, 7 * s);
        setColor(cr, hex(0xE8DCC0), 0.9);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, -1 * s, 42 * s, 2 * s);
        setColor(cr, pal::woodDark);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void ship(cairo_t* cr, double x, double waterY, double s) {
    cairo_move_to(cr, x - 50 * s, waterY - 18 * s);
    cairo_line_to(cr, x + 55 * s, waterY - 20 * s);
    cairo_curve_to(cr, x + 45 * s, waterY, x + 30 * s, waterY + 2 * s, x, waterY + 2 * s);
    cairo_curve_to(cr, x - 30 * s, waterY + 2 * s, x - 42 * s, waterY - 4 * s, x - 50 * s, waterY - 18 * s);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, waterY - 20 * s, 0, waterY);
    addStop(g, 0, pal::woodLight);
    addStop(g, 1, pal::woodDeep);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x - 48 * s, waterY - 15 * s);
    cairo_line_to(cr, x + 52 * s, waterY - 17 * s);
    setColor(cr, pal::gold);
    cairo_set_line_width(cr, 1.5 * s);
    cairo_stroke(cr);
    const double masts[3] = {-25, 5, 32};
    for (int i = 0; i < 3; ++i) {
        double mx = x + masts[i] * s, top = waterY - (i == 1 ? 95 : 75) * s;
        cairo_rectangle(cr, mx - 1.2 * s, top, 2.4 * s, waterY - 18 * s - top);
        setColor(cr, pal::woodDark);
        cairo_fill(cr);
        for (int k = 0; k < 2; ++k) {
            double sy = top + 8 * s + k * 28 * s, sh = 24 * s, sw = (i == 1 ? 20 : 16) * s * (1 - 0.15 * k);
            cairo_move_to(cr, mx - sw, sy);
            cairo_line_to(cr, mx + sw, sy);
            cairo_curve_to(cr, mx + sw * 1.1, sy + sh * 0.5, mx + sw, sy + sh, mx + sw * 0.95, sy + sh);
            cairo_line_to(cr, mx - sw * 0.95, sy + sh);
            cairo_curve_to(cr, mx - sw * 0.9, sy + sh * 0.5, mx - sw, sy + sh * 0.3, mx - sw, sy);
            g = cairo_pattern_create_linear(mx - sw, 0, mx + sw, 0);
            addStop(g, 0, hex(0xFFF6E0));
            addStop(g, 1, hex(0xC9B48E));
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
    }
}

void ruins(cairo_t* cr, double x, double groundY, double s, Rgb stone) {
    litBox(cr, x - 70 * s, groundY - 10 * s, 140 * s, 10 * s, stone);
    const double cols[5][2] = {{-55, 70}, {-28, 80}, {0, 40}, {28, 80}, {55, 55}};
    for (auto& c : cols) {
        litBox(cr, x + c[0] * s - 6 * s, groundY - (c[1] + 10) * s, 12 * s, c[1] * s, stone);
        for (int k = 1; k < 4; ++k) {
            cairo_rectangle(cr, x + c[0] * s - 2 * s + (k - 2) * 3.5 * s, groundY - (c[1] + 8) * s, 1 * s,
                            (c[1] - 4) * s);
            setColor(cr, hex(0x000000), 0.12);
            cairo_fill(cr);
        }
    }
    litBox(cr, x - 40 * s, groundY - 100 * s, 80 * s, 10 * s, stone);
}

void lighthouse(cairo_t* cr, double x, double groundY, double s) {
    cairo_move_to(cr, x - 12 * s, groundY);
    cairo_line_to(cr, x - 8 * s, groundY - 80 * s);
    cairo_line_to(cr, x + 8 * s, groundY - 80 * s);
    cairo_line_to(cr, x + 12 * s, groundY);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 12 * s, 0, x + 12 * s, 0);
    addStop(g, 0, hex(0xFFFFFF));
    addStop(g, 1, hex(0xA9A49A));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 3; ++i) {
        double y = groundY - (15 + 24 * i) * s;
        cairo_rectangle(cr, x - 12 * s, y, 24 * s, 8 * s);
        setColor(cr, pal::red, 0.85);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x - 6 * s, groundY - 92 * s, 12 * s, 12 * s);
    setColor(cr, pal::goldLight);
    cairo_fill(cr);
    cone(cr, x, groundY - 92 * s, 18 * s, 10 * s, hex(0x5A2A18));
}

void rock(cairo_t* cr, double x, double groundY, double w, double h, Rgb stone, uint32_t seed) {
    Rng rng(seed);
    cairo_move_to(cr, x - w / 2, groundY);
    const int n = 7;
    for (int i = 0; i <= n; ++i) {
        double t = double(i) / n;
        double px = x - w / 2 + w * t;
        double py = groundY - h * std::sin(M_PI * t) * rng.range(0.75, 1.05);
        cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - w / 2, groundY - h, x + w / 2, groundY);
    addStop(g, 0, mix(stone, hex(0xFFF0D0), 0.3));
    addStop(g, 0.5, stone);
    addStop(g, 1, scale(stone, 0.5));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void chest(cairo_t* cr, double x, double groundY, double s) {
    litBox(cr, x - 30 * s, groundY - 30 * s, 60 * s, 30 * s, pal::wood);
    cairo_move_to(cr, x - 30 * s, groundY - 30 * s);
    cairo_curve_to(cr, x - 30 * s, groundY - 52 * s, x + 30 * s, groundY - 52 * s, x + 30 * s, groundY - 30 * s);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 30 * s, groundY - 50 * s, x + 30 * s, groundY - 30 * s);
    addStop(g, 0, pal::woodLight);
    addStop(g, 1, pal::woodDark);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (int i = -1; i <= 1; i += 2) litBox(cr, x + i * 20 * s - 3 * s, groundY - 46 * s, 6 * s, 46 * s, pal::gold);
    litBox(cr, x - 5 * s, groundY - 34 * s, 10 * s, 10 * s, pal::goldLight);
    // Glow of the treasure.
    g = cairo_pattern_create_radial(x, groundY - 34 * s, 0, x, groundY - 34 * s, 60 * s);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, groundY - 34 * s, 60 * s, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void birds(cairo_t* cr, double x, double y, double s, int count, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        double bx = x + rng.range(-60, 60) * s, by = y + rng.range(-25, 25) * s, w = rng.range(5, 8) * s;
        cairo_move_to(cr, bx - w, by - w * 0.3);
        cairo_curve_to(cr, bx - w * 0.5, by - w * 0.6, bx - w * 0.2, by - w * 0.4, bx, by);
        cairo_curve_to(cr, bx + w * 0.2, by - w * 0.4, bx + w * 0.5, by - w * 0.6, bx + w, by - w * 0.3);
        setColor(cr, hex(0x2A2018), 0.8);
        cairo_set_line_width(cr, 1.3 * s);
        cairo_stroke(cr);
    }
}

}  // namespace art::props
