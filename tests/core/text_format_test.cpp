// Data texts as formats: substituted only where the caller has values, never
// reading or writing past what it was given.
#include "core/text_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace aw;

namespace {
std::string fmt(const char* f, const char* s) {
    char out[64];
    formatText(out, sizeof out, f, s);
    return out;
}
std::string fmt2(const char* f, long long a, long long b) {
    char out[64];
    formatText(out, sizeof out, f, a, b);
    return out;
}
} // namespace

TEST(TextFormat, SubstitutesTheConversionsTheCallerExpects) {
    EXPECT_EQ(fmt("Hello, %s!", "ANNA"), "Hello, ANNA!");
    EXPECT_EQ(fmt2("Level %i, score %d", 7, 123456), "Level 7, score 123456");
    EXPECT_EQ(fmt2("%.2i:%.2i", 3, 5), "03:05");
    EXPECT_EQ(fmt2("[%5i|%-4i]", 42, -7), "[   42|-7  ]");
    EXPECT_EQ(fmt2("%03i %i", -5, 0), "-05 0");
    EXPECT_EQ(fmt("100%% of %s", "you"), "100% of you");
    EXPECT_EQ(fmt("%s", nullptr), "");
}

TEST(TextFormat, HostileTextsPrintAsTheyStand) {
    // More conversions than values, or unknown ones: printed unchanged.
    EXPECT_EQ(fmt("%n%s%s", "BOB"), "%n%s%s");
    EXPECT_EQ(fmt("%i", "BOB"), "%i");
    EXPECT_EQ(fmt2("%s and %i", 1, 2), "%s and %i");
    // A stray '%' that starts no conversion stays, the rest is substituted.
    EXPECT_EQ(fmt("50% off, %s", "X"), "50% off, X");
    EXPECT_EQ(fmt("trailing %", "X"), "trailing %");
    EXPECT_EQ(fmt("%x %p %s", "Y"), "%x %p Y");
    // Huge widths are not conversions, so they cannot pad beyond reason.
    EXPECT_EQ(fmt("%999999s", "Z"), "%999999s");
    EXPECT_EQ(fmt(nullptr, "Z"), "");
}

TEST(TextFormat, NeverWritesPastTheBuffer) {
    char out[8];
    std::memset(out, 'q', sizeof out);
    size_t n = formatText(out, 6, "%s-%s", static_cast<const FormatArg*>(nullptr), 0);
    EXPECT_EQ(std::string(out), "%s-%s");
    EXPECT_EQ(n, 5u);
    n = formatText(out, 6, "abc%sdef", "LONGNAME");
    EXPECT_EQ(std::string(out), "abcLO");
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(out[6], 'q');
    EXPECT_EQ(formatText(out, 0, "x", "y"), 0u);
    EXPECT_EQ(out[0], 'a'); // untouched with no room at all
}
