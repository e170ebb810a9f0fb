// Doubles as text, the same in every build, whichever library writes and reads them.

#include "runtime/DoubleText.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using runtime::ReadDecimal;
using runtime::ShortestScientific;

TEST(ShortestScientific, FewestDigitsThatReadBackNearestFirst) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0e+00"},
        {-0.0, "-0e+00"},
        {1, "1e+00"},
        {0.1, "1e-01"},
        {100, "1e+02"},
        {1e23, "1e+23"},
        {51.503071, "5.1503071e+01"},
        {-2.0000000000000058, "-2.0000000000000058e+00"},
        {9007199254740993.0, "9.007199254740992e+15"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
        // A power of two, whose interval reaches further above it than below: the shortest
        // text lies above it although the nearest of that length, below, does not read back.
        {std::ldexp(1.0, -1017), "7.120236347223045e-307"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortestScientific(c.value), c.text);
    }
}

TEST(ReadDecimal, NearestDoubleOrNoneOutOfRange) {
    const double none = -1;  // stands for std::nullopt in the table
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"51.503", 51.503},
        {"-0.127e0", -0.127},
        {"0012.5000e-1", 1.25},
        {"9007199254740993", 9007199254740992.0},  // halfway: to the even one
        {"9007199254740995", 9007199254740996.0},
        {"1.7976931348623158e308", std::numeric_limits<double>::max()},
        {"1.7976931348623159e308", none},
        {"1e400", none},
        {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
        {"2.4703282292062327e-324", none},
        {"-1e-400", none},
        {"0e-400", 0.0},
    };
    for (const auto& c : cases) {
        const auto read = ReadDecimal(c.text);
        if (c.value == none) {
            EXPECT_EQ(read, std::nullopt) << c.text;
        } else {
            EXPECT_EQ(read, c.value) << c.text;
        }
    }
    const auto negativeZero = ReadDecimal("-0.000");
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(*negativeZero));
    // Every digit counts, however many there are.
    EXPECT_EQ(ReadDecimal("0." + std::string(800, '0') + "1e801"), 1.0);
}

}  // namespace
