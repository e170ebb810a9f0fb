#include "conversions/Module1.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

namespace {

std::string Locator(double latitude, double longitude) {
    std::string locator = "stale";
    Module1::CalcLocator(latitude, longitude, locator);
    return locator;
}

// The locator by the formula with the library's floor and the number's decimal text: what
// the conversion's own whole-part arithmetic must give on either side of every boundary.
std::string LocatorByFloors(double latitude, double longitude) {
    double la = latitude + 90;
    double lo = longitude + 180;
    if (lo == 360)
        lo = 0;
    if (la == 180)
        la = 179.9999;
    const double fLo = std::floor(lo / 20);
    const double fLa = std::floor(la / 10);
    const auto letter = [](double code) { return std::string(1, static_cast<char>(code)); };
    const auto number = [](double n) { return std::to_string(static_cast<int>(n)); };
    return letter(65 + fLo) + letter(65 + fLa) + number(std::floor((lo - fLo * 20) / 2)) +
           number(std::floor(la - fLa * 10)) +
           letter(std::floor((lo - std::floor(lo / 2) * 2) * 12 + 65)) +
           letter(std::floor((la - std::floor(la)) * 24 + 65));
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

TEST(CalcLocatorEdges, AgreesWithTheFloorsAroundEveryBoundary) {
    // Every subsquare boundary of latitude (1/24 degree) and of longitude (1/12 degree), and
    // the values up to three steps of the last binary place either side of it.
    constexpr int kUlps = 3;
    const auto around = [](double edge, int steps) {
        double x = edge;
        for (int i = 0; i < std::abs(steps); ++i) {
            x = std::nextafter(x, steps < 0 ? -1000.0 : 1000.0);
        }
        return x;
    };
    for (int i = 0; i <= 180 * 24; ++i) {
        for (int steps = -kUlps; steps <= kUlps; ++steps) {
            const double lat = std::clamp(around(-90 + i / 24.0, steps), -90.0, 90.0);
            const double lon = -179.5 + i / 12.5;  // crosses a longitude edge now and then
            ASSERT_EQ(Locator(lat, lon), LocatorByFloors(lat, lon)) << lat << ' ' << lon;
        }
    }
    for (int j = 0; j <= 360 * 12; ++j) {
        for (int steps = -kUlps; steps <= kUlps; ++steps) {
            const double lon = std::clamp(around(-180 + j / 12.0, steps), -180.0, 180.0);
            const double lat = -89.7 + j / 24.5;
            ASSERT_EQ(Locator(lat, lon), LocatorByFloors(lat, lon)) << lat << ' ' << lon;
        }
    }
}

}  // namespace
