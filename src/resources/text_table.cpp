#include "resources/text_table.h"

#include "resources/registry.h"

#include <cstdlib>
#include <cstring>

namespace aw {
namespace {

struct TextEntry {
    char key[kTextKeySize];
    char* text;
};

// Lives for the run; filled at the start-up load.
TextEntry texts[kMaxTexts];
int count = 0;

void storeEntry(const char* key, size_t keyLength, const char* text, size_t textLength) {
    if (count >= kMaxTexts || keyLength >= size_t(kTextKeySize)) return;
    char* copy = static_cast<char*>(std::malloc(textLength + 1));
    if (!copy) return;
    std::memcpy(copy, text, textLength);
    copy[textLength] = 0;
    TextEntry& e = texts[count++];
    std::memcpy(e.key, key, keyLength);
    e.key[keyLength] = 0;
    e.text = copy;
}

bool isControl(unsigned char c) { return c < 0x20; }

} // namespace

// The parser treats position size - 1 as the end: a scan that reaches it
// abandons the entry being read, so the last entry survives only when its
// terminator stands before the final byte.
void parseTextBlock(const char* bytes, int size) {
    if (!bytes || size <= 0) return;
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes);
    const size_t end = size_t(size) - 1;
    // The byte at end counts as a NUL: a pair test may look at it, nothing reads it as text.
    auto at = [&](size_t i) -> unsigned char { return i < end ? b[i] : 0; };
    size_t p = 0;
    for (;;) {
        while (p < end && b[p] <= 0x20) ++p;
        if (p >= end) return;
        if (b[p] == '[') {
            size_t keyStart = ++p;
            while (p < end && !(b[p] == '/' && at(p + 1) == ']')) ++p;
            if (p >= end) return;
            size_t keyLength = p - keyStart;
            p += 2;
            while (p < end && isControl(b[p])) ++p;
            if (p >= end) return;
            size_t textStart = p;
            while (p < end && b[p] != '[') ++p;
            if (p >= end) return;
            storeEntry(bytes + keyStart, keyLength, bytes + textStart, p - textStart);
            while (p < end && b[p] != ']') ++p;
            if (p >= end) return;
            ++p;
        } else {
            size_t keyStart = p;
            while (p < end && b[p] != '=') ++p;
            if (p >= end) return;
            size_t keyLength = p - keyStart;
            size_t textStart = ++p;
            while (p < end && !(isControl(b[p]) && isControl(at(p + 1)))) ++p;
            if (p >= end) return;
            storeEntry(bytes + keyStart, keyLength, bytes + textStart, p - textStart);
            p += 2;
        }
    }
}

void loadTextFile(const char* name) {
    int size = 0;
    uint8_t* block = loadResource(name, &size, true);
    if (!block) return;
    parseTextBlock(reinterpret_cast<const char*>(block), size);
    releaseResource(block);
}

const char* lookupText(const char* key) {
    if (!key) return nullptr;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(texts[i].key, key) == 0) return texts[i].text;
    return nullptr;
}

int textIndex(const char* key) {
    if (!key) return 0;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(texts[i].key, key) == 0) return i;
    return 0;
}

const char* textAt(int index) { return index >= 0 && index < count ? texts[index].text : nullptr; }

const char* textAfter(const char* key, int n) { return textAt(textIndex(key) + n); }

int textCount() { return count; }

const char* textKeyAt(int index) { return index >= 0 && index < count ? texts[index].key : ""; }

void freeTextTable() {
    for (int i = 0; i < count; ++i) {
        std::free(texts[i].text);
        texts[i].text = nullptr;
    }
}

void resetTextTable() {
    freeTextTable();
    count = 0;
}

} // namespace aw
