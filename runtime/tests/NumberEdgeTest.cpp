// Edges of the number services that the grid never reaches but typed or pasted text can.

#include <gtest/gtest.h>

#include <limits>

#include "runtime/DecimalFormat.hpp"
#include "runtime/NumberReading.hpp"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(NumberEdges, InfinitiesKeepTheirSign) {
    EXPECT_EQ(runtime::FormatThreeDecimals(-kInfinity, "."), "-Infinity");
    EXPECT_EQ(runtime::FormatThreeDecimals(kInfinity, "."), "Infinity");
}

TEST(NumberEdges, RoundingCarriesIntoAWholePartWithRoomToSpare) {
    EXPECT_EQ(runtime::FormatThreeDecimals(1.9996, "."), "2.");
    EXPECT_EQ(runtime::FormatThreeDecimals(-58.9995, ","), "-59,");
    EXPECT_EQ(runtime::FormatThreeDecimals(9.9999, "."), "10.");
}

TEST(NumberEdges, WithoutASeparatorOnlyWholeNumbersRead) {
    EXPECT_EQ(runtime::ReadNumber(" 52 ", ""), 52.0);
    EXPECT_EQ(runtime::ReadNumber("-2e1", ""), -20.0);
    EXPECT_EQ(runtime::ReadNumber("52.5", ""), std::nullopt);
    EXPECT_EQ(runtime::ReadNumber("", ""), std::nullopt);
}

}  // namespace
