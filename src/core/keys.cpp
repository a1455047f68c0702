#include "core/keys.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace aw {

std::optional<std::string_view> findKeyValue(std::string_view text, std::string_view key) {
    if (key.empty()) return std::nullopt;
    size_t at = text.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(at + key.size());
    size_t cr = rest.find('\r');
    return cr == std::string_view::npos ? rest : rest.substr(0, cr);
}

float parseFloatPrefix(std::string_view s, size_t* consumed) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\v' || s[i] == '\f'))
        ++i;
    size_t start = i;
    if (i < s.size() && s[i] == '+') ++i; // from_chars takes '-' but not '+'
    float value = 0;
    auto [ptr, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value, std::chars_format::general);
    if (ec == std::errc::invalid_argument) {
        if (consumed) *consumed = start;
        return 0;
    }
    if (consumed) *consumed = size_t(ptr - s.data());
    if (ec == std::errc::result_out_of_range) {
        // Too large saturates, too small is zero (from_chars leaves value untouched).
        std::string_view token = s.substr(i, size_t(ptr - (s.data() + i)));
        size_t e = token.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < token.size() && token[e + 1] == '-';
        bool negative = !token.empty() && token[0] == '-';
        if (tiny) return negative ? -0.0f : 0.0f;
        return negative ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    }
    return value;
}

float keyFloat(std::string_view text, std::string_view key) {
    auto value = findKeyValue(text, key);
    return value ? parseFloatPrefix(*value) : 0.0f;
}

int keyInt(std::string_view text, std::string_view key) {
    float f = keyFloat(text, key);
    // Out-of-range values would be undefined on conversion; pin them.
    if (!(f > -2147483520.0f)) return f != f ? 0 : -2147483647;
    if (f > 2147483520.0f) return 2147483647;
    return int(f);
}

namespace {

// Parses comma-separated numbers from s (which starts right after the opening
// mark) until a closing mark. Returns the count, or -1 without a closing mark.
int parseList(std::string_view s, float* out, int maxCount, bool allowBrace) {
    size_t close = allowBrace ? s.find_first_of(")}") : s.find(')');
    if (close == std::string_view::npos) return -1;
    std::string_view body = s.substr(0, close);
    int count = 0;
    size_t pos = 0;
    while (count < maxCount) {
        size_t used = 0;
        out[count++] = parseFloatPrefix(body.substr(pos), &used);
        size_t comma = body.find(',', pos);
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return count;
}

} // namespace

bool keyVec3(std::string_view text, std::string_view key, Vec3& out) {
    auto value = findKeyValue(text, key);
    if (!value) return false;
    size_t open = value->find('(');
    if (open == std::string_view::npos) return false;
    float v[3] = {0, 0, 0};
    if (parseList(value->substr(open + 1), v, 3, false) < 0) return false;
    out = {v[0], v[1], v[2]};
    return true;
}

int keyFloatList(std::string_view text, std::string_view key, float* out, int maxCount) {
    auto value = findKeyValue(text, key);
    if (!value || maxCount <= 0) return -1;
    size_t open = value->find_first_of("({");
    if (open == std::string_view::npos) return -1;
    float tmp[64];
    if (maxCount > 64) maxCount = 64;
    int n = parseList(value->substr(open + 1), tmp, maxCount, true);
    if (n < 0) return -1;
    std::memcpy(out, tmp, sizeof(float) * size_t(n));
    return n;
}

size_t keyString(std::string_view text, std::string_view key, char* out, size_t cap) {
    if (cap == 0) return 0;
    auto value = findKeyValue(text, key);
    if (!value) {
        out[0] = 0;
        return 0;
    }
    size_t n = value->size() < cap - 1 ? value->size() : cap - 1;
    std::memcpy(out, value->data(), n);
    out[n] = 0;
    return n;
}

} // namespace aw
