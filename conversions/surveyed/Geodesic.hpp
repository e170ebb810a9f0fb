#pragma once

// The geodesic on the WGS84 ellipsoid: the true distance between two points and the bearing
// from the first to the second, by Karney's algorithm ("Algorithms for geodesics",
// J. Geodesy 87, 2013) in Boost.Geometry's header-only formulas, accurate to nanometres for
// any pair of points.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// WGS84: semi-major axis in metres and inverse flattening (NIMA TR8350.2, table 3.1).
inline constexpr double kWgs84MajorAxis = 6'378'137;
inline constexpr double kWgs84InverseFlattening = 298.257'223'563;

struct GeodesicPath {
    double distance = 0;  // metres
    // The initial bearing at the first point, degrees clockwise from true north, 0 to less
    // than 360; 0 when the two points are the same.
    double bearing = 0;
};

// The shortest path from `from` to `to` (WGS84 degrees, latitudes -90 to 90). Never throws.
[[nodiscard]] GeodesicPath Geodesic(GeodeticPosition from, GeodeticPosition to) noexcept;

}  // namespace Surveyed
