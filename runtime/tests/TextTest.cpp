#include "runtime/Text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

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
    std::array<unsigned char, 3> storage{};
    const auto codes = [&storage](std::string_view text) -> std::optional<std::vector<int>> {
        const auto viewed = runtime::CharCodes(text, storage);
        if (!viewed) {
            return std::nullopt;
        }
        return std::vector<int>(viewed->begin(), viewed->end());
    };
    EXPECT_EQ(codes("a\xC3\xA9\xFF"), (std::vector<int>{'a', 0xE9, runtime::kUnmappableCode}));
    // The euro sign, beyond the code page.
    EXPECT_EQ(codes("x\xE2\x82\xACz"), (std::vector<int>{'x', runtime::kUnmappableCode, 'z'}));
    EXPECT_EQ(codes("Az~"), (std::vector<int>{'A', 'z', '~'}));
    // Three bytes, but not three characters.
    EXPECT_EQ(codes("\xE2\x82\xAC"), std::nullopt);
    EXPECT_EQ(codes("ab"), std::nullopt);
    EXPECT_EQ(codes("abcd"), std::nullopt);
    EXPECT_EQ(codes(""), std::nullopt);
}

TEST(TextIsAscii, EveryByteIsTested) {
    EXPECT_TRUE(runtime::IsAscii(""));
    EXPECT_TRUE(runtime::IsAscii("TQ300800 and more than a word\x7F"));
    // A byte beyond ASCII in each place of a word and of the tail after it.
    for (std::size_t at = 0; at < 11; ++at) {
        std::string text(11, 'x');
        text[at] = '\x80';
        EXPECT_FALSE(runtime::IsAscii(text)) << at;
    }
}

}  // namespace
