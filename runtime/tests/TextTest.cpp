#include "runtime/Text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

namespace {

using runtime::CharCode;
using runtime::CharFromCode;
using runtime::Length;
using runtime::Mid;

TEST(TextLength, CountsCharactersNotBytes) {
    EXPECT_EQ(Length(""), 0U);
    EXPECT_EQ(Length("TQ300800"), 8U);
    EXPECT_EQ(Length("\xC3\xA9"), 1U);             // é
    EXPECT_EQ(Length("TQ30080\xE2\x82\xAC"), 8U);  // euro sign, three bytes
    EXPECT_EQ(Length("\xF0\x9F\x93\xA1TQ"), 3U);   // satellite dish emoji, four bytes
    EXPECT_EQ(Length(std::string("TQ\0"
                                 "00800",
                                 8)),
              8U);
}

TEST(TextLength, EachMalformedByteIsOneCharacter) {
    EXPECT_EQ(Length("\xFF"), 1U);
    EXPECT_EQ(Length("\x80\x80"), 2U);          // stray continuation bytes
    EXPECT_EQ(Length("\xE2\x82"), 2U);          // truncated three-byte sequence
    EXPECT_EQ(Length("\xC0\xAF"), 2U);          // overlong "/"
    EXPECT_EQ(Length("\xED\xA0\x80"), 3U);      // UTF-16 surrogate
    EXPECT_EQ(Length("\xF4\x90\x80\x80"), 4U);  // beyond U+10FFFF
    EXPECT_EQ(Length("\xE2\x82"
                     "A"),
              3U);  // truncation does not swallow the "A"
}

TEST(TextMid, CutsByCharacterPosition) {
    EXPECT_EQ(Mid("TQ300800", 3, 3), "300");
    EXPECT_EQ(Mid("TQ300800", 8, 1), "0");
    EXPECT_EQ(Mid("TQ300800", 9, 1), "");
    EXPECT_EQ(Mid("TQ300800", 6, 100), "800");
    EXPECT_EQ(Mid("\xC3\xA9"
                  "a\xF0\x9F\x93\xA1"
                  "b",
                  2, 2),
              "a\xF0\x9F\x93\xA1");
    EXPECT_EQ(Mid("\xFF\xFE"
                  "x",
                  2, 1),
              "\xFE");
    EXPECT_EQ(runtime::Left("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9");
}

TEST(TextCharCode, AsciiKeepsItsCode) {
    EXPECT_EQ(CharCode("A"), 65);
    EXPECT_EQ(CharCode("0"), 48);
    EXPECT_EQ(CharCode("9"), 57);
    EXPECT_EQ(CharCode("z..."), 122);
    EXPECT_EQ(CharCode(""), 0);
}

TEST(TextCharCode, NonAsciiIsNeverADigitOrCapitalLetter) {
    EXPECT_EQ(CharCode("\xC3\xA9"), 0xE9);                          // é, Latin-1
    EXPECT_EQ(CharCode("\xEF\xBC\x91"), runtime::kUnmappableCode);  // fullwidth digit one
    EXPECT_EQ(CharCode("\xD0\x90"), runtime::kUnmappableCode);      // Cyrillic A
    EXPECT_EQ(CharCode("\xFF"), runtime::kUnmappableCode);
    EXPECT_EQ(CharCode("\xC3"), runtime::kUnmappableCode);  // truncated é
}

TEST(TextUpperCase, OnlyAsciiLettersChange) {
    EXPECT_EQ(runtime::UpperCase("sk123456"), "SK123456");
    EXPECT_EQ(runtime::UpperCase("\xC3\xA9z{"), "\xC3\xA9Z{");  // é stays, { is not a letter
}

std::optional<std::string> FromCode(double code) {
    runtime::CharBuffer buffer{};
    const auto text = CharFromCode(code, buffer);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

TEST(TextCharFromCode, CodesOfTheSingleByteCodePage) {
    EXPECT_EQ(FromCode(65), "A");
    EXPECT_EQ(FromCode(0), std::string(1, '\0'));
    EXPECT_EQ(FromCode(0xE9), "\xC3\xA9");
    EXPECT_EQ(FromCode(255), "\xC3\xBF");
    EXPECT_EQ(FromCode(65.5), "B");  // halves to even
    EXPECT_EQ(FromCode(66.5), "B");
    EXPECT_EQ(FromCode(65.4), "A");
    EXPECT_EQ(FromCode(-0.4), std::string(1, '\0'));
    EXPECT_EQ(FromCode(255.4), "\xC3\xBF");
    for (int code = 0; code <= 255; ++code) {
        EXPECT_EQ(CharCode(*FromCode(code)), code) << code;
    }
}

TEST(TextCharFromCode, OtherCodesHaveNoCharacter) {
    for (const double code :
         {-1.0, -0.5, 255.5, 256.0, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
          -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(FromCode(code), std::nullopt) << code;
    }
}

TEST(TextUpperCaseCode, AgreesWithUpperCase) {
    for (int code = 0; code <= 255; ++code) {
        runtime::CharBuffer buffer{};
        const std::string_view text = *CharFromCode(code, buffer);
        EXPECT_EQ(runtime::UpperCaseCode(code), CharCode(runtime::UpperCase(text))) << code;
    }
}

TEST(TextCharCodes, OnlyTheExactCount) {
    std::array<int, 3> codes{};
    EXPECT_TRUE(runtime::CharCodes("a\xC3\xA9\xFF", codes));
    EXPECT_EQ(codes, (std::array<int, 3>{'a', 0xE9, runtime::kUnmappableCode}));
    EXPECT_TRUE(runtime::CharCodes("x\xE2\x82\xACz", codes));  // the euro sign
    EXPECT_EQ(codes, (std::array<int, 3>{'x', runtime::kUnmappableCode, 'z'}));
    // Three bytes, but not three characters.
    EXPECT_FALSE(runtime::CharCodes("\xE2\x82\xAC", codes));
    EXPECT_FALSE(runtime::CharCodes("ab", codes));
    EXPECT_FALSE(runtime::CharCodes("abcd", codes));
    EXPECT_FALSE(runtime::CharCodes("", codes));
    EXPECT_TRUE(runtime::CharCodes("", std::span<int>{}));
}

}  // namespace
