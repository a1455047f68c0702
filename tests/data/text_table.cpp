#include "data/text_table.h"

namespace awtest {

TextEntries parseTextTable(std::string file) {
    TextEntries out;
    if (file.empty()) return out;
    file.back() = '\0';
    const size_t end = file.size() - 1;
    auto byte = [&](size_t i) { return static_cast<unsigned char>(file[i]); };
    size_t p = 0;
    while (true) {
        while (p < end && byte(p) <= 0x20) ++p;
        if (p >= end) break;
        if (file[p] == '[') {
            size_t k = p + 1, q = k;
            while (q + 1 < end && !(file[q] == '/' && file[q + 1] == ']')) ++q;
            if (q + 1 >= end) break;
            std::string key = file.substr(k, q - k);
            q += 2;
            while (q < end && byte(q) < 0x20) ++q;
            size_t t = q;
            while (q < end && file[q] != '[') ++q;
            if (q >= end) break;
            out.emplace_back(key, file.substr(t, q - t));
            while (q < end && file[q] != ']') ++q;
            if (q >= end) break;
            p = q + 1;
        } else {
            size_t q = p;
            while (q < end && file[q] != '=') ++q;
            if (q >= end) break;
            std::string key = file.substr(p, q - p);
            size_t t = q + 1;
            q = t;
            while (q + 1 < end && !(byte(q) < 0x20 && byte(q + 1) < 0x20)) ++q;
            if (q + 1 >= end) break;
            out.emplace_back(key, file.substr(t, q - t));
            p = q + 2;
        }
    }
    return out;
}

int findKey(const TextEntries& entries, const std::string& key) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].first == key) return static_cast<int>(i);
    return -1;
}

} // namespace awtest
