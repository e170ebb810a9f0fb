#include "conversions/surveyed/Ostn15.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "conversions/surveyed/Projection.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "conversions/surveyed/tests/MetresApart.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::GridPoint;

using SurveyedTest::MetresApart;

// WGS84 -> grid -> WGS84 at random points of the shift grid, away from its edges (which the
// shifts carry some 100 m).
TEST(Ostn15, RoundTripWithinAMillimetre) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> easting(1'000, Surveyed::kShiftGridMaxEasting - 1'000);
    std::uniform_real_distribution<double> northing(1'000, Surveyed::kShiftGridMaxNorthing - 1'000);
    double worst = 0;
    for (int i = 0; i < 100'000; ++i) {
        const GeodeticPosition start = Surveyed::Unproject({easting(random), northing(random)});
        const auto grid = Surveyed::Etrs89ToNationalGrid(Surveyed::Project(start));
        ASSERT_TRUE(grid);
        const Surveyed::Position back = Surveyed::FromNationalGrid(*grid);
        ASSERT_EQ(back.status, Surveyed::Status::kOk);
        worst = std::max(worst, MetresApart(back.wgs84, start));
    }
    std::printf("worst round trip: %.2g m\n", worst);
    EXPECT_LT(worst, 0.001);
}

// The shift grid's corners: the shifts of the corner nodes (90.750 m, -82.020 m at the
// south-west, 109.209 m, -53.064 m at the north-east) carry them to these National Grid
// positions, which lead back; a millimetre beyond, there is no answer either way.
TEST(Ostn15, EdgesAreInsideAndNothingBeyond) {
    struct Corner {
        GridPoint etrs89;
        GridPoint nationalGrid;
        GridPoint outward;  // a millimetre beyond the corner
    };
    for (const Corner& c :
         {Corner{{0, 0}, {90.750, -82.020}, {-0.001, -0.001}},
          Corner{{700'000, 1'250'000}, {700'109.209, 1'249'946.936}, {0.001, 0.001}}}) {
        const auto grid = Surveyed::Etrs89ToNationalGrid(c.etrs89);
        ASSERT_TRUE(grid);
        EXPECT_NEAR(grid->easting, c.nationalGrid.easting, 1e-9);
        EXPECT_NEAR(grid->northing, c.nationalGrid.northing, 1e-9);
        const auto back = Surveyed::NationalGridToEtrs89(c.nationalGrid);
        ASSERT_TRUE(back);
        EXPECT_LT(MetresApart(*back, c.etrs89), 1e-4);
        // Each coordinate alone beyond its edge.
        for (const GridPoint beyond :
             {GridPoint{c.etrs89.easting + c.outward.easting, c.etrs89.northing},
              GridPoint{c.etrs89.easting, c.etrs89.northing + c.outward.northing}}) {
            EXPECT_FALSE(Surveyed::InShiftGrid(beyond));
            EXPECT_FALSE(Surveyed::Etrs89ToNationalGrid(beyond));
        }
        EXPECT_FALSE(Surveyed::NationalGridToEtrs89(
            {c.nationalGrid.easting + c.outward.easting, c.nationalGrid.northing}));
        EXPECT_FALSE(Surveyed::NationalGridToEtrs89(
            {c.nationalGrid.easting, c.nationalGrid.northing + c.outward.northing}));
    }
    // Along the last column and the last row, inside.
    EXPECT_TRUE(Surveyed::Etrs89ToNationalGrid({700'000, 612'345.6}));
    EXPECT_TRUE(Surveyed::Etrs89ToNationalGrid({345'678.9, 1'250'000}));
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(Surveyed::InShiftGrid({kNaN, 0}));
    EXPECT_FALSE(Surveyed::NationalGridToEtrs89({0, kNaN}));
    EXPECT_FALSE(Surveyed::NationalGridToEtrs89({kInfinity, 0}));
}

}  // namespace
