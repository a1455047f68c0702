#include "landscape.h"

#include "noise.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

double ridgeTop(const Ridge& r, double x, int w) {
    double u = x / w * r.freq;
    double n;
    switch (r.shape) {
    case RidgeShape::Mountains: {
        double a = 1 - std::abs(2 * fbm(u * 2.2, r.seed * 0.37, 4, r.seed) - 1);
        n = a * a * 1.6 - 0.4;
        break;
    }
    case RidgeShape::Dunes: n = 0.5 * std::sin(u * 6.0 + r.seed) + 0.5 * fbm(u * 1.5, 0.3, 2, r.seed) - 0.25; break;
    case RidgeShape::Flat:
    case RidgeShape::Water: n = 0; break;
    case RidgeShape::Cliff: n = fbm(u * 3, 0.5, 3, r.seed) - 0.5; break;
    default: n = fbm(u * 1.6, r.seed * 0.11, 3, r.seed) - 0.5; break;
    }
    return r.base - r.amp * n - r.tilt * (x / w - 0.5);
}

Rgb skyAt(const Scene& s, double x, double y, const std::vector<float>& cloud, int cw, int ch) {
    double t = std::clamp(y / s.horizon, 0.0, 1.0);
    Rgb c = mix(s.skyTop, s.skyHorizon, std::pow(t, 1.4));
    double d = std::hypot(x - s.sunX, (y - s.sunY) * 1.2);
    double glow = s.sunGlow * std::exp(-d / 140.0) + 0.25 * s.sunGlow * std::exp(-d / 420.0);
    c = mix(c, s.sunColor, std::min(1.0, glow));
    if (s.clouds > 0) {
        // Bilinear lookup of the coarse cloud field.
        double fx = x / s.w * (cw - 1), fy = y / s.h * (ch - 1);
        int ix = std::min(cw - 2, int(fx)), iy = std::min(ch - 2, int(fy));
        double tx = fx - ix, ty = fy - iy;
        auto at = [&](int a, int b) { return cloud[size_t(b) * cw + a]; };
        double v = (at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx) * (1 - ty) +
                   (at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx) * ty;
        double dens = smoothstep(0.5, 0.78, v) * s.clouds * (1 - 0.6 * t);
        // Lit on the upper left, shaded underneath.
        double vy = fy + 1 < ch ? at(ix, std::min(ch - 1, iy + 2)) : v;
        Rgb cc = mix(s.cloudColor, scale(s.cloudColor, 0.72), smoothstep(0.0, 0.12, vy - v));
        c = mix(c, cc, dens);
    }
    return c;
}

}  // namespace

std::vector<std::vector<double>> ridgeTops(const Scene& s) {
    std::vector<std::vector<double>> tops(s.ridges.size(), std::vector<double>(s.w));
    for (size_t r = 0; r < s.ridges.size(); ++r)
        for (int x = 0; x < s.w; ++x) tops[r][x] = ridgeTop(s.ridges[r], x, s.w);
    return tops;
}

Image paintScene(const Scene& s) {
    const int W = s.w, H = s.h;
    // Coarse cloud field, stretched sideways.
    const int cw = W / 4 + 2, ch = H / 4 + 2;
    std::vector<float> cloud(size_t(cw) * ch);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x)
            cloud[size_t(y) * cw + x] = float(fbm(x * 0.025, y * 0.07, 5, s.seed * 7 + 3));

    std::vector<std::vector<double>> tops(s.ridges.size(), std::vector<double>(W + 4));
    for (size_t r = 0; r < s.ridges.size(); ++r)
        for (int x = 0; x < W + 4; ++x) tops[r][x] = ridgeTop(s.ridges[r], x - 2, W);

    Image colour(W, H);
    std::vector<float> mask(size_t(W) * H);
    Rng rng(s.seed * 31 + 5);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            Rgb sky = skyAt(s, x, y, cloud, cw, ch);
            Rgb c = sky;
            double alpha = s.skyAlpha / 255.0;
            // Far to near: each ridge covers what lies behind it.
            for (size_t r = 0; r < s.ridges.size(); ++r) {
                const Ridge& rg = s.ridges[r];
                double top = tops[r][x + 2];
                double cov = std::clamp(y + 1.0 - top, 0.0, 1.0);
                if (cov <= 0) continue;
                Rgb lc;
                double la = 1;
                if (rg.shape == RidgeShape::Water) {
                    // Sky mirrored in the water, broken by ripples.
                    double my = std::max(0.0, 2 * top - y);
                    Rgb refl = skyAt(s, x, my, cloud, cw, ch);
                    double depth = std::clamp((y - top) / (H - top), 0.0, 1.0);
                    double rip = valueNoise(x * 0.03, y * 0.45, s.seed + 11);
                    lc = mix(refl, rg.top, 0.35 + 0.4 * depth);
                    lc = mix(lc, rg.bottom, depth * 0.5);
                    lc = mix(lc, hex(0xFFFFFF), smoothstep(0.72, 0.9, rip) * 0.35 * (1 - depth));
                    la = s.waterAlpha / 255.0;
                } else {
                    double depth = std::clamp((y - top) / std::max(40.0, H - top), 0.0, 1.0);
                    lc = mix(rg.top, rg.bottom, std::sqrt(depth));
                    double slope = (tops[r][x] - tops[r][x + 4]) / 4.0;
                    double lit = std::clamp(0.35 * slope, -0.25, 0.25);
                    double tex = fbm(x * 0.045, y * 0.09, 2, rg.seed + 5) - 0.5;
                    lc = scale(lc, 1 + lit * std::exp(-(y - top) / 45.0) + rg.texture * tex * 2);
                    if (rg.snowLine > 0 && top < rg.snowLine && y < rg.snowLine + 25 * tex + 10 &&
                        y - top < (rg.snowLine - top) * 0.7)
                        lc = mix(lc, scale(rg.snow, 1 + lit), 0.85);
                    // Thin rim of light along the ridge line on the lit side.
                    double rim = std::exp(-(y - top) / 2.5) * std::max(0.0, slope) * 0.6;
                    lc = mix(lc, s.sunColor, std::min(0.5, rim));
                    lc = mix(lc, s.skyHorizon, rg.haze);
                }
                c = mix(c, lc, cov);
                alpha = alpha + (la - alpha) * cov;
            }
            if (s.stars > 0 && alpha < 0.5 && rng.uniform() < 0.0016 * s.stars * (1 - y / s.horizon))
                c = mix(c, hex(0xFFFFFF), rng.range(0.4, 1.0));
            // Vignette keeps the corners calm under the HUD texts.
            double vx = (x - W / 2.0) / (W / 2.0), vy = (y - H / 2.0) / (H / 2.0);
            double v = 1 - s.vignette * std::pow(std::min(1.0, (vx * vx + vy * vy) / 2), 1.5);
            c = scale(c, v);
            uint8_t* p = colour.at(x, y);
            p[0] = uint8_t(std::clamp(c.r * 255 + 0.5, 0.0, 255.0));
            p[1] = uint8_t(std::clamp(c.g * 255 + 0.5, 0.0, 255.0));
            p[2] = uint8_t(std::clamp(c.b * 255 + 0.5, 0.0, 255.0));
            p[3] = 255;
            mask[size_t(y) * W + x] = float(alpha);
        }

    std::vector<std::vector<double>> visible(tops.size());
    for (size_t r = 0; r < tops.size(); ++r) visible[r].assign(tops[r].begin() + 2, tops[r].begin() + 2 + W);
    // A layer of its own merged into colour and mask: props add to the mask,
    // water layers set it to their own value where they cover.
    auto merge = [&](const Scene::Painter& paint, double maskValue, bool addsToMask) {
        Canvas layer(W, H);
        paint(layer.cr(), visible);
        Image l = layer.image();
        for (int i = 0; i < W * H; ++i) {
            double a = l.px[size_t(i) * 4 + 3] / 255.0;
            if (a <= 0) continue;
            for (int k = 0; k < 3; ++k) {
                uint8_t& d = colour.px[size_t(i) * 4 + k];
                d = uint8_t(std::lround(d * (1 - a) + l.px[size_t(i) * 4 + k] * a));
            }
            mask[i] = float(addsToMask ? a + mask[i] * (1 - a) : maskValue * a + mask[i] * (1 - a));
        }
    };
    if (s.pools) merge(s.pools, s.waterAlpha / 255.0, false);
    if (s.falls) merge(s.falls, s.fallAlpha / 255.0, false);
    if (s.props) merge(s.props, 0, true);
    for (int i = 0; i < W * H; ++i) colour.px[size_t(i) * 4 + 3] = uint8_t(std::lround(mask[i] * 255));
    return colour;
}

}  // namespace art
