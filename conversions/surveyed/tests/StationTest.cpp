#include "conversions/surveyed/Station.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "conversions/surveyed/Surveyed.hpp"

namespace {

using Surveyed::GeodeticPosition;

// A locator's station is at its centre and measures contests from its first six characters;
// a position's from its own six-character locator.
TEST(ReadStation, LocatorGridReferenceOrPosition) {
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

    // A grid reference is its square's centre on its own grid (the National Grid by OSTN15,
    // the Irish Grid, UTM zone 30); a position may take any form.
    for (const char* reference : {" NN 166 712 ", "J 338 742", "WV 652 484", "NN 1 7 NW"}) {
        const auto square = Surveyed::ReadStation(reference, error);
        ASSERT_TRUE(square) << error;
        const Surveyed::Position centre = Surveyed::FromText(reference);
        EXPECT_EQ(square->position.latitude, centre.wgs84.latitude) << reference;
        EXPECT_EQ(square->position.longitude, centre.wgs84.longitude) << reference;
    }
    // A tetrad's station is its centre; metres with their letters are on the grid they are
    // said to be on, and plain numbers stay a latitude and longitude.
    const auto tetrad = Surveyed::ReadStation("SP48T", error);
    ASSERT_TRUE(tetrad) << error;
    EXPECT_EQ(tetrad->position.latitude, Surveyed::FromText("447000 287000").wgs84.latitude);
    const auto armagh = Surveyed::ReadStation("287800E 345800N", error, Surveyed::Grid::kIrish);
    ASSERT_TRUE(armagh) << error;
    EXPECT_EQ(armagh->position.longitude,
              Surveyed::FromText("287800 345800", Surveyed::Grid::kIrish).wgs84.longitude);
    const auto dms = Surveyed::ReadStation("N51 30.000 W000 07.200", error);
    ASSERT_TRUE(dms) << error;
    EXPECT_DOUBLE_EQ(dms->position.longitude, -0.12);

    EXPECT_FALSE(Surveyed::ReadStation("IO91W", error));
    EXPECT_EQ(error,
              "\"IO91W\" is not a locator: a locator has 2, 4, 6, 8 or 10 characters, not 5; nor "
              "is it a grid reference: 'I' is not one of the first letters of the National "
              "Grid: H, J, N, O, S and T");
    EXPECT_FALSE(Surveyed::ReadStation("91 0", error));
    EXPECT_EQ(error,
              "\"91 0\" is not a locator, a grid reference or a latitude and longitude: '91' is "
              "beyond 90 degrees: not a latitude");
    EXPECT_FALSE(Surveyed::ReadStation("JZ 1 1", error));
    EXPECT_EQ(error, "the grid reference \"JZ 1 1\" has no surveyed answer (outside the grid)");
    EXPECT_FALSE(Surveyed::StationAt({91, 0}));
}

// The page's box and --qrb-from tell the kinds apart by one rule, as people type them.
TEST(KindOfStation, TheFirstReaderThatTakesTheText) {
    using Surveyed::StationKind;
    const struct {
        const char* text;
        StationKind kind;
    } kCases[] = {
        {"IO78qj", StationKind::kLocator},
        {"NN17", StationKind::kLocator},
        {" NC 477 501 ", StationKind::kGridReference},
        {"NN 1 7", StationKind::kGridReference},
        {"J 338 742", StationKind::kGridReference},
        {"WV652484", StationKind::kGridReference},
        {"216667, 771283", StationKind::kGridReference},
        {"NC477", StationKind::kGridReference},
        {"SP48T", StationKind::kGridReference},
        {"E224100 N252100", StationKind::kGridReference},
        {"224100E 252100N", StationKind::kGridReference},
        {"N52 W2", StationKind::kPosition},
        {"52 2", StationKind::kPosition},
        {"5130.22N/00007.63W", StationKind::kPosition},
        {"91 0", StationKind::kPosition},
        {"100 200", StationKind::kGridReference},
        {"", StationKind::kPosition},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Surveyed::KindOfStation(c.text), c.kind) << c.text;
    std::string error;
    EXPECT_TRUE(Surveyed::ReadStation("216667 771283", error)) << error;
}

}  // namespace
