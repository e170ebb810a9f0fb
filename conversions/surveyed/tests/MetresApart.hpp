#pragma once

// How far apart two positions are, for the tests' tolerances.

#include <cmath>

#include "conversions/surveyed/Coordinates.hpp"

namespace SurveyedTest {

// Metres between two latitudes and longitudes on a sphere of the ellipsoid's size: good to a
// fraction of a percent, which a tolerance needs.
inline double MetresApart(Surveyed::GeodeticPosition a, Surveyed::GeodeticPosition b) {
    constexpr double kMetresPerRadian = 6'371'000;
    constexpr double kRadiansPerDegree = 3.141'592'653'589'793 / 180;
    const double north = (a.latitude - b.latitude) * kRadiansPerDegree * kMetresPerRadian;
    const double east = (a.longitude - b.longitude) * kRadiansPerDegree * kMetresPerRadian *
                        std::cos(a.latitude * kRadiansPerDegree);
    return std::hypot(north, east);
}

inline double MetresApart(Surveyed::GridPoint a, Surveyed::GridPoint b) {
    return std::hypot(a.easting - b.easting, a.northing - b.northing);
}

}  // namespace SurveyedTest
