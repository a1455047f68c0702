// Data texts used as formats ("hallo", "surlevscore", "timelast", ...). A text
// comes from a data file, so it is never handed to printf: only the
// conversions the caller supplies values for are substituted.
//
// Recognised conversions: %s for a text value, %i or %d for an integer, each
// with an optional '-' or '0' flag, a width and a precision (both at most
// 32); "%%" is one '%'. A '%' that starts no such conversion is printed as it
// stands. When the text holds more conversions than values, or a conversion
// of the wrong kind, the whole text is printed unchanged, so a faulty text
// shows what it holds instead of reading values that are not there.
#pragma once
#include <cstddef>

namespace aw {

struct FormatArg {
    enum Kind { kInt, kText } kind = kInt;
    long long number = 0;
    const char* text = nullptr; // null prints as an empty text

    static FormatArg integer(long long v) { return {kInt, v, nullptr}; }
    static FormatArg string(const char* s) { return {kText, 0, s}; }
};

// Writes the formatted text into out (always NUL-terminated, cut to cap - 1
// bytes) and returns its length. A null format gives an empty text.
size_t formatText(char* out, size_t cap, const char* format, const FormatArg* args, int argCount);

// The common shapes.
size_t formatText(char* out, size_t cap, const char* format, const char* text);
size_t formatText(char* out, size_t cap, const char* format, long long a);
size_t formatText(char* out, size_t cap, const char* format, long long a, long long b);

} // namespace aw
