// The 18 landscapes behind the board ("AnimBacks/_a_back%i.jpg"), 800 x 600
// with a mask that is clear over the sky and half clear over water so the
// scrolling scenery shows through. 15 is the main menu's, 17 the trophy
// room's grotto (trophy_room.cpp), which also gives the room's layout.
#include "landscape.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"
#include "scenery_art.h"
#include "scenery_props.h"
#include "trophy_room.h"

#include <cmath>
#include <string>

namespace art {

namespace {

using props::birds;

Ridge hills(double base, double amp, double freq, uint32_t seed, uint32_t top, uint32_t bottom, double haze = 0) {
    Ridge r;
    r.shape = RidgeShape::Hills;
    r.base = base, r.amp = amp, r.freq = freq, r.seed = seed, r.top = hex(top), r.bottom = hex(bottom), r.haze = haze;
    return r;
}
Ridge mountains(double base, double amp, double freq, uint32_t seed, uint32_t top, uint32_t bottom, double haze,
                double snowLine = 0) {
    Ridge r = hills(base, amp, freq, seed, top, bottom, haze);
    r.shape = RidgeShape::Mountains;
    r.snowLine = snowLine;
    r.snow = hex(0xF4F1EA);
    return r;
}
Ridge dunes(double base, double amp, double freq, uint32_t seed, uint32_t top, uint32_t bottom, double haze = 0) {
    Ridge r = hills(base, amp, freq, seed, top, bottom, haze);
    r.shape = RidgeShape::Dunes;
    return r;
}
Ridge water(double line, uint32_t top, uint32_t bottom) {
    Ridge r = hills(line, 0, 1, 1, top, bottom);
    r.shape = RidgeShape::Water;
    return r;
}
Ridge tilted(Ridge r, double tilt) {
    r.tilt = tilt;
    return r;
}

Scene base(uint32_t seed) {
    Scene s;
    s.seed = seed;
    s.skyTop = hex(0x3F78BE);
    s.skyHorizon = hex(0xF2DDB0);
    return s;
}

double topAt(const std::vector<double>& t, double x) { return t[std::clamp(int(x), 0, int(t.size()) - 1)]; }

// Water let into the ground: the scenery's flowing water shows through it.
// A fall: a band a little wider at its foot, softest at its sides.
void fall(cairo_t* cr, double x, double top, double bottom, double width) {
    cairo_move_to(cr, x - width / 2, top);
    cairo_line_to(cr, x + width / 2, top);
    cairo_line_to(cr, x + width * 0.65, bottom);
    cairo_line_to(cr, x - width * 0.65, bottom);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - width * 0.65, 0, x + width * 0.65, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.93, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.25, 0.88, 0.95, 1, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.75, 0.88, 0.95, 1, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.93, 1, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A brook winding through the given points (at least two), widening as it comes nearer.
void brook(cairo_t* cr, std::initializer_list<std::pair<double, double>> points, double width, Rgb colour) {
    std::vector<std::pair<double, double>> p(points);
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        double mx = (p[i].first + p[i + 1].first) / 2;
        cairo_move_to(cr, p[i].first, p[i].second);
        cairo_curve_to(cr, mx, p[i].second, mx, p[i + 1].second, p[i + 1].first, p[i + 1].second);
        setColor(cr, colour);
        cairo_set_line_width(cr, width * (0.7 + 0.3 * double(i + 1) / double(p.size())));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void pool(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    setColor(cr, colour);
    cairo_fill(cr);
}

Scene scene(int n) {
    Scene s = base(uint32_t(n) + 1);
    switch (n) {
    case 0:  // River meadow in spring
        s.ridges = {mountains(300, 90, 1.2, 3, 0x7C8FB0, 0x9AAAC0, 0.45), hills(360, 50, 1.4, 4, 0x6E9A44, 0x4C7A2E, 0.15),
                    water(430, 0x4A90B8, 0x2E5E80), tilted(hills(470, 40, 1.1, 6, 0x7DAE48, 0x3E6A24), -60)};
        s.props = [](cairo_t* cr, const auto& t) {
            for (int i = 0; i < 5; ++i) props::tree(cr, 560 + i * 55, topAt(t[3], 560 + i * 55) + 8, 70 - i * 4, pal::leaf, 10 + i);
            props::tree(cr, 60, topAt(t[3], 60) + 10, 90, hex(0x5A8A30), 3);
            birds(cr, 420, 120, 1.2, 5, 2);
        };
        break;
    case 1:  // Sea cliffs with a lighthouse
        s.skyTop = hex(0x2F6CB0);
        s.ridges = {water(360, 0x2F7FA8, 0x164A6A), tilted(hills(330, 70, 1.3, 8, 0x8C8270, 0x5C5040), 180),
                    hills(520, 30, 1.5, 9, 0x6A9A3C, 0x3A5A22)};
        s.ridges[1].shape = RidgeShape::Cliff;
        s.props = [](cairo_t* cr, const auto& t) {
            props::lighthouse(cr, 690, topAt(t[1], 690) + 6, 1.3);
            props::rock(cr, 120, 410, 80, 40, pal::stone, 4);
            birds(cr, 300, 150, 1.0, 6, 5);
        };
        break;
    case 2:  // Desert pyramids in the afternoon
        s.skyTop = hex(0x4E86C0);
        s.skyHorizon = hex(0xF8DDA0);
        s.clouds = 0.15;
        s.ridges = {dunes(360, 30, 1.0, 11, 0xE0B878, 0xC89A5C, 0.3), dunes(420, 40, 1.4, 12, 0xE8C088, 0xB8844C),
                    dunes(520, 50, 0.9, 13, 0xF0CC90, 0xA8703C)};
        s.poolTop = hex(0x3AA8B0);
        s.poolBottom = hex(0x1A6A78);
        s.pools = [](cairo_t* cr, const auto&) { pool(cr, 215, 556, 120, 20, hex(0x4AA8B0)); };
        s.props = [](cairo_t* cr, const auto& t) {
            props::pyramid(cr, 560, topAt(t[0], 560) + 12, 220, hex(0xD8B070));
            props::pyramid(cr, 700, topAt(t[0], 700) + 14, 140, hex(0xD0A868));
            props::palm(cr, 90, topAt(t[2], 90) + 6, 150, 0.25);
        };
        break;
    case 3:  // Forest lake in the morning
        s.skyTop = hex(0x5A90C8);
        s.ridges = {mountains(290, 80, 1.5, 14, 0x6E86A8, 0x8898B0, 0.5), hills(350, 40, 2.0, 15, 0x3E6A3A, 0x2E4E2A, 0.2),
                    water(390, 0x3E88A8, 0x1E4A60), tilted(hills(520, 50, 1.3, 16, 0x5E8E34, 0x2C4A1C), 50)};
        s.falls = [](cairo_t* cr, const auto& t) { fall(cr, 468, topAt(t[1], 468) + 4, 394, 16); };
        s.props = [](cairo_t* cr, const auto& t) {
            for (int i = 0; i < 14; ++i) props::pine(cr, 20 + i * 58, topAt(t[1], 20 + i * 58) + 10, 60 + (i * 37) % 25, hex(0x2E5A30));
            props::pine(cr, 720, topAt(t[3], 720) + 10, 170, hex(0x2A5028));
            props::pine(cr, 60, topAt(t[3], 60) + 10, 150, hex(0x2A5028));
        };
        break;
    case 4:  // Mountain valley, snow caps
        s.ridges = {mountains(260, 160, 1.3, 17, 0x8A96B0, 0x7A86A0, 0.3, 250),
                    mountains(360, 100, 1.7, 18, 0x6C7C70, 0x55664A, 0.15, 300), hills(470, 50, 1.2, 19, 0x6E9E40, 0x3A6224)};
        s.poolTop = hex(0x5A98B8);
        s.poolBottom = hex(0x2A5A78);
        s.falls = [](cairo_t* cr, const auto& t) { fall(cr, 330, topAt(t[1], 330) + 20, topAt(t[2], 330) + 10, 22); };
        s.pools = [](cairo_t* cr, const auto& t) {
            double y = topAt(t[2], 330) + 8;
            brook(cr, {{330, y}, {420, y + 40}, {560, y + 70}, {820, y + 95}}, 26, hex(0x6AA8C8));
        };
        s.props = [](cairo_t* cr, const auto& t) {
            for (int i = 0; i < 4; ++i) props::pine(cr, 640 + i * 40, topAt(t[2], 640 + i * 40) + 8, 90, hex(0x2E5A30));
            birds(cr, 250, 140, 1.1, 4, 9);
        };
        break;
    case 5:  // Tropical lagoon
        s.skyTop = hex(0x2A8AD0);
        s.skyHorizon = hex(0xE6F2E8);
        s.ridges = {water(380, 0x2AB0C0, 0x117888), hills(430, 25, 0.9, 20, 0xF0DCA0, 0xD8BC80)};
        s.props = [](cairo_t* cr, const auto& t) {
            props::palm(cr, 640, topAt(t[1], 640) + 6, 240, -0.3);
            props::palm(cr, 720, topAt(t[1], 720) + 6, 200, -0.2);
            props::palm(cr, 80, topAt(t[1], 80) + 6, 180, 0.25);
            props::chest(cr, 180, topAt(t[1], 180) + 20, 0.9);
            props::ship(cr, 420, 388, 0.6);
        };
        break;
    case 6:  // Autumn hills with a windmill
        s.skyTop = hex(0x5282BC);
        s.skyHorizon = hex(0xF6D8A8);
        s.ridges = {hills(330, 50, 1.3, 21, 0xA08A60, 0x8A7A58, 0.45), hills(400, 60, 1.6, 22, 0xB87A30, 0x8A5424, 0.1),
                    tilted(hills(500, 40, 1.2, 23, 0xC89A40, 0x7A4E20), 80)};
        s.poolTop = hex(0x5A88A0);
        s.poolBottom = hex(0x2E4A5A);
        s.pools = [](cairo_t* cr, const auto&) {
            brook(cr, {{-10, 560}, {260, 532}, {520, 566}, {810, 548}}, 20, hex(0x6A90A0));
        };
        s.props = [](cairo_t* cr, const auto& t) {
            props::windmill(cr, 650, topAt(t[1], 650) + 6, 1.6);
            props::tree(cr, 90, topAt(t[2], 90) + 8, 110, hex(0xC8602A), 21);
            props::tree(cr, 740, topAt(t[2], 740) + 8, 90, hex(0xD8902A), 22);
        };
        break;
    case 7:  // Snowfield under pale sky
        s.skyTop = hex(0x6A96C8);
        s.skyHorizon = hex(0xEDE8E0);
        s.sunColor = hex(0xFFF4DA);
        s.ridges = {mountains(280, 150, 1.1, 24, 0xD0D8E8, 0xA8B4C8, 0.25, 400),
                    hills(420, 50, 1.4, 25, 0xE8ECF2, 0xBCC6D6), hills(520, 30, 1.2, 26, 0xF4F6FA, 0xC6CEDA)};
        s.poolTop = hex(0x7AA8C8);
        s.poolBottom = hex(0x3A6A8A);
        s.pools = [](cairo_t* cr, const auto& t) {
            double y = topAt(t[1], 0) + 40;
            brook(cr, {{-10, y}, {300, y - 12}, {520, y + 18}, {810, y + 30}}, 14, hex(0x8AB4D0));
        };
        s.props = [](cairo_t* cr, const auto& t) {
            for (int i = 0; i < 3; ++i) props::pine(cr, 60 + i * 45, topAt(t[2], 60 + i * 45) + 8, 110 - i * 15, hex(0x2E5044));
            props::castle(cr, 620, topAt(t[1], 620) + 6, 1.0, hex(0xB8B0A8), hex(0x3A5A8A));
        };
        break;
    case 8:  // Jungle temple
        s.skyTop = hex(0x4F8AB0);
        s.skyHorizon = hex(0xE2E8C0);
        s.ridges = {hills(300, 60, 2.0, 27, 0x4E7A50, 0x3E6240, 0.4), hills(380, 50, 2.5, 28, 0x2E5A2A, 0x234420, 0.1),
                    hills(520, 40, 1.5, 29, 0x3E6A26, 0x1E3A14)};
        s.poolTop = hex(0x3A8A80);
        s.poolBottom = hex(0x1A4A44);
        s.falls = [](cairo_t* cr, const auto& t) { fall(cr, 250, topAt(t[1], 250) + 4, topAt(t[2], 250) + 12, 26); };
        s.pools = [](cairo_t* cr, const auto& t) { pool(cr, 250, topAt(t[2], 250) + 20, 70, 12, hex(0x4A9A90)); };
        s.props = [](cairo_t* cr, const auto& t) {
            props::ruins(cr, 600, topAt(t[1], 600) + 14, 1.2, hex(0xA89A78));
            for (int i = 0; i < 6; ++i) props::tree(cr, 30 + i * 90, topAt(t[2], 30 + i * 90) + 12, 80, hex(0x3A7A2A), 40 + i);
        };
        break;
    case 9:  // Canyon at dusk
        s.skyTop = hex(0x3A4C8A);
        s.skyHorizon = hex(0xF4A868);
        s.sunColor = hex(0xFFC878);
        s.sunY = 140;
        s.ridges = {tilted(hills(260, 80, 1.4, 30, 0xB8603A, 0x8A4428, 0.3), -60), water(420, 0x6A78A0, 0x2A3450),
                    tilted(hills(330, 60, 1.8, 31, 0xC8703C, 0x6A3018), 200)};
        s.ridges[0].shape = RidgeShape::Cliff;
        s.ridges[2].shape = RidgeShape::Cliff;
        s.poolTop = hex(0x6A78A0);
        s.poolBottom = hex(0x2A3450);
        s.falls = [](cairo_t* cr, const auto& t) { fall(cr, 560, topAt(t[2], 560) + 8, 585, 20); };
        s.pools = [](cairo_t* cr, const auto&) { pool(cr, 560, 600, 110, 24, hex(0x7A88A8)); };
        s.props = [](cairo_t* cr, const auto&) { birds(cr, 300, 160, 1.2, 3, 7); };
        break;
    case 10:  // Castle on the hill
        s.ridges = {hills(330, 40, 1.2, 32, 0x8AA0B8, 0x9AAAB8, 0.5), hills(380, 80, 0.9, 33, 0x6E9E40, 0x4A7A2E),
                    tilted(hills(510, 40, 1.3, 34, 0x7CAE48, 0x3A6220), -40)};
        s.pools = [](cairo_t* cr, const auto&) {
            brook(cr, {{-10, 562}, {240, 546}, {520, 572}, {810, 556}}, 24, hex(0x5A9AC0));
        };
        s.props = [](cairo_t* cr, const auto& t) {
            props::castle(cr, 560, topAt(t[1], 560) + 8, 1.3, hex(0xD8C8A8), hex(0x8A3A22));
            props::tree(cr, 100, topAt(t[2], 100) + 8, 100, pal::leaf, 51);
            props::tree(cr, 720, topAt(t[2], 720) + 8, 80, pal::leaf, 52);
        };
        break;
    case 11:  // Misty marsh
        s.skyTop = hex(0x7C98B0);
        s.skyHorizon = hex(0xE8E4D4);
        s.clouds = 0.3;
        s.ridges = {hills(340, 30, 1.5, 35, 0x8A9A90, 0x9AA8A0, 0.55), water(400, 0x6A8A90, 0x3A5860),
                    hills(470, 30, 2.2, 36, 0x5A7A44, 0x34502A, 0.1)};
        s.props = [](cairo_t* cr, const auto& t) {
            for (int i = 0; i < 7; ++i) props::tree(cr, 40 + i * 120, topAt(t[2], 40 + i * 120) + 10, 60, hex(0x4A6A3A), 60 + i);
        };
        break;
    case 12:  // Volcano island at sunset
        s.skyTop = hex(0x4A3A78);
        s.skyHorizon = hex(0xF8A058);
        s.sunColor = hex(0xFFB060);
        s.ridges = {water(390, 0xB86848, 0x3A2A48), mountains(250, 110, 0.6, 37, 0x5A3A3A, 0x3A2428, 0.1)};
        s.ridges[1].base = 330;
        s.props = [](cairo_t* cr, const auto&) {
            cairo_pattern_t* g = cairo_pattern_create_radial(560, 200, 0, 560, 200, 60);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.55, 0.2, 0.5);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.5, 0.2, 0);
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
            props::ship(cr, 200, 420, 0.8);
        };
        break;
    case 13:  // Moonlit sea
        s.skyTop = hex(0x0E1836);
        s.skyHorizon = hex(0x3A4E7A);
        s.sunColor = hex(0xDDE6FF);
        s.sunGlow = 0.35;
        s.sunX = 160;
        s.sunY = 110;
        s.clouds = 0.35;
        s.cloudColor = hex(0x6E7EA8);
        s.stars = 1;
        s.ridges = {water(380, 0x1E3050, 0x0A1428), tilted(hills(470, 40, 1.2, 38, 0x2A3A3A, 0x141E20), 150)};
        s.props = [](cairo_t* cr, const auto& t) {
            cairo_arc(cr, 160, 110, 34, 0, 2 * M_PI);
            cairo_pattern_t* g = cairo_pattern_create_radial(150, 100, 5, 160, 110, 34);
            cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.95);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.82, 0.84, 0.9);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            props::lighthouse(cr, 700, topAt(t[1], 700) + 6, 1.2);
        };
        break;
    case 14:  // Rocky coast with a wreck
        s.skyTop = hex(0x4A78A8);
        s.ridges = {water(370, 0x3A7A98, 0x1A4258), hills(480, 40, 1.6, 39, 0xD8C090, 0xA88858)};
        s.props = [](cairo_t* cr, const auto& t) {
            props::rock(cr, 600, 400, 160, 90, pal::stone, 11);
            props::rock(cr, 700, 410, 100, 60, hex(0x7A7060), 12);
            props::rock(cr, 140, topAt(t[1], 140) + 10, 120, 60, pal::stone, 13);
            cairo_save(cr);
            cairo_translate(cr, 380, 470);
            cairo_rotate(cr, -0.35);
            props::ship(cr, 0, 0, 0.9);
            cairo_restore(cr);
        };
        break;
    case 15:  // Main menu: treasure island, calm on the left where the menu stands
        s.skyTop = hex(0x3A70B8);
        s.skyHorizon = hex(0xF6DCA8);
        s.clouds = 0.4;
        s.ridges = {water(370, 0x2E8AB0, 0x114A6A), hills(330, 60, 0.5, 41, 0x5E8E3A, 0x3A6224)};
        s.ridges[1].tilt = 300;  // the island rises on the right only
        s.ridges[1].base = 470;
        s.props = [](cairo_t* cr, const auto& t) {
            props::castle(cr, 640, topAt(t[1], 640) + 6, 1.1, hex(0xE0D0B0), hex(0x8A3A22));
            props::palm(cr, 560, topAt(t[1], 560) + 6, 150, -0.2);
            props::palm(cr, 760, topAt(t[1], 760) + 6, 170, -0.3);
            props::chest(cr, 660, topAt(t[1], 660) + 60, 1.2);
            props::ship(cr, 330, 385, 0.7);
            birds(cr, 520, 130, 1.3, 5, 15);
        };
        break;
    case 16:  // Sunset sea with a galleon
        s.skyTop = hex(0x3A4A90);
        s.skyHorizon = hex(0xFFB870);
        s.sunColor = hex(0xFFC070);
        s.sunY = 250;
        s.ridges = {water(340, 0xC0784A, 0x2A2A50)};
        s.props = [](cairo_t* cr, const auto&) {
            props::ship(cr, 520, 360, 1.5);
            birds(cr, 300, 170, 1.3, 6, 16);
        };
        break;
    default:  // 17: the trophy grotto (trophy_room.cpp), open on a waterfall
        s.skyTop = hex(0x6AA8C8);
        s.skyHorizon = hex(0xDDEFE6);
        s.clouds = 0.2;
        s.vignette = 0.25;
        s.ridges = {hills(300, 50, 1.5, 43, 0x5E8E4A, 0x46703A, 0.3), water(360, 0x5AA8C0, 0x2A6A80)};
        s.falls = [](cairo_t* cr, const auto&) { fall(cr, room::kFallX, room::kFallTop, room::kFallBottom, room::kFallWidth); };
        s.props = [](cairo_t* cr, const auto&) { room::paintRoom(cr); };
        break;
    }
    return s;
}

}  // namespace

void paintLandscape(Sink& sink, int number) {
    Scene s = scene(number);
    sink.put("AnimBacks/_a_back" + std::to_string(number) + ".jpg", paintScene(s), Format::AlphaJpegPicture);
    paintLandscapeScenery(sink, number, s);
    // The room's layout belongs with the painting that shows its shelves.
    if (number == 17) sink.putBytes("trophyes/trophy.cfg", room::layoutFile());
}

}  // namespace art
