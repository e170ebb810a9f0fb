#include "runtime/NumberReading.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::optional<double> Read(std::string_view text) {
    return runtime::ReadNumber(text, ".");
}

TEST(ReadNumber, PlainNumbers) {
    EXPECT_EQ(Read("52"), 52.0);
    EXPECT_EQ(Read("-2"), -2.0);
    EXPECT_EQ(Read("+51.5"), 51.5);
    EXPECT_EQ(Read(".5"), 0.5);
    EXPECT_EQ(Read("5."), 5.0);
    EXPECT_EQ(Read("-.127"), -0.127);
    EXPECT_EQ(Read("0051.50"), 51.5);
    EXPECT_EQ(Read("1e2"), 100.0);
    EXPECT_EQ(Read("1.5E-3"), 0.0015);
    EXPECT_EQ(Read("2e+0"), 2.0);
}

TEST(ReadNumber, BlanksAroundAllowed) {
    EXPECT_EQ(Read("  52 "), 52.0);
    EXPECT_EQ(Read("\t-2\t"), -2.0);
    EXPECT_EQ(Read(" - 2"), std::nullopt);
    EXPECT_EQ(Read("5 2"), std::nullopt);
}

TEST(ReadNumber, ReadsBackWhatTheWindowShows) {
    EXPECT_EQ(Read("51.503"), 51.503);
    EXPECT_EQ(Read("-2."), -2.0);
    EXPECT_EQ(Read("."), 0.0);  // zero, as the pattern shows it
    EXPECT_EQ(Read("-."), 0.0);
}

TEST(ReadNumber, NotNumbers) {
    for (const char* text :
         {"",     "   ",      "abc", "52N", "1.2.3", "1,234.5", "1,5",      "inf",
          "-inf", "infinity", "nan", "NaN", "0x1A",  "0x1p3",   "1e",       "1e+",
          "e5",   "+",        "-",   "--1", "+-1",   "1_000",   "\xC2\xBD", "\xEF\xBC\x95"}) {
        EXPECT_EQ(Read(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(Read(std::string_view("5\0", 2)), std::nullopt);
}

TEST(ReadNumber, OverflowIsNotANumberUnderflowIsZero) {
    EXPECT_EQ(Read("1e309"), std::nullopt);
    EXPECT_EQ(Read("-1e309"), std::nullopt);
    EXPECT_EQ(Read("1e99999999999999999999"), std::nullopt);
    EXPECT_EQ(Read("1797693134862315708145274237317043567981e270"), std::nullopt);
    EXPECT_EQ(Read("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(Read("0.0000001e-400"), 0.0);
    const auto negativeTiny = Read("-1e-99999999999999999999");
    ASSERT_TRUE(negativeTiny);
    EXPECT_EQ(*negativeTiny, 0.0);
    EXPECT_TRUE(std::signbit(*negativeTiny));
    EXPECT_EQ(Read("0e99999999999"), 0.0);
}

TEST(ReadNumber, UsesOnlyTheGivenSeparator) {
    EXPECT_EQ(runtime::ReadNumber("52,5", ","), 52.5);
    EXPECT_EQ(runtime::ReadNumber("52.5", ","), std::nullopt);
    EXPECT_EQ(runtime::ReadNumber("1.234,5", ","), std::nullopt);
    EXPECT_EQ(runtime::ReadNumber("1\xD9\xAB"
                                  "5",
                                  "\xD9\xAB"),
              1.5);
}

}  // namespace
