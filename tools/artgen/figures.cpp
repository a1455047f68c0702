// The eight figure strips: 8 x 4 frames of 64 px, frame 0 idle, then a
// lively loop that returns to the idle pose. Each jewel has its own
// silhouette so the kinds stay apart without colour.
#include "gem.h"
#include "painters.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace art {

namespace {

const int kCell = 64;
const int kFrames = 32;

double easeInOut(double t) { return 0.5 - 0.5 * std::cos(M_PI * t); }

struct FigureKind {
    const char* file;
    Rgb color;
    std::vector<Pt> outline;
    std::vector<double> rings;
    double radius;
    // Pose of frame t in [0, 1); t = 0 must give the idle pose.
    std::function<void(double t, GemPose&)> move;
};

// Two quick beats, then rest.
double heartbeat(double t) {
    auto bump = [](double x, double at, double w) {
        double d = (x - at) / w;
        return std::exp(-d * d);
    };
    return bump(t, 0.22, 0.07) + 0.7 * bump(t, 0.42, 0.07);
}

void drawCoin(cairo_t* cr, const GemPose& pose, double glint) {
    Rgb c = pal::yellow;
    double r = pose.radius;
    double sx = pose.squash;
    cairo_save(cr);
    // Coin edge shows when the coin turns.
    double edge = (1 - sx) * r * 0.22;
    std::vector<Pt> circle = outlineCircle(64);
    GemPose p = pose;
    drawSoftShadow(cr, posed(circle, p), r * 0.07 + edge, r * 0.1, 0.35);
    if (edge > 0.3) {
        GemPose back = pose;
        back.cx += edge;
        pathOf(cr, posed(circle, back));
        setColor(cr, pal::goldDark);
        cairo_fill(cr);
    }
    cairo_translate(cr, pose.cx, pose.cy);
    cairo_scale(cr, sx, 1);
    // Face with rim.
    cairo_pattern_t* g = cairo_pattern_create_linear(-r, -r, r, r);
    addStop(g, 0, pal::goldLight);
    addStop(g, 0.45, c);
    addStop(g, 1, pal::goldMid);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Inner field, sunk: lit from the lower right.
    g = cairo_pattern_create_linear(-r, -r, r, r);
    addStop(g, 0, pal::goldMid);
    addStop(g, 1, pal::goldLight);
    cairo_arc(cr, 0, 0, r * 0.76, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_arc(cr, 0, 0, r * 0.70, 0, 2 * M_PI);
    setColor(cr, c);
    cairo_fill(cr);
    cairo_restore(cr);
    // Embossed star stamped on the face.
    GemPose star = pose;
    star.radius = r * 0.55;
    star.cy += r * -0.02;
    GemStyle st{mix(c, pal::goldLight, 0.3), {}, 0.8, 0, 1.2};
    drawGem(cr, outlineStar(5, 0.45), star, st);
    // Rim dots.
    cairo_save(cr);
    for (int i = 0; i < 16; ++i) {
        double a = 2 * M_PI * i / 16;
        double x = pose.cx + std::cos(a) * r * 0.88 * sx, y = pose.cy + std::sin(a) * r * 0.88;
        cairo_arc(cr, x, y, r * 0.045, 0, 2 * M_PI);
        setColor(cr, pal::goldDark, 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    std::vector<Pt> face = posed(circle, pose);
    if (glint > -2) drawGlint(cr, face, pose.cx, pose.cy, r, glint, 0.7);
    pathOf(cr, face);
    setColor(cr, hex(0x1A0E06), 0.9);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void drawCrownDetails(cairo_t* cr, const GemPose& pose) {
    // Pearls on the three points and jewels on the band.
    std::vector<Pt> tips = posed({{-0.95, -0.62}, {-0.28, -0.82}, {0.28, -0.82}, {0.95, -0.62}}, pose);
    for (Pt p : tips) {
        double r = pose.radius * 0.13;
        cairo_pattern_t* g = cairo_pattern_create_radial(p.x - r * 0.4, p.y - r * 0.4, 0, p.x, p.y, r);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.64, 0.72);
        cairo_arc(cr, p.x, p.y, r, 0, 2 * M_PI);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        setColor(cr, hex(0x1A0E06), 0.8);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    std::vector<Pt> band = posed({{-0.8, 0.55}, {0.8, 0.55}}, pose);
    cairo_move_to(cr, band[0].x, band[0].y);
    cairo_line_to(cr, band[1].x, band[1].y);
    setColor(cr, hex(0x1A0E06), 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    std::vector<Pt> gems = posed({{-0.45, 0.28}, {0.0, 0.26}, {0.45, 0.28}}, pose);
    for (size_t i = 0; i < gems.size(); ++i) {
        GemPose gp{gems[i].x, gems[i].y, pose.radius * (i == 1 ? 0.2 : 0.14), 0, pose.squash};
        GemStyle st{i == 1 ? hex(0x8FA6C8) : hex(0xB9C3D6), {0.5}, 0.8, 0, 1};
        drawGem(cr, outlineCircle(12), gp, st);
    }
}

std::vector<FigureKind> kinds() {
    auto still = [](double, GemPose&) {};
    (void)still;
    return {
        {"aqua", pal::aqua, outlineTeardrop(), {0.52}, 26,
         [](double t, GemPose& p) { p.angle = 0.16 * std::sin(2 * M_PI * t); }},
        {"blue", pal::blue, outlineStepCut(), {0.78, 0.56}, 27,
         [](double t, GemPose& p) {
             p.angle = 0.06 * std::sin(2 * M_PI * t);
             p.radius *= 1 + 0.04 * std::sin(M_PI * t);
         }},
        {"green", pal::green, outlineKite(), {0.56}, 28,
         [](double t, GemPose& p) {
             // A half turn about the long axis: the kite narrows and widens.
             p.squash = 0.55 + 0.45 * std::abs(std::cos(M_PI * t));
         }},
        {"red", pal::red, outlineHeart(), {0.5}, 27,
         [](double t, GemPose& p) { p.radius *= 1 + 0.1 * heartbeat(t); }},
        {"orange", pal::orange, outlineStar(5, 0.47), {0.42}, 29,
         [](double t, GemPose& p) { p.angle = 2 * M_PI / 5 * easeInOut(t); }},
        {"lilac", pal::lilac, outlineTrillion(), {0.52}, 28,
         [](double t, GemPose& p) { p.angle = 2 * M_PI / 3 * easeInOut(t); }},
        {"white", pal::white, outlineCrown(), {0.6}, 27,
         [](double t, GemPose& p) {
             p.cy -= 3.5 * std::abs(std::sin(2 * M_PI * t));
             p.angle = 0.1 * std::sin(2 * M_PI * t);
         }},
        {"yellow", pal::yellow, outlineCircle(64), {}, 25,
         [](double t, GemPose& p) {
             double c = std::cos(2 * M_PI * t);
             p.squash = std::max(0.08, std::abs(c));
         }},
    };
}

// Largest reach of the jewel from its cell centre over the whole loop.
double reach(const FigureKind& k) {
    double most = 0;
    for (int f = 0; f < kFrames; ++f) {
        GemPose pose{0, 0, k.radius, 0, 1};
        k.move(double(f) / kFrames, pose);
        for (Pt p : posed(k.outline, pose)) most = std::max({most, std::abs(p.x), std::abs(p.y)});
    }
    return most;
}

Image paintStrip(FigureKind k) {
    // Keep every frame, its shadow and its outline clear of the cell edge,
    // or the filtered sprite picks up its neighbour.
    const double room = kCell / 2.0 - 6;
    double extent = reach(k) * (std::string(k.file) == "white" ? 1.12 : 1.0);
    if (extent > room) k.radius *= room / extent;
    Canvas canvas(kCell * 8, kCell * 4);
    cairo_t* cr = canvas.cr();
    bool isCoin = std::string(k.file) == "yellow";
    bool isCrown = std::string(k.file) == "white";
    for (int f = 0; f < kFrames; ++f) {
        double t = double(f) / kFrames;
        GemPose pose{kCell * (f % 8) + kCell / 2.0, kCell * (f / 8) + kCell / 2.0, k.radius, 0, 1};
        k.move(t, pose);
        // Glint crosses during the first half of the loop.
        double glint = (f >= 1 && f <= 15) ? -1.1 + 2.2 * (f - 1) / 14.0 : -9;
        cairo_save(cr);
        cairo_rectangle(cr, kCell * (f % 8), kCell * (f / 8), kCell, kCell);
        cairo_clip(cr);
        if (isCoin) {
            drawCoin(cr, pose, glint);
        } else {
            GemStyle style{k.color, k.rings, 1.6, 0.35, isCrown ? 0.8 : 1.0};
            drawGem(cr, k.outline, pose, style);
            if (isCrown) drawCrownDetails(cr, pose);
            if (glint > -2) drawGlint(cr, posed(k.outline, pose), pose.cx, pose.cy, pose.radius, glint);
        }
        // A twinkle on the upper-left facet once the glint has passed.
        if (f >= 14 && f <= 24) {
            double s = std::sin(M_PI * (f - 14) / 10.0);
            drawSparkle(cr, pose.cx - pose.radius * 0.42 * pose.squash, pose.cy - pose.radius * 0.45,
                        9 * s, 0.95 * s);
        }
        cairo_restore(cr);
    }
    return canvas.image();
}

}  // namespace

void paintFigures(Sink& sink) {
    for (const FigureKind& k : kinds()) sink.put(std::string("figures/") + k.file + ".tga", paintStrip(k), Format::Tga);
}

}  // namespace art
