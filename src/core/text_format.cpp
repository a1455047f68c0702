#include "core/text_format.h"

#include <cstring>

namespace aw {
namespace {

constexpr int kMaxFieldWidth = 32;

struct Conversion {
    bool valid = false;
    bool escape = false; // "%%"
    bool leftAlign = false, zeroPad = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
    const char* end = nullptr; // first byte after the conversion
};

// Reads the conversion that starts at p ('%'); invalid when it is none.
Conversion readConversion(const char* p) {
    Conversion s;
    const char* q = p + 1;
    if (*q == '%') {
        s.valid = s.escape = true;
        s.end = q + 1;
        return s;
    }
    for (int flags = 0; (*q == '-' || *q == '0') && flags < 2; ++flags, ++q) {
        if (*q == '-') s.leftAlign = true;
        else s.zeroPad = true;
    }
    auto number = [&q](int& out) {
        int digits = 0;
        out = 0;
        while (*q >= '0' && *q <= '9') {
            if (++digits > 2) return false;
            out = out * 10 + (*q++ - '0');
        }
        return out <= kMaxFieldWidth;
    };
    if (!number(s.width)) return s;
    if (*q == '.') {
        ++q;
        if (!number(s.precision)) return s;
    }
    if (*q == 's' || *q == 'i' || *q == 'd') {
        s.conversion = *q;
        s.end = q + 1;
        s.valid = true;
    }
    return s;
}

struct Writer {
    char* out;
    size_t cap, length = 0;
    void put(char c) {
        if (length + 1 < cap) out[length++] = c;
    }
    void put(const char* s, size_t n) {
        for (size_t i = 0; i < n; ++i) put(s[i]);
    }
    void pad(char c, int n) {
        for (int i = 0; i < n; ++i) put(c);
    }
};

void putField(Writer& w, const Conversion& s, const char* body, int bodyLength, const char* sign) {
    int signLength = int(std::strlen(sign));
    int fill = s.width - bodyLength - signLength;
    if (fill < 0) fill = 0;
    if (s.leftAlign) {
        w.put(sign, size_t(signLength));
        w.put(body, size_t(bodyLength));
        w.pad(' ', fill);
    } else if (s.zeroPad && s.conversion != 's' && s.precision < 0) {
        w.put(sign, size_t(signLength));
        w.pad('0', fill);
        w.put(body, size_t(bodyLength));
    } else {
        w.pad(' ', fill);
        w.put(sign, size_t(signLength));
        w.put(body, size_t(bodyLength));
    }
}

void putInteger(Writer& w, const Conversion& s, long long v) {
    char digits[24];
    int n = 0;
    unsigned long long u = v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    do {
        digits[n++] = char('0' + u % 10);
        u /= 10;
    } while (u && n < int(sizeof digits));
    char body[kMaxFieldWidth + 24];
    int length = 0;
    for (int i = n; i < s.precision; ++i) body[length++] = '0';
    while (n) body[length++] = digits[--n];
    putField(w, s, body, length, v < 0 ? "-" : "");
}

void putString(Writer& w, const Conversion& s, const char* text) {
    if (!text) text = "";
    size_t length = std::strlen(text);
    if (s.precision >= 0 && length > size_t(s.precision)) length = size_t(s.precision);
    int fill = s.width > int(length) ? s.width - int(length) : 0;
    if (!s.leftAlign) w.pad(' ', fill);
    w.put(text, length);
    if (s.leftAlign) w.pad(' ', fill);
}

bool matches(const char* format, const FormatArg* args, int argCount) {
    int used = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        Conversion s = readConversion(p);
        if (!s.valid) continue;
        p = s.end - 1;
        if (s.escape) continue;
        if (used >= argCount) return false;
        FormatArg::Kind want = s.conversion == 's' ? FormatArg::kText : FormatArg::kInt;
        if (args[used++].kind != want) return false;
    }
    return true;
}

} // namespace

size_t formatText(char* out, size_t cap, const char* format, const FormatArg* args, int argCount) {
    if (!out || cap == 0) return 0;
    Writer w{out, cap};
    if (format) {
        if (!matches(format, args, argCount)) {
            w.put(format, std::strlen(format));
        } else {
            int used = 0;
            for (const char* p = format; *p; ++p) {
                Conversion s = *p == '%' ? readConversion(p) : Conversion{};
                if (!s.valid) {
                    w.put(*p);
                    continue;
                }
                p = s.end - 1;
                if (s.escape) w.put('%');
                else if (s.conversion == 's') putString(w, s, args[used++].text);
                else putInteger(w, s, args[used++].number);
            }
        }
    }
    out[w.length] = 0;
    return w.length;
}

size_t formatText(char* out, size_t cap, const char* format, const char* text) {
    FormatArg a = FormatArg::string(text);
    return formatText(out, cap, format, &a, 1);
}

size_t formatText(char* out, size_t cap, const char* format, long long a) {
    FormatArg v = FormatArg::integer(a);
    return formatText(out, cap, format, &v, 1);
}

size_t formatText(char* out, size_t cap, const char* format, long long a, long long b) {
    FormatArg v[2] = {FormatArg::integer(a), FormatArg::integer(b)};
    return formatText(out, cap, format, v, 2);
}

} // namespace aw
