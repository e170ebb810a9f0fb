#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "conversions/surveyed/Geodesic.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::GridPoint;

constexpr double kMetresPerDegree = 111'320;  // of latitude, near enough for a tolerance

// GeographicLib and Boost.Geometry, both ways, over random points of the shift grid: the
// Windows builds (Boost) must answer as the Linux builds (GeographicLib) do.
TEST(ProjectionBackends, AgreeToWellUnderAMicrometre) {
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> easting(0, Surveyed::kShiftGridMaxEasting);
    std::uniform_real_distribution<double> northing(0, Surveyed::kShiftGridMaxNorthing);
    double worstGrid = 0;
    double worstDegrees = 0;
    for (int i = 0; i < 100'000; ++i) {
        const GridPoint point{easting(random), northing(random)};
        const GeodeticPosition a = Surveyed::GeographicLibBackend::Unproject(point);
        const GeodeticPosition b = Surveyed::BoostBackend::Unproject(point);
        worstDegrees = std::max(
            {worstDegrees, std::abs(a.latitude - b.latitude), std::abs(a.longitude - b.longitude)});
        const GridPoint p = Surveyed::GeographicLibBackend::Project(a);
        const GridPoint q = Surveyed::BoostBackend::Project(a);
        worstGrid = std::max(
            {worstGrid, std::abs(p.easting - q.easting), std::abs(p.northing - q.northing)});
    }
    std::printf("worst difference: %.2g m projecting, %.2g m (of latitude) unprojecting\n",
                worstGrid, worstDegrees * kMetresPerDegree);
    EXPECT_LT(worstGrid, 1e-7);
    EXPECT_LT(worstDegrees * kMetresPerDegree, 1e-7);
}

// And the geodesic, over random pairs of points anywhere on Earth.
TEST(GeodesicBackends, AgreeToMicrometres) {
    std::mt19937_64 random(14);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    double worstDistance = 0;
    double worstBearing = 0;
    for (int i = 0; i < 20'000; ++i) {
        const GeodeticPosition from{latitude(random), longitude(random)};
        const GeodeticPosition to{latitude(random), longitude(random)};
        const Surveyed::GeodesicPath a = Surveyed::GeographicLibBackend::Inverse(from, to);
        const Surveyed::GeodesicPath b = Surveyed::BoostBackend::Inverse(from, to);
        worstDistance = std::max(worstDistance, std::abs(a.distance - b.distance));
        const double turn = std::abs(a.bearing - b.bearing);
        worstBearing = std::max(worstBearing, std::min(turn, 360 - turn));
    }
    std::printf("worst difference: %.2g m in distance, %.2g degrees in bearing\n", worstDistance,
                worstBearing);
    EXPECT_LT(worstDistance, 1e-6);
    EXPECT_LT(worstBearing, 1e-9);
}

}  // namespace
