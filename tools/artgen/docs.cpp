#include "docs.h"

#include "image.h"
#include "noise.h"

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <map>
#include <memory>

namespace art {

namespace {

// [SECTION] helpers

const Image* find(const std::vector<Sink::Entry>& pictures, const std::string& path) {
    for (const auto& e : pictures)
        if (e.path == path) return &e.image;
    return nullptr;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = 0; i * 8 < w; ++i) {
            double v = ((i + j) % 2) ? 0.42 : 0.55;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

// Draws img scaled into the box (x, y, w, h), keeping its aspect.
void drawFit(cairo_t* cr, const Image& img, double x, double y, double w, double h) {
    Canvas src(img);
    double k = std::min(w / img.w, h / img.h);
    double dw = img.w * k, dh = img.h * k;
    cairo_save(cr);
    cairo_translate(cr, x + (w - dw) / 2, y + (h - dh) / 2);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, src.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void label(cairo_t* cr, const std::string& text, double cx, double y, double size, double r = 1, double g = 1,
           double b = 1) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, y);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_show_text(cr, text.c_str());
}

bool savePng(const Canvas& c, const std::string& path) {
    cairo_surface_flush(c.surface());
    return cairo_surface_write_to_png(c.surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

// [SECTION] contact sheet

bool contactSheet(const std::vector<Sink::Entry>& pictures, const std::string& path) {
    const int cols = 10, boxW = 150, boxH = 112, cellW = 164, cellH = 140;
    int rows = int((pictures.size() + cols - 1) / cols);
    Canvas sheet(cols * cellW + 16, rows * cellH + 56);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.13, 0.09, 0.06);
    cairo_paint(cr);
    label(cr, "Amberwick pictures (" + std::to_string(pictures.size()) + "), scaled; checkers show transparency",
          sheet.width() / 2.0, 32, 18, 1, 0.85, 0.5);
    for (size_t i = 0; i < pictures.size(); ++i) {
        double x = 8 + (i % cols) * cellW + (cellW - boxW) / 2.0, y = 48 + (i / cols) * cellH;
        const Image& img = pictures[i].image;
        checkerboard(cr, x, y, boxW, boxH);
        drawFit(cr, img, x, y, boxW, boxH);
        std::string name = pictures[i].path;
        label(cr, name, x + boxW / 2.0, y + boxH + 12, 9.5);
        label(cr, std::to_string(img.w) + " x " + std::to_string(img.h), x + boxW / 2.0, y + boxH + 23, 8.5, 0.8,
              0.7, 0.5);
    }
    return savePng(sheet, path);
}

// [SECTION] figure sheets

const char* kFigures[] = {"aqua", "blue", "green", "red", "orange", "lilac", "white", "yellow"};

bool figureSheet(const std::vector<Sink::Entry>& pictures, const std::string& path, bool grey) {
    // Frame 0 large, then every fourth frame of the loop.
    const int big = 96, small = 48;
    Canvas sheet(16 + 110 + big + 8 * (small + 6) + 16, 40 + 8 * (big + 10));
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.3, 0.26, 0.2);
    cairo_paint(cr);
    label(cr, grey ? "Figures in greyscale: frame 0 and frames 4, 8, ... 28" : "Figures: frame 0 and frames 4, 8, ... 28",
          sheet.width() / 2.0, 26, 15);
    for (int k = 0; k < 8; ++k) {
        const Image* strip = find(pictures, std::string("figures/") + kFigures[k] + ".tga");
        if (!strip) continue;
        Image copy = *strip;
        if (grey)
            for (size_t i = 0; i < copy.px.size(); i += 4) {
                uint8_t l = uint8_t(std::lround(0.299 * copy.px[i] + 0.587 * copy.px[i + 1] + 0.114 * copy.px[i + 2]));
                copy.px[i] = copy.px[i + 1] = copy.px[i + 2] = l;
            }
        int cw = copy.w / 8, ch = copy.h / 4;
        double y = 40 + k * (big + 10);
        label(cr, kFigures[k], 16 + 50, y + big / 2.0 + 5, 14);
        for (int n = 0; n < 9; ++n) {
            int f = std::min(31, n * 4);
            Image cell(cw, ch);
            for (int yy = 0; yy < ch; ++yy)
                for (int xx = 0; xx < cw; ++xx)
                    std::copy_n(copy.at((f % 8) * cw + xx, (f / 8) * ch + yy), 4, cell.at(xx, yy));
            double x = n == 0 ? 16 + 110 : 16 + 110 + big + 8 + (n - 1) * (small + 6);
            double s = n == 0 ? big : small;
            drawFit(cr, cell, x, y + (big - s) / 2, s, s);
        }
    }
    return savePng(sheet, path);
}

// [SECTION] screenshot

// Draws a picture the way the game's sprite layer does: centred units (y up),
// rotated counter-clockwise by deg, with a texture rectangle.
void sprite(cairo_t* cr, const Image& img, double cx, double cy, double w, double h, double deg = 0,
            double alpha = 1, double u0 = 0, double v0 = 0, double u1 = 1, double v1 = 1) {
    Canvas src(img);
    cairo_save(cr);
    cairo_translate(cr, 400 + cx, 300 - cy);
    cairo_rotate(cr, -deg * M_PI / 180);
    double sw = (u1 - u0) * img.w, sh = (v1 - v0) * img.h;
    cairo_scale(cr, w / sw, h / sh);
    cairo_translate(cr, -sw / 2 - u0 * img.w, -sh / 2 - v0 * img.h);
    cairo_rectangle(cr, u0 * img.w, v0 * img.h, sw, sh);
    cairo_clip(cr);
    cairo_set_source_surface(cr, src.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

Image cellOf(const Image& strip, int f) {
    int cw = strip.w / 8, ch = strip.h / 4;
    Image cell(cw, ch);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) std::copy_n(strip.at((f % 8) * cw + x, (f / 8) * ch + y), 4, cell.at(x, y));
    return cell;
}

bool screenshot(const std::vector<Sink::Entry>& pictures, const std::string& path) {
    Canvas shot(800, 600);
    cairo_t* cr = shot.cr();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    if (const Image* back = find(pictures, "AnimBacks/_a_back3.jpg")) {
        // The scenery behind the painting is not drawn here; its painted sky stands in.
        Image opaque = *back;
        for (size_t i = 3; i < opaque.px.size(); i += 4) opaque.px[i] = 255;
        drawFit(cr, opaque, 0, 0, 800, 600);
        // The gameplay tint of an even level.
        cairo_set_source_rgba(cr, 0, 0, 0.0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
        cairo_set_source_rgb(cr, 0.8, 0.8, 1.0);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    if (const Image* bar = find(pictures, "_a_gamebar.jpg")) drawFit(cr, *bar, 0, 0, 128, 512);
    const Image* stick = find(pictures, "_a_candlestick.jpg");
    const Image* candle = find(pictures, "_a_candle.jpg");
    const Image* fire = find(pictures, "candlefire.tga");
    const Image* pool = find(pictures, "candlepool.tga");
    double q = 0.35;
    if (stick) sprite(cr, *stick, 336, -44, 128, 512);
    if (candle) sprite(cr, *candle, 368, -240 * q - 24, 64, 480 * (1 - q) + 32, 0, 1, 0, 0.9375 * q, 1, 1);
    if (fire) sprite(cr, *fire, 368, 232 - 480 * q, 64, 64);
    if (pool) sprite(cr, *pool, 336, -256 - 32 * (1 - q), 128 * q, 64 * q);
    if (const Image* heart = find(pictures, "heart.tga"))
        for (int i = 0; i < 3; ++i) sprite(cr, *heart, -392 + 26 * (i + 1), 81, 24, 24);
    if (const Image* h1 = find(pictures, "hammer.texture1.tga")) {
        sprite(cr, *h1, -346, -72, 64, 128);
        if (const Image* h2 = find(pictures, "hammer.texture2.tga")) {
            double c = 0.6;
            sprite(cr, *h2, -346, -136 + 64 * c, 64, 128 * c, 0, 1, 0, 1 - c, 1, 1);
        }
    }
    if (const Image* tb = find(pictures, "trophybutton.tga")) (void)tb;

    // A board of 8 columns by 9 rows, centred in the free area.
    Rng rng(7);
    const Image* tiles[3] = {find(pictures, "field/field0.tga"), find(pictures, "field/field1.tga"),
                             find(pictures, "field/field2.tga")};
    std::vector<Image> strips;
    for (const char* k : kFigures)
        if (const Image* s = find(pictures, std::string("figures/") + k + ".tga")) strips.push_back(*s);
    const Image* chain = find(pictures, "zep2.tga");
    const Image* bonus1 = find(pictures, "bonus1.tga");
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            double x = 54 * c - 243, y = 268 - 54 * r;
            int ground = (r >= 4 && r <= 6 && c >= 3 && c <= 7) ? ((r == 5 && c >= 4 && c <= 6) ? 2 : 1) : 0;
            if (tiles[ground]) sprite(cr, *tiles[ground], x, y, 56, 56, 180);
            if (!strips.empty()) {
                const Image& s = strips[rng.below(int(strips.size()))];
                int f = (r == 2 && c == 5) ? 12 : ((r == 7 && c == 2) ? 20 : 0);
                sprite(cr, cellOf(s, f), x, y, 48, 48);
            }
            if (chain && r == 8 && (c == 4 || c == 5)) sprite(cr, *chain, x, y, 70, 70, 135);
            if (bonus1 && r == 3 && c == 8) sprite(cr, *bonus1, x, y, 52, 52, 180);
        }
    // The HUD's words in a stand-in font, so the bar is judged with text on it.
    label(cr, "Score", 60, 24, 14);
    label(cr, "12450", 60, 51, 14, 1, 1, 0);
    label(cr, "Level", 60, 104, 14);
    label(cr, "7", 58, 136, 17, 1, 1, 0);
    label(cr, "Lives", 64, 190, 13);
    label(cr, "Trophies", 62, 251, 12);
    label(cr, "Menu", 62, 289, 13);
    return savePng(shot, path);
}

// [SECTION] landscapes

bool landscapeSheet(const std::vector<Sink::Entry>& pictures, const std::string& path) {
    const int cols = 6, tw = 266, th = 200;
    Canvas sheet(cols * tw, 3 * (th + 18) + 4);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.13, 0.09, 0.06);
    cairo_paint(cr);
    for (int n = 0; n < 18; ++n) {
        const Image* back = find(pictures, "AnimBacks/_a_back" + std::to_string(n) + ".jpg");
        if (!back) continue;
        // Painted colour only: the mask is shown on the contact sheet.
        Image opaque = *back;
        for (size_t i = 3; i < opaque.px.size(); i += 4) opaque.px[i] = 255;
        double x = (n % cols) * tw, y = (n / cols) * (th + 18);
        drawFit(cr, opaque, x + 2, y + 2, tw - 4, th - 4);
        label(cr, "_a_back" + std::to_string(n) + ".jpg", x + tw / 2.0, y + th + 12, 11);
    }
    return savePng(sheet, path);
}

// [SECTION] atlases at full size, with their cell grids

bool atlasSheet(const std::vector<Sink::Entry>& pictures, const std::string& path) {
    const char* names[] = {"_a_menutex.jpg", "_a_baloon.jpg", "exploanim.tga"};
    Canvas sheet(256 + 256 + 512 + 64, 560);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.3, 0.22, 0.14);
    cairo_paint(cr);
    double x = 16;
    for (const char* n : names) {
        const Image* img = find(pictures, n);
        if (!img) continue;
        checkerboard(cr, x, 30, img->w, img->h);
        drawFit(cr, *img, x, 30, img->w, img->h);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
        cairo_set_line_width(cr, 1);
        for (int gx = 0; gx <= img->w; gx += 64) {
            cairo_move_to(cr, x + gx + 0.5, 30);
            cairo_line_to(cr, x + gx + 0.5, 30 + img->h);
        }
        for (int gy = 0; gy <= img->h; gy += 64) {
            cairo_move_to(cr, x, 30 + gy + 0.5);
            cairo_line_to(cr, x + img->w, 30 + gy + 0.5);
        }
        cairo_stroke(cr);
        label(cr, n, x + img->w / 2.0, 20, 12);
        x += img->w + 16;
    }
    return savePng(sheet, path);
}

}  // namespace

bool writeDocs(const std::vector<Sink::Entry>& pictures, const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = contactSheet(pictures, dir + "/contact-sheet.png");
    ok = figureSheet(pictures, dir + "/figures.png", false) && ok;
    ok = figureSheet(pictures, dir + "/figures-grey.png", true) && ok;
    ok = screenshot(pictures, dir + "/board-screenshot.png") && ok;
    ok = landscapeSheet(pictures, dir + "/landscapes.png") && ok;
    ok = atlasSheet(pictures, dir + "/atlases.png") && ok;
    return ok;
}

}  // namespace art
