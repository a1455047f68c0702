// The adventure map: the painted chart "megamap.jpg" with its winding
// trail, the path file that follows the trail, the backdrop and the marks.
#include "carving.h"
#include "gem.h"
#include "landscape.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"
#include "scenery_props.h"

#include <cmath>
#include <cstring>

namespace art {

namespace {

const int kMapW = 2048, kMapH = 1024;

// [SECTION] the trail

std::vector<Pt> trailControls() {
    // Kept 400 px from the sides and 300 px from top and bottom, so the view
    // (800 x 600 centred on the trail) never leaves the chart.
    return {{420, 520}, {560, 380}, {720, 460}, {820, 640}, {980, 690}, {1100, 540},
            {1200, 380}, {1340, 330}, {1460, 460}, {1540, 650}, {1640, 580}};
}

// Dense Catmull-Rom polyline through the controls.
std::vector<Pt> trailDense() {
    std::vector<Pt> c = trailControls();
    std::vector<Pt> out;
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        Pt p0 = c[i ? i - 1 : 0], p1 = c[i], p2 = c[i + 1], p3 = c[std::min(c.size() - 1, i + 2)];
        for (int k = 0; k < 64; ++k) {
            double t = k / 64.0, t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double cc, double d) {
                return 0.5 * (2 * b + (-a + cc) * t + (2 * a - 5 * b + 4 * cc - d) * t2 + (-a + 3 * b - 3 * cc + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(c.back());
    return out;
}

// Points every 20 units along the trail, and the trail's length.
std::vector<Pt> trailPoints(double& length) {
    std::vector<Pt> dense = trailDense();
    std::vector<Pt> pts{dense[0]};
    double carried = 0;
    length = 0;
    for (size_t i = 1; i < dense.size(); ++i) {
        Pt a = dense[i - 1], b = dense[i];
        double seg = std::hypot(b.x - a.x, b.y - a.y);
        double at = 20 - carried;
        while (at <= seg) {
            pts.push_back({a.x + (b.x - a.x) * at / seg, a.y + (b.y - a.y) * at / seg});
            at += 20;
        }
        carried = seg - (at - 20);
        length += seg;
    }
    return pts;
}

// "mapspline.spl": count, length, points, ten reserved floats. The game
// moves every point by (0, 30) after loading, so they are stored 30 above
// the painted trail (chart pixels, y down).
std::vector<uint8_t> splineFile() {
    double length = 0;
    std::vector<Pt> pts = trailPoints(length);
    std::vector<uint8_t> out;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    };
    auto putF = [&](float f) {
        uint32_t v;
        std::memcpy(&v, &f, 4);
        put32(v);
    };
    put32(uint32_t(pts.size()));
    putF(float(20.0 * (pts.size() - 1)));
    for (Pt p : pts) {
        putF(float(p.x));
        putF(float(p.y - 30));
    }
    for (int i = 0; i < 10; ++i) putF(0);
    return out;
}

// [SECTION] the chart

Image megamap() {
    std::vector<Pt> dense = trailDense();
    // Distance to the trail on a coarse grid, for the shape of the land.
    const int gs = 8, gw = kMapW / gs + 1, gh = kMapH / gs + 1;
    std::vector<float> dist(size_t(gw) * gh);
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x) {
            double best = 1e9;
            for (size_t i = 0; i < dense.size(); i += 4)
                best = std::min(best, std::hypot(dense[i].x - x * gs, dense[i].y - y * gs));
            dist[size_t(y) * gw + x] = float(best);
        }
    Image img(kMapW, kMapH);
    const Rgb sea = hex(0x9CC2BE), seaDeep = hex(0x6E9AA0), land = hex(0xD9C48E), grass = hex(0xA8B070);
    for (int y = 0; y < kMapH; ++y)
        for (int x = 0; x < kMapW; ++x) {
            double fx = double(x) / gs, fy = double(y) / gs;
            int ix = std::min(gw - 2, int(fx)), iy = std::min(gh - 2, int(fy));
            double tx = fx - ix, ty = fy - iy;
            auto at = [&](int a, int b) { return dist[size_t(b) * gw + a]; };
            double d = (at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx) * (1 - ty) +
                       (at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx) * ty;
            double n = fbm(x * 0.004, y * 0.004, 4, 91);
            double landness = 1.2 - d / 260 + (n - 0.5) * 1.1;
            double paper = fbm(x * 0.01, y * 0.01, 3, 92);
            Rgb c;
            if (landness > 0.5) {
                c = mix(land, grass, smoothstep(0.6, 1.2, landness) * 0.7);
                c = mix(c, hex(0x8A7A50), std::max(0.0, fbm(x * 0.02, y * 0.02, 2, 93) - 0.6));
                if (landness < 0.53) c = hex(0x5A3A1E);  // inked coast
            } else {
                c = mix(sea, seaDeep, smoothstep(0.5, -0.4, landness));
                if (landness > 0.42) c = mix(c, hex(0xCFE2D6), 0.5);  // shallows
                // Hatched waves.
                double w = std::sin(x * 0.09 + 4 * std::sin(y * 0.05)) * std::sin(y * 0.3);
                if (w > 0.93 && valueNoise(x * 0.02, y * 0.02, 94) > 0.55) c = scale(c, 0.8);
            }
            c = scale(c, 0.86 + 0.22 * paper);
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(std::clamp(c.r, 0.0, 1.0) * 255);
            p[1] = uint8_t(std::clamp(c.g, 0.0, 1.0) * 255);
            p[2] = uint8_t(std::clamp(c.b, 0.0, 1.0) * 255);
            p[3] = 255;
        }
    Canvas canvas(img);
    cairo_t* cr = canvas.cr();
    // Mountains and woods inked away from the trail.
    Rng rng(95);
    for (int i = 0; i < 160; ++i) {
        double x = rng.range(100, kMapW - 100), y = rng.range(100, kMapH - 100);
        double best = 1e9;
        for (size_t k = 0; k < dense.size(); k += 8) best = std::min(best, std::hypot(dense[k].x - x, dense[k].y - y));
        if (best < 70 || best > 200) continue;
        if (i % 2) {
            double s = rng.range(18, 34);
            cairo_move_to(cr, x - s, y);
            cairo_line_to(cr, x, y - s * 1.1);
            cairo_line_to(cr, x + s, y);
            cairo_close_path(cr);
            setColor(cr, hex(0xB8A070));
            cairo_fill_preserve(cr);
            setColor(cr, hex(0x5A3A1E), 0.9);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_move_to(cr, x, y - s * 1.1);
            cairo_line_to(cr, x + s * 0.3, y);
            cairo_line_to(cr, x + s, y);
            cairo_close_path(cr);
            setColor(cr, hex(0x5A3A1E), 0.3);
            cairo_fill(cr);
        } else {
            props::tree(cr, x, y, rng.range(26, 38), hex(0x6E8A44), uint32_t(i));
        }
    }
    // The trail: dashed ink.
    cairo_new_path(cr);
    for (size_t i = 0; i < dense.size(); ++i) (i ? cairo_line_to : cairo_move_to)(cr, dense[i].x, dense[i].y);
    const double dash[2] = {14, 9};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, hex(0x8A2A18), 0.9);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // The X at the end.
    Pt end = dense.back();
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, end.x - 22, end.y - 22 * s);
        cairo_line_to(cr, end.x + 22, end.y + 22 * s);
    }
    setColor(cr, hex(0xA01E10));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    // No compass is painted: the map lays its own compass over the view.
    // Burnt edges of the chart.
    cairo_rectangle(cr, 0, 0, kMapW, kMapH);
    cairo_set_line_width(cr, 40);
    setColor(cr, hex(0x5A3A1E), 0.5);
    cairo_stroke(cr);
    return canvas.image();
}

// [SECTION] backdrop and marks

Image mapBackdrop() {
    Scene s;
    s.skyTop = hex(0x2E1A0C);
    s.skyHorizon = hex(0x6B4220);
    s.horizon = 600;
    s.sunGlow = 0.15;
    s.sunColor = hex(0xC89A5A);
    s.clouds = 0;
    s.skyAlpha = 255;
    s.vignette = 0.6;
    s.props = [](cairo_t* cr, const auto&) {
        // Planks of the chart table.
        for (int i = 0; i < 6; ++i) {
            cairo_rectangle(cr, 0, i * 100, 800, 100);
            woodFill(cr, 0, i * 100, 800, 100, uint32_t(30 + i), i % 2 ? pal::wood : mix(pal::wood, pal::woodDark, 0.3));
            cairo_move_to(cr, 0, i * 100 + 0.5);
            cairo_line_to(cr, 800, i * 100 + 0.5);
            setColor(cr, pal::woodDeep);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
        cairo_pattern_t* g = cairo_pattern_create_radial(400, 300, 100, 400, 300, 520);
        cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.6);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    };
    Image img = paintScene(s);
    return img;
}

Image chartFrame() {
    // Frame laid over the chart's view: gold rim, ornate corners, clear middle.
    Canvas canvas(512, 512);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 10, 10, 492, 492, 30);
    cairo_set_line_width(cr, 22);
    setColor(cr, pal::woodDark);
    cairo_stroke(cr);
    roundedRect(cr, 10, 10, 492, 492, 30);
    goldRim(cr, 6);
    // No boss in the upper left: the map's "Back" button stands there.
    for (int i = 1; i < 4; ++i) boss(cr, i % 2 ? 482 : 30, i / 2 ? 482 : 30, 18, pal::red);
    return canvas.image();
}

Image compassRose() {
    Canvas canvas(256, 256);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 128, 128, 110, 0, 2 * M_PI);
    setColor(cr, pal::parchLight, 0.6);
    cairo_fill_preserve(cr);
    goldRim(cr, 4);
    GemPose a{128, 128, 120, 0, 1};
    drawGem(cr, outlineStar(4, 0.22), a, GemStyle{pal::gold, {}, 2, 0.3, 1});
    GemPose b{128, 128, 80, M_PI / 4, 1};
    drawGem(cr, outlineStar(4, 0.3), b, GemStyle{hex(0x8A2A18), {}, 1.5, 0, 1});
    return canvas.image();
}

Image startMark() {
    // An anchor in a ring: where the voyage begins.
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 64, 64, 56, 0, 2 * M_PI);
    setColor(cr, pal::parchLight, 0.9);
    cairo_fill_preserve(cr);
    goldRim(cr, 5);
    cairo_arc(cr, 64, 34, 8, 0, 2 * M_PI);
    cairo_move_to(cr, 64, 42);
    cairo_line_to(cr, 64, 96);
    cairo_move_to(cr, 44, 52);
    cairo_line_to(cr, 84, 52);
    cairo_move_to(cr, 36, 78);
    cairo_curve_to(cr, 40, 96, 56, 100, 64, 100);
    cairo_curve_to(cr, 72, 100, 88, 96, 92, 78);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    setColor(cr, hex(0x4A5A6A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    return canvas.image();
}

Image levelMark() {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 16, 16, 10, 0, 2 * M_PI);
    setColor(cr, pal::parchLight);
    cairo_fill_preserve(cr);
    goldRim(cr, 2.5);
    cairo_arc(cr, 16, 16, 3.5, 0, 2 * M_PI);
    setColor(cr, hex(0x8A2A18));
    cairo_fill(cr);
    return canvas.image();
}

Image stageMark() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 32, 32, 28, 0, 2 * M_PI);
    goldRim(cr, 5);
    for (int i = 0; i < 4; ++i) {
        double a = M_PI / 4 + M_PI / 2 * i;
        boss(cr, 32 + 28 * std::cos(a), 32 + 28 * std::sin(a), 4.5, pal::red);
    }
    return canvas.image();
}

Image star() {
    Canvas canvas(32, 32);
    GemPose p{16, 16, 15, 0, 1};
    drawGem(canvas.cr(), outlineStar(5, 0.45), p, GemStyle{pal::yellow, {0.45}, 1.2, 0.3, 1});
    return canvas.image();
}

}  // namespace

void paintMap(Sink& sink) {
    sink.put("megamap.jpg", megamap(), Format::Jpeg);
    sink.put("mapback.jpg", mapBackdrop(), Format::Jpeg);
    sink.put("mapback1.tga", chartFrame(), Format::Tga);
    sink.put("mapback2.tga", compassRose(), Format::Tga);
    sink.put("_a_mapstart.jpg", startMark(), Format::AlphaJpeg);
    sink.put("maplevelmark.tga", levelMark(), Format::Tga);
    sink.put("mapstagemark.tga", stageMark(), Format::Tga);
    sink.put("mapstar.tga", star(), Format::Tga);
    sink.putBytes("mapspline.spl", splineFile());
}

}  // namespace art
