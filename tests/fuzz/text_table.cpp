// Text tables: a file parsed as "strings.txt" is, then every entry read back
// by position, by key and as a numbered list.
#include "fuzz_support.h"
#include "resources/text_table.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    aw::resetTextTable();
    aw::parseTextBlock(reinterpret_cast<const char*>(data), int(size));
    int count = aw::textCount();
    FUZZ_CHECK(count >= 0 && count <= aw::kMaxTexts);
    size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const char* key = aw::textKeyAt(i);
        FUZZ_CHECK(std::strlen(key) < size_t(aw::kTextKeySize));
        const char* text = aw::textAt(i);
        FUZZ_CHECK(text != nullptr);
        // No text can be longer than the file it came from.
        size_t length = std::strlen(text);
        FUZZ_CHECK(length < size);
        total += length;
        const char* first = aw::lookupText(key);
        FUZZ_CHECK(first != nullptr);
        FUZZ_CHECK(aw::textAt(aw::textIndex(key)) == first);
    }
    (void)total;
    aw::textAfter("defname1", 3);
    aw::textAfter("tip1", count + 5);
    aw::freeTextTable();
    FUZZ_CHECK(count == 0 || aw::lookupText(aw::textKeyAt(0)) == nullptr);
    aw::resetTextTable();
    return 0;
}
