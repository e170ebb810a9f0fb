#pragma once

// The geodesic on the WGS84 ellipsoid: the true distance between two points and the bearing
// from the first to the second.
//
// Two geodesy libraries implement it with Karney's algorithm ("Algorithms for geodesics",
// J. Geodesy 87, 2013), accurate to nanometres for any pair of points: GeographicLib, and
// Boost.Geometry's header-only formulas, which builds without GeographicLib use. Callers
// write Geodesy::Inverse (see Geodesy.hpp).

#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/Geodesy.hpp"

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
namespace GeographicLibBackend {
[[nodiscard]] GeodesicPath Inverse(GeodeticPosition from, GeodeticPosition to) noexcept;
}  // namespace GeographicLibBackend

namespace BoostBackend {
[[nodiscard]] GeodesicPath Inverse(GeodeticPosition from, GeodeticPosition to) noexcept;
}  // namespace BoostBackend

// `azimuth` in degrees (-180 to 180, as both libraries give it) as a bearing of 0 to less
// than 360, and a zero-length path's bearing as 0.
[[nodiscard]] GeodesicPath PathOf(double distance, double azimuth) noexcept;

}  // namespace Surveyed
