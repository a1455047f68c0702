#include "treasures.h"

#include "carving.h"
#include "gem.h"
#include "palette.h"

#include <cmath>

namespace art {

namespace {

void metalFill(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb metal) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStop(g, 0, mix(metal, hex(0xFFFFFF), 0.5));
    addStop(g, 0.45, metal);
    addStop(g, 1, scale(metal, 0.4));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 0.03);
    cairo_stroke(cr);
}

void gem(cairo_t* cr, const std::vector<Pt>& outline, double x, double y, double r, Rgb c, double angle = 0) {
    GemPose p{x, y, r, angle, 1};
    drawGem(cr, outline, p, GemStyle{c, {0.55}, 0.03, 0, 1});
}

// Each treasure is drawn in a unit box from -0.5 to 0.5.
void treasure(cairo_t* cr, int n) {
    switch (n) {
    case 0: {  // crown
        GemPose p{0, 0.05, 0.42, 0, 1};
        drawGem(cr, outlineCrown(), p, GemStyle{pal::gold, {0.6}, 0.03, 0, 0.8});
        for (int i = -1; i <= 1; ++i) gem(cr, outlineCircle(12), i * 0.19, 0.17, i ? 0.05 : 0.07, i ? pal::blue : pal::red);
        break;
    }
    case 1: {  // chalice
        cairo_move_to(cr, -0.28, -0.38);
        cairo_line_to(cr, 0.28, -0.38);
        cairo_curve_to(cr, 0.28, -0.05, 0.1, 0.02, 0.05, 0.05);
        cairo_line_to(cr, 0.05, 0.3);
        cairo_line_to(cr, 0.22, 0.42);
        cairo_line_to(cr, -0.22, 0.42);
        cairo_line_to(cr, -0.05, 0.3);
        cairo_line_to(cr, -0.05, 0.05);
        cairo_curve_to(cr, -0.1, 0.02, -0.28, -0.05, -0.28, -0.38);
        cairo_close_path(cr);
        metalFill(cr, -0.3, -0.4, 0.3, 0.4, pal::gold);
        gem(cr, outlineCircle(12), 0, -0.2, 0.08, pal::green);
        gem(cr, outlineCircle(10), -0.15, -0.25, 0.045, pal::red);
        gem(cr, outlineCircle(10), 0.15, -0.25, 0.045, pal::red);
        break;
    }
    case 2: {  // amulet on a chain
        cairo_arc(cr, 0, -0.2, 0.3, M_PI * 1.05, M_PI * 1.95);
        setColor(cr, pal::goldDark);
        cairo_set_line_width(cr, 0.04);
        cairo_set_dash(cr, (const double[]){0.035, 0.02}, 2, 0);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        cairo_arc(cr, 0, 0.12, 0.27, 0, 2 * M_PI);
        metalFill(cr, -0.27, -0.15, 0.27, 0.39, pal::gold);
        gem(cr, outlineTeardrop(), 0, 0.12, 0.19, pal::aqua);
        break;
    }
    case 3: {  // sword
        cairo_move_to(cr, -0.04, 0.15);
        cairo_line_to(cr, -0.05, -0.38);
        cairo_line_to(cr, 0, -0.47);
        cairo_line_to(cr, 0.05, -0.38);
        cairo_line_to(cr, 0.04, 0.15);
        cairo_close_path(cr);
        metalFill(cr, -0.05, -0.4, 0.05, 0.1, hex(0xD8DEE8));
        cairo_rectangle(cr, -0.24, 0.13, 0.48, 0.07);
        metalFill(cr, -0.24, 0.13, 0.24, 0.2, pal::gold);
        cairo_rectangle(cr, -0.035, 0.2, 0.07, 0.2);
        metalFill(cr, -0.035, 0.2, 0.035, 0.4, pal::wood);
        gem(cr, outlineCircle(12), 0, 0.44, 0.06, pal::red);
        gem(cr, outlineCircle(12), 0, 0.165, 0.045, pal::blue);
        break;
    }
    case 4: {  // compass
        cairo_arc(cr, 0, 0, 0.42, 0, 2 * M_PI);
        metalFill(cr, -0.42, -0.42, 0.42, 0.42, pal::gold);
        cairo_arc(cr, 0, 0, 0.34, 0, 2 * M_PI);
        setColor(cr, pal::parchLight);
        cairo_fill(cr);
        GemPose p{0, 0, 0.32, 0, 1};
        drawGem(cr, outlineStar(4, 0.22), p, GemStyle{pal::red, {}, 0.02, 0, 1});
        GemPose q{0, 0, 0.2, M_PI / 4, 1};
        drawGem(cr, outlineStar(4, 0.3), q, GemStyle{pal::blue, {}, 0.02, 0, 1});
        break;
    }
    case 5: {  // key
        cairo_arc(cr, 0, -0.25, 0.17, 0, 2 * M_PI);
        cairo_arc_negative(cr, 0, -0.25, 0.08, 2 * M_PI, 0);
        metalFill(cr, -0.17, -0.42, 0.17, -0.08, pal::gold);
        cairo_rectangle(cr, -0.04, -0.09, 0.08, 0.52);
        metalFill(cr, -0.04, -0.1, 0.04, 0.43, pal::gold);
        cairo_rectangle(cr, 0.04, 0.26, 0.12, 0.06);
        metalFill(cr, 0.04, 0.26, 0.16, 0.32, pal::gold);
        cairo_rectangle(cr, 0.04, 0.36, 0.09, 0.06);
        metalFill(cr, 0.04, 0.36, 0.13, 0.42, pal::gold);
        gem(cr, outlineCircle(10), 0, -0.25, 0.06, pal::lilac);
        break;
    }
    case 6: {  // ring
        cairo_save(cr);
        cairo_scale(cr, 1, 0.8);
        cairo_arc(cr, 0, 0.15, 0.32, 0, 2 * M_PI);
        cairo_arc_negative(cr, 0, 0.15, 0.23, 2 * M_PI, 0);
        cairo_restore(cr);
        metalFill(cr, -0.32, -0.1, 0.32, 0.4, pal::gold);
        gem(cr, outlineStepCut(), 0, -0.2, 0.17, pal::red);
        break;
    }
    case 7: {  // scarab
        for (int s = -1; s <= 1; s += 2) {
            cairo_save(cr);
            cairo_scale(cr, s, 1);
            cairo_move_to(cr, 0.1, -0.05);
            cairo_curve_to(cr, 0.3, -0.35, 0.48, -0.25, 0.46, -0.05);
            cairo_curve_to(cr, 0.4, 0.15, 0.2, 0.2, 0.1, 0.1);
            cairo_close_path(cr);
            cairo_restore(cr);
            metalFill(cr, -0.45, -0.3, 0.45, 0.2, pal::gold);
        }
        GemPose p{0, 0.05, 0.3, 0, 0.7};
        drawGem(cr, outlineCircle(24), p, GemStyle{pal::lilac, {0.6}, 0.03, 0, 1});
        gem(cr, outlineCircle(12), 0, -0.3, 0.09, pal::green);
        break;
    }
    case 8: {  // shield
        GemPose p{0, 0, 0.45, 0, 1};
        drawGem(cr, outlineShield(), p, GemStyle{pal::blue, {0.75}, 0.03, 0, 0.7});
        gem(cr, outlineStar(5, 0.45), 0, 0.02, 0.18, pal::gold);
        break;
    }
    case 9: {  // sceptre
        cairo_save(cr);
        cairo_rotate(cr, 0.5);
        cairo_rectangle(cr, -0.035, -0.25, 0.07, 0.7);
        metalFill(cr, -0.035, -0.25, 0.035, 0.45, pal::gold);
        cairo_arc(cr, 0, -0.33, 0.13, 0, 2 * M_PI);
        metalFill(cr, -0.13, -0.46, 0.13, -0.2, pal::gold);
        gem(cr, outlineCircle(16), 0, -0.33, 0.09, pal::green);
        gem(cr, outlineCircle(10), 0, 0.45, 0.05, pal::red);
        cairo_restore(cr);
        break;
    }
    case 10: {  // pile of coins
        const double coins[9][2] = {{-0.28, 0.3}, {0, 0.32}, {0.28, 0.3}, {-0.15, 0.12}, {0.15, 0.12},
                                    {0, -0.06}, {-0.32, 0.1}, {0.32, 0.1}, {0, -0.25}};
        for (auto& c : coins) {
            cairo_save(cr);
            cairo_translate(cr, c[0], c[1]);
            cairo_scale(cr, 1, 0.55);
            cairo_arc(cr, 0, 0, 0.16, 0, 2 * M_PI);
            cairo_restore(cr);
            metalFill(cr, c[0] - 0.16, c[1] - 0.1, c[0] + 0.16, c[1] + 0.1, pal::yellow);
        }
        gem(cr, outlineStepCut(), 0.05, -0.3, 0.09, pal::red);
        break;
    }
    case 11: {  // star medallion
        cairo_arc(cr, 0, 0, 0.42, 0, 2 * M_PI);
        metalFill(cr, -0.42, -0.42, 0.42, 0.42, hex(0xD0D6E0));
        gem(cr, outlineStar(5, 0.45), 0, 0, 0.36, pal::orange);
        break;
    }
    case 12: {  // necklace
        for (int i = 0; i < 9; ++i) {
            double a = M_PI * (0.1 + 0.8 * i / 8.0);
            gem(cr, outlineCircle(12), 0.36 * std::cos(a), -0.15 + 0.36 * std::sin(a), 0.06,
                i == 4 ? pal::red : (i % 2 ? pal::white : pal::blue));
        }
        gem(cr, outlineTeardrop(), 0, 0.36, 0.12, pal::red);
        break;
    }
    case 13: {  // heart locket
        cairo_arc(cr, 0, 0.02, 0.4, 0, 2 * M_PI);
        metalFill(cr, -0.4, -0.4, 0.4, 0.4, pal::gold);
        gem(cr, outlineHeart(), 0, 0.03, 0.3, pal::red);
        break;
    }
    default: {  // jewelled egg
        GemPose p{0, 0.02, 0.44, 0, 0.75};
        drawGem(cr, outlineCircle(32), p, GemStyle{hex(0x3A9AD8), {0.8, 0.55}, 0.03, 0, 1});
        cairo_save(cr);
        cairo_scale(cr, 0.75, 1);
        cairo_arc(cr, 0, 0.02, 0.44, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_clip(cr);
        for (int i = -2; i <= 2; ++i) {
            cairo_rectangle(cr, -0.5, i * 0.16 - 0.015, 1, 0.03);
            setColor(cr, pal::gold);
            cairo_fill(cr);
        }
        cairo_reset_clip(cr);
        break;
    }
    }
}

}  // namespace

void drawTreasure(cairo_t* cr, int n, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    treasure(cr, n);
    cairo_restore(cr);
}

}  // namespace art
