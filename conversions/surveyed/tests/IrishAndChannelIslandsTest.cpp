// References on the Irish Grid and on UTM zone 30 (the Channel Islands), read, converted both
// ways and written again, against PROJ.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/IrishGrid.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "conversions/surveyed/Utm30.hpp"
#include "conversions/surveyed/tests/MetresApart.hpp"

namespace {

using Surveyed::Grid;
using Surveyed::GridPoint;
using Surveyed::ReadingFault;

struct Reference {
    Grid grid;
    std::string_view text;  // the letters, then the digits as people write them
    double easting;         // the square's centre on its grid, metres
    double northing;
    double latitude;  // its position, degrees: ETRS89 for the Irish Grid, WGS84 for UTM 30
    double longitude;
};

// Every precision, blanks and either case, squares at the table's corners, and the places
// people ask for (Belfast, Dublin, Galway, Cork; St Helier, St Peter Port, Alderney, the
// Minquiers). The positions are PROJ 9.1's, written once to ten decimals (0.01 mm):
// cs2cs -f %.10f EPSG:29903 EPSG:4258 for the Irish Grid (EPSG:1953's Helmert
// transformation), EPSG:32630 EPSG:4326 for UTM zone 30.
constexpr Reference kReferences[] = {
    {Grid::kIrish, "J", 350'000, 350'000, 54.3765561844, -5.6923152721},
    {Grid::kIrish, "O", 350'000, 250'000, 53.4788587270, -5.7413417437},
    {Grid::kIrish, "J37", 335'000, 375'000, 54.6051802964, -5.9115653661},
    {Grid::kIrish, "V88", 85'000, 85'000, 52.0056313626, -9.6754157257},
    {Grid::kIrish, "M2925", 129'500, 225'500, 53.2753952441, -9.0575412353},
    {Grid::kIrish, "J338742", 333'850, 374'250, 54.5987530109, -5.9296909791},
    {Grid::kIrish, "O 159 343", 315'950, 234'350, 53.3469031033, -6.2596755701},
    {Grid::kIrish, "W670716", 167'050, 71'650, 51.8965880599, -8.4793832614},
    {Grid::kIrish, "c 4321 1678", 243'215, 416'785, 54.9966749346, -7.3255301269},
    {Grid::kIrish, "H81232456", 281'235, 324'565, 54.1637046538, -6.7570772612},
    {Grid::kIrish, "J3381274256", 333'812.5, 374'256.5, 54.5988212829, -5.9302678341},
    {Grid::kIrish, "Q 08321 01234", 8'321.5, 101'234.5, 52.1302010797, -10.8000033505},
    {Grid::kIrish, "A000000", 50, 400'050, 54.8083581981, -11.1108534195},
    {Grid::kIrish, "Z999999", 499'950, 99'950, 52.0706564987, -3.6254707370},
    {Grid::kUtm30, "WV", 550'000, 5'450'000, 49.2007562063, -2.3136379941},
    {Grid::kUtm30, "WV64", 565'000, 5'445'000, 49.1543779147, -2.1085606121},
    {Grid::kUtm30, "WV 652 484", 565'250, 5'448'450, 49.1853815637, -2.1045729621},
    {Grid::kUtm30, "wa 57 07", 557'500, 5'507'500, 49.7172555707, -2.2023430228},
    {Grid::kUtm30, "WV6324", 563'500, 5'424'500, 48.9701479969, -2.1323458616},
    {Grid::kUtm30, "WV 6525 4845", 565'255, 5'448'455, 49.1854260029, -2.1045035442},
    {Grid::kUtm30, "WV3362778141", 533'627.5, 5'478'141.5, 49.4550004956, -2.5360049423},
    // Metres alone, on the grid they are said to be on: the Met Office's Armagh station, and
    // a point in Brittany, in UTM zone 30 but outside WA and WV.
    {Grid::kIrish, "287800 345800", 287'800, 345'800, 54.3533396454, -6.6503835233},
    {Grid::kUtm30, "400000E 5300000N", 400'000, 5'300'000, 47.8455612525, -4.3365909749},
};

std::string Upper(std::string_view text) {
    std::string upper;
    for (const char c : text) {
        if (c != ' ')
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

// Read, converted, converted back and written again: each step against the table.
TEST(IrishAndChannelIslands, ReferencesOfEveryPrecisionAgreeWithProjBothWays) {
    double worstForward = 0;
    double worstBack = 0;
    for (const Reference& r : kReferences) {
        const Surveyed::GridReading reading = Surveyed::ReadGridPosition(r.text, r.grid);
        ASSERT_EQ(reading.fault, ReadingFault::kNone) << r.text;
        EXPECT_EQ(reading.grid, r.grid) << r.text;
        EXPECT_EQ(reading.position.easting, r.easting) << r.text;
        EXPECT_EQ(reading.position.northing, r.northing) << r.text;

        const Surveyed::Position position = Surveyed::FromText(r.text, r.grid);
        ASSERT_EQ(position.status, Surveyed::Status::kOk) << r.text;
        const double forward = SurveyedTest::MetresApart(position.wgs84, {r.latitude, r.longitude});
        EXPECT_LT(forward, 0.001) << r.text;
        const GridPoint back = r.grid == Grid::kIrish
                                   ? Surveyed::IrishGrid::FromEtrs89(position.wgs84)
                                   : Surveyed::Utm30::FromWgs84(position.wgs84);
        EXPECT_LT(SurveyedTest::MetresApart(back, reading.position), 0.01) << r.text;
        worstForward = std::max(worstForward, forward);
        worstBack = std::max(worstBack, SurveyedTest::MetresApart(back, reading.position));

        if (std::isdigit(static_cast<unsigned char>(r.text[0])))
            continue;  // metres: no reference to write again
        const std::string written = Upper(r.text);
        const int digits = static_cast<int>(written.size() - (r.grid == Grid::kIrish ? 1 : 2));
        EXPECT_EQ(Surveyed::GridReferenceOf(r.grid, back, digits), written);
    }
    std::printf("worst difference from PROJ: %.2g m; worst round trip: %.2g m\n", worstForward,
                worstBack);
}

}  // namespace
