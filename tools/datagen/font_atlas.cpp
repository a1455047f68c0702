#include "font_atlas.h"

#include "code_page.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace aw::datagen {

namespace {

// Room kept free on every side of a cell: the outline and shadow need two
// pixels, and bilinear filtering reads one texel across the cell edge.
constexpr int kMargin = 1;
constexpr int kHalo = 2;

struct Face {
    stbtt_fontinfo info{};
    bool ok = false;
    bool load(const std::vector<uint8_t>& bytes) {
        if (bytes.empty()) return false;
        int offset = stbtt_GetFontOffsetForIndex(bytes.data(), 0);
        ok = offset >= 0 && stbtt_InitFont(&info, bytes.data(), offset) != 0;
        return ok;
    }
};

struct GlyphRef {
    const Face* face = nullptr;
    int glyph = 0;
    float scale = 0;
};

GlyphRef findGlyph(const Face& main, const Face& fallback, char32_t cp, float emPixels) {
    if (main.ok) {
        if (int g = stbtt_FindGlyphIndex(&main.info, static_cast<int>(cp)))
            return {&main, g, stbtt_ScaleForMappingEmToPixels(&main.info, emPixels)};
    }
    if (fallback.ok) {
        if (int g = stbtt_FindGlyphIndex(&fallback.info, static_cast<int>(cp)))
            return {&fallback, g, stbtt_ScaleForMappingEmToPixels(&fallback.info, emPixels)};
    }
    return {};
}

// One rendered glyph, placed in a cell-sized coverage buffer.
struct CellGlyph {
    std::vector<float> coverage = std::vector<float>(kCellSize * kCellSize, 0.f);
    float advance = 0;
    bool fits = true;
};

// The glyph's advance box is centred in the cell (the game centres each glyph
// quad on the middle of its advance), and its baseline sits where the text
// line's middle falls on the cell's middle.
CellGlyph renderGlyph(const GlyphRef& g, float baseline) {
    CellGlyph out;
    int adv = 0, lsb = 0;
    stbtt_GetGlyphHMetrics(&g.face->info, g.glyph, &adv, &lsb);
    out.advance = adv * g.scale;
    float originX = kCellSize / 2.f - out.advance / 2.f;
    float originY = baseline;
    int ox = static_cast<int>(std::floor(originX));
    int oy = static_cast<int>(std::floor(originY));
    float shiftX = originX - ox, shiftY = originY - oy;
    int x0, y0, x1, y1;
    stbtt_GetGlyphBitmapBoxSubpixel(&g.face->info, g.glyph, g.scale, g.scale, shiftX, shiftY, &x0, &y0, &x1, &y1);
    int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) return out;
    std::vector<uint8_t> bitmap(static_cast<size_t>(w) * h);
    stbtt_MakeGlyphBitmapSubpixel(&g.face->info, bitmap.data(), w, h, w, g.scale, g.scale, shiftX, shiftY, g.glyph);
    const int lo = kMargin + kHalo, hi = kCellSize - kMargin - kHalo;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t v = bitmap[static_cast<size_t>(y) * w + x];
            if (!v) continue;
            int cx = ox + x0 + x, cy = oy + y0 + y;
            if (cx < lo || cx >= hi || cy < lo || cy >= hi) {
                out.fits = false;
                continue;
            }
            out.coverage[static_cast<size_t>(cy) * kCellSize + cx] = v / 255.f;
        }
    }
    return out;
}

// White glyph over a soft dark rim (outline) and a shadow falling down-right.
// The game tints the glyph by its text colour; the rim stays dark and keeps the
// text readable over bright, busy paintings.
void compositeCell(const CellGlyph& g, std::vector<uint8_t>& rgba, int cellX, int cellY) {
    auto at = [&](int x, int y) -> float {
        if (x < 0 || y < 0 || x >= kCellSize || y >= kCellSize) return 0.f;
        return g.coverage[static_cast<size_t>(y) * kCellSize + x];
    };
    for (int y = 0; y < kCellSize; ++y) {
        for (int x = 0; x < kCellSize; ++x) {
            float rim = 0.f, shadow = 0.f;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    float wRim = std::clamp(2.2f - d, 0.f, 1.f);
                    rim = std::max(rim, at(x + dx, y + dy) * wRim);
                    float ds = std::sqrt(static_cast<float>((dx + 1) * (dx + 1) + (dy + 1) * (dy + 1)));
                    float wShadow = std::clamp(1.f - ds / 2.5f, 0.f, 1.f);
                    shadow = std::max(shadow, at(x + dx, y + dy) * wShadow);
                }
            }
            float a = at(x, y);
            float dark = std::max(0.9f * rim, 0.7f * shadow);
            float alpha = a + dark * (1.f - a);
            float light = alpha > 0.f ? a / alpha : 0.f;
            size_t p = (static_cast<size_t>(cellY + y) * kAtlasSize + cellX + x) * 4;
            uint8_t v = static_cast<uint8_t>(std::lround(255.f * light));
            rgba[p + 0] = v;
            rgba[p + 1] = v;
            rgba[p + 2] = v;
            rgba[p + 3] = static_cast<uint8_t>(std::lround(255.f * alpha));
        }
    }
}

} // namespace

bool renderFontAtlas(const FontSources& fonts, FontAtlas& atlas, std::string& error) {
    Face face, fallback;
    if (!face.load(fonts.face)) {
        error = "the text face cannot be read";
        return false;
    }
    fallback.load(fonts.fallback);
    const std::vector<uint8_t> bytes = drawableBytes();

    // Largest em size at which every glyph still fits its cell with its halo,
    // starting from the size whose capital-to-descender span fills the cell.
    for (float em = 28.f; em >= 12.f; em -= 0.5f) {
        GlyphRef cap = findGlyph(face, fallback, U'H', em);
        GlyphRef desc = findGlyph(face, fallback, U'p', em);
        if (!cap.face || !desc.face) {
            error = "the text face lacks basic Latin letters";
            return false;
        }
        int hx0, hy0, hx1, hy1, px0, py0, px1, py1;
        stbtt_GetGlyphBitmapBox(&cap.face->info, cap.glyph, cap.scale, cap.scale, &hx0, &hy0, &hx1, &hy1);
        stbtt_GetGlyphBitmapBox(&desc.face->info, desc.glyph, desc.scale, desc.scale, &px0, &py0, &px1, &py1);
        float baseline = kCellSize / 2.f - (hy0 + py1) / 2.f;

        atlas = FontAtlas{};
        atlas.rgba.assign(static_cast<size_t>(kAtlasSize) * kAtlasSize * 4, 0);
        // Bytes without a glyph draw the empty space cell and take no room.
        atlas.cell.fill(0x20);
        bool allFit = true;
        for (uint8_t b : bytes) {
            char32_t cp = glyphCodePoint(b);
            GlyphRef g = findGlyph(face, fallback, cp, em);
            if (!g.face) {
                char buf[64];
                snprintf(buf, sizeof buf, "no glyph for U+%04X (byte 0x%02X)", static_cast<unsigned>(cp), b);
                error = buf;
                return false;
            }
            CellGlyph cell = renderGlyph(g, baseline);
            if (!cell.fits) {
                if (getenv("AW_FONT_DEBUG")) fprintf(stderr, "em %.1f: byte 0x%02X does not fit\n", em, b);
                allFit = false;
                break;
            }
            // A hair of extra spacing keeps one glyph's rim off the next glyph.
            float width = cp == U' ' ? cell.advance : cell.advance + 0.5f;
            atlas.width[b] = static_cast<uint8_t>(std::clamp<long>(std::lround(width), 1, kCellSize));
            atlas.cell[b] = b;
            compositeCell(cell, atlas.rgba, (b % kCellsPerRow) * kCellSize, (b / kCellsPerRow) * kCellSize);
        }
        if (allFit) return true;
    }
    error = "the glyphs do not fit the atlas cells at any usable size";
    return false;
}

std::vector<uint8_t> encodeFontDat(const FontAtlas& atlas) {
    std::vector<uint8_t> out(kFontDatSize, 0);
    uint32_t n = kCellsPerRow;
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(n >> (8 * i));
    std::copy(atlas.width.begin(), atlas.width.end(), out.begin() + 4);
    std::copy(atlas.cell.begin(), atlas.cell.end(), out.begin() + 260);
    return out;
}

} // namespace aw::datagen
