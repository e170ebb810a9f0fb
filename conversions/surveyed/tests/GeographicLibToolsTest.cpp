// The projection and the geodesic against GeographicLib's command-line tools, another
// implementation of the same series (TransverseMercatorProj) and algorithm (GeodSolve), over
// random points: each tool reads one line of numbers a point and prints one a point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "conversions/surveyed/Geodesic.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::GridPoint;

constexpr double kMetresPerDegree = 111'320;  // of latitude, near enough for a tolerance

// The numbers `tool` (with `arguments`) prints for `lines`, one vector a line.
std::vector<std::vector<double>> ToolOutput(const std::string& tool, const std::string& arguments,
                                            const std::vector<std::string>& lines) {
    const std::string input = testing::TempDir() + "geographiclib-" +
                              testing::UnitTest::GetInstance()->current_test_info()->name();
    {
        std::ofstream file(input);
        for (const std::string& line : lines)
            file << line << '\n';
    }
    const std::string command = tool + " " + arguments + " < '" + input + "'";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    EXPECT_TRUE(pipe) << command;
    std::string output;
    char block[4096];
    for (std::size_t n; pipe && (n = std::fread(block, 1, sizeof block, pipe.get())) > 0;)
        output.append(block, n);
    std::vector<std::vector<double>> rows;
    std::istringstream text(output);
    for (std::string line; std::getline(text, line);) {
        std::istringstream numbers(line);
        rows.emplace_back(std::istream_iterator<double>(numbers), std::istream_iterator<double>());
    }
    EXPECT_EQ(rows.size(), lines.size()) << command;
    return rows;
}

// The numbers separated by spaces, each with all its digits and without an exponent (which
// the tools would read as "east").
std::string Numbers(std::initializer_list<double> values) {
    std::string text;
    for (const double value : values) {
        char number[32];
        std::snprintf(number, sizeof number, "%.15f", value);
        if (!text.empty())
            text += ' ';
        text += number;
    }
    return text;
}

// Both ways over random points of the shift grid. The tool measures from the equator and the
// central meridian, so its grid is shifted by the false origin and the true origin's northing.
TEST(GeographicLibTools, ProjectionAgreesToWellUnderAMicrometre) {
    const std::string arguments = "-k " + Numbers({Surveyed::kCentralScale}) + " -l " +
                                  Numbers({Surveyed::kTrueOriginLongitude}) + " -e " +
                                  Numbers({Surveyed::kGrs80MajorAxis}) + " 1/" +
                                  Numbers({Surveyed::kGrs80InverseFlattening}) + " -p 9";
    const double originNorthing =
        ToolOutput(QUORVANE_TRANSVERSE_MERCATOR_PROJ, arguments,
                   {Numbers({Surveyed::kTrueOriginLatitude, Surveyed::kTrueOriginLongitude})})
            .at(0)
            .at(1);
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> easting(0, Surveyed::kShiftGridMaxEasting);
    std::uniform_real_distribution<double> northing(0, Surveyed::kShiftGridMaxNorthing);
    std::vector<GridPoint> points(20'000);
    std::vector<std::string> gridLines, positionLines;
    for (GridPoint& point : points) {
        point = {easting(random), northing(random)};
        gridLines.push_back(Numbers({point.easting - Surveyed::kFalseEasting,
                                     point.northing - Surveyed::kFalseNorthing + originNorthing}));
        const GeodeticPosition position = Surveyed::Unproject(point);
        positionLines.push_back(Numbers({position.latitude, position.longitude}));
    }
    const auto positions =
        ToolOutput(QUORVANE_TRANSVERSE_MERCATOR_PROJ, arguments + " -r", gridLines);
    const auto grid = ToolOutput(QUORVANE_TRANSVERSE_MERCATOR_PROJ, arguments, positionLines);
    ASSERT_TRUE(positions.size() == points.size() && grid.size() == points.size());
    double worstDegrees = 0;
    double worstGrid = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const GeodeticPosition ours = Surveyed::Unproject(points[i]);
        worstDegrees = std::max({worstDegrees, std::abs(ours.latitude - positions[i].at(0)),
                                 std::abs(ours.longitude - positions[i].at(1))});
        const GridPoint back = Surveyed::Project(ours);
        worstGrid = std::max(
            {worstGrid, std::abs(back.easting - Surveyed::kFalseEasting - grid[i].at(0)),
             std::abs(back.northing - Surveyed::kFalseNorthing + originNorthing - grid[i].at(1))});
    }
    std::printf("worst difference: %.2g m projecting, %.2g m (of latitude) unprojecting\n",
                worstGrid, worstDegrees * kMetresPerDegree);
    EXPECT_LT(worstGrid, 1e-7);
    EXPECT_LT(worstDegrees * kMetresPerDegree, 1e-7);
}

// Random pairs of points anywhere on Earth.
TEST(GeographicLibTools, GeodesicAgreesToMicrometres) {
    std::mt19937_64 random(14);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::vector<std::pair<GeodeticPosition, GeodeticPosition>> pairs(20'000);
    std::vector<std::string> lines;
    for (auto& [from, to] : pairs) {
        from = {latitude(random), longitude(random)};
        to = {latitude(random), longitude(random)};
        lines.push_back(Numbers({from.latitude, from.longitude, to.latitude, to.longitude}));
    }
    const auto paths = ToolOutput(QUORVANE_GEODSOLVE,
                                  "-i -p 9 -e " + Numbers({Surveyed::kWgs84MajorAxis}) + " 1/" +
                                      Numbers({Surveyed::kWgs84InverseFlattening}),
                                  lines);
    ASSERT_EQ(paths.size(), pairs.size());
    double worstDistance = 0;
    double worstBearing = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Surveyed::GeodesicPath ours = Surveyed::Geodesic(pairs[i].first, pairs[i].second);
        // GeodSolve prints the initial azimuth (-180 to 180), the final one and the distance.
        worstDistance = std::max(worstDistance, std::abs(ours.distance - paths[i].at(2)));
        const double turn = std::fmod(std::abs(ours.bearing - paths[i].at(0)), 360);
        worstBearing = std::max(worstBearing, std::min(turn, 360 - turn));
    }
    std::printf("worst difference: %.2g m in distance, %.2g degrees in bearing\n", worstDistance,
                worstBearing);
    EXPECT_LT(worstDistance, 1e-6);
    EXPECT_LT(worstBearing, 1e-9);
}

}  // namespace
