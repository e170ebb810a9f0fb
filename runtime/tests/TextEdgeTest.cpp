// Malformed UTF-8 that only the bounds of a sequence's second byte can tell.

#include <gtest/gtest.h>

#include <array>

#include "runtime/Text.hpp"

namespace {

TEST(TextEdges, OverlongThreeAndFourByteFormsAreSingleBytes) {
    EXPECT_EQ(runtime::Length("\xE0\x80\xAF"), 3U);      // "/" in three bytes
    EXPECT_EQ(runtime::Length("\xE0\x9F\xBF"), 3U);      // U+07FF in three bytes
    EXPECT_EQ(runtime::Length("\xE0\xA0\x80"), 1U);      // U+0800, the first three-byte one
    EXPECT_EQ(runtime::Length("\xF0\x8F\xBF\xBF"), 4U);  // U+FFFF in four bytes
    EXPECT_EQ(runtime::Length("\xF0\x90\x80\x80"), 1U);  // U+10000, the first four-byte one
    std::array<unsigned char, 3> codes{};
    ASSERT_TRUE(runtime::CharCodes("\xE0\x80\xB0", codes));
    EXPECT_EQ(codes[0], '?');  // an overlong "0" is no digit
}

}  // namespace
