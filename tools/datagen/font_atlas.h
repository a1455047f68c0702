// Renders the game's bitmap font: a square atlas of glyph cells with a dark
// outline and drop shadow baked in, and its metrics file.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace aw::datagen {

constexpr int kAtlasSize = 512;     // the metrics count widths in pixels of a 512-wide atlas
constexpr int kCellsPerRow = 16;    // 256 cells of 32 pixels: one per byte
constexpr int kCellSize = kAtlasSize / kCellsPerRow;
constexpr size_t kFontDatSize = 516;

struct FontAtlas {
    std::vector<uint8_t> rgba;          // kAtlasSize^2 pixels, R G B A, top row first
    std::array<uint8_t, 256> width{};   // advance in atlas pixels
    std::array<uint8_t, 256> cell{};    // glyph cell of each byte
};

struct FontSources {
    std::vector<uint8_t> face;      // the text face (TrueType or CFF OpenType)
    std::vector<uint8_t> fallback;  // for code points the face lacks (may be empty)
};

// Fails (error set) when a drawable byte has a glyph in neither font, or a glyph
// does not fit its cell.
bool renderFontAtlas(const FontSources& fonts, FontAtlas& atlas, std::string& error);

// The 516-byte metrics: cellsPerRow (int32 LE), 256 widths, 256 cells.
std::vector<uint8_t> encodeFontDat(const FontAtlas& atlas);

} // namespace aw::datagen
