// The start-up screens: the two splash pictures, the load screen with its
// empty trough, the load bar that fills it, all 800 x 600 (the bar 472 x 72).
#include "carving.h"
#include "gem.h"
#include "landscape.h"
#include "painters.h"
#include "palette.h"
#include "scenery_props.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// Title lettering: gold, inked, with a soft shadow to the lower right.
void title(cairo_t* cr, const char* text, double cx, double baseline, double size) {
    cairo_select_font_face(cr, "URW Bookman", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double x = cx - ext.width / 2 - ext.x_bearing;
    for (int k = 3; k >= 1; --k) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + k * 1.5, baseline + k * 2);
        cairo_text_path(cr, text);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, pal::goldDeep);
    cairo_set_line_width(cr, size * 0.08);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline - size * 0.8, 0, baseline + size * 0.1);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.5, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void subtitle(cairo_t* cr, const char* text, double cx, double baseline, double size) {
    cairo_select_font_face(cr, "URW Bookman", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double x = cx - ext.width / 2 - ext.x_bearing;
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    setColor(cr, pal::ink, 0.85);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    setColor(cr, pal::parchLight);
    cairo_fill(cr);
}

Scene islandScene(uint32_t seed) {
    Scene s;
    s.seed = seed;
    s.skyTop = hex(0x3A70B8);
    s.skyHorizon = hex(0xF6DCA8);
    s.clouds = 0.45;
    s.skyAlpha = 255;
    s.waterAlpha = 255;
    Ridge sea;
    sea.shape = RidgeShape::Water;
    sea.base = 380;
    sea.amp = 0;
    sea.top = hex(0x2E8AB0);
    sea.bottom = hex(0x114A6A);
    Ridge isle;
    isle.base = 470;
    isle.amp = 50;
    isle.freq = 0.6;
    isle.seed = seed + 3;
    isle.top = hex(0x5E8E3A);
    isle.bottom = hex(0x3A6224);
    isle.tilt = 260;
    s.ridges = {sea, isle};
    return s;
}

Image splash1() {
    Scene s = islandScene(101);
    s.props = [](cairo_t* cr, const auto& t) {
        auto top = [&](double x) { return t[1][std::clamp(int(x), 0, 799)]; };
        props::castle(cr, 640, top(640) + 6, 1.2, hex(0xE0D0B0), hex(0x8A3A22));
        props::palm(cr, 540, top(540) + 6, 170, -0.2);
        props::palm(cr, 770, top(770) + 6, 190, -0.3);
        props::chest(cr, 640, top(640) + 70, 1.5);
        props::ship(cr, 250, 390, 0.9);
        title(cr, "Amberwick", 400, 190, 104);
        subtitle(cr, "a treasure hunt in jewels and gold", 400, 240, 26);
    };
    return paintScene(s);
}

Image splash2() {
    // A still life: the open chest on velvet, coins and jewels spilling out.
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* g = cairo_pattern_create_radial(330, 260, 40, 400, 320, 560);
    addStop(g, 0, hex(0x8A2030));
    addStop(g, 1, hex(0x1E060A));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    props::chest(cr, 400, 450, 4.2);
    const Rgb jewels[8] = {pal::aqua, pal::blue, pal::green, pal::red, pal::orange, pal::lilac, pal::white, pal::yellow};
    const std::vector<Pt> shapes[8] = {outlineTeardrop(), outlineStepCut(), outlineHexagon(), outlineHeart(),
                                       outlineStar(5, 0.47), outlineTrillion(), outlineCrown(), outlineCircle(48)};
    for (int i = 0; i < 8; ++i) {
        GemPose p{130 + i * 77.0, 520 + 18 * std::sin(i * 1.3), 30, 0.2 * std::sin(i * 2.1), 1};
        drawGem(cr, shapes[i], p, GemStyle{jewels[i], {0.55}, 2, 0.4, 1});
    }
    title(cr, "Amberwick", 400, 120, 72);
    subtitle(cr, "Match the jewels. Break the seals. Find the treasure.", 400, 165, 22);
    Image img = canvas.image();
    return img;
}

Image loadScreen() {
    Scene s = islandScene(103);
    s.props = [](cairo_t* cr, const auto& t) {
        auto top = [&](double x) { return t[1][std::clamp(int(x), 0, 799)]; };
        props::castle(cr, 660, top(660) + 6, 1.0, hex(0xE0D0B0), hex(0x8A3A22));
        props::palm(cr, 580, top(580) + 6, 150, -0.2);
        title(cr, "Amberwick", 400, 150, 90);
        // The trough the load bar fills: pixels 176..648 across, 529 down.
        roundedRect(cr, 166, 521, 492, 88, 20);
        setColor(cr, pal::woodDark);
        cairo_fill_preserve(cr);
        goldRim(cr, 4);
        roundedRect(cr, 176, 529, 472, 72, 14);
        setColor(cr, hex(0x0E0703), 0.9);
        cairo_fill(cr);
    };
    return paintScene(s);
}

Image loadBar() {
    Canvas canvas(472, 72);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 2, 4, 468, 64, 14);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 68);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.45, pal::gold);
    addStop(g, 1, pal::goldDark);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A row of set jewels, so the growing bar reads as treasure gathered.
    const Rgb jewels[8] = {pal::red, pal::blue, pal::green, pal::aqua, pal::lilac, pal::orange, pal::white, pal::yellow};
    for (int i = 0; i < 15; ++i) {
        GemPose p{22 + i * 30.5, 36, 10, 0, 1};
        drawGem(cr, outlineStepCut(), p, GemStyle{jewels[i % 8], {0.6}, 1.2, 0.3, 1});
    }
    roundedRect(cr, 2, 4, 468, 64, 14);
    setColor(cr, pal::goldDeep);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    return canvas.image();
}

}  // namespace

void paintScreens(Sink& sink) {
    sink.put("splash1.jpg", splash1(), Format::Jpeg);
    sink.put("splash2.jpg", splash2(), Format::Jpeg);
    sink.put("loadscreen.jpg", loadScreen(), Format::Jpeg);
    sink.put("loadbar.tga", loadBar(), Format::Tga);
}

}  // namespace art
