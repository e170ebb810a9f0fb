#include "runtime/NumberText.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string NumberToText(double value) {
    runtime::NumberBuffer buffer{};
    return std::string(runtime::NumberToText(value, buffer));
}

TEST(NumberToText, SignColumnBeforeDigits) {
    EXPECT_EQ(NumberToText(9), " 9");
    EXPECT_EQ(NumberToText(0), " 0");
    EXPECT_EQ(NumberToText(-0.0), " 0");
    EXPECT_EQ(NumberToText(-3), "-3");
    EXPECT_EQ(NumberToText(10), " 10");
    EXPECT_EQ(NumberToText(123456789012345), " 123456789012345");
}

TEST(NumberToText, FractionsAndLargeValues) {
    EXPECT_EQ(NumberToText(0.5), " .5");
    EXPECT_EQ(NumberToText(-1.25), "-1.25");
    EXPECT_EQ(NumberToText(1.5e20), " 1.5E+20");
    EXPECT_EQ(NumberToText(-0.125), "-.125");
    EXPECT_EQ(NumberToText(-1e-300), "-1E-300");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::max()), "-1.79769313486232E+308");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), " Inf");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN()), " NaN");
}

TEST(TrimLeft, RemovesLeadingSpacesOnly) {
    EXPECT_EQ(runtime::TrimLeft(" 9"), "9");
    EXPECT_EQ(runtime::TrimLeft("   "), "");
    EXPECT_EQ(runtime::TrimLeft("\t9 "), "\t9 ");
}

}  // namespace
