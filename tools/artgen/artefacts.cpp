// The stages' treasures: the artefact pictures (256 x 256, shown whole and
// through the ten fragment masks), the ten fragment covers and masks, the
// stand-in picture for a missing fragment, and the small medallions of the map.
#include "carving.h"
#include "gem.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"
#include "treasures.h"

#include <cmath>
#include <cstdio>

namespace art {

namespace {

const int kArt = 256;
const int kFragments = 10;

// Dark velvet with a gold frame: the display case every treasure lies in.
void velvet(cairo_t* cr, int s, Rgb cloth) {
    cairo_pattern_t* g = cairo_pattern_create_radial(s * 0.4, s * 0.35, s * 0.05, s * 0.5, s * 0.5, s * 0.75);
    addStop(g, 0, mix(cloth, hex(0xFFFFFF), 0.15));
    addStop(g, 1, scale(cloth, 0.3));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    roundedRect(cr, s * 0.03, s * 0.03, s * 0.94, s * 0.94, s * 0.06);
    goldRim(cr, s * 0.025);
}

Image artefact(int n) {
    Canvas canvas(kArt, kArt);
    const Rgb cloth[3] = {hex(0x6A1420), hex(0x14305A), hex(0x1E4A2A)};
    velvet(canvas.cr(), kArt, cloth[n % 3]);
    drawTreasure(canvas.cr(), n, kArt / 2.0, kArt / 2.0, kArt * 0.78);
    return canvas.image();
}

void medallion(cairo_t* cr, double s) {
    cairo_arc(cr, s / 2, s / 2, s * 0.45, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(s * 0.4, s * 0.35, 1, s / 2, s / 2, s * 0.45);
    addStop(g, 0, pal::parchLight);
    addStop(g, 1, pal::parchDark);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    goldRim(cr, s * 0.06);
}

Image smallArtefact(int n) {
    Canvas canvas(64, 64);
    medallion(canvas.cr(), 64);
    drawTreasure(canvas.cr(), n, 32, 32, 46);
    return canvas.image();
}

Image unknownArtefact() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    medallion(cr, 64);
    // A keyhole: the treasure is still locked away.
    cairo_arc(cr, 32, 26, 8, 0, 2 * M_PI);
    cairo_move_to(cr, 27, 28);
    cairo_line_to(cr, 37, 28);
    cairo_line_to(cr, 40, 46);
    cairo_line_to(cr, 24, 46);
    cairo_close_path(cr);
    setColor(cr, hex(0x1A0E06), 0.85);
    cairo_fill(cr);
    return canvas.image();
}

// Ten jigsaw regions: nearest of ten seeds, with wavy borders.
std::vector<uint8_t> regions() {
    Rng rng(2024);
    Pt seeds[kFragments];
    for (int i = 0; i < kFragments; ++i) {
        // A jittered 4-3-3 layout keeps the pieces of similar size.
        int row = i < 4 ? 0 : (i < 7 ? 1 : 2);
        int col = i < 4 ? i : (i < 7 ? i - 4 : i - 7);
        int cols = row == 0 ? 4 : 3;
        seeds[i] = {(col + 0.5) / cols * kArt + rng.range(-15, 15), (row + 0.5) / 3 * kArt + rng.range(-15, 15)};
    }
    std::vector<uint8_t> owner(size_t(kArt) * kArt);
    for (int y = 0; y < kArt; ++y)
        for (int x = 0; x < kArt; ++x) {
            double wx = x + 10 * (valueNoise(x * 0.04, y * 0.04, 7) - 0.5);
            double wy = y + 10 * (valueNoise(x * 0.04, y * 0.04, 8) - 0.5);
            int best = 0;
            double bd = 1e18;
            for (int i = 0; i < kFragments; ++i) {
                double d = std::pow(wx - seeds[i].x, 2) + std::pow(wy - seeds[i].y, 2);
                if (d < bd) bd = d, best = i;
            }
            owner[size_t(y) * kArt + x] = uint8_t(best);
        }
    return owner;
}

Image mask(const std::vector<uint8_t>& owner, int i) {
    // The game reads the blue byte; grey keeps the picture readable too.
    Image img(kArt, kArt);
    for (size_t p = 0; p < owner.size(); ++p) {
        uint8_t v = owner[p] == i ? 255 : 0;
        img.px[p * 4] = img.px[p * 4 + 1] = img.px[p * 4 + 2] = v;
        img.px[p * 4 + 3] = 255;
    }
    return img;
}

bool onBorder(const std::vector<uint8_t>& owner, int x, int y) {
    uint8_t o = owner[size_t(y) * kArt + x];
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= kArt || ny >= kArt) continue;
            if (owner[size_t(ny) * kArt + nx] != o) return true;
        }
    return false;
}

Image cover(const std::vector<uint8_t>& owner, int i) {
    // The colour of fragment i: an aged parchment piece edged in gold.
    Image img(kArt, kArt);
    for (int y = 0; y < kArt; ++y)
        for (int x = 0; x < kArt; ++x) {
            double n = fbm(x * 0.03, y * 0.03, 3, 50 + i);
            Rgb c = mix(pal::parchDark, pal::parchLight, 0.3 + 0.6 * n);
            if (onBorder(owner, x, y)) c = pal::gold;
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(c.r * 255);
            p[1] = uint8_t(c.g * 255);
            p[2] = uint8_t(c.b * 255);
            p[3] = 255;
        }
    return img;
}

Image standInPicture() {
    Image img(kArt, kArt);
    for (int y = 0; y < kArt; ++y)
        for (int x = 0; x < kArt; ++x) {
            double n = fbm(x * 0.03, y * 0.03, 3, 77);
            Rgb c = mix(pal::parchDark, pal::parchLight, 0.3 + 0.6 * n);
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(c.r * 255);
            p[1] = uint8_t(c.g * 255);
            p[2] = uint8_t(c.b * 255);
            p[3] = 255;
        }
    Canvas canvas(img);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 8, 8, 240, 240, 16);
    goldRim(cr, 6);
    return canvas.image();
}

std::string twoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

void paintArtefacts(Sink& sink) {
    for (int n = 0; n < kTreasureCount; ++n) {
        sink.put("artefacts/art" + twoDigits(n) + ".jpg", artefact(n), Format::Jpeg);
        sink.put("smallart" + twoDigits(n) + ".tga", smallArtefact(n), Format::Tga);
    }
    sink.put("mapartefact_q.tga", unknownArtefact(), Format::Tga);
    std::vector<uint8_t> owner = regions();
    for (int i = 0; i < kFragments; ++i) {
        sink.put("mask/mask" + std::to_string(i + 1) + ".tga", mask(owner, i), Format::Tga);
        sink.put("mask/cover" + std::to_string(i + 1) + ".tga", cover(owner, i), Format::Tga);
    }
    sink.put("mask/zaglushka.jpg", standInPicture(), Format::Jpeg);
}

}  // namespace art
