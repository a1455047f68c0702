#include "text_file.h"

#include "code_page.h"

namespace aw::datagen {

TextFileResult normaliseTextFile(std::string_view text) {
    TextFileResult r;
    std::string& out = r.bytes;
    out.reserve(text.size() + text.size() / 16 + 8);
    int line = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        uint8_t c = static_cast<uint8_t>(text[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
            ++line;
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            r.bytes.clear();
            r.error = "line " + std::to_string(line) + ": control byte " + std::to_string(c);
            return r;
        }
        out.push_back(static_cast<char>(c));
    }
    // Trailing blanks at the end of the file carry nothing; cut them back to the
    // last visible byte, then write the ending every reader can rely on.
    size_t end = out.size();
    while (end > 0 && static_cast<uint8_t>(out[end - 1]) <= 0x20) --end;
    out.resize(end);
    if (!out.empty()) out += "\r\n";
    out += "\r\n\r\n";
    return r;
}

TextFileResult convertTextSource(std::string_view utf8) {
    EncodeResult enc = encodeUtf8(utf8);
    if (!enc.error.empty()) return {{}, enc.error};
    return normaliseTextFile(enc.bytes);
}

} // namespace aw::datagen
