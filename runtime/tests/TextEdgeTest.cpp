// Malformed UTF-8 that only the bounds of a sequence's second byte can tell, and positions
// before the first character.

#include <gtest/gtest.h>

#include "runtime/Text.hpp"

namespace {

TEST(TextEdges, OverlongThreeAndFourByteFormsAreSingleBytes) {
    EXPECT_EQ(runtime::Length("\xE0\x80\xAF"), 3U);      // "/" in three bytes
    EXPECT_EQ(runtime::Length("\xE0\x9F\xBF"), 3U);      // U+07FF in three bytes
    EXPECT_EQ(runtime::Length("\xE0\xA0\x80"), 1U);      // U+0800, the first three-byte one
    EXPECT_EQ(runtime::Length("\xF0\x8F\xBF\xBF"), 4U);  // U+FFFF in four bytes
    EXPECT_EQ(runtime::Length("\xF0\x90\x80\x80"), 1U);  // U+10000, the first four-byte one
    EXPECT_EQ(runtime::CharCode("\xE0\x80\xB0"), '?');   // an overlong "0" is no digit
}

TEST(TextEdges, MidFromPositionZeroStartsAtTheFirstCharacter) {
    EXPECT_EQ(runtime::Mid("TQ300800", 0, 2), "TQ");
    EXPECT_EQ(runtime::Mid("\xC3\xA9"
                           "a",
                           0, 1),
              "\xC3\xA9");
}

}  // namespace
