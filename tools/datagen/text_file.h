// Data texts as the game's readers need them: CR LF line ends and room at the end
// for the reader that overwrites the final byte with NUL.
#pragma once
#include <string>
#include <string_view>

namespace aw::datagen {

struct TextFileResult {
    std::string bytes;
    std::string error;
};

// Turns LF, CR or CR LF line ends into CR LF, drops trailing empty lines and
// ends the file with the last line's CR LF followed by two more: an empty line
// (which ends the last menu entry) and the extra break the reader may overwrite.
// Fails on control bytes other than line breaks (a tab would end a text value).
TextFileResult normaliseTextFile(std::string_view text);

// The whole conversion of a written text source: UTF-8 to the game's code page,
// then the line-end rules above.
TextFileResult convertTextSource(std::string_view utf8);

} // namespace aw::datagen
