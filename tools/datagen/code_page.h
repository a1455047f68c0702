// The single-byte code page of the game's texts and the characters the font
// draws. Shared by the text converter and the font renderer, so a text can only
// hold bytes that have a glyph.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw::datagen {

// Unicode code point drawn for a text byte, or 0 when the byte has no glyph.
// Space (0x20) maps to U+0020 and is drawn empty.
char32_t glyphCodePoint(uint8_t byte);

// The byte that stands for a code point, or nothing when the font lacks it.
std::optional<uint8_t> byteForCodePoint(char32_t cp);

// Every byte that has a glyph, in ascending order.
std::vector<uint8_t> drawableBytes();

struct EncodeResult {
    std::string bytes;   // the encoded text, valid when error is empty
    std::string error;   // "line 12: ..." when the text cannot be encoded
};

// UTF-8 text to the game's bytes. Fails on malformed UTF-8 and on characters
// without a glyph. Line breaks (CR, LF) pass through unchanged.
EncodeResult encodeUtf8(std::string_view utf8);

} // namespace aw::datagen
