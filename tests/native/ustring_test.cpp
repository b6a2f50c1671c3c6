#include "core/ustring.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(IntToStr, WritesPlainDecimal) {
    EXPECT_EQ(IntToStr(0), u"0");
    EXPECT_EQ(IntToStr(96), u"96");
    EXPECT_EQ(IntToStr(-5), u"-5");
    EXPECT_EQ(IntToStr(4294967295LL), u"4294967295");
    EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
}

TEST(Utf8, RoundTripsJapaneseAndSurrogates) {
    const std::u16string text = u"受験者用_［abc］×\U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(FromUtf8("\xE3\x81"), u"\uFFFD");  // cut short
}

TEST(AsciiUpper, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(AsciiUpper(u"c:\\users\\ｔｅｍｐ\\temp\\é"), u"C:\\USERS\\ｔｅｍｐ\\TEMP\\é");
}
