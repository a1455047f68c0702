// The trophy grotto: a cave hall opening on a waterfall, two carved niches
// with wooden shelves on each wall and five stone plinths on the floor. The
// trophies' places in "trophy.cfg" come from the same plan.
//
// [SECTION] plan
// [SECTION] walls, opening and floor
// [SECTION] shelves and plinths
// [SECTION] torches and treasure
// [SECTION] layout file
#include "trophy_room.h"

#include "carving.h"
#include "image.h"
#include "noise.h"
#include "palette.h"
#include "scenery_props.h"

#include "game/trophy_layout.h"

#include <algorithm>
#include <cmath>

namespace art::room {

namespace {

// [SECTION] plan

constexpr double kShelfTop[2] = {205, 335};
constexpr double kLeftWall[2] = {28, 262}, kRightWall[2] = {538, 772};
constexpr double kPlinthX[5] = {120, 260, 400, 540, 680};
constexpr double kPlinthTop[5] = {522, 516, 506, 516, 522};
constexpr double kPlinthCap = 96;
constexpr double kFloorY = 470;
constexpr double kShelfScale = 1.0, kPlinthScale = 1.25;

std::vector<Stand> makeStands() {
    std::vector<Stand> s;
    for (const double* wall : {kLeftWall, kRightWall})
        for (double top : kShelfTop) s.push_back({wall[0], wall[1], top, false});
    for (int i = 0; i < 5; ++i) s.push_back({kPlinthX[i] - kPlinthCap / 2, kPlinthX[i] + kPlinthCap / 2, kPlinthTop[i], true});
    return s;
}

// [SECTION] walls, opening and floor

// The cave mouth in the back wall, down to the floor line.
void openingPath(cairo_t* cr) {
    cairo_move_to(cr, 300, kFloorY);
    cairo_curve_to(cr, 284, 300, 306, 84, 400, 64);
    cairo_curve_to(cr, 494, 84, 516, 300, 500, kFloorY);
    cairo_close_path(cr);
}

void walls(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 800, 600);
    openingPath(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 600);
    addStop(g, 0, hex(0x3E2D20));
    addStop(g, 0.45, hex(0x5A4331));
    addStop(g, 1, hex(0x33261B));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Stone: overlapping blotches of lighter and darker rock.
    Rng rng(4417);
    for (int i = 0; i < 900; ++i) {
        double x = rng.range(-20, 820), y = rng.range(-20, 620), r = rng.range(5, 34);
        Rgb c = rng.uniform() < 0.5 ? hex(0x8A6E52) : hex(0x1E150E);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.6, 1);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        setColor(cr, c, rng.range(0.04, 0.11));
        cairo_fill(cr);
    }
    // Strata running across the walls.
    for (int i = 0; i < 14; ++i) {
        double y = rng.range(20, 460), x = rng.range(-50, 600);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 80, y + rng.range(-12, 12), x + 160, y + rng.range(-12, 12), x + 250, y + rng.range(-8, 8));
        setColor(cr, hex(0x140D08), 0.22);
        cairo_set_line_width(cr, rng.range(1, 2.2));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The lit rim of the opening.
    openingPath(cr);
    setColor(cr, hex(0xC9A27A), 0.5);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    openingPath(cr);
    setColor(cr, hex(0x1A110B), 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void floor(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, kFloorY, 800, 600 - kFloorY);
    cairo_clip_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, kFloorY, 0, 600);
    addStop(g, 0, hex(0x6E5B47));
    addStop(g, 1, hex(0x3A2E23));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Flagstones in perspective towards the opening.
    const double vx = 400, vy = 250;
    for (double y : {kFloorY + 18, kFloorY + 42, kFloorY + 74, kFloorY + 114}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    for (int k = -10; k <= 10; ++k) {
        double bx = vx + k * 110;
        cairo_move_to(cr, vx + (bx - vx) * (kFloorY - vy) / (600 - vy), kFloorY);
        cairo_line_to(cr, bx, 600);
    }
    setColor(cr, hex(0x1E160F), 0.45);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // The step from the wall to the floor.
    g = cairo_pattern_create_linear(0, kFloorY - 2, 0, kFloorY + 10);
    addStop(g, 0, hex(0x000000), 0.45);
    addStop(g, 1, hex(0x000000), 0);
    cairo_rectangle(cr, 0, kFloorY, 800, 12);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// [SECTION] shelves and plinths

void niche(cairo_t* cr, const Stand& s) {
    double x = s.x0 + 4, w = s.x1 - s.x0 - 8, top = s.top - 104;
    cairo_move_to(cr, x, s.top);
    cairo_line_to(cr, x, top + 24);
    cairo_curve_to(cr, x, top, x + w, top, x + w, top + 24);
    cairo_line_to(cr, x + w, s.top);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, s.top);
    addStop(g, 0, hex(0x120C07));
    addStop(g, 0.5, hex(0x24180F));
    addStop(g, 1, hex(0x3A2918));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, hex(0xB08C66), 0.45);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void shelf(cairo_t* cr, const Stand& s, uint32_t seed) {
    double w = s.x1 - s.x0;
    // Shadow on the wall below the board.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, s.top + 12, 0, s.top + 44);
    addStop(g, 0, hex(0x000000), 0.5);
    addStop(g, 1, hex(0x000000), 0);
    cairo_rectangle(cr, s.x0 + 6, s.top + 12, w - 4, 32);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Brackets.
    for (double bx : {s.x0 + 26, s.x1 - 26}) {
        cairo_move_to(cr, bx - 5, s.top + 12);
        cairo_line_to(cr, bx + 5, s.top + 12);
        cairo_curve_to(cr, bx + 5, s.top + 30, bx + 2, s.top + 36, bx, s.top + 40);
        cairo_curve_to(cr, bx - 2, s.top + 34, bx - 5, s.top + 26, bx - 5, s.top + 12);
        cairo_close_path(cr);
        setColor(cr, pal::woodDark);
        cairo_fill(cr);
    }
    // The board: its top face, then its front edge.
    cairo_rectangle(cr, s.x0, s.top - 3, w, 6);
    woodFill(cr, s.x0, s.top - 3, w, 6, seed, pal::woodLight);
    cairo_rectangle(cr, s.x0, s.top + 3, w, 10);
    woodFill(cr, s.x0, s.top + 3, w, 10, seed + 1, pal::wood);
    cairo_rectangle(cr, s.x0, s.top - 3, w, 16);
    setColor(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// A brass plate on the board's front under each trophy.
void plate(cairo_t* cr, double x, double y) {
    roundedRect(cr, x - 11, y - 3, 22, 6, 2);
    setColor(cr, pal::goldMid);
    cairo_fill_preserve(cr);
    setColor(cr, pal::goldDeep, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void litStone(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    addStop(g, 0, mix(c, hex(0xFFF0D0), 0.3));
    addStop(g, 0.4, c);
    addStop(g, 1, scale(c, 0.55));
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::ink, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void plinth(cairo_t* cr, const Stand& s) {
    const Rgb marble = hex(0xB9AC96);
    double cx = (s.x0 + s.x1) / 2, w = s.x1 - s.x0, base = std::min(598.0, s.top + 78);
    // Shadow thrown to the lower right.
    cairo_save(cr);
    cairo_translate(cr, cx + 22, base - 2);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, w * 0.62, 0, 2 * M_PI);
    cairo_restore(cr);
    setColor(cr, hex(0x000000), 0.35);
    cairo_fill(cr);
    litStone(cr, s.x0 - 6, base - 12, w + 12, 12, scale(marble, 0.9));
    litStone(cr, s.x0 + 12, s.top + 12, w - 24, base - 12 - (s.top + 12), scale(marble, 0.85));
    // Fluting on the shaft.
    for (double fx = s.x0 + 22; fx < s.x1 - 16; fx += 10) {
        cairo_move_to(cr, fx, s.top + 16);
        cairo_line_to(cr, fx, base - 16);
    }
    setColor(cr, pal::ink, 0.18);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    litStone(cr, s.x0 - 4, s.top, w + 8, 12, marble);
    cairo_rectangle(cr, s.x0 - 4, s.top, w + 8, 2);
    setColor(cr, hex(0xFFF4DE), 0.5);
    cairo_fill(cr);
    boss(cr, cx, s.top + 40, 6, pal::red);
}

// [SECTION] torches and treasure

void torch(cairo_t* cr, double x, double y) {
    // The light falls on the rock only: the opening stays clear for the sky.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 800, 600);
    openingPath(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y - 18, 0, x, y - 18, 190);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.78, 0.4, 0.4);
    cairo_pattern_add_color_stop_rgba(g, 0.35, 1, 0.7, 0.35, 0.14);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.7, 0.35, 0);
    cairo_arc(cr, x, y - 18, 190, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    // Iron holder and the wooden stick.
    cairo_rectangle(cr, x - 3, y, 6, 34);
    setColor(cr, pal::woodDark);
    cairo_fill(cr);
    cairo_move_to(cr, x - 11, y - 4);
    cairo_line_to(cr, x + 11, y - 4);
    cairo_line_to(cr, x + 6, y + 8);
    cairo_line_to(cr, x - 6, y + 8);
    cairo_close_path(cr);
    setColor(cr, hex(0x2A2622));
    cairo_fill(cr);
    // Flame.
    cairo_move_to(cr, x, y - 38);
    cairo_curve_to(cr, x + 12, y - 20, x + 10, y - 6, x, y - 4);
    cairo_curve_to(cr, x - 10, y - 6, x - 12, y - 20, x, y - 38);
    g = cairo_pattern_create_linear(0, y - 38, 0, y - 4);
    addStop(g, 0, hex(0xFFF6C0));
    addStop(g, 0.5, hex(0xFFC040));
    addStop(g, 1, hex(0xE0501A));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

const std::vector<Stand>& stands() {
    static const std::vector<Stand> all = makeStands();
    return all;
}

Spot spot(int number) {
    int i = std::clamp(number, 1, kTrophies) - 1;
    if (i < 12) {
        // Three to a shelf: left wall 1-6, right wall 7-12, top shelf first.
        int stand = i / 3, place = i % 3;
        const Stand& s = stands()[size_t(stand)];
        double step = (s.x1 - s.x0) / 3;
        return {s.x0 + step * (place + 0.5), s.top, kShelfScale, stand};
    }
    int stand = 4 + (i - 12);
    const Stand& s = stands()[size_t(stand)];
    return {(s.x0 + s.x1) / 2, s.top, kPlinthScale, stand};
}

void paintRoom(cairo_t* cr) {
    walls(cr);
    floor(cr);
    for (const Stand& s : stands())
        if (!s.plinth) niche(cr, s);
    torch(cr, 272, 150);
    torch(cr, 528, 150);
    uint32_t seed = 90;
    for (const Stand& s : stands())
        if (!s.plinth) shelf(cr, s, seed++);
    for (int n = 1; n <= 12; ++n) {
        Spot p = spot(n);
        plate(cr, p.x, p.footY + 8);
    }
    props::chest(cr, 44, 597, 0.62);
    props::chest(cr, 756, 597, 0.62);
    for (const Stand& s : stands())
        if (s.plinth) plinth(cr, s);
}

// [SECTION] layout file

std::vector<uint8_t> layoutFile() {
    aw::TrophyLayout layout;
    for (int n = 1; n <= kTrophies; ++n) {
        Spot s = spot(n);
        aw::TrophyPlace& p = layout.places[n - 1];
        p.width = p.height = float(kPictureSize);
        p.scale = float(s.scale);
        double centreY = s.footY - (kPictureSize / 2 - kFootMargin) * s.scale;
        p.x = float(s.x - 400);
        p.y = float(300 - centreY);
    }
    std::vector<uint8_t> bytes(aw::kTrophyLayoutFileSize);
    aw::encodeTrophyLayout(layout, bytes.data());
    return bytes;
}

}  // namespace art::room
