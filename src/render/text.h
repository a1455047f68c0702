// Bitmap fonts ("%s.tga" atlas and "%s.dat" metrics) and text drawing,
// measuring and word wrapping. Text is drawn at depth 45 in 2D space.
//
// Lifetime: fonts live for the run; the text state persists between calls.
// resetText() forgets every font (tests).
#pragma once
#include "core/color.h"
#include "core/vec.h"

#include <cstdint>

namespace aw {

struct TextureRecord;

constexpr int kMaxFonts = 8;
constexpr int kWrapBufferSize = 1024;
constexpr int kFontMetricsSize = 516;

struct Font {
    float advance[256] = {}; // in units of the text size
    uint8_t glyphCell[256] = {};
    int cellsPerRow = 1;
    TextureRecord* texture = nullptr;
    float cellUv = 1;
    float scale = 1;
    float aspect = 1;
};

// Fills a font from a metrics block; false when the block is too short.
bool parseFontMetrics(const uint8_t* data, int size, float scale, float aspect, Font& out);
// What loadFont makes of a metrics file of any size: a short one counts as
// what it holds followed by zeros.
void readFontMetrics(const uint8_t* data, int size, float scale, float aspect, Font& out);
// Appends a font and makes it current; false when all slots are taken.
bool loadFont(const char* name, float scale, float aspect);
void selectFont(int n);
Font* currentFont();
int fontCount();
// Adds a font made elsewhere (tests, tools) and makes it current.
bool addFont(const Font& font);

void setTextColor(int r, int g, int b, int a);
void setTextColorValue(Color c);
Color textColor();

void drawText(float x, float y, float size, const char* text, bool centred);
void drawTextShadowed(float x, float y, float size, const char* text, bool centred, Color color, Color shadow,
                      float shadowScale, float dx, float dy);
float measureText(const char* text, float size);
// Copies the text into the wrap buffer with line breaks for width maxWidth
// and returns the height of the result; draw wrappedText() afterwards.
float wrapText(float maxWidth, const char* text, float size);
const char* wrappedText();

// Where the pen stands after the last drawText (tests).
Vec3 penPosition();

void resetText();

} // namespace aw
