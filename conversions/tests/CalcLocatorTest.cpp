#include "conversions/Module1.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

namespace {

std::string Locator(double latitude, double longitude) {
    std::string locator = "stale";
    Module1::CalcLocator(latitude, longitude, locator);
    return locator;
}

std::string LocatorOf(std::string_view ngr) {
    double lat = 0;
    double lon = 0;
    std::int16_t result = -1;
    Module1::ConvertNGR(ngr, lat, lon, result);
    EXPECT_EQ(result, Module1::kValid) << ngr;
    return Locator(lat, lon);
}

TEST(CalcLocator, KnownPoints) {
    EXPECT_EQ(Locator(51.5, -0.1), "IO91WM");
    EXPECT_EQ(Locator(52, -2), "IO92AA");
    EXPECT_EQ(Locator(0, 0), "JJ00AA");
    EXPECT_EQ(Locator(-33.8568, 151.2153), "QF56OD");  // far from Great Britain
    EXPECT_EQ(Locator(40.6892, -74.0445), "FN20XQ");
}

TEST(CalcLocator, FromGridReferences) {
    EXPECT_EQ(LocatorOf("TQ300800"), "IO91WM");
    EXPECT_EQ(LocatorOf("NN166712"), "IO76LT");
    EXPECT_EQ(LocatorOf("SV000000"), "IN69FS");
    EXPECT_EQ(LocatorOf("sk123456"), "IO93CA");
    // Longitude a few units in the last place below -2: adding 180 rounds to exactly 178,
    // so the point stays in square 9 and subsquare A.
    EXPECT_EQ(LocatorOf("SU000500"), "IO91AF");
}

TEST(CalcLocatorEdges, CornersOfTheWorld) {
    EXPECT_EQ(Locator(-90, -180), "AA00AA");
    EXPECT_EQ(Locator(90, 180), "AR09AX");  // longitude wraps, latitude is held inside R
    EXPECT_EQ(Locator(89.99999, 179.99999), "RR99XX");
    EXPECT_EQ(Locator(-90, 180), "AA00AA");
    EXPECT_EQ(Locator(90, -180), "AR09AX");
}

TEST(CalcLocatorEdges, Longitude180IsLongitudeMinus180) {
    for (const double lat : {-45.3, 0.0, 12.34, 89.9}) {
        const std::string east = Locator(lat, 180);
        const std::string west = Locator(lat, -180);
        EXPECT_EQ(east[0], west[0]);
        EXPECT_EQ(east[2], west[2]);
        EXPECT_EQ(east[4], west[4]);
        EXPECT_EQ(east, west);
    }
}

TEST(CalcLocatorEdges, BoundariesFallToTheEastAndNorth) {
    EXPECT_EQ(Locator(52, -2), "IO92AA");  // square and subsquare edge
    EXPECT_EQ(Locator(52, -2.0000000000001), "IO82XA");
    EXPECT_EQ(Locator(51.999999999, -2), "IO91AX");
    EXPECT_EQ(Locator(52, -2 + 5.0 / 60), "IO92BA");  // next subsquare, 5' east
    EXPECT_EQ(Locator(52 + 2.6 / 60, -2), "IO92AB");  // next subsquare, 2.5' north
    EXPECT_EQ(Locator(-0.0, -0.0), "JJ00AA");
}

TEST(CalcLocatorEdges, OutsideTheWorldGivesNoLocator) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [lat, lon] :
         std::initializer_list<std::pair<double, double>>{{90.0000001, 0},
                                                          {-90.0000001, 0},
                                                          {0, 180.0000001},
                                                          {0, -180.0000001},
                                                          {91, 0},
                                                          {1e300, 0},
                                                          {0, -1e300},
                                                          {nan, 0},
                                                          {0, nan},
                                                          {inf, 0},
                                                          {0, -inf}}) {
        EXPECT_EQ(Locator(lat, lon), "") << lat << ' ' << lon;
    }
}

TEST(CalcLocatorEdges, EveryInRangePointIsWellFormed) {
    const std::regex wellFormed("[A-R]{2}[0-9]{2}[A-X]{2}");
    for (double lat = -90; lat <= 90; lat += 0.37) {
        for (double lon = -180; lon <= 180; lon += 0.53) {
            ASSERT_TRUE(std::regex_match(Locator(lat, lon), wellFormed)) << lat << ' ' << lon;
        }
    }
    // Just below every square boundary, where rounding could push a subsquare to "Y".
    for (int deg = -90; deg < 90; ++deg) {
        const double below = std::nextafter(static_cast<double>(deg + 1), -1000.0);
        ASSERT_TRUE(std::regex_match(Locator(below, below * 2), wellFormed)) << below;
    }
}

}  // namespace
