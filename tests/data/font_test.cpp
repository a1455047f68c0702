// The bitmap font draws every character of every text: each glyph the texts
// use has ink in its atlas cell, stays inside the cell, sits centred on its
// advance, and button labels fit their buttons at the sizes they are drawn.
#include "data/data_set.h"
#include "data/text_table.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <memory>
#include <set>

using namespace awtest;

namespace {

struct Font {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    int cellsPerRow = 0;
    uint8_t widths[256] = {};
    uint8_t cells[256] = {};

    float cellPixels() const { return static_cast<float>(width) / static_cast<float>(cellsPerRow); }
    uint8_t alpha(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
    // Text units a character advances at a given size, as the game computes it.
    float advance(uint8_t c, float size) const { return size * widths[c] * 2.f / (512.f / cellsPerRow); }
    float measure(const std::string& s, float size) const {
        float w = 0;
        for (unsigned char c : s) w += advance(c, size);
        return w;
    }
};

const Font& font() {
    static Font f = [] {
        Font r;
        const DataSet& d = DataSet::instance();
        auto tga = d.read("", "font.tga");
        auto dat = d.read("", "font.dat");
        if (!tga || !dat || dat->size() != 516) return r;
        int n = 0;
        std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
            stbi_load_from_memory(tga->data(), static_cast<int>(tga->size()), &r.width, &r.height, &n, 4), stbi_image_free);
        if (!pixels) return r;
        r.rgba.assign(pixels.get(), pixels.get() + static_cast<size_t>(r.width) * r.height * 4);
        const Bytes& m = *dat;
        r.cellsPerRow = m[0] | m[1] << 8 | m[2] << 16 | m[3] << 24;
        for (int c = 0; c < 256; ++c) {
            r.widths[c] = m[4 + c];
            r.cells[c] = m[260 + c];
        }
        return r;
    }();
    return f;
}

// Opaque texels in the cell the game draws for a character.
int inkOf(const Font& f, uint8_t c) {
    int cell = f.cells[c], n = f.cellsPerRow;
    int size = static_cast<int>(f.cellPixels());
    int x0 = (cell % n) * size, y0 = (cell / n) * size, ink = 0;
    for (int y = y0; y < y0 + size; ++y)
        for (int x = x0; x < x0 + size; ++x) ink += f.alpha(x, y) >= 128;
    return ink;
}

// Every string the game draws from the data: table texts, node texts, credits.
std::vector<std::string> allDrawnTexts() {
    std::vector<std::string> out;
    const DataSet& d = DataSet::instance();
    for (const char* file : {"strings.txt", "tips.txt"})
        if (auto b = d.read("", file))
            for (auto& [key, value] : parseTextTable(asString(*b))) out.push_back(value);
    if (auto b = d.read("", "menutext.txt")) {
        std::string s = asString(*b);
        size_t p = 0;
        while (p < s.size()) {
            size_t end = s.find("\r\n", p);
            std::string line = s.substr(p, end == std::string::npos ? std::string::npos : end - p);
            size_t eq = line.find('=');
            out.push_back(eq == std::string::npos ? line : line.substr(eq + 1));
            if (end == std::string::npos) break;
            p = end + 2;
        }
    }
    // What the player types into a name, and the literal texts the game draws.
    out.push_back("ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789");
    for (const char* literal : {"OK", "+0123456789", "x9", "|", "00:00", "60.0 FPS", "999 TRI", "UNKNOW ENTER TIPS!"})
        out.push_back(literal);
    return out;
}

std::string menuText(const std::string& name) {
    auto b = DataSet::instance().read("", "menutext.txt");
    std::string s = b ? asString(*b) : "";
    size_t at = s.find(name + "=");
    if (at == std::string::npos) return {};
    at += name.size() + 1;
    return s.substr(at, s.find('\r', at) - at);
}

} // namespace

TEST(Font, AtlasAndMetricsHaveTheLayoutTheLoaderReads) {
    const Font& f = font();
    ASSERT_FALSE(f.rgba.empty()) << "font.tga or font.dat missing or unreadable";
    EXPECT_EQ(f.width, 512);
    EXPECT_EQ(f.height, 512);
    ASSERT_GT(f.cellsPerRow, 0);
    EXPECT_EQ(512 % f.cellsPerRow, 0);
    for (int c = 0; c < 256; ++c) EXPECT_LT(f.cells[c], f.cellsPerRow * f.cellsPerRow) << c;
}

TEST(Font, EveryCharacterOfEveryTextHasAGlyph) {
    const Font& f = font();
    ASSERT_FALSE(f.rgba.empty());
    std::set<uint8_t> used;
    for (const std::string& t : allDrawnTexts())
        for (unsigned char c : t)
            if (c != '\r' && c != '\n') used.insert(c);
    ASSERT_GT(used.size(), 60u);
    for (uint8_t c : used) {
        EXPECT_GT(f.widths[c], 0) << "byte " << int(c) << " does not advance";
        if (c == ' ') {
            EXPECT_EQ(inkOf(f, c), 0) << "the space cell is not empty";
        } else {
            EXPECT_GE(inkOf(f, c), 4) << "byte " << int(c) << " ('" << char(c) << "') draws an empty cell";
        }
    }
}

TEST(Font, GlyphsStayInsideTheirCells) {
    // Bilinear filtering reads one texel across a cell edge: the edges stay clear.
    const Font& f = font();
    ASSERT_FALSE(f.rgba.empty());
    int size = static_cast<int>(f.cellPixels());
    for (int cell = 0; cell < f.cellsPerRow * f.cellsPerRow; ++cell) {
        int x0 = (cell % f.cellsPerRow) * size, y0 = (cell / f.cellsPerRow) * size;
        for (int i = 0; i < size; ++i) {
            ASSERT_EQ(f.alpha(x0 + i, y0), 0) << "cell " << cell;
            ASSERT_EQ(f.alpha(x0 + i, y0 + size - 1), 0) << "cell " << cell;
            ASSERT_EQ(f.alpha(x0, y0 + i), 0) << "cell " << cell;
            ASSERT_EQ(f.alpha(x0 + size - 1, y0 + i), 0) << "cell " << cell;
        }
    }
}

TEST(Font, GlyphsSitOnTheMiddleOfTheirAdvance) {
    // The game centres each glyph quad on the middle of the character's advance,
    // so a symmetric letter's ink must be centred in its cell, and letters of
    // one line must share a baseline.
    const Font& f = font();
    ASSERT_FALSE(f.rgba.empty());
    int size = static_cast<int>(f.cellPixels());
    auto inkBox = [&](uint8_t c, float& cx, int& bottom) {
        int cell = f.cells[c], x0 = (cell % f.cellsPerRow) * size, y0 = (cell / f.cellsPerRow) * size;
        float sum = 0, weight = 0;
        bottom = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                // White texels are the letter itself; the dark rim is offset by the shadow.
                size_t p = (static_cast<size_t>(y0 + y) * f.width + x0 + x) * 4;
                float a = f.rgba[p + 3] / 255.f * f.rgba[p] / 255.f;
                if (a > 0.5f) bottom = std::max(bottom, y);
                sum += a * (x + 0.5f);
                weight += a;
            }
        cx = weight > 0 ? sum / weight : -1;
    };
    int baseline = -1;
    for (uint8_t c : {'H', 'O', 'o', 'n', 'x', 'T', 'A'}) {
        float cx;
        int bottom;
        inkBox(c, cx, bottom);
        EXPECT_NEAR(cx, size / 2.f, 1.5f) << c;
        if (baseline < 0) baseline = bottom;
        EXPECT_NEAR(bottom, baseline, 1) << c;
    }
    EXPECT_GT(f.widths['W'], f.widths['n']);
    EXPECT_GT(f.widths['n'], f.widths['i']);
    EXPECT_GT(f.widths['m'], f.widths['n']);
}

TEST(Font, ButtonLabelsFitTheirButtons) {
    const Font& f = font();
    ASSERT_FALSE(f.rgba.empty());
    struct Button {
        const char* item;
        float width, size;
    };
    // Button widths and the sizes the screens draw their labels at.
    for (const Button& b : {Button{"start", 256, 26}, Button{"backfrommap", 64, 18},
                            Button{"apply", 128, 15}, Button{"oknewprofile", 128, 18}, Button{"okrename", 128, 18},
                            Button{"cancel", 128, 18}, Button{"okcontinuegame", 128, 15}, Button{"yes", 128, 17},
                            Button{"no", 128, 17}, Button{"ok", 128, 17}}) {
        std::string label = menuText(b.item);
        ASSERT_FALSE(label.empty()) << b.item;
        EXPECT_LE(f.measure(label, b.size), b.width) << b.item << ": " << label;
    }
}
