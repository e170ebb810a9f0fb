// The corners of the grid: where the positions of all valid references end, and the
// locator's behaviour a unit in the last place from the date line.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "conversions/Module1.hpp"

namespace {

struct Position {
    double latitude = 0;
    double longitude = 0;
};

Position Convert(const char* ngr) {
    Position p;
    std::int16_t result = -1;
    Module1::ConvertNGR(ngr, p.latitude, p.longitude, result);
    EXPECT_EQ(result, Module1::kValid) << ngr;
    return p;
}

// Found by converting all 75 million references; the sea squares of the east lie far east
// of Greenwich on the program's sphere.
TEST(GridExtremes, CornersOfTheRangeOfAllReferences) {
    EXPECT_EQ(Convert("TZ999000").latitude, 49.60142549131276);     // southernmost
    EXPECT_EQ(Convert("NE000999").latitude, 58.891196861534716);    // northernmost
    EXPECT_EQ(Convert("NA000999").longitude, -8.9129316103993563);  // westernmost
    EXPECT_EQ(Convert("TE999999").longitude, 7.173926124461568);    // easternmost
}

TEST(GridExtremes, LongitudeJustBelow180WrapsLike180) {
    // Its sum with 180 rounds to exactly 360, which wraps to the western edge.
    std::string locator;
    Module1::CalcLocator(0, std::nextafter(180.0, 0.0), locator);
    EXPECT_EQ(locator, "AJ00AA");
    Module1::CalcLocator(0, 180, locator);
    EXPECT_EQ(locator, "AJ00AA");
    Module1::CalcLocator(0, std::nextafter(std::nextafter(180.0, 0.0), 0.0), locator);
    EXPECT_EQ(locator, "RJ90XA");
}

}  // namespace
