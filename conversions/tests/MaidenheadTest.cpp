#include "conversions/Maidenhead.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "conversions/Module1.hpp"

namespace {

using Maidenhead::LocatorOf;
using Maidenhead::ReadLocator;

// Points on boundaries (a double holds each exactly) go north and east; the poles' and the
// antimeridian's edges follow CalcLocator.
TEST(Maidenhead, LocatorsOfEveryLength) {
    struct Case {
        double latitude, longitude;
        int length;
        const char* locator;
    };
    const Case cases[] = {
        {51.5, -0.1, 2, "IO"},
        {51.5, -0.1, 4, "IO91"},
        {51.5, -0.1, 6, "IO91WM"},
        {52, -2, 8, "IO92AA00"},
        {52, -2, 10, "IO92AA00AA"},
        {52, -1.875, 10, "IO92BA50AA"},                     // half-way across subsquare B
        {52 + 1.0 / 64, -2 + 1.0 / 128, 10, "IO92AA03WS"},  // inside the extended squares
        {-90, -180, 10, "AA00AA00AA"},
        {90, 180, 10, "AR09AX09AX"},  // longitude 180 wraps, latitude 90 stays in row R
        {90, -180, 8, "AR09AX09"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocatorOf(c.latitude, c.longitude, c.length), c.locator)
            << c.latitude << " " << c.longitude << " " << c.length;
    }
    for (const int length : {0, 1, 3, 7, 12, -2}) {
        EXPECT_EQ(LocatorOf(51.5, -0.1, length), std::nullopt) << length;
    }
    EXPECT_EQ(LocatorOf(90.5, 0, 8), std::nullopt);
    EXPECT_EQ(LocatorOf(0, std::numeric_limits<double>::quiet_NaN(), 8), std::nullopt);
}

// Over random points: the first six characters are CalcLocator's, and the area the locator
// names holds the point (within rounding at its edges).
TEST(Maidenhead, LongLocatorsExtendCalcLocatorAndHoldThePoint) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    for (int i = 0; i < 100000; ++i) {
        const double lat = latitude(random);
        const double lon = longitude(random);
        const std::optional<std::string> ten = LocatorOf(lat, lon, 10);
        ASSERT_TRUE(ten);
        std::string six;
        Module1::CalcLocator(lat, lon, six);
        ASSERT_EQ(ten->substr(0, 6), six);
        const Maidenhead::Reading reading = ReadLocator(*ten);
        ASSERT_TRUE(reading.area) << *ten;
        const Maidenhead::Area& a = *reading.area;
        constexpr double kSlack = 1e-9;
        ASSERT_TRUE(lat >= a.south - kSlack && lat <= a.south + a.height + kSlack &&
                    lon >= a.west - kSlack && lon <= a.west + a.width + kSlack)
            << lat << " " << lon << " " << *ten;
    }
}

TEST(Maidenhead, AreasOfLocators) {
    struct Case {
        const char* text;
        const char* locator;
        double south, west, height, width;
    };
    const Case cases[] = {
        {"IO", "IO", 50, -20, 10, 20},
        {"io91", "IO91", 51, -2, 1, 2},
        {"IO91wm", "IO91WM", 51.5, -1.0 / 6, 1.0 / 24, 1.0 / 12},
        {"RR99XX99XX", "RR99XX99XX", 90 - 1.0 / 5760, 180 - 1.0 / 2880, 1.0 / 5760, 1.0 / 2880},
        {"AA00AA00AA", "AA00AA00AA", -90, -180, 1.0 / 5760, 1.0 / 2880},
    };
    for (const Case& c : cases) {
        const Maidenhead::Reading reading = ReadLocator(c.text);
        ASSERT_TRUE(reading.area) << c.text << ": " << reading.error;
        EXPECT_EQ(reading.locator, c.locator);
        EXPECT_DOUBLE_EQ(reading.area->south, c.south) << c.text;
        EXPECT_DOUBLE_EQ(reading.area->west, c.west) << c.text;
        EXPECT_DOUBLE_EQ(reading.area->height, c.height) << c.text;
        EXPECT_DOUBLE_EQ(reading.area->width, c.width) << c.text;
    }
}

TEST(Maidenhead, RefusalsNameTheFirstWrongCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"SS00", "\"SS00\" is not a locator: character 1, \"S\", is not a field letter (A to R)"},
        {"IO9A", "\"IO9A\" is not a locator: character 4, \"A\", is not a square digit (0 to 9)"},
        {"IO91WY",
         "\"IO91WY\" is not a locator: character 6, \"Y\", is not a subsquare letter "
         "(A to X)"},
        {"IO91WM5",
         "\"IO91WM5\" is not a locator: a locator has 2, 4, 6, 8 or 10 characters, "
         "not 7"},
        {"IO91WM00AA0", "\"IO91WM00AA0\" is not a locator: a locator has at most 10 characters"},
        {"", "\"\" is not a locator: a locator has 2, 4, 6, 8 or 10 characters, not 0"},
        {"IO 91", "\"IO 91\" is not a locator: character 3, \" \", is not a square digit (0 to 9)"},
        {"IO9\xC3\xA9",
         "\"IO9\xC3\xA9\" is not a locator: character 4, \"\xC3\xA9\", is not a "
         "square digit (0 to 9)"},
    };
    for (const auto& [text, error] : cases) {
        const Maidenhead::Reading reading = ReadLocator(text);
        EXPECT_FALSE(reading.area) << text;
        EXPECT_EQ(reading.locator, "") << text;
        EXPECT_EQ(reading.error, error);
    }
}

// The worked example of the IARU Region 1 contest rules.
TEST(Maidenhead, ContestDistance) {
    const auto area = [](const char* locator) { return *ReadLocator(locator).area; };
    const double km = Maidenhead::ContestDistanceKm(area("JO55WW"), area("JO65FR"));
    EXPECT_NEAR(km, 43.17, 0.005);
    EXPECT_EQ(Maidenhead::ContestKilometres(km), 43);
    EXPECT_EQ(Maidenhead::ContestPoints(km), 44);
    // One locator to itself: no distance (not the NaN of an arccos just past 1), one point.
    const double none = Maidenhead::ContestDistanceKm(area("IO91WM"), area("IO91WM"));
    EXPECT_EQ(none, 0);
    EXPECT_EQ(Maidenhead::ContestPoints(none), 1);
}

}  // namespace
