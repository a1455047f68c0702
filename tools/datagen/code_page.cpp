#include "code_page.h"

#include <cstdio>

namespace aw::datagen {

namespace {

struct Extra {
    uint8_t byte;
    char32_t cp;
};

// Windows-1251 punctuation the texts may use, plus the credits jewel at 0xE0:
// the credits screen colours a line yellow when its third byte is >= 0xE0, and
// the plain texts never need Cyrillic, so that byte draws a gem instead.
constexpr Extra kExtras[] = {
    {0x85, U'\u2026'}, // ellipsis
    {0x91, U'\u2018'}, {0x92, U'\u2019'}, // single quotes
    {0x93, U'\u201C'}, {0x94, U'\u201D'}, // double quotes
    {0x96, U'\u2013'}, {0x97, U'\u2014'}, // dashes
    {0xA9, U'\u00A9'}, // copyright
    {0xB7, U'\u00B7'}, // middle dot
    {0xE0, U'\u25C6'}, // jewel
};

} // namespace

char32_t glyphCodePoint(uint8_t byte) {
    if (byte >= 0x20 && byte <= 0x7E) return byte;
    for (const Extra& e : kExtras)
        if (e.byte == byte) return e.cp;
    return 0;
}

std::optional<uint8_t> byteForCodePoint(char32_t cp) {
    if (cp >= 0x20 && cp <= 0x7E) return static_cast<uint8_t>(cp);
    for (const Extra& e : kExtras)
        if (e.cp == cp) return e.byte;
    return std::nullopt;
}

std::vector<uint8_t> drawableBytes() {
    std::vector<uint8_t> out;
    for (int b = 0; b < 256; ++b)
        if (glyphCodePoint(static_cast<uint8_t>(b)) != 0) out.push_back(static_cast<uint8_t>(b));
    return out;
}

EncodeResult encodeUtf8(std::string_view s) {
    EncodeResult r;
    int line = 1;
    auto fail = [&](const std::string& what) {
        r.bytes.clear();
        r.error = "line " + std::to_string(line) + ": " + what;
        return r;
    };
    for (size_t i = 0; i < s.size();) {
        uint8_t c = static_cast<uint8_t>(s[i]);
        char32_t cp = 0;
        int len = 0;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
        else return fail("malformed UTF-8");
        if (i + len > s.size()) return fail("truncated UTF-8");
        for (int k = 1; k < len; ++k) {
            uint8_t t = static_cast<uint8_t>(s[i + k]);
            if ((t & 0xC0) != 0x80) return fail("malformed UTF-8");
            cp = (cp << 6) | (t & 0x3F);
        }
        i += len;
        if (cp == U'\r' || cp == U'\n') {
            if (cp == U'\n') ++line;
            r.bytes.push_back(static_cast<char>(cp));
            continue;
        }
        if (cp == U'\uFEFF' && r.bytes.empty()) continue; // byte-order mark
        std::optional<uint8_t> b = byteForCodePoint(cp);
        if (!b) {
            char buf[32];
            snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
            return fail(std::string("character ") + buf + " has no glyph in the font");
        }
        r.bytes.push_back(static_cast<char>(*b));
    }
    return r;
}

} // namespace aw::datagen
