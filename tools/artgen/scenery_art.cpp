// [SECTION] drawing helpers
// [SECTION] sky and water of one landscape
// [SECTION] glows, falling water, spray
// [SECTION] branches and reeds
// [SECTION] front pieces and the 3D objects' textures
#include "scenery_art.h"

#include "noise.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art {

namespace {

// [SECTION] drawing helpers

struct Pt {
    double x = 0, y = 0;
};

// A cubic curve: stems, ribs and blades follow one.
struct Curve {
    Pt p0, p1, p2, p3;
    Pt at(double t) const {
        double u = 1 - t;
        double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
    }
    // Unit tangent.
    Pt dir(double t) const {
        Pt a = at(std::max(0.0, t - 0.01)), b = at(std::min(1.0, t + 0.01));
        double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
        return l > 0 ? Pt{dx / l, dy / l} : Pt{1, 0};
    }
};

// A tapering band along the curve, lit on its upper side.
void band(cairo_t* cr, const Curve& c, double w0, double w1, Rgb colour) {
    const int n = 32;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i <= n; ++i) {
            int k = side ? n - i : i;
            double t = double(k) / n, w = (w0 + (w1 - w0) * t) / 2;
            Pt p = c.at(t), d = c.dir(t);
            double s = side ? -1 : 1;
            double x = p.x - d.y * w * s, y = p.y + d.x * w * s;
            if (i == 0 && side == 0) cairo_move_to(cr, x, y);
            else cairo_line_to(cr, x, y);
        }
    cairo_close_path(cr);
    Pt a = c.at(0.5);
    cairo_pattern_t* g = cairo_pattern_create_linear(a.x, a.y - w0, a.x, a.y + w0);
    addStop(g, 0, mix(colour, hex(0xFFF0C0), 0.35));
    addStop(g, 0.5, colour);
    addStop(g, 1, scale(colour, 0.55));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// One leaf from its stalk at (x, y) pointing along angle, lit from the upper left.
void leaf(cairo_t* cr, double x, double y, double angle, double len, double wid, Rgb c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -wid, len * 0.75, -wid * 0.8, len, 0);
    cairo_curve_to(cr, len * 0.75, wid * 0.8, len * 0.3, wid, 0, 0);
    cairo_close_path(cr);
    double light = 0.5 - 0.5 * std::sin(angle + 0.8); // faces turned up-left catch the light
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -wid, 0, wid);
    addStop(g, 0, mix(c, hex(0xF4F0B0), 0.15 + 0.3 * light));
    addStop(g, 1, scale(c, 0.62 + 0.2 * light));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, 1, 0);
    cairo_line_to(cr, len * 0.85, 0);
    setColor(cr, scale(c, 0.5), 0.6);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A fine line of one needle or grass blade.
void needle(cairo_t* cr, Pt a, Pt b, double width, Rgb base, Rgb tip) {
    cairo_pattern_t* g = cairo_pattern_create_linear(a.x, a.y, b.x, b.y);
    addStop(g, 0, base);
    addStop(g, 1, tip);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
}

uint8_t byteOf(double v) { return uint8_t(std::clamp(v * 255 + 0.5, 0.0, 255.0)); }

void put(Image& img, int x, int y, Rgb c, double alpha = 1) {
    uint8_t* p = img.at(x, y);
    p[0] = byteOf(c.r), p[1] = byteOf(c.g), p[2] = byteOf(c.b), p[3] = byteOf(alpha);
}

// [SECTION] sky and water of one landscape

// The sky behind the painting's clear parts. One texture width stands for 1200
// screen units (the texture keeps its aspect over the full 800 x 600 screen)
// and its height for the screen's 600; it repeats sideways. The sun's glow is
// not in it: the glow stays where the sun is while the clouds move.
Image paintSky(const Scene& s, uint32_t seed) {
    const int W = 512, H = 256;
    const double unitsAcross = 1200, period = 8;
    Image img(W, H);
    Rng rng(seed * 977 + 13);
    for (int ty = 0; ty < H; ++ty)
        for (int tx = 0; tx < W; ++tx) {
            double x = tx * unitsAcross / W, y = ty * 600.0 / H;
            double t = std::clamp(y / s.horizon, 0.0, 1.0);
            Rgb c = mix(s.skyTop, s.skyHorizon, std::pow(t, 1.4));
            if (s.clouds > 0) {
                double cx = x / unitsAcross * period;
                double v = tileFbm(cx, y * 0.0175, int(period), 4096, 5, seed * 7 + 3);
                double below = tileFbm(cx, (y + 9) * 0.0175, int(period), 4096, 5, seed * 7 + 3);
                double dens = smoothstep(0.5, 0.78, v) * s.clouds * (1 - 0.6 * t);
                Rgb cc = mix(s.cloudColor, scale(s.cloudColor, 0.72), smoothstep(0.0, 0.12, v - below));
                c = mix(c, cc, dens);
            }
            if (s.stars > 0 && y < s.horizon && rng.uniform() < 0.008 * s.stars * (1 - y / s.horizon))
                c = mix(c, hex(0xFFFFFF), rng.range(0.4, 1.0));
            put(img, tx, ty, c);
        }
    return img;
}

// Ripples stretched sideways, darker troughs and glints of the sky, at one
// texel per screen unit; repeats both ways.
Image paintWater(Rgb top, Rgb bottom, Rgb sky, uint32_t seed) {
    const int N = 256;
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double u = double(x) / N, v = double(y) / N;
            double n = tileFbm(u * 2, v * 8, 2, 8, 4, seed);
            double g = tileFbm(u * 4, v * 16, 4, 16, 3, seed + 50);
            Rgb c = mix(top, bottom, 0.45);
            c = mix(c, scale(bottom, 0.78), smoothstep(0.45, 0.2, n) * 0.7);
            c = mix(c, mix(sky, hex(0xFFFFFF), 0.3), smoothstep(0.6, 0.86, n) * 0.6);
            c = mix(c, hex(0xFFFFFF), smoothstep(0.74, 0.9, g) * 0.45);
            put(img, x, y, c);
        }
    return img;
}

}  // namespace

void paintLandscapeScenery(Sink& sink, int number, const Scene& s) {
    uint32_t seed = uint32_t(number) * 31 + 7;
    sink.put("sky" + std::to_string(number) + ".jpg", paintSky(s, seed), Format::Jpeg);
    Rgb top = s.poolTop, bottom = s.poolBottom;
    for (const Ridge& r : s.ridges)
        if (r.shape == RidgeShape::Water) {
            top = r.top;
            bottom = r.bottom;
        }
    sink.put("water" + std::to_string(number) + ".jpg", paintWater(top, bottom, s.skyHorizon, seed + 1), Format::Jpeg);
}

namespace {

// [SECTION] glows, falling water, spray

// The glow of the sun (or moon) over a quad 1000 units across: as strong as
// the painter's own glow at its centre, gone at its edge.
Image paintGlow(Rgb colour, double strength) {
    const int N = 256;
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double r = std::hypot(x + 0.5 - N / 2.0, y + 0.5 - N / 2.0) / (N / 2.0);
            double d = r * 500;
            double a = strength * std::exp(-d / 140) + 0.25 * strength * std::exp(-d / 420);
            put(img, x, y, colour, std::min(1.0, a) * smoothstep(1.0, 0.75, r));
        }
    return img;
}

// Streaks of falling water and foam, repeating both ways.
Image paintWaterfall() {
    const int W = 128, H = 256;
    Image img(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            double u = double(x) / W, v = double(y) / H;
            double n = tileFbm(u * 10, v * 2, 10, 2, 4, 901);
            double f = tileFbm(u * 6, v * 6, 6, 6, 3, 902);
            Rgb c = mix(hex(0x5E8EA8), hex(0xE8F6FF), smoothstep(0.3, 0.72, n));
            c = mix(c, hex(0xFFFFFF), smoothstep(0.62, 0.8, f) * 0.6);
            put(img, x, y, c);
        }
    return img;
}

// A sparkle: a soft core with four fine rays.
Image paintSpray() {
    const int N = 64;
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double dx = (x + 0.5 - N / 2.0) / (N / 2.0), dy = (y + 0.5 - N / 2.0) / (N / 2.0);
            double r = std::hypot(dx, dy);
            double core = std::exp(-r * r * 9);
            double rays = std::exp(-std::fabs(dx) * 28) * std::pow(std::max(0.0, 1 - std::fabs(dy)), 2) +
                          std::exp(-std::fabs(dy) * 28) * std::pow(std::max(0.0, 1 - std::fabs(dx)), 2);
            double a = std::min(1.0, core + 0.7 * rays) * smoothstep(1.0, 0.85, r);
            put(img, x, y, hex(0xF0F8FF), a);
        }
    return img;
}

// [SECTION] branches and reeds
// Every swaying piece hangs from the middle of its left edge: the game turns
// it about that point.

struct LeafStyle {
    Rgb leaf, dark;
    double length, width;
};

Image leafyBranch(int w, int h, LeafStyle style, uint32_t seed, bool autumn) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    double mid = h / 2.0;
    Curve stem{{0, mid}, {w * 0.3, mid + h * 0.12}, {w * 0.62, mid - h * 0.02}, {w * 0.9, mid - h * 0.1}};
    band(cr, stem, h * 0.07, h * 0.015, pal::woodDark);
    // Twigs off the stem, alternately up and down.
    std::vector<Curve> twigs;
    for (int i = 0; i < 10; ++i) {
        double t = 0.16 + 0.085 * i;
        Pt p = stem.at(t), d = stem.dir(t);
        double side = i % 2 ? 1 : -1, len = w * rng.range(0.12, 0.2) * (1.1 - 0.5 * t);
        double a = std::atan2(d.y, d.x) + side * rng.range(0.5, 0.9);
        Pt e{p.x + std::cos(a) * len, std::clamp(p.y + std::sin(a) * len, h * 0.14, h * 0.86)};
        twigs.push_back({p, {p.x + d.x * len * 0.4, p.y + d.y * len * 0.4}, {e.x - std::cos(a) * len * 0.3, e.y}, e});
        band(cr, twigs.back(), h * 0.025, h * 0.008, pal::woodDark);
    }
    twigs.push_back({stem.at(0.3), stem.at(0.5), stem.at(0.7), stem.at(0.8)});
    twigs.push_back({stem.at(0.75), stem.at(0.82), stem.at(0.92), stem.at(1.0)});
    // Shadowed leaves first, lit ones over them.
    for (int pass = 0; pass < 2; ++pass) {
        Rng lr(seed + 7);
        for (const Curve& twig : twigs)
            for (int k = 0; k < 13; ++k) {
                double t = 0.15 + 0.85 * k / 12.0;
                Pt p = twig.at(t), d = twig.dir(t);
                double a = std::atan2(d.y, d.x) + lr.range(-1.6, 1.6);
                double len = style.length * lr.range(0.75, 1.15), wid = style.width * lr.range(0.8, 1.1);
                Rgb c = style.leaf;
                if (autumn) c = mix(hex(0xD8902A), hex(0xB8421E), lr.uniform());
                double jitter = lr.range(0.85, 1.1);
                // Keep every leaf inside the picture, clear of its edges.
                double ex = p.x + std::cos(a) * len, ey = p.y + std::sin(a) * len;
                if (ex > w - 6 || ey < 6 || ey > h - 6) a = std::atan2(d.y, d.x), len *= 0.6;
                if (pass == 0)
                    leaf(cr, p.x + 2, p.y + 3, a, len, wid, style.dark);
                else
                    leaf(cr, p.x, p.y, a, len * 0.95, wid * 0.92, scale(c, jitter));
            }
    }
    return canvas.image();
}

Image needleBranch(int w, int h, bool snow, uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    double mid = h / 2.0;
    Curve stem{{0, mid}, {w * 0.35, mid + h * 0.1}, {w * 0.65, mid + h * 0.06}, {w * 0.93, mid - h * 0.04}};
    Rgb needles = hex(0x2F5A34), tips = hex(0x5E9050);
    for (int i = 0; i < 160; ++i) {
        double t = 0.04 + 0.96 * i / 159.0;
        Pt p = stem.at(t), d = stem.dir(t);
        double base = std::atan2(d.y, d.x), len = h * (0.34 - 0.16 * t) * rng.range(0.8, 1.1);
        for (double side : {-1.0, 1.0}) {
            double a = base + side * rng.range(0.7, 1.25);
            Pt e{p.x + std::cos(a) * len, std::clamp(p.y + std::sin(a) * len, 4.0, h - 4.0)};
            needle(cr, p, e, 2.0, scale(needles, 0.8), side < 0 ? tips : needles);
        }
    }
    band(cr, stem, h * 0.05, h * 0.012, pal::woodDark);
    if (snow)
        for (int i = 0; i < 22; ++i) {
            double t = 0.06 + 0.9 * i / 21.0;
            Pt p = stem.at(t);
            double r = h * (0.06 - 0.025 * t) * rng.range(0.7, 1.2);
            double y = p.y - h * (0.06 - 0.02 * t) + rng.range(-4, 6);
            cairo_arc(cr, p.x + rng.range(-6, 6), y, r * 1.5, M_PI, 2 * M_PI);
            cairo_close_path(cr);
            cairo_pattern_t* g = cairo_pattern_create_linear(0, y - r * 1.6, 0, y);
            addStop(g, 0, hex(0xFFFFFF));
            addStop(g, 1, hex(0xC8D6E8));
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
    return canvas.image();
}

Image palmFrond(int w, int h, uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    double mid = h / 2.0;
    Curve rib{{0, mid}, {w * 0.3, mid - h * 0.28}, {w * 0.7, mid - h * 0.22}, {w * 0.96, mid + h * 0.2}};
    // Narrow leaflets on both sides, swept back and drooping, far side darker.
    for (double side : {1.0, -1.0})
        for (int i = 0; i < 30; ++i) {
            double t = 0.08 + 0.9 * i / 29.0;
            Pt p = rib.at(t), d = rib.dir(t);
            double len = h * 0.4 * std::pow(std::sin(M_PI * std::min(0.95, t * 0.85 + 0.1)), 0.7) * rng.range(0.85, 1.05);
            double a = std::atan2(d.y, d.x) + side * 0.75;
            Pt e{p.x + std::cos(a) * len, p.y + std::sin(a) * len + len * 0.5};
            e.y = std::clamp(e.y, 4.0, h - 4.0);
            e.x = std::min(e.x, w - 4.0);
            Curve leaflet{p, {p.x + std::cos(a) * len * 0.45, p.y + std::sin(a) * len * 0.45}, {e.x - 4, e.y - len * 0.2}, e};
            band(cr, leaflet, h * 0.028, 0.6, side < 0 ? hex(0x64A23A) : hex(0x3A6A22));
        }
    band(cr, rib, h * 0.04, h * 0.012, hex(0x8A7A38));
    return canvas.image();
}

Image vine(int w, int h, uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    double mid = h / 2.0;
    Curve stem{{0, mid}, {w * 0.33, mid - h * 0.15}, {w * 0.66, mid + h * 0.15}, {w * 0.97, mid}};
    band(cr, stem, 5, 2, hex(0x4A5A24));
    for (int i = 0; i < 22; ++i) {
        double t = 0.05 + 0.93 * i / 21.0;
        Pt p = stem.at(t), d = stem.dir(t);
        double side = i % 2 ? 1 : -1;
        double a = std::atan2(d.y, d.x) + side * rng.range(1.0, 1.5);
        double len = h * 0.34 * rng.range(0.8, 1.1) * (1.1 - 0.4 * t);
        leaf(cr, p.x + 2, p.y + 2, a, len, len * 0.42, hex(0x1E3A14));
        leaf(cr, p.x, p.y, a, len, len * 0.4, mix(hex(0x4E8A2E), hex(0x6AA03A), rng.uniform()));
    }
    return canvas.image();
}

Image reeds(int w, int h, uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    double mid = h / 2.0;
    for (int i = 0; i < 15; ++i) {
        double spread = rng.range(-0.42, 0.42) * h, len = w * rng.range(0.55, 0.96);
        Pt a{0, mid + rng.range(-6, 6)};
        Pt e{len, mid + spread};
        Curve blade{a, {len * 0.4, a.y}, {len * 0.75, mid + spread * 0.7}, e};
        band(cr, blade, 10, 0.8, mix(hex(0x6A7A34), hex(0x8A9A44), rng.uniform()));
        if (i % 4 == 1) {
            Pt c = blade.at(0.72), d = blade.dir(0.72);
            cairo_save(cr);
            cairo_translate(cr, c.x, c.y);
            cairo_rotate(cr, std::atan2(d.y, d.x));
            roundedRect(cr, -16, -5, 32, 10, 5);
            cairo_pattern_t* g = cairo_pattern_create_linear(0, -5, 0, 5);
            addStop(g, 0, hex(0x9A6A3A));
            addStop(g, 1, hex(0x4A2A14));
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            cairo_restore(cr);
        }
    }
    return canvas.image();
}

// [SECTION] front pieces and the 3D objects' textures

// Grass and small flowers rising from the bottom edge.
Image flowers(int w, int h, uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    Rng rng(seed);
    for (int i = 0; i < 140; ++i) {
        double x = rng.range(8, w - 8), len = h * rng.range(0.25, 0.7);
        double lean = rng.range(-0.35, 0.35);
        Pt b{x, double(h)}, e{x + lean * len, h - len};
        needle(cr, b, e, rng.range(1.5, 2.6), hex(0x2E5A20), mix(hex(0x5E9A36), hex(0x8AB848), rng.uniform()));
    }
    const Rgb petals[] = {hex(0xF8F4E8), hex(0xF8D848), hex(0xE88AB0), hex(0xB890E8)};
    for (int i = 0; i < 16; ++i) {
        double x = rng.range(16, w - 16), y = h * rng.range(0.3, 0.62), r = rng.range(4, 7);
        Rgb c = petals[rng.below(4)];
        for (int k = 0; k < 5; ++k) {
            double a = k * 2 * M_PI / 5 + i;
            cairo_arc(cr, x + std::cos(a) * r * 0.8, y + std::sin(a) * r * 0.8, r * 0.6, 0, 2 * M_PI);
            setColor(cr, c);
            cairo_fill(cr);
        }
        cairo_arc(cr, x, y, r * 0.4, 0, 2 * M_PI);
        setColor(cr, hex(0xE0A020));
        cairo_fill(cr);
    }
    return canvas.image();
}

Image plainTexture(Rgb a, Rgb b, double stretch, uint32_t seed) {
    const int N = 64;
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double n = tileFbm(x / 64.0 * 2, y / 64.0 * 2 * stretch, 2, int(2 * stretch), 3, seed);
            put(img, x, y, mix(a, b, n));
        }
    return img;
}

}  // namespace

void paintSceneryPictures(Sink& sink) {
    sink.put("_a_sunwarm.jpg", paintGlow(hex(0xFFEDB3), 0.6), Format::AlphaJpeg);
    sink.put("_a_sunpale.jpg", paintGlow(hex(0xFFF4DA), 0.6), Format::AlphaJpeg);
    sink.put("_a_sunset.jpg", paintGlow(hex(0xFFBE6A), 0.6), Format::AlphaJpeg);
    sink.put("_a_moonglow.jpg", paintGlow(hex(0xDDE6FF), 0.35), Format::AlphaJpeg);
    sink.put("waterfall.jpg", paintWaterfall(), Format::Jpeg);
    sink.put("_a_spray.jpg", paintSpray(), Format::AlphaJpeg);
    sink.put("_a_oakbranch.jpg", leafyBranch(512, 256, {pal::leaf, hex(0x1C3414), 34, 12}, 11, false), Format::AlphaJpeg);
    sink.put("_a_autumnbranch.jpg", leafyBranch(512, 256, {pal::leaf, hex(0x4A2410), 30, 13}, 12, true), Format::AlphaJpeg);
    sink.put("_a_pinebranch.jpg", needleBranch(512, 256, false, 13), Format::AlphaJpeg);
    sink.put("_a_snowbranch.jpg", needleBranch(512, 256, true, 14), Format::AlphaJpeg);
    sink.put("_a_palmfrond.jpg", palmFrond(512, 256, 15), Format::AlphaJpeg);
    sink.put("_a_vine.jpg", vine(512, 128, 16), Format::AlphaJpeg);
    sink.put("_a_reeds.jpg", reeds(256, 128, 17), Format::AlphaJpeg);
    sink.put("_a_flowers.jpg", flowers(256, 128, 18), Format::AlphaJpeg);
    sink.put("wood.jpg", plainTexture(pal::woodDark, pal::woodLight, 4, 19), Format::Jpeg);
    sink.put("metal.jpg", plainTexture(hex(0x5A5E66), hex(0xB8BCC4), 1, 20), Format::Jpeg);
}

}  // namespace art
