#include "gem.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// Direction towards the light, on screen (y down): the upper left.
const double kLightX = -0.6, kLightY = -0.8;

Pt lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

}  // namespace

std::vector<Pt> outlineCircle(int points) {
    std::vector<Pt> p;
    for (int i = 0; i < points; ++i) {
        double a = -M_PI / 2 + 2 * M_PI * i / points;
        p.push_back({std::cos(a), std::sin(a)});
    }
    return p;
}

std::vector<Pt> outlineTeardrop() {
    std::vector<Pt> p;
    const int n = 48;
    for (int i = 0; i < n; ++i) {
        double t = 2 * M_PI * i / n;  // 0 = tip at the top
        // Round bottom, pointed top: x = sin t * (1 - cos t)/2 style drop.
        double x = 0.78 * std::sin(t) * std::pow(std::sin(t / 2), 0.9);
        double y = -std::cos(t);
        p.push_back({x * 1.15, y * 1.0 + 0.05});
    }
    return p;
}

std::vector<Pt> outlineStepCut() {
    const double a = 0.92, c = 0.2;
    return {{-a + c, -a}, {a - c, -a}, {a, -a + c}, {a, a - c},
            {a - c, a},   {-a + c, a}, {-a, a - c}, {-a, -a + c}};
}

std::vector<Pt> outlineHexagon() {
    std::vector<Pt> p;
    for (int i = 0; i < 6; ++i) {
        double a = -M_PI / 2 + M_PI / 3 * i;
        p.push_back({0.98 * std::cos(a), 0.98 * std::sin(a)});
    }
    return p;
}

std::vector<Pt> outlineKite() {
    return {{0, -1.08}, {0.86, -0.1}, {0, 1.08}, {-0.86, -0.1}};
}

std::vector<Pt> outlineHeart() {
    std::vector<Pt> p;
    const int n = 56;
    for (int i = 0; i < n; ++i) {
        double t = 2 * M_PI * i / n;
        double x = 16 * std::pow(std::sin(t), 3);
        double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
        p.push_back({x / 16.5, -y / 16.5 + 0.1});
    }
    return p;
}

std::vector<Pt> outlineStar(int arms, double inner) {
    std::vector<Pt> p;
    for (int i = 0; i < arms * 2; ++i) {
        double a = -M_PI / 2 + M_PI * i / arms;
        double r = (i % 2) ? inner : 1.0;
        p.push_back({r * std::cos(a), r * std::sin(a) + 0.06});
    }
    return p;
}

std::vector<Pt> outlineTrillion() {
    // Three corners, sides slightly bulging, corners rounded by small arcs.
    std::vector<Pt> p;
    const int perSide = 12;
    Pt c[3];
    for (int i = 0; i < 3; ++i) {
        double a = -M_PI / 2 + 2 * M_PI / 3 * i;
        c[i] = {1.08 * std::cos(a), 1.08 * std::sin(a) + 0.12};
    }
    for (int s = 0; s < 3; ++s) {
        Pt a = c[s], b = c[(s + 1) % 3];
        Pt mid = lerp(a, b, 0.5);
        double ox = mid.x, oy = mid.y - 0.12;
        double len = std::hypot(ox, oy);
        for (int k = 0; k < perSide; ++k) {
            double t = 0.08 + 0.84 * k / (perSide - 1);
            Pt q = lerp(a, b, t);
            double bulge = 0.10 * std::sin(M_PI * t);
            p.push_back({q.x + ox / len * bulge, q.y + oy / len * bulge});
        }
    }
    return p;
}

std::vector<Pt> outlineCrown() {
    return {{-0.95, -0.62}, {-0.55, -0.05}, {-0.28, -0.82}, {0.0, -0.18}, {0.28, -0.82},
            {0.55, -0.05},  {0.95, -0.62},  {0.80, 0.55},   {0.78, 0.80}, {-0.78, 0.80},
            {-0.80, 0.55}};
}

std::vector<Pt> outlineShield() {
    std::vector<Pt> p = {{-0.85, -0.85}, {0.0, -0.70}, {0.85, -0.85}};
    const int n = 16;
    for (int i = 1; i <= n; ++i) {
        double t = double(i) / n;
        p.push_back({0.85 * (1 - t * t), -0.85 + 1.85 * std::sin(t * M_PI / 2)});
    }
    for (int i = n - 1; i >= 1; --i) {
        double t = double(i) / n;
        p.push_back({-0.85 * (1 - t * t), -0.85 + 1.85 * std::sin(t * M_PI / 2)});
    }
    return p;
}

std::vector<Pt> posed(const std::vector<Pt>& outline, const GemPose& pose) {
    std::vector<Pt> out;
    double c = std::cos(pose.angle), s = std::sin(pose.angle);
    for (Pt q : outline) {
        double x = q.x * pose.radius, y = q.y * pose.radius;
        double rx = x * c - y * s, ry = x * s + y * c;
        out.push_back({pose.cx + rx * pose.squash, pose.cy + ry});
    }
    return out;
}

void pathOf(cairo_t* cr, const std::vector<Pt>& pts) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i)
        (i ? cairo_line_to : cairo_move_to)(cr, pts[i].x, pts[i].y);
    cairo_close_path(cr);
}

void drawSoftShadow(cairo_t* cr, const std::vector<Pt>& pts, double dx, double dy, double alpha) {
    cairo_save(cr);
    for (int k = 3; k >= 1; --k) {
        double grow = k * 0.9;
        std::vector<Pt> q = pts;
        Pt mid{0, 0};
        for (Pt p : pts) mid.x += p.x / pts.size(), mid.y += p.y / pts.size();
        for (Pt& p : q) {
            double vx = p.x - mid.x, vy = p.y - mid.y, len = std::max(1e-6, std::hypot(vx, vy));
            p.x += vx / len * grow + dx;
            p.y += vy / len * grow + dy;
        }
        pathOf(cr, q);
        cairo_set_source_rgba(cr, 0, 0, 0, alpha / 3);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawGem(cairo_t* cr, const std::vector<Pt>& outline, const GemPose& pose, const GemStyle& style) {
    cairo_save(cr);
    std::vector<Pt> outer = posed(outline, pose);
    if (style.shadow > 0) drawSoftShadow(cr, outer, pose.radius * 0.07, pose.radius * 0.1, style.shadow);

    Rgb dark = scale(style.color, 0.5);
    Rgb light = mix(style.color, hex(0xFFFFFF), 0.42);
    Pt centre{pose.cx - pose.radius * 0.05 * pose.squash, pose.cy - pose.radius * 0.06};

    // Rings from the girdle inwards; the last inner outline is the table.
    std::vector<std::vector<Pt>> rings{outer};
    for (double k : style.rings) {
        std::vector<Pt> in;
        for (Pt p : outer) in.push_back(lerp(centre, p, k));
        rings.push_back(in);
    }
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        const auto& a = rings[r];
        const auto& b = rings[r + 1];
        for (size_t i = 0; i < a.size(); ++i) {
            size_t j = (i + 1) % a.size();
            double ex = a[j].x - a[i].x, ey = a[j].y - a[i].y;
            double len = std::max(1e-6, std::hypot(ex, ey));
            // Outward normal of a clockwise outline on screen.
            double nx = ey / len, ny = -ex / len;
            double tilt = 1.0 - 0.35 * r;  // inner rings face the viewer more
            double lit = 0.5 + 0.5 * style.contrast * tilt * (nx * kLightX + ny * kLightY);
            lit = std::clamp(lit + 0.08 * r, 0.0, 1.0);
            Rgb c = mix(dark, light, lit);
            cairo_move_to(cr, a[i].x, a[i].y);
            cairo_line_to(cr, a[j].x, a[j].y);
            cairo_line_to(cr, b[j].x, b[j].y);
            cairo_line_to(cr, b[i].x, b[i].y);
            cairo_close_path(cr);
            setColor(cr, c);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, style.outline * 0.375);
            cairo_stroke(cr);
        }
    }
    if (style.rings.empty()) {
        // Pyramid facets meeting at the centre (stars).
        for (size_t i = 0; i < outer.size(); ++i) {
            size_t j = (i + 1) % outer.size();
            double mx = (outer[i].x + outer[j].x) / 2 - centre.x, my = (outer[i].y + outer[j].y) / 2 - centre.y;
            double len = std::max(1e-6, std::hypot(mx, my));
            double lit = 0.5 + 0.5 * style.contrast * (mx / len * kLightX + my / len * kLightY);
            setColor(cr, mix(dark, light, std::clamp(lit, 0.0, 1.0)));
            cairo_move_to(cr, centre.x, centre.y);
            cairo_line_to(cr, outer[i].x, outer[i].y);
            cairo_line_to(cr, outer[j].x, outer[j].y);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, style.outline * 0.375);
            cairo_stroke(cr);
        }
    } else {
        // The table: a bright face with a gradient towards the lower right.
        const auto& table = rings.back();
        pathOf(cr, table);
        double r = pose.radius;
        cairo_pattern_t* g = cairo_pattern_create_linear(centre.x - r * 0.6, centre.y - r * 0.6,
                                                         centre.x + r * 0.6, centre.y + r * 0.6);
        addStop(g, 0, mix(style.color, hex(0xFFFFFF), 0.55));
        addStop(g, 0.55, style.color);
        addStop(g, 1, scale(style.color, 0.75));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }

    // Soft highlight in the upper left.
    {
        double r = pose.radius;
        double hx = pose.cx - r * 0.38 * pose.squash, hy = pose.cy - r * 0.42;
        cairo_save(cr);
        pathOf(cr, outer);
        cairo_clip(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(hx, hy, 0, hx, hy, r * 0.45);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.75);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
    }

    // Ink outline so the silhouette reads over any background.
    pathOf(cr, outer);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, hex(0x1A0E06), 0.9);
    cairo_set_line_width(cr, style.outline);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawGlint(cairo_t* cr, const std::vector<Pt>& pts, double cx, double cy, double radius,
               double position, double strength) {
    cairo_save(cr);
    pathOf(cr, pts);
    cairo_clip(cr);
    // Band perpendicular to the light direction, moving from upper left to lower right.
    double d = position * radius * 1.5;
    double bx = cx + d * 0.7071, by = cy + d * 0.7071;
    double w = radius * 0.35;
    cairo_pattern_t* g = cairo_pattern_create_linear(bx - w * 0.7071, by - w * 0.7071, bx + w * 0.7071, by + w * 0.7071);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void drawSparkle(cairo_t* cr, double x, double y, double size, double alpha) {
    if (alpha <= 0 || size <= 0) return;
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, size * 0.6);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, size * 0.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha);
    double t = size * 0.09;
    for (int k = 0; k < 2; ++k) {
        double ax = k ? 0 : size, ay = k ? size : 0;
        double px = k ? t : 0, py = k ? 0 : t;
        cairo_move_to(cr, x - ax, y - ay);
        cairo_line_to(cr, x + px, y + py);
        cairo_line_to(cr, x + ax, y + ay);
        cairo_line_to(cr, x - px, y - py);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace art
