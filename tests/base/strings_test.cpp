#include <gtest/gtest.h>

#include "base/strings.h"

namespace zem {
namespace {

TEST(ParseInteger, AcceptsThePlatformIntegerSyntax) {
    EXPECT_EQ(ParseInteger("12"), 12);
    EXPECT_EQ(ParseInteger("  -1"), -1);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("007"), 7);  // a leading zero still means decimal
    EXPECT_EQ(ParseInteger("$1A"), 26);
    EXPECT_EQ(ParseInteger("x1a"), 26);
    EXPECT_EQ(ParseInteger("X10"), 16);
    EXPECT_EQ(ParseInteger("0x10"), 16);
    EXPECT_EQ(ParseInteger("0XfF"), 255);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
}

TEST(ParseInteger, RejectsWhatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "12a", "1 ", "0x", "$", "-$1", "+0x1", "2147483648", "-2147483649",
                             "$100000000", "1.5", "--1"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << text;
    }
    EXPECT_EQ(ParseIntegerOr("nope", 87), 87);
}

TEST(FormatCode, ShowsSignedDecimalAndEightUpperCaseHexDigits) {
    EXPECT_EQ(FormatCode(5), "5 (0x00000005)");
    EXPECT_EQ(FormatCode(0xE000FF02), "-536805630 (0xE000FF02)");
}

TEST(SameTextNoCase, IgnoresLetterCaseOnly) {
    EXPECT_TRUE(SameTextNoCase("C:\\A.txt", "c:\\a.TXT"));
    EXPECT_FALSE(SameTextNoCase("C:\\A.txt", "C:\\A.txt "));
    EXPECT_EQ(IndexOfNoCase({"one", "Two", "three"}, "TWO"), 1);
    EXPECT_EQ(IndexOfNoCase({"one"}, "on"), -1);
}

}  // namespace
}  // namespace zem

namespace zem {
namespace {

TEST(ParseDecimal, ReadsDecimalDigitsOnly) {
    EXPECT_EQ(ParseDecimal(" 25"), 25);
    EXPECT_EQ(ParseDecimal("-3"), -3);
    for (const char* text : {"x10", "$1A", "0x20", "", "12 "}) EXPECT_FALSE(ParseDecimal(text).has_value()) << text;
}

}  // namespace
}  // namespace zem
