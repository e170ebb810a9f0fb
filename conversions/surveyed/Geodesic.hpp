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

// The long way round from `from` to `to`, in metres (the long path of radio amateurs): the
// rest of the great ellipse through both, the section of the ellipsoid by the plane through
// them and its centre, so its perimeter less the shortest path. From 20,003.93 km (antipodes)
// to the perimeter itself, 40,007.86 km on a meridian to 40,075.02 km on the equator (one
// point twice). Where the two points and the centre make no plane (the same point, or
// antipodes), the plane is the meridian of `from`.
[[nodiscard]] double LongPathDistance(GeodeticPosition from, GeodeticPosition to) noexcept;

}  // namespace Surveyed
