// Fonts: a metrics file ("font.dat", the first 516 bytes of the input) read as
// loadFont reads it, then the rest of the input measured and word-wrapped with
// that font as the menus and tips do.
#include "fuzz_support.h"
#include "render/text.h"

#include <cmath>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    size_t metrics = size < size_t(aw::kFontMetricsSize) ? size : size_t(aw::kFontMetricsSize);
    aw::Font font;
    aw::readFontMetrics(data, int(metrics), 1.0f, 1.0f, font);
    FUZZ_CHECK(font.cellsPerRow >= 1 && font.cellsPerRow <= 256);
    for (float a : font.advance) FUZZ_CHECK(std::isfinite(a) && a >= 0);
    aw::resetText();
    FUZZ_CHECK(aw::addFont(font));

    std::string text(reinterpret_cast<const char*>(data) + metrics, size - metrics);
    float textSize = 8 + float(size % 17);
    float width = aw::measureText(text.c_str(), textSize);
    FUZZ_CHECK(std::isfinite(width) && width >= 0);
    float maxWidth = float(size % 400);
    float height = aw::wrapText(maxWidth, text.c_str(), textSize);
    FUZZ_CHECK(std::isfinite(height) && height > 0);
    // Wrapping only puts line breaks at its break candidates (a space, the
    // start, the start of a line after a CR and its LF); the bytes stay in place.
    const char* wrapped = aw::wrappedText();
    size_t kept = std::strlen(wrapped);
    FUZZ_CHECK(kept < size_t(aw::kWrapBufferSize));
    for (size_t i = 0; i < kept; ++i)
        FUZZ_CHECK(wrapped[i] == text[i] ||
                   (wrapped[i] == '\n' && (text[i] == ' ' || i == 0 || (i >= 2 && text[i - 2] == '\r'))));
    aw::resetText();
    return 0;
}
