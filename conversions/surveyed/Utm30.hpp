#pragma once

// UTM zone 30 north on WGS84 (EPSG:32630), the grid of the Channel Islands' Worked All
// Britain squares: UTM positions to and from WGS84 latitude and longitude.
//
// The projection is Boost.Geometry's "etmerc" (the Krueger series to sixth order), as for the
// National Grid. The islands' references, in squares WA and WV, are GridReference.hpp's.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed::Utm30 {

// The projection (EPSG:16030, "UTM zone 30N"): central meridian in degrees, the scale factor
// on it, and the false easting and northing in metres.
inline constexpr double kCentralMeridian = -3;
inline constexpr double kCentralScale = 0.9996;
inline constexpr double kFalseEasting = 500'000;
inline constexpr double kFalseNorthing = 0;

// The zone's metres that are answered: its eight 100 km columns, which the Military Grid
// Reference System letters S to Z (100 to 900 km east; GridReference.cpp), and northings from
// the equator to the pole, short of 10 000 km. So Brittany and Cornwall are answered as well
// as the Channel Islands' squares WA and WV, and a number far beyond the zone, where the
// projection means nothing, is not.
inline constexpr double kMinEasting = 100'000;
inline constexpr double kEndEasting = 900'000;
inline constexpr double kMinNorthing = 0;
inline constexpr double kEndNorthing = 10'000'000;

// Whether `utm` lies within those bounds (false for a value that is not finite).
[[nodiscard]] constexpr bool InZone(GridPoint utm) noexcept {
    return utm.easting >= kMinEasting && utm.easting < kEndEasting &&
           utm.northing >= kMinNorthing && utm.northing < kEndNorthing;
}

// The WGS84 latitude and longitude (degrees) of a UTM zone 30 position (metres east and north
// of the false origin). Good to well under a micrometre against the formulas within a few
// thousand kilometres of the central meridian; farther away, or for values that are not
// finite, a coordinate may be NaN. Never throws.
[[nodiscard]] GeodeticPosition ToWgs84(GridPoint utm) noexcept;

// The UTM zone 30 position of a WGS84 latitude (-90 to 90) and longitude (-180 to 180), under
// the same terms.
[[nodiscard]] GridPoint FromWgs84(GeodeticPosition wgs84) noexcept;

}  // namespace Surveyed::Utm30
