#include "conversions/surveyed/Station.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "conversions/surveyed/LatLon.hpp"

namespace {

using Surveyed::GeodeticPosition;

TEST(ReadLatLon, TwoNumbersInRangeByCommaOrBlanks) {
    struct Case {
        const char* text;
        std::optional<GeodeticPosition> position;
    };
    const Case cases[] = {
        {"52 -2", GeodeticPosition{52, -2}},
        {"52,-2", GeodeticPosition{52, -2}},
        {"52 ,\t-2", GeodeticPosition{52, -2}},
        {"-90\t180", GeodeticPosition{-90, 180}},
        {"1e1 .5", GeodeticPosition{10, 0.5}},
        {"52", std::nullopt},
        {"52,", std::nullopt},
        {"52 -2 3", std::nullopt},
        {"90.000001 0", std::nullopt},
        {"0 -180.5", std::nullopt},
        {"52;-2", std::nullopt},
        {"52,5 -2", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto position = Surveyed::ReadLatLon(c.text);
        ASSERT_EQ(position.has_value(), c.position.has_value()) << c.text;
        if (position) {
            EXPECT_EQ(position->latitude, c.position->latitude) << c.text;
            EXPECT_EQ(position->longitude, c.position->longitude) << c.text;
        }
    }
}

// A locator's station is at its centre and measures contests from its first six characters;
// a position's from its own six-character locator.
TEST(ReadStation, LocatorOrLatLon) {
    std::string error;
    const auto locator = Surveyed::ReadStation("io91wm00aa", error);
    ASSERT_TRUE(locator) << error;
    EXPECT_EQ(locator->contestArea.width, 1.0 / 12);
    EXPECT_DOUBLE_EQ(locator->contestArea.west, -2.0 + 22.0 / 12);
    EXPECT_LT(locator->position.longitude, locator->contestArea.CentreLongitude());

    const auto position = Surveyed::ReadStation("51.5 -0.12", error);
    ASSERT_TRUE(position) << error;
    EXPECT_EQ(position->position.latitude, 51.5);
    const auto same = Surveyed::StationAtLocator("IO91WM");
    ASSERT_TRUE(same);
    EXPECT_EQ(position->contestArea.west, same->contestArea.west);
    EXPECT_EQ(position->contestArea.south, same->contestArea.south);
    // JO55WW to JO65FR is 43.17 km: 44 points; a station to its own locator scores 1.
    EXPECT_EQ(Surveyed::ContestPointsBetween(*Surveyed::StationAtLocator("JO55WW"),
                                             *Surveyed::StationAtLocator("JO65FR")),
              44);
    EXPECT_EQ(Surveyed::ContestPointsBetween(*position, *same), 1);

    EXPECT_FALSE(Surveyed::ReadStation("IO91W", error));
    EXPECT_EQ(error,
              "\"IO91W\" is not a locator: a locator has 2, 4, 6, 8 or 10 characters, not 5, nor "
              "is it a latitude and longitude (\"52 -2\")");
    EXPECT_FALSE(Surveyed::StationAt({91, 0}));
}

}  // namespace
