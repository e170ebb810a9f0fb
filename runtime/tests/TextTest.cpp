#include "runtime/Text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

using runtime::Length;
using runtime::Utf8SequenceLength;

TEST(Utf8SequenceLength, AcceptsExactlyTheWellFormedSequences) {
    EXPECT_EQ(Utf8SequenceLength("A"), 1u);
    EXPECT_EQ(Utf8SequenceLength("\xC3\xA9"), 2u);          // é
    EXPECT_EQ(Utf8SequenceLength("\xE2\x82\xAC"), 3u);      // €
    EXPECT_EQ(Utf8SequenceLength("\xF0\x9F\x93\xA1"), 4u);  // satellite antenna
    EXPECT_EQ(Utf8SequenceLength("\xF4\x8F\xBF\xBF"), 4u);  // U+10FFFF
    EXPECT_EQ(Utf8SequenceLength("\xED\x9F\xBF"), 3u);      // U+D7FF, just below surrogates

    EXPECT_EQ(Utf8SequenceLength(""), 0u);
    EXPECT_EQ(Utf8SequenceLength("\x80"), 0u);              // lone continuation
    EXPECT_EQ(Utf8SequenceLength("\xC0\xAF"), 0u);          // overlong "/"
    EXPECT_EQ(Utf8SequenceLength("\xC1\xBF"), 0u);          // overlong
    EXPECT_EQ(Utf8SequenceLength("\xE0\x80\xAF"), 0u);      // overlong
    EXPECT_EQ(Utf8SequenceLength("\xF0\x80\x80\xAF"), 0u);  // overlong
    EXPECT_EQ(Utf8SequenceLength("\xED\xA0\x80"), 0u);      // surrogate U+D800
    EXPECT_EQ(Utf8SequenceLength("\xF4\x90\x80\x80"), 0u);  // above U+10FFFF
    EXPECT_EQ(Utf8SequenceLength("\xF5\x80\x80\x80"), 0u);
    EXPECT_EQ(Utf8SequenceLength("\xFF"), 0u);
    EXPECT_EQ(Utf8SequenceLength("\xE2\x82"), 0u);   // cut short by the end
    EXPECT_EQ(Utf8SequenceLength("\xE2\x82X"), 0u);  // cut short by ASCII
    EXPECT_EQ(Utf8SequenceLength("\xC3"), 0u);
}

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

// The codes of the characters of `text` when it has N of them.
template <std::size_t N>
std::optional<std::vector<int>> Codes(std::string_view text) {
    std::array<unsigned char, N> storage{};
    const auto codes = runtime::CharCodes(text, storage);
    if (!codes) {
        return std::nullopt;
    }
    return std::vector<int>(codes->begin(), codes->end());
}

TEST(TextCharCodes, AsciiKeepsItsCode) {
    EXPECT_EQ(Codes<4>("A09z"), (std::vector<int>{65, 48, 57, 122}));
    EXPECT_EQ(Codes<1>(std::string(1, '\0')), std::vector<int>{0});
}

TEST(TextCharCodes, NonAsciiIsNeverADigitOrCapitalLetter) {
    constexpr int kUnmappable = runtime::kUnmappableCode;
    EXPECT_EQ(Codes<1>("\xC3\xA9"), std::vector<int>{0xE9});             // é, Latin-1
    EXPECT_EQ(Codes<1>("\xC3\xBF"), std::vector<int>{0xFF});             // ÿ, the last
    EXPECT_EQ(Codes<1>("\xC4\x80"), std::vector<int>{kUnmappable});      // Ā, the first beyond
    EXPECT_EQ(Codes<1>("\xEF\xBC\x91"), std::vector<int>{kUnmappable});  // fullwidth digit one
    EXPECT_EQ(Codes<1>("\xD0\x90"), std::vector<int>{kUnmappable});      // Cyrillic A
    EXPECT_EQ(Codes<1>("\xFF"), std::vector<int>{kUnmappable});
    EXPECT_EQ(Codes<1>("\xC3"), std::vector<int>{kUnmappable});  // truncated é
}

TEST(TextCharCodes, OnlyTheExactCount) {
    EXPECT_EQ(Codes<3>("a\xC3\xA9\xFF"), (std::vector<int>{'a', 0xE9, runtime::kUnmappableCode}));
    // The euro sign, beyond the code page.
    EXPECT_EQ(Codes<3>("x\xE2\x82\xACz"), (std::vector<int>{'x', runtime::kUnmappableCode, 'z'}));
    EXPECT_EQ(Codes<3>("Az~"), (std::vector<int>{'A', 'z', '~'}));
    // Three bytes, but not three characters.
    EXPECT_EQ(Codes<3>("\xE2\x82\xAC"), std::nullopt);
    EXPECT_EQ(Codes<3>("ab"), std::nullopt);
    EXPECT_EQ(Codes<3>("abcd"), std::nullopt);
    EXPECT_EQ(Codes<3>(""), std::nullopt);
}

TEST(TextUpperCase, OnlyAsciiLettersChange) {
    for (int code = 0; code <= 255; ++code) {
        const bool lower = code >= 'a' && code <= 'z';
        EXPECT_EQ(runtime::UpperCase(code), lower ? code - 32 : code) << code;
        const auto byte = static_cast<char>(code);
        EXPECT_EQ(runtime::UpperCase(byte), lower ? static_cast<char>(code - 32) : byte) << code;
    }
}

// Messages quote input whole and readably, on one line.
TEST(TextPrintable, EscapesControlsAndMalformedBytes) {
    EXPECT_EQ(runtime::Printable(std::string_view("TQ\0"
                                                  "3\t\n\x7F",
                                                  7)),
              "TQ\\x003\\x09\\x0A\\x7F");
    EXPECT_EQ(runtime::Printable("St\xC3\xB9"
                                 "c \xF9 \xC2\x81 \xC2\xA0\\"),
              "St\xC3\xB9"
              "c \\xF9 \\x81 \xC2\xA0\\");
}

TEST(TextEqualsIgnoringCase, OnlyTheCaseOfAsciiLettersIsIgnored) {
    EXPECT_TRUE(runtime::EqualsIgnoringCase("GridSquare_Ext", "GRIDSQUARE_EXT"));
    EXPECT_TRUE(runtime::EqualsIgnoringCase("", ""));
    EXPECT_FALSE(runtime::EqualsIgnoringCase("EOR", "EOR "));
    EXPECT_FALSE(runtime::EqualsIgnoringCase("\xC3\xA9", "\xC3\x89"));  // é is not É here
    EXPECT_FALSE(runtime::EqualsIgnoringCase("[", "{"));  // '[' + 32 is '{', not a letter
}

TEST(TextTrimBlanks, SpacesTabsAndPastedBlanksAroundTheText) {
    EXPECT_EQ(runtime::TrimBlanks(" \t52 -2\t "), "52 -2");
    EXPECT_EQ(runtime::TrimBlanks("\uFEFF\u00A0TQ 300\u202F800\u200B\u200C\u200D"),
              "TQ 300\u202F800");
    EXPECT_EQ(runtime::TrimBlanks("\u2009x\u3000"), "\u2009x\u3000");  // others are text
    EXPECT_EQ(runtime::TrimBlanks(" \t "), "");
    EXPECT_EQ(runtime::TrimBlanks("\r x\v"), "\r x\v");
    EXPECT_EQ(runtime::TrimBlanks("\xC3\xA9 \xFF\t"), "\xC3\xA9 \xFF");
}

// The runs the readers take apart: blanks and digits from the front, the first blank.
TEST(TextRuns, BlanksAndDigits) {
    std::string_view text = " \t 123 4";
    EXPECT_EQ(runtime::TakeDigits(text), "");
    EXPECT_EQ(runtime::TakeBlanks(text), " \t ");
    EXPECT_EQ(runtime::TakeDigits(text), "123");
    EXPECT_EQ(text, " 4");
    EXPECT_EQ(runtime::FindBlank("52\t-2 x"), 2U);
    EXPECT_EQ(runtime::FindBlank("\xC3\xA9-2"), std::string_view::npos);
    EXPECT_EQ(runtime::FindBlank("52\u00A0-2"), 2U);
    EXPECT_EQ(runtime::BlankLength("\n"), 0U);
    EXPECT_EQ(runtime::BlankLength(""), 0U);
}

TEST(TextEvenNumbers, ListedAsAMessageListsThem) {
    EXPECT_EQ(runtime::EvenNumbersText(0, 10), "0, 2, 4, 6, 8 or 10");
    EXPECT_EQ(runtime::EvenNumbersText(2, 4), "2 or 4");
    EXPECT_EQ(runtime::EvenNumbersText(6, 6), "6");
}

}  // namespace
