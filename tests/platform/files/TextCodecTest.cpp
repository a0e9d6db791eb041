#include "run/platform/files/TextCodec.h"

#include <gtest/gtest.h>

using namespace run::platform;

TEST(TextCodec, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    std::string back;
    EXPECT_TRUE(Utf8ToCp1252(utf8, back));
    EXPECT_EQ(back, all);
}

TEST(TextCodec, MapsWindowsLettersAndUndefinedBytes) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
    // Undefined in Windows-1252: kept as the C1 control of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Utf8ToCp1252Lossy("\u20AC5 \u00E9t\u00E9"), "\x80"
                                                          "5 \xE9t\xE9");
}

TEST(TextCodec, RefusesWhatWindows1252CannotHold) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252("a\u0100b", out)); // Ā has no Windows-1252 form
    EXPECT_EQ(out, "a?b");
    EXPECT_FALSE(Utf8ToCp1252("x\U0001F600", out));
    EXPECT_EQ(out, "x?");
    EXPECT_FALSE(Utf8ToCp1252("\u0080", out)); // U+0080 is not what byte 0x80 means
    EXPECT_FALSE(IsCp1252Representable("\u0152\u2122\u0394"));
    EXPECT_TRUE(IsCp1252Representable("\u0152\u2122"));
}

TEST(TextCodec, RejectsMalformedUtf8) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252("\xC3", out)); // truncated
    EXPECT_EQ(out, "?");
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF", out));         // overlong '/'
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80", out));     // surrogate
    EXPECT_FALSE(Utf8ToCp1252("\xF4\x90\x80\x80", out)); // beyond U+10FFFF
    EXPECT_FALSE(Utf8ToCp1252("a\xFF"
                              "b",
                              out));
    EXPECT_EQ(out, "a?b");
}

TEST(TextCodec, FoldsCaseLikeWindows) {
    EXPECT_EQ(LowerCaseWin("HELLO \u00C9T\u00C9 \u0160\u0152\u017D\u0178"),
              "hello \u00E9t\u00E9 \u0161\u0153\u017E\u00FF");
    EXPECT_EQ(LowerCaseWin("\u00D7\u00DF"), "\u00D7\u00DF"); // × and ß have no other case here
    EXPECT_TRUE(EqualsNoCase("Settings", "sETTINGS"));
    EXPECT_TRUE(EqualsNoCase("\u00C9cole", "\u00E9COLE"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
    EXPECT_FALSE(EqualsNoCase("a", "\u00E1"));
    EXPECT_TRUE(EqualsNoCase("", ""));
    // Malformed bytes compare as themselves, never equal to a real letter.
    EXPECT_TRUE(EqualsNoCase("x\xFF", "X\xFF"));
    EXPECT_FALSE(EqualsNoCase("\xC3", "\u00C3"));
}
