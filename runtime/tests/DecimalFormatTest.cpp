#include "runtime/DecimalFormat.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::string Format(double value) {
    return runtime::FormatThreeDecimals(value, ".");
}

TEST(FormatThreeDecimals, ShowsUpToThreeDecimalsWithoutLeadingZero) {
    EXPECT_EQ(Format(51.503071), "51.503");
    EXPECT_EQ(Format(-0.127238), "-.127");
    EXPECT_EQ(Format(56.8), "56.8");
    EXPECT_EQ(Format(1234.5), "1234.5");
    EXPECT_EQ(Format(0.25), ".25");
    EXPECT_EQ(Format(7), "7.");
    EXPECT_EQ(Format(1e20), "100000000000000000000.");
}

TEST(FormatThreeDecimals, AlwaysShowsTheSeparator) {
    EXPECT_EQ(Format(-2.0000000000000058), "-2.");
    EXPECT_EQ(Format(0), ".");
    EXPECT_EQ(Format(51.50000001), "51.5");
}

TEST(FormatThreeDecimals, RoundsHalfAwayFromZeroOnTheShownDecimal) {
    EXPECT_EQ(Format(0.0005), ".001");
    EXPECT_EQ(Format(-0.0005), "-.001");
    EXPECT_EQ(Format(2.0005), "2.001");  // binary value lies just below the half
    EXPECT_EQ(Format(1.0015), "1.002");
    EXPECT_EQ(Format(0.00049999), ".");
    EXPECT_EQ(Format(0.9995), "1.");  // carry into the whole part
    EXPECT_EQ(Format(-999.9996), "-1000.");
}

TEST(FormatThreeDecimals, NegativeValueRoundingToZeroHasNoSign) {
    EXPECT_EQ(Format(-0.0004), ".");
    EXPECT_EQ(Format(-0.0), ".");
    EXPECT_EQ(Format(-1e-300), ".");
}

TEST(FormatThreeDecimals, UsesTheGivenSeparator) {
    EXPECT_EQ(runtime::FormatThreeDecimals(51.503071, ","), "51,503");
    EXPECT_EQ(runtime::FormatThreeDecimals(-2, ","), "-2,");
    EXPECT_EQ(runtime::FormatThreeDecimals(1.5, "\xD9\xAB"),
              "1\xD9\xAB"
              "5");  // Arabic
}

TEST(FormatThreeDecimals, ValuesNoReferenceProduces) {
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(Format(std::numeric_limits<double>::max()).size(), 310U);  // 309 digits and "."
    EXPECT_EQ(Format(std::numeric_limits<double>::denorm_min()), ".");
}

}  // namespace
