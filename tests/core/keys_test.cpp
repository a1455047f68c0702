#include "core/keys.h"

#include <gtest/gtest.h>

using namespace aw;

TEST(KeyLookup, FirstOccurrenceWinsEvenInsideLongerKeys) {
    // "rot=" is found inside "drot=" when "drot=" stands first.
    std::string_view text = "drot=45\r\nrot=10\r\n";
    EXPECT_FLOAT_EQ(keyFloat(text, "rot="), 45.0f);
    std::string_view ordered = "rot=10\r\ndrot=45\r\n";
    EXPECT_FLOAT_EQ(keyFloat(ordered, "rot="), 10.0f);
    EXPECT_FLOAT_EQ(keyFloat(ordered, "drot="), 45.0f);
}

TEST(KeyLookup, MissingKeyOrEmptyValueReadsZero) {
    std::string_view text = "time=\r\nmoves=40\r\n";
    EXPECT_EQ(keyFloat(text, "back="), 0.0f);
    EXPECT_EQ(keyFloat(text, "time="), 0.0f);
    EXPECT_EQ(keyInt(text, "moves="), 40);
}

TEST(KeyLookup, ValueRunsToCrOrEndOfText) {
    std::string_view text = "a=1.5\r\nb=2.75";
    EXPECT_FLOAT_EQ(keyFloat(text, "a="), 1.5f);
    EXPECT_FLOAT_EQ(keyFloat(text, "b="), 2.75f); // no CR after the last value
    EXPECT_EQ(*findKeyValue(text, "a="), "1.5");
}

TEST(KeyLookup, IntegerIsIntegerPartAndNumbersIgnoreLocale) {
    std::string_view text = "n=7.9\r\nm=-3.5\r\ne=1e3\r\np=+2\r\nj=12abc\r\n";
    EXPECT_EQ(keyInt(text, "n="), 7);
    EXPECT_EQ(keyInt(text, "m="), -3);
    EXPECT_EQ(keyInt(text, "e="), 1000);
    EXPECT_EQ(keyInt(text, "p="), 2);
    EXPECT_EQ(keyInt(text, "j="), 12);
    EXPECT_EQ(keyInt("h=1e300\r\n", "h="), 2147483647); // no undefined conversion
}

TEST(KeyLookup, VectorsInParentheses) {
    Vec3 v{9, 9, 9};
    EXPECT_TRUE(keyVec3("speed=(1, -2.5,3)\r\n", "speed=", v));
    EXPECT_EQ(v, Vec3(1, -2.5f, 3));
    Vec3 w{9, 9, 9};
    EXPECT_FALSE(keyVec3("speed=1,2,3\r\n", "speed=", w));
    EXPECT_FALSE(keyVec3("x=(1,2,3)\r\n", "speed=", w));
    EXPECT_EQ(w, Vec3(9, 9, 9));
}

TEST(KeyLookup, FloatListsInParenthesesOrBraces) {
    float c[4] = {1, 1, 1, 1};
    EXPECT_EQ(keyFloatList("color0={0.5,0.25,1,0}\r\n", "color0=", c, 4), 4);
    EXPECT_FLOAT_EQ(c[0], 0.5f);
    EXPECT_FLOAT_EQ(c[3], 0.0f);
    float d[4] = {1, 1, 1, 1};
    EXPECT_EQ(keyFloatList("color0=(0.5,0.25\r\n", "color0=", d, 4), -1); // no closing mark
    EXPECT_FLOAT_EQ(d[0], 1.0f);
    EXPECT_EQ(keyFloatList("p=(2,3)\r\n", "p=", d, 4), 2);
    EXPECT_FLOAT_EQ(d[1], 3.0f);
    EXPECT_FLOAT_EQ(d[2], 1.0f);
}

TEST(KeyLookup, StringValuesAreCutAndTerminated) {
    char buf[6];
    EXPECT_EQ(keyString("figure0=rings2\r\n", "figure0=", buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "rings");
    EXPECT_EQ(keyString("x=1\r\n", "figure0=", buf, sizeof buf), 0u);
    EXPECT_STREQ(buf, "");
}
