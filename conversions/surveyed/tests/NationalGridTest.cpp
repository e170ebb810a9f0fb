#include "conversions/surveyed/NationalGrid.hpp"

#include <gtest/gtest.h>

#include "conversions/surveyed/DatumShift.hpp"

namespace {

constexpr double kSecondsPerDegree = 3600;

double Degrees(double degrees, double minutes, double seconds) {
    return degrees + minutes / 60 + seconds / kSecondsPerDegree;
}

// The Ordnance Survey's worked example for the inverse projection ("A guide to coordinate
// systems in Great Britain", annexe C): E 651409.903, N 313177.270 is 52 39' 27.2531" N,
// 1 43' 4.5177" E on OSGB36, given to 0.0001".
TEST(GridToOsgb36, MatchesTheOrdnanceSurveysWorkedExample) {
    const Surveyed::GeodeticPosition p = Surveyed::GridToOsgb36({651'409.903, 313'177.270});
    constexpr double kTolerance = 0.0001 / kSecondsPerDegree;
    EXPECT_NEAR(p.latitude, Degrees(52, 39, 27.2531), kTolerance);
    EXPECT_NEAR(p.longitude, Degrees(1, 43, 4.5177), kTolerance);
}

TEST(GridToOsgb36, FalseOriginOffsetsLeadToTheTrueOrigin) {
    const Surveyed::GeodeticPosition p = Surveyed::GridToOsgb36({400'000, -100'000});
    EXPECT_NEAR(p.latitude, 49, 1e-12);
    EXPECT_NEAR(p.longitude, -2, 1e-12);
}

// The datum shift alone, at the true origin; a sign slip in any of the seven parameters moves
// the point by metres to hundreds of metres. The whole chain is checked in SurveyedTest.
//   echo "-2 49 0 0" | cct -d 10 +proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad
//     +step +proj=push +v_3 +step +proj=cart +a=6377563.396 +b=6356256.909
//     +step +proj=helmert +x=446.448 +y=-125.157 +z=542.060 +rx=0.1502 +ry=0.2470 +rz=0.8421
//           +s=-20.4894 +convention=position_vector
//     +step +inv +proj=cart +ellps=WGS84 +step +proj=pop +v_3
//     +step +proj=unitconvert +xy_in=rad +xy_out=deg
TEST(Osgb36ToWgs84, MatchesProjAtTheTrueOrigin) {
    const Surveyed::GeodeticPosition p = Surveyed::Osgb36ToWgs84({49, -2});
    constexpr double kTolerance = 1e-9;  // about 0.1 mm
    EXPECT_NEAR(p.latitude, 49.0007707790, kTolerance);
    EXPECT_NEAR(p.longitude, -2.0013075046, kTolerance);
}

}  // namespace
