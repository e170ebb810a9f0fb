#include "conversions/surveyed/Surveyed.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "conversions/Module1.hpp"

namespace {

struct Expected {
    const char* ngr;
    double latitude;
    double longitude;
    const char* locator;
};

// WGS84 positions of the square centres by PROJ 9.1.1, with the Ordnance Survey's Helmert
// parameters as published (EPSG 1314 holds them rounded, which moves a point by millimetres):
//   printf '530050 180050 0 0\n...' | cct -d 10 +proj=pipeline
//     +step +inv +proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000
//           +a=6377563.396 +b=6356256.909
//     +step +proj=push +v_3 +step +proj=cart +a=6377563.396 +b=6356256.909
//     +step +proj=helmert +x=446.448 +y=-125.157 +z=542.060 +rx=0.1502 +ry=0.2470 +rz=0.8421
//           +s=-20.4894 +convention=position_vector
//     +step +inv +proj=cart +ellps=WGS84 +step +proj=pop +v_3
//     +step +proj=unitconvert +xy_in=rad +xy_out=deg
// (cct prints longitude, then latitude).
class SurveyedMatchesProj : public testing::TestWithParam<Expected> {};

TEST_P(SurveyedMatchesProj, ToATenthOfAMillimetre) {
    const Expected& e = GetParam();
    const Surveyed::Answer a = Surveyed::Convert(e.ngr);
    ASSERT_EQ(a.result, Module1::kValid) << e.ngr;
    constexpr double kTolerance = 1e-9;  // degrees: 0.1 mm of latitude
    EXPECT_NEAR(a.latitude, e.latitude, kTolerance) << e.ngr;
    EXPECT_NEAR(a.longitude, e.longitude, kTolerance) << e.ngr;
    EXPECT_EQ(a.locator, e.locator) << e.ngr;
}

INSTANTIATE_TEST_SUITE_P(
    AcrossTheGrid, SurveyedMatchesProj,
    testing::Values(
        // London, Fort William, the grid's south-west corner off the Scillies.
        Expected{"TQ300800", 51.5044286658, -0.1276155778, "IO91WM"},
        Expected{"NN166712", 56.7965564712, -5.0039304068, "IO76LT"},
        Expected{"SV000000", 49.7672880635, -7.5565201378, "IN69FS"},
        // On the central meridian: the window's answer is in IO91AF, the square's centre is
        // 46 m west of the square boundary at 2 degrees west.
        Expected{"SU000500", 51.2496201691, -2.0006666549, "IO81XF"},
        // Squares the window rejects: Lerwick (Shetland), Muckle Flugga, Kirkwall (Orkney),
        // the Yorkshire coast at the corner of square OV.
        Expected{"HU474414", 60.1547838493, -1.1471207084, "IP90KD"},
        Expected{"HP607194", 60.8532044363, -0.8837875794, "IP90NU"},
        Expected{"HY450108", 58.9812498838, -2.9576535598, "IO88MX"},
        Expected{"OV000000", 54.3861182383, -0.4608739250, "IO94SJ"}),
    [](const testing::TestParamInfo<Expected>& p) { return std::string(p.param.ngr); });

TEST(Surveyed, FailedReadingLeavesNoPosition) {
    for (const auto& [ngr, result] : {std::pair{"HU12345", Module1::kWrongLength},
                                      std::pair{"PA123456", Module1::kBadGridLetter},
                                      std::pair{"HU12345x", Module1::kBadDigit}}) {
        const Surveyed::Answer a = Surveyed::Convert(ngr);
        EXPECT_EQ(a.result, result) << ngr;
        EXPECT_EQ(a.latitude, 0) << ngr;
        EXPECT_EQ(a.longitude, 0) << ngr;
        EXPECT_EQ(a.locator, "") << ngr;
    }
}

}  // namespace
