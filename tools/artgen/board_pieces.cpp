// The board's own pictures: the three cell tiles, the chain of a locked
// cell and the two bonus markers. The game turns tiles and markers by 180
// degrees and the chain by 135, so each is painted upright and then turned
// back, keeping the light in the upper left on screen.
#include "gem.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>

namespace art {

namespace {

// Carved walnut square with a sunken face.
void woodTile(cairo_t* cr, double s) {
    roundedRect(cr, 1, 1, s - 2, s - 2, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, s, s);
    addStop(g, 0, pal::woodLight, 0.92);
    addStop(g, 0.5, pal::wood, 0.9);
    addStop(g, 1, pal::woodDeep, 0.92);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Sunken face: lit from the lower right because it lies below the rim.
    roundedRect(cr, 5, 5, s - 10, s - 10, 5);
    g = cairo_pattern_create_linear(0, 0, s, s);
    addStop(g, 0, pal::woodDeep, 0.9);
    addStop(g, 1, pal::woodDark, 0.86);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Grain.
    cairo_save(cr);
    roundedRect(cr, 5, 5, s - 10, s - 10, 5);
    cairo_clip(cr);
    for (int i = 0; i < 9; ++i) {
        double y0 = 6 + i * (s - 12) / 8.0;
        cairo_move_to(cr, 4, y0);
        for (int x = 4; x <= s - 4; x += 4)
            cairo_line_to(cr, x, y0 + 2.2 * std::sin(x * 0.11 + i * 1.7) + 1.2 * valueNoise(x * 0.2, i, 3));
        setColor(cr, pal::woodLight, 0.13);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    roundedRect(cr, 1.5, 1.5, s - 3, s - 3, 8);
    setColor(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// A raised metal plate covering the face: the square the player breaks.
void plate(cairo_t* cr, double x, double y, double w, Rgb base, double radius) {
    roundedRect(cr, x + 1.5, y + 2, w, w, radius);
    setColor(cr, hex(0x000000), 0.35);
    cairo_fill(cr);
    roundedRect(cr, x, y, w, w, radius);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w, y + w);
    addStop(g, 0, mix(base, hex(0xFFFFFF), 0.4));
    addStop(g, 0.5, base);
    addStop(g, 1, scale(base, 0.55));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    double b = 3;
    roundedRect(cr, x + b, y + b, w - 2 * b, w - 2 * b, radius * 0.6);
    g = cairo_pattern_create_linear(x, y, x + w, y + w);
    addStop(g, 0, scale(base, 0.7));
    addStop(g, 1, mix(base, hex(0xFFFFFF), 0.15));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    roundedRect(cr, x, y, w, w, radius);
    setColor(cr, pal::ink, 0.85);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void engraving(cairo_t* cr, double c, double r, Rgb color, double alpha) {
    // A compass-rose engraving, faint so the figure on top stays clear.
    cairo_save(cr);
    setColor(cr, color, alpha);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        double a = M_PI / 4 * i, len = (i % 2) ? r * 0.55 : r * 0.95;
        cairo_move_to(cr, c + std::cos(a) * r * 0.2, c + std::sin(a) * r * 0.2);
        cairo_line_to(cr, c + std::cos(a) * len, c + std::sin(a) * len);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

Image tile(int kind) {
    const int s = 64;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    woodTile(cr, s);
    if (kind == 1) {
        plate(cr, 6, 6, s - 12, hex(0x9A6A2E), 5);
        engraving(cr, s / 2.0, 17, pal::goldLight, 0.3);
    } else if (kind == 2) {
        // Two layers: a copper base plate and a gold plate riveted on top.
        plate(cr, 4, 4, s - 8, hex(0x8A3F22), 6);
        plate(cr, 11, 11, s - 22, hex(0xB0843A), 4);
        engraving(cr, s / 2.0, 12, pal::goldDark, 0.45);
        for (int i = 0; i < 4; ++i) {
            double x = (i % 2) ? s - 8.5 : 8.5, y = (i / 2) ? s - 8.5 : 8.5;
            GemPose p{x, y, 3.2, 0, 1};
            drawGem(cr, outlineCircle(10), p, GemStyle{pal::goldLight, {0.5}, 0.8, 0.3, 1});
        }
    }
    return rotate180(canvas.image());
}

void chainLink(cairo_t* cr, double x, double y, double angle, bool faceOn) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double len = 15, wid = faceOn ? 8.5 : 2.2;
    for (int pass = 0; pass < 2; ++pass) {
        roundedRect(cr, -len / 2, -wid / 2, len, wid, wid / 2);
        if (pass == 0) {
            setColor(cr, hex(0x15100C), 0.95);
            cairo_set_line_width(cr, 5.2);
        } else {
            cairo_pattern_t* g = cairo_pattern_create_linear(-len / 2, -wid, len / 2, wid);
            addStop(g, 0, hex(0xE2E4EA));
            addStop(g, 0.5, hex(0x8C9099));
            addStop(g, 1, hex(0x4A4D55));
            cairo_set_source(cr, g);
            cairo_set_line_width(cr, 2.8);
            cairo_stroke_preserve(cr);
            cairo_pattern_destroy(g);
            cairo_new_path(cr);
            continue;
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void padlock(cairo_t* cr, double cx, double cy) {
    // Shackle.
    cairo_arc(cr, cx, cy - 6, 7, M_PI, 2 * M_PI);
    setColor(cr, hex(0x15100C));
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy - 6, 7, M_PI, 2 * M_PI);
    setColor(cr, hex(0xB9BDC6));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    // Body.
    roundedRect(cr, cx - 11, cy - 6, 22, 18, 3.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - 11, cy - 6, cx + 11, cy + 12);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Keyhole.
    cairo_arc(cr, cx, cy + 1.5, 2.6, 0, 2 * M_PI);
    cairo_move_to(cr, cx - 1.6, cy + 2);
    cairo_line_to(cr, cx + 1.6, cy + 2);
    cairo_line_to(cr, cx + 1.1, cy + 8);
    cairo_line_to(cr, cx - 1.1, cy + 8);
    cairo_close_path(cr);
    setColor(cr, pal::ink);
    cairo_fill(cr);
}

Image chain() {
    const int s = 128;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    // The picture is turned 135 degrees counter-clockwise on screen; paint
    // the on-screen look turned back the other way.
    cairo_translate(cr, s / 2.0, s / 2.0);
    cairo_rotate(cr, 135 * M_PI / 180);
    cairo_scale(cr, s / 70.0, s / 70.0);
    for (int d = 0; d < 2; ++d) {
        double a = d ? -M_PI / 4 : M_PI / 4;
        for (int i = -3; i <= 3; ++i) {
            double t = i * 10.5;
            chainLink(cr, std::cos(a) * t, std::sin(a) * t, a, (i + d) % 2 == 0);
        }
    }
    padlock(cr, 0, 2);
    return canvas.image();
}

// Marker ring with arrow tips: cross bomb (4 tips) or super bomb (8 rays).
Image marker(bool super) {
    const int s = 64;
    Canvas canvas(s, s);
    cairo_t* cr = canvas.cr();
    double c = s / 2.0;
    Rgb base = super ? hex(0xE8452A) : pal::gold;
    int tips = super ? 8 : 4;
    for (int i = 0; i < tips; ++i) {
        double a = -M_PI / 2 + 2 * M_PI * i / tips;
        double r0 = 22, r1 = super ? (i % 2 ? 28 : 31) : 31, w = super ? 0.2 : 0.28;
        std::vector<Pt> tri = {{c + std::cos(a - w) * r0, c + std::sin(a - w) * r0},
                               {c + std::cos(a) * r1, c + std::sin(a) * r1},
                               {c + std::cos(a + w) * r0, c + std::sin(a + w) * r0}};
        // Outline relative to its own middle, where the facets meet.
        Pt mid{(tri[0].x + tri[1].x + tri[2].x) / 3, (tri[0].y + tri[1].y + tri[2].y) / 3};
        for (Pt& q : tri) q = {q.x - mid.x, q.y - mid.y};
        GemPose p{mid.x, mid.y, 1, 0, 1};
        GemStyle st{base, {}, 1.2, 0.3, 1};
        drawGem(cr, tri, p, st);
    }
    // Ring.
    cairo_arc(cr, c, c, 22, 0, 2 * M_PI);
    setColor(cr, pal::ink, 0.9);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_arc(cr, c, c, 22, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_linear(c - 22, c - 22, c + 22, c + 22);
    addStop(g, 0, mix(base, hex(0xFFFFFF), 0.6));
    addStop(g, 0.5, base);
    addStop(g, 1, scale(base, 0.5));
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    if (super) {
        for (int i = 0; i < 8; ++i) {
            double a = M_PI / 8 + M_PI / 4 * i;
            GemPose p{c + std::cos(a) * 22, c + std::sin(a) * 22, 2.6, 0, 1};
            drawGem(cr, outlineCircle(8), p, GemStyle{pal::goldLight, {0.5}, 0.7, 0, 1});
        }
    }
    return rotate180(canvas.image());
}

}  // namespace

void paintBoardPieces(Sink& sink) {
    for (int k = 0; k < 3; ++k) sink.put("field/field" + std::to_string(k) + ".tga", tile(k), Format::Tga);
    sink.put("zep2.tga", chain(), Format::Tga);
    sink.put("bonus1.tga", marker(false), Format::Tga);
    sink.put("bonus2.tga", marker(true), Format::Tga);
}

}  // namespace art
