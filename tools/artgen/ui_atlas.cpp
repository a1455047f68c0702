// Menu pictures: the panel atlas "_a_menutex.jpg" (4 x 8 cells of 64 px in
// the game's fixed layout), the tooltip balloon atlas, the 3-slice button,
// the tooltip arrow, the trophy-room exit sign, the cursors and the icon.
// Frame rods run through the middle of their cells, so corners, edge bars
// and ornaments join wherever the panel code places them edge to edge.
#include "carving.h"
#include "gem.h"
#include "painters.h"
#include "palette.h"
#include "svg.h"

#include <cmath>

namespace art {

namespace {

const double kCell = 64;

// A gold rod with a lit upper-left edge.
void rod(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    goldRim(cr, 8);
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double nx = -dy / len * 2, ny = dx / len * 2;
    if (nx + ny > 0) nx = -nx, ny = -ny;  // towards the upper left
    cairo_move_to(cr, x0 + nx, y0 + ny);
    cairo_line_to(cr, x1 + nx, y1 + ny);
    setColor(cr, pal::goldLight, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void cellOrigin(cairo_t* cr, int col, int row) {
    cairo_identity_matrix(cr);
    cairo_translate(cr, col * kCell, row * kCell);
}

void corner(cairo_t* cr, int col, int row, bool right, bool bottom) {
    cellOrigin(cr, col, row);
    double c = kCell / 2;
    rod(cr, c, c, right ? 0 : kCell, c);
    rod(cr, c, c, c, bottom ? 0 : kCell);
    boss(cr, c, c, 11, pal::red);
}

void ornament(cairo_t* cr, int col, int row, bool horizontal, bool flip) {
    cellOrigin(cr, col, row);
    double w = horizontal ? 2 * kCell : kCell, h = horizontal ? kCell : 2 * kCell;
    if (horizontal)
        rod(cr, 0, h / 2, w, h / 2);
    else
        rod(cr, w / 2, 0, w / 2, h);
    // Scrolls either side of a crest jewel.
    double cx = w / 2, cy = h / 2;
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        if (!horizontal) cairo_rotate(cr, M_PI / 2);
        cairo_scale(cr, side, flip ? -1 : 1);
        cairo_move_to(cr, 12, 0);
        cairo_curve_to(cr, 24, -18, 44, -18, 46, -6);
        cairo_curve_to(cr, 47, 2, 38, 4, 36, -2);
        cairo_restore(cr);
        goldRim(cr, 3.5);
    }
    GemPose p{cx, cy, 15, 0, 1};
    drawGem(cr, outlineStepCut(), p, GemStyle{pal::gold, {0.6}, 1.4, 0.35, 1});
    GemPose q{cx, cy, 9, 0, 1};
    drawGem(cr, outlineHexagon(), q, GemStyle{pal::green, {0.5}, 1, 0, 1});
}

void arrowCell(cairo_t* cr, int col, int row, double angle) {
    cellOrigin(cr, col, row);
    cairo_translate(cr, kCell / 2, kCell / 2);
    std::vector<Pt> tri = {{-10, -16}, {14, 0}, {-10, 16}};
    std::vector<Pt> turned;
    for (Pt p : tri) turned.push_back({p.x * std::cos(angle) - p.y * std::sin(angle),
                                       p.x * std::sin(angle) + p.y * std::cos(angle)});
    GemPose pose{0, 0, 1, 0, 1};
    drawGem(cr, turned, pose, GemStyle{pal::gold, {0.5}, 1.6, 0.35, 1});
}

void checkBox(cairo_t* cr, int col, int row, bool on) {
    cellOrigin(cr, col, row);
    roundedRect(cr, 14, 14, 36, 36, 7);
    cairo_pattern_t* g = cairo_pattern_create_linear(14, 14, 50, 50);
    addStop(g, 0, hex(0x120A05));
    addStop(g, 1, hex(0x3A2210));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    goldRim(cr, 3);
    if (on) {
        cairo_move_to(cr, 20, 31);
        cairo_line_to(cr, 29, 42);
        cairo_line_to(cr, 47, 14);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColor(cr, pal::ink);
        cairo_set_line_width(cr, 8);
        cairo_stroke_preserve(cr);
        setColor(cr, hex(0x6FE06A));
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    }
}

// Golden pointer with its tip at (3, 3); frame k moves a glint along it.
void pointer(cairo_t* cr, double s, double glint) {
    std::vector<Pt> p = {{3, 3}, {3, 3 + 34 * s}, {3 + 9 * s, 3 + 26 * s}, {3 + 15 * s, 3 + 39 * s},
                         {3 + 21 * s, 3 + 36 * s}, {3 + 15 * s, 3 + 23 * s}, {3 + 26 * s, 3 + 23 * s}};
    drawSoftShadow(cr, p, 2, 2.5, 0.45);
    pathOf(cr, p);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 26 * s, 30 * s);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    if (glint > -2) drawGlint(cr, p, 3 + 12 * s, 3 + 18 * s, 20 * s, glint, 0.85);
    pathOf(cr, p);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

Image menuAtlas() {
    Canvas canvas(256, 512);
    cairo_t* cr = canvas.cr();
    corner(cr, 0, 0, false, false);  // 0: top left
    corner(cr, 1, 0, true, false);   // 1: top right
    corner(cr, 0, 1, false, true);   // 2: bottom left
    corner(cr, 1, 1, true, true);    // 3: bottom right
    cellOrigin(cr, 0, 2);
    rod(cr, 0, 32, 64, 32);          // 4: horizontal edge
    cellOrigin(cr, 1, 2);
    rod(cr, 32, 0, 32, 64);          // 5: vertical edge
    // 6 to 9: spare jewels.
    const Rgb spare[4] = {pal::red, pal::blue, pal::green, pal::lilac};
    for (int i = 0; i < 4; ++i) {
        cellOrigin(cr, 2 + i % 2, i / 2);
        boss(cr, 32, 32, 16, spare[i]);
    }
    ornament(cr, 0, 3, true, false);   // 10: top
    ornament(cr, 0, 4, true, true);    // 11: bottom
    ornament(cr, 2, 3, false, false);  // 12: left
    ornament(cr, 3, 3, false, true);   // 13: right
    arrowCell(cr, 0, 7, M_PI);         // 14: left end
    arrowCell(cr, 1, 7, 0);            // 15: right end
    arrowCell(cr, 0, 5, -M_PI / 2);    // 16: top end
    arrowCell(cr, 0, 6, M_PI / 2);     // 17: bottom end
    // 18: slider knob, 19: slider track piece.
    cellOrigin(cr, 2, 5);
    boss(cr, 32, 32, 14, pal::red);
    cellOrigin(cr, 3, 5);
    roundedRect(cr, 0, 27, 64, 10, 5);
    setColor(cr, hex(0x120A05));
    cairo_fill_preserve(cr);
    goldRim(cr, 2);
    checkBox(cr, 1, 6, true);          // 20: on
    checkBox(cr, 1, 5, false);         // 21: off
    // 22 to 25: cursor frames, tip at the cell's top-left corner + (3, 3).
    const int cells[4][2] = {{3, 7}, {2, 7}, {3, 6}, {2, 6}};
    for (int k = 0; k < 4; ++k) {
        cellOrigin(cr, cells[k][0], cells[k][1]);
        pointer(cr, 1.0, k == 0 ? -9 : -1 + 0.7 * k);
    }
    return canvas.image();
}

// [SECTION] balloon, button, arrow, exit, cursors

void parchment(cairo_t* cr, double x, double y, double w, double h) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w, y + h);
    addStop(g, 0, pal::parchLight);
    addStop(g, 1, pal::parch);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

Image balloonAtlas() {
    Canvas canvas(256, 128);
    cairo_t* cr = canvas.cr();
    // 0..3: corners (top left, top right, bottom left, bottom right); the
    // border runs through the cell middle and the parchment fills inwards.
    const int cells[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int k = 0; k < 4; ++k) {
        bool right = k % 2, bottom = k / 2;
        cellOrigin(cr, cells[k][0], cells[k][1]);
        // Parchment from the border (through the middle) inwards, with a
        // rounded corner.
        cairo_move_to(cr, right ? 0 : 64, 32);
        cairo_line_to(cr, right ? 18 : 46, 32);
        cairo_curve_to(cr, right ? 28 : 36, 32, 32, bottom ? 28 : 36, 32, bottom ? 18 : 46);
        cairo_line_to(cr, 32, bottom ? 0 : 64);
        cairo_line_to(cr, right ? 0 : 64, bottom ? 0 : 64);
        cairo_close_path(cr);
        parchment(cr, 0, 0, 64, 64);
        cairo_move_to(cr, right ? 0 : 64, 32);
        cairo_line_to(cr, right ? 18 : 46, 32);
        cairo_curve_to(cr, right ? 28 : 36, 32, 32, bottom ? 28 : 36, 32, bottom ? 18 : 46);
        cairo_line_to(cr, 32, bottom ? 0 : 64);
        setColor(cr, pal::woodDark);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // 4: parchment body tile, repeatable.
    cellOrigin(cr, 2, 0);
    cairo_rectangle(cr, 0, 0, 64, 64);
    setColor(cr, mix(pal::parchLight, pal::parch, 0.5));
    cairo_fill(cr);
    // 5: the balloon's tail, pointing to the lower left.
    cellOrigin(cr, 3, 0);
    cairo_move_to(cr, 24, 0);
    cairo_curve_to(cr, 22, 24, 14, 44, 4, 60);
    cairo_curve_to(cr, 24, 48, 40, 28, 48, 0);
    cairo_close_path(cr);
    parchment(cr, 0, 0, 64, 64);
    cairo_move_to(cr, 24, 0);
    cairo_curve_to(cr, 22, 24, 14, 44, 4, 60);
    cairo_curve_to(cr, 24, 48, 40, 28, 48, 0);
    setColor(cr, pal::woodDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    return canvas.image();
}

Image button() {
    // 128 x 64: left half the left cap, right half the right cap; the middle
    // column is the one stretched, so it is plain along x.
    Canvas canvas(128, 64);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 3, 5, 122, 54, 27);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 5, 0, 59);
    addStop(g, 0, pal::woodLight);
    addStop(g, 0.5, pal::wood);
    addStop(g, 1, pal::woodDeep);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    goldRim(cr, 3.5);
    roundedRect(cr, 10, 12, 108, 40, 20);
    g = cairo_pattern_create_linear(0, 12, 0, 52);
    addStop(g, 0, hex(0x1A0E06), 0.9);
    addStop(g, 1, hex(0x3A2210), 0.9);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    boss(cr, 16, 32, 5, pal::red);
    boss(cr, 112, 32, 5, pal::red);
    return canvas.image();
}

Image tooltipArrow() {
    // 128 x 64, pointing right (+x), tip at the right edge.
    Canvas canvas(128, 64);
    cairo_t* cr = canvas.cr();
    std::vector<Pt> p = {{6, 24}, {84, 24}, {84, 8}, {124, 32}, {84, 56}, {84, 40}, {6, 40}};
    drawSoftShadow(cr, p, 2, 3, 0.4);
    pathOf(cr, p);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 56);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    boss(cr, 14, 32, 6, pal::red);
    return canvas.image();
}

Image hammerCursor() {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    // Hot spot at the head's striking face, (6, 6).
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, -M_PI / 4);
    roundedRect(cr, -2.5, -2, 5, 19, 2);
    setColor(cr, pal::woodLight);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    roundedRect(cr, -10, -9, 20, 9, 2);
    cairo_pattern_t* g = cairo_pattern_create_linear(-10, -9, 10, 0);
    addStop(g, 0, pal::goldLight);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink);
    cairo_stroke(cr);
    return canvas.image();
}

Image pointerCursor() {
    Canvas canvas(32, 32);
    cairo_translate(canvas.cr(), -2, -2);  // tip at (1, 1)
    pointer(canvas.cr(), 0.7, -9);
    return canvas.image();
}

}  // namespace

void paintUiAtlases(Sink& sink) {
    sink.put("_a_menutex.jpg", menuAtlas(), Format::AlphaJpeg);
    sink.put("_a_baloon.jpg", balloonAtlas(), Format::AlphaJpeg);
    sink.put("button.tga", button(), Format::Tga);
    sink.put("baloonarrow.tga", tooltipArrow(), Format::Tga);
    sink.put("exitsign.tga", renderSvgFile("exitsign.svg", 64, 64), Format::Tga);
    sink.put("icon.tga", renderSvgFile("icon.svg", 64, 64), Format::Tga);
    sink.put("cursor1.tga", hammerCursor(), Format::Tga);
    sink.put("cursor2.tga", pointerCursor(), Format::Tga);
}

}  // namespace art
