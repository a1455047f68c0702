// The particle atlas "exploanim.tga": 8 x 8 cells of 64 px, numbered row by
// row from the top left. Sprites are tinted by their effect's colours, so
// most cells are white or neutral; the colour fades with the alpha so a
// cell works both added and alpha-blended. Cells 10, 12, 30, 33 and 40 are
// drawn by the game directly (sparkle, bomb glow, tile glow, bonus spark,
// flame glow). Effects blend added sprites as colour times colour, so the
// glow cells store the square root of their intensity in the colour.
#include "gem.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>
#include <functional>

namespace art {

namespace {

const int kCell = 64;

// Per-texel cell: f(dx, dy) in -1..1 returns intensity; colour tints it.
void field(Image& img, int n, Rgb c, const std::function<double(double, double)>& f) {
    int ox = (n % 8) * kCell, oy = (n / 8) * kCell;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            double dx = (x + 0.5 - 32) / 32, dy = (y + 0.5 - 32) / 32;
            double v = std::clamp(f(dx, dy), 0.0, 1.0);
            // Keep a clear border so neighbouring cells never bleed in.
            v *= smoothstep(1.0, 0.94, std::max(std::abs(dx), std::abs(dy)));
            uint8_t* p = img.at(ox + x, oy + y);
            // Added sprites are blended as colour times colour, which would
            // square the fall-off away: the colour carries its square root.
            double lit = std::sqrt(v);
            p[0] = uint8_t(std::lround(255 * c.r * lit));
            p[1] = uint8_t(std::lround(255 * c.g * lit));
            p[2] = uint8_t(std::lround(255 * c.b * lit));
            p[3] = uint8_t(std::lround(255 * v));
        }
}

// A soft glow that reaches nothing at the cell's inscribed circle, so large
// sprites never show the square of their cell.
double glow(double dx, double dy, double k) {
    double r = std::hypot(dx, dy);
    return std::exp(-r * r * k) * smoothstep(1.0, 0.55, r);
}

double star(double dx, double dy, int points, double sharp, double k) {
    double a = std::atan2(dy, dx), r = std::hypot(dx, dy);
    double ray = std::pow(std::abs(std::cos(a * points / 2.0)), sharp);
    return glow(dx, dy, k * 3) + ray * std::exp(-r * 3.2) * (1 - r);
}

double ring(double dx, double dy, double radius, double width) {
    double r = std::hypot(dx, dy);
    return std::exp(-std::pow((r - radius) / width, 2));
}

double puff(double dx, double dy, uint32_t seed) {
    double r = std::hypot(dx, dy);
    double n = fbm(dx * 2.5 + 5, dy * 2.5 + 5, 3, seed);
    return smoothstep(0.95, 0.35, r + (n - 0.5) * 0.6) * (0.55 + 0.45 * n);
}

void shapeCell(Image& img, int n, const std::function<void(cairo_t*)>& draw) {
    Canvas c(kCell, kCell);
    draw(c.cr());
    Image cell = c.image();
    int ox = (n % 8) * kCell, oy = (n / 8) * kCell;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const uint8_t* s = cell.at(x, y);
            uint8_t* d = img.at(ox + x, oy + y);
            // Colour fades with alpha, as in the glow cells.
            for (int k = 0; k < 3; ++k) d[k] = uint8_t(s[k] * s[3] / 255);
            d[3] = s[3];
        }
}

void shard(cairo_t* cr, uint32_t seed, Rgb c) {
    Rng rng(seed);
    std::vector<Pt> p;
    int k = 3 + rng.below(3);
    for (int i = 0; i < k; ++i) {
        double a = 2 * M_PI * i / k + rng.range(-0.3, 0.3), r = rng.range(14, 26);
        p.push_back({std::cos(a) * r, std::sin(a) * r * 0.7});
    }
    GemPose pose{32, 32, 1, rng.range(0, M_PI), 1};
    drawGem(cr, p, pose, GemStyle{c, {}, 1, 0, 1});
}

}  // namespace

void paintParticles(Sink& sink) {
    Image img(512, 512);
    const Rgb white{1, 1, 1}, warm{1, 0.9, 0.7}, gold{1, 0.85, 0.45}, grey{0.8, 0.8, 0.8};
    field(img, 0, white, [](double x, double y) { return glow(x, y, 4); });
    field(img, 1, warm, [](double x, double y) { return glow(x, y, 2.5); });
    field(img, 2, white, [](double x, double y) { return glow(x, y, 40) + 0.3 * glow(x, y, 8); });
    field(img, 3, white, [](double x, double y) { return star(x, y, 4, 40, 8); });
    field(img, 4, white, [](double x, double y) { return star(x, y, 6, 30, 8); });
    field(img, 5, white, [](double x, double y) { return star(x, y, 8, 24, 8); });
    field(img, 6, white, [](double x, double y) { return ring(x, y, 0.7, 0.06); });
    field(img, 7, white, [](double x, double y) { return ring(x, y, 0.6, 0.15); });
    field(img, 8, grey, [](double x, double y) { return puff(x, y, 8); });
    field(img, 9, grey, [](double x, double y) { return puff(x, y, 9); });
    // 10: the general sparkle (stands in for overrides 25 to 38).
    field(img, 10, gold, [](double x, double y) { return star(x, y, 4, 60, 10) + 0.5 * star(x * 0.7 - y * 0.7, x * 0.7 + y * 0.7, 4, 80, 30); });
    field(img, 11, warm, [](double x, double y) {
        double w = 0.35 * (1 - (y + 1) / 2) + 0.05;
        return std::exp(-x * x / (w * w * 0.5)) * smoothstep(-0.95, -0.2, y) * smoothstep(0.95, 0.5, y);
    });
    // 12: bomb glow, hot centre.
    field(img, 12, white, [](double x, double y) { return glow(x, y, 20) + 0.6 * glow(x, y, 3.5); });
    shapeCell(img, 13, [](cairo_t* cr) { shard(cr, 13, pal::goldLight); });
    shapeCell(img, 14, [](cairo_t* cr) { shard(cr, 14, hex(0xE0E4EC)); });
    shapeCell(img, 15, [](cairo_t* cr) { shard(cr, 15, hex(0xB98A50)); });
    field(img, 16, white, [](double x, double y) { return std::exp(-y * y * 60) * smoothstep(1, 0.2, std::abs(x)); });
    shapeCell(img, 17, [](cairo_t* cr) {
        cairo_move_to(cr, 10, 40);
        cairo_curve_to(cr, 20, 10, 44, 10, 54, 24);
        cairo_curve_to(cr, 44, 44, 24, 50, 10, 40);
        setColor(cr, pal::leaf);
        cairo_fill(cr);
    });
    field(img, 18, white, [](double x, double y) { return ring(x, y, 0.6, 0.08) + 0.6 * glow(x + 0.3, y + 0.3, 30); });
    shapeCell(img, 19, [](cairo_t* cr) {
        Rng rng(19);
        cairo_move_to(cr, 32, 4);
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, 32 + rng.range(-10, 10), 4 + i * 9.3);
        setColor(cr, hex(0xFFFFFF));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
    field(img, 20, white, [](double x, double y) { return glow(x, y, 1.5) * 0.8; });
    shapeCell(img, 21, [](cairo_t* cr) {
        GemPose p{32, 32, 20, 0, 1};
        drawGem(cr, outlineCircle(24), p, GemStyle{pal::gold, {0.7}, 1.2, 0, 1});
    });
    shapeCell(img, 22, [](cairo_t* cr) {
        GemPose p{32, 32, 20, 0, 1};
        drawGem(cr, outlineStepCut(), p, GemStyle{hex(0xF0F4FF), {0.6}, 1, 0, 1});
    });
    shapeCell(img, 23, [](cairo_t* cr) {
        GemPose p{32, 32, 22, 0, 1};
        drawGem(cr, outlineHeart(), p, GemStyle{pal::red, {0.5}, 1, 0, 1});
    });
    field(img, 24, white, [](double x, double y) {
        double a = std::atan2(y, x) + M_PI / 2, r = std::hypot(x, y);
        double edge = 0.55 + 0.35 * std::cos(5 * a);
        return smoothstep(edge + 0.1, edge - 0.1, r);
    });
    // 25 to 39: variations of the basic kinds.
    for (int i = 0; i < 15; ++i) {
        int n = 25 + i;
        if (n == 30 || n == 33) continue;
        double t = i / 14.0;
        switch (i % 5) {
        case 0: field(img, n, white, [t](double x, double y) { return glow(x, y, 2 + 10 * t); }); break;
        case 1: field(img, n, white, [t](double x, double y) { return ring(x, y, 0.3 + 0.5 * t, 0.05 + 0.1 * t); }); break;
        case 2: field(img, n, white, [i](double x, double y) { return star(x, y, 4 + 2 * (i % 3), 20, 9); }); break;
        case 3: field(img, n, grey, [n](double x, double y) { return puff(x, y, uint32_t(n)); }); break;
        default: shapeCell(img, n, [n](cairo_t* cr) { shard(cr, uint32_t(n), hex(0xFFE0A0)); }); break;
        }
    }
    // 30: the tile highlight, soft square glow with rays (it turns slowly).
    field(img, 30, white, [](double x, double y) {
        double a = std::atan2(y, x), r = std::hypot(x, y);
        double sq = std::max(std::abs(x), std::abs(y));
        return 0.7 * smoothstep(0.95, 0.55, sq) * (0.6 + 0.4 * std::pow(std::abs(std::cos(4 * a)), 6)) +
               0.3 * glow(x, y, 3) * (1 - r);
    });
    // 33: the bonus spark, small bright ball with a halo.
    field(img, 33, white, [](double x, double y) { return glow(x, y, 30) + 0.45 * glow(x, y, 5); });
    // 40: the candle flame's glow, large and soft.
    field(img, 40, white, [](double x, double y) { return 0.9 * glow(x, y * 0.9, 3.2); });
    // 41 to 63: more sparks, rings, smoke and shards.
    for (int n = 41; n < 64; ++n) {
        double t = (n - 41) / 22.0;
        switch (n % 4) {
        case 0: field(img, n, warm, [t](double x, double y) { return star(x, y, 4, 10 + 50 * t, 6 + 6 * t); }); break;
        case 1: field(img, n, white, [t](double x, double y) { return ring(x, y, 0.85 - 0.4 * t, 0.04 + 0.08 * t); }); break;
        case 2: field(img, n, grey, [n](double x, double y) { return puff(x, y, uint32_t(n) * 3); }); break;
        default:
            shapeCell(img, n, [n](cairo_t* cr) {
                const Rgb c[4] = {pal::aqua, pal::lilac, pal::green, pal::orange};
                shard(cr, uint32_t(n) * 7, c[n % 4 == 3 ? (n / 4) % 4 : 0]);
            });
            break;
        }
    }
    sink.put("exploanim.tga", img, Format::Tga);
}

}  // namespace art
