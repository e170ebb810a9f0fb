#include "conversions/surveyed/Ostn15.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "conversions/surveyed/Projection.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::GridPoint;

// Metres of a difference in latitude and in longitude at `latitude`, on a sphere of the
// ellipsoid's size: good to a fraction of a percent, which a tolerance needs.
double MetresApart(GeodeticPosition a, GeodeticPosition b) {
    constexpr double kMetresPerRadian = 6'371'000;
    constexpr double kRadiansPerDegree = 3.141'592'653'589'793 / 180;
    const double north = (a.latitude - b.latitude) * kRadiansPerDegree * kMetresPerRadian;
    const double east = (a.longitude - b.longitude) * kRadiansPerDegree * kMetresPerRadian *
                        std::cos(a.latitude * kRadiansPerDegree);
    return std::hypot(north, east);
}

double MetresApart(GridPoint a, GridPoint b) {
    return std::hypot(a.easting - b.easting, a.northing - b.northing);
}

// The rows of one of the Ordnance Survey's test files (comma-separated, a header line, CRLF
// line ends in some), each as its fields, by the point's name; for the files with several
// rows a point, the rows whose second field is `onlyRowsWith`.
using Rows = std::map<std::string, std::vector<std::string>>;
Rows ReadTestFile(const std::string& name, const std::string& onlyRowsWith = "") {
    std::ifstream in(std::string(QUORVANE_OSTN15_TEST_DIR) + "/" + name);
    EXPECT_TRUE(in) << name;
    Rows rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream fieldsIn(line);
        for (std::string field; std::getline(fieldsIn, field, ',');)
            fields.push_back(field);
        if (fields.size() >= 3 && (onlyRowsWith.empty() || fields[1] == onlyRowsWith))
            rows[fields[0]] = fields;
    }
    return rows;
}

double Field(const std::vector<std::string>& fields, std::size_t i) {
    return std::stod(fields.at(i));
}

// The Ordnance Survey's 40 test points, from Scilly to Shetland, St Kilda and the Flannan
// Isles among them. The published results come from the Ordnance Survey's series formulas
// for the projection, which drift from the exact one far from the central meridian: at
// St Kilda (TP31, 6.6 degrees west of it) by 5.6 mm in latitude and longitude, and by 1.0 mm
// in northing, which with the published millimetres puts its grid position 1.05 mm away.
// Everywhere else the grid positions agree within 1 mm.
TEST(Ostn15, TheOrdnanceSurveysTestPointsBothWays) {
    const Rows gridIn = ReadTestFile("OSTN15_OSGM15_TestInput_OSGBtoETRS.txt");
    const Rows wgs84Out = ReadTestFile("OSTN15_OSGM15_TestOutput_OSGBtoETRS.txt", "RESULT");
    const Rows wgs84In = ReadTestFile("OSTN15_OSGM15_TestInput_ETRStoOSGB.txt");
    const Rows gridOut = ReadTestFile("OSTN15_OSGM15_TestOutput_ETRStoOSGB.txt");
    ASSERT_EQ(gridIn.size(), 40U);
    ASSERT_EQ(wgs84Out.size(), 40U);
    ASSERT_EQ(wgs84In.size(), 40U);
    ASSERT_EQ(gridOut.size(), 40U);

    double worstToWgs84 = 0;
    double worstToGrid = 0;
    std::string worstToWgs84Point;
    std::string worstToGridPoint;
    for (const auto& [point, fields] : gridIn) {
        const Surveyed::Position p =
            Surveyed::FromNationalGrid({Field(fields, 1), Field(fields, 2)});
        ASSERT_EQ(p.status, Surveyed::Status::kOk) << point;
        const GeodeticPosition expected{Field(wgs84Out.at(point), 2), Field(wgs84Out.at(point), 3)};
        const double apart = MetresApart(p.wgs84, expected);
        EXPECT_LT(apart, 0.01) << point;
        if (apart > worstToWgs84) {
            worstToWgs84 = apart;
            worstToWgs84Point = point;
        }
    }
    for (const auto& [point, fields] : wgs84In) {
        const Surveyed::Position p = Surveyed::FromWgs84({Field(fields, 1), Field(fields, 2)});
        ASSERT_EQ(p.status, Surveyed::Status::kOk) << point;
        const GridPoint expected{Field(gridOut.at(point), 1), Field(gridOut.at(point), 2)};
        const double apart = MetresApart(p.nationalGrid, expected);
        EXPECT_LT(apart, point == "TP31" ? 0.0011 : 0.001) << point;
        if (apart > worstToGrid) {
            worstToGrid = apart;
            worstToGridPoint = point;
        }
    }
    std::printf("worst: grid to WGS84 %.2f mm (%s), WGS84 to grid %.2f mm (%s)\n",
                worstToWgs84 * 1000, worstToWgs84Point.c_str(), worstToGrid * 1000,
                worstToGridPoint.c_str());
}

// The output file names the four nodes around each point by 1-based record number with
// their shifts: 160 nodes that pin the tables' layout (row by row from the south-west,
// easting fastest, 701 nodes a row) and their offsets.
TEST(Ostn15, NodesHoldThePublishedShifts) {
    constexpr int kColumns = 701;
    for (const auto& [point, fields] : ReadTestFile("OSTN15_OSGM15_TestOutput_ETRStoOSGB.txt")) {
        for (std::size_t node = 0; node < 4; ++node) {
            const std::size_t at = 5 + 5 * node;  // RecNoS<node>, Se<node>, Sn<node>, ...
            const int record = std::stoi(fields.at(at)) - 1;
            const GridPoint etrs89{1000.0 * (record % kColumns), 1000.0 * (record / kColumns)};
            const auto grid = Surveyed::Etrs89ToNationalGrid(etrs89);
            ASSERT_TRUE(grid) << point;
            EXPECT_NEAR(grid->easting - etrs89.easting, Field(fields, at + 1), 1e-9) << point;
            EXPECT_NEAR(grid->northing - etrs89.northing, Field(fields, at + 2), 1e-9) << point;
        }
    }
}

// WGS84 -> grid -> WGS84 at random points of the shift grid, away from its edges (which the
// shifts carry some 100 m).
TEST(Ostn15, RoundTripWithinAMillimetre) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> easting(1'000, Surveyed::kShiftGridMaxEasting - 1'000);
    std::uniform_real_distribution<double> northing(1'000, Surveyed::kShiftGridMaxNorthing - 1'000);
    double worst = 0;
    for (int i = 0; i < 100'000; ++i) {
        const GeodeticPosition start =
            Surveyed::Geodesy::Unproject({easting(random), northing(random)});
        const Surveyed::Position grid = Surveyed::FromWgs84(start);
        ASSERT_EQ(grid.status, Surveyed::Status::kOk);
        const Surveyed::Position back = Surveyed::FromNationalGrid(grid.nationalGrid);
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
