#pragma once

// The National Grid's transverse Mercator projection on ETRS89's ellipsoid: ETRS89 latitude
// and longitude to and from ETRS89 grid positions, the eastings and northings that OSTN15's
// shifts then carry to the National Grid.
//
// By Boost.Geometry's header-only projections (its "etmerc": Krueger's series to sixth order
// in the third flattening), the same on every platform.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// GRS80, the ellipsoid of ETRS89: semi-major axis in metres and inverse flattening (the
// Ordnance Survey's "A guide to coordinate systems in Great Britain", annexe A).
inline constexpr double kGrs80MajorAxis = 6'378'137;
inline constexpr double kGrs80InverseFlattening = 298.257'222'101;

// The National Grid's projection (the same guide, annexe A): scale on the central meridian,
// true origin 49 degrees north 2 degrees west, and the false origin's offsets from it in
// metres.
inline constexpr double kCentralScale = 0.9996012717;
inline constexpr double kTrueOriginLatitude = 49;
inline constexpr double kTrueOriginLongitude = -2;
inline constexpr double kFalseEasting = 400'000;
inline constexpr double kFalseNorthing = -100'000;

// Project: the ETRS89 grid position of an ETRS89 latitude and longitude (degrees, -90 to 90
// and -180 to 180). Unproject: the ETRS89 latitude and longitude of an ETRS89 grid position.
// Exact to well under a micrometre within a few thousand kilometres of the central meridian;
// farther away, or for values out of range, a coordinate may be NaN. Never throw.
[[nodiscard]] GridPoint Project(GeodeticPosition etrs89) noexcept;
[[nodiscard]] GeodeticPosition Unproject(GridPoint etrs89) noexcept;

}  // namespace Surveyed
