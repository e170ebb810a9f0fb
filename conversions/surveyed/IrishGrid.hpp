#pragma once

// The Irish Grid (TM75 / Irish Grid, EPSG:29903), on which Northern Ireland and the Republic
// of Ireland are mapped: Irish Grid positions to and from ETRS89 latitude and longitude, and
// the letters of its 100 km squares.
//
// An Irish Grid position is the transverse Mercator projection of a TM75 latitude and
// longitude, on Airy's modified ellipsoid; TM75 goes to ETRS89 by the seven-parameter Helmert
// transformation EPSG:1953, which EPSG states accurate to about 1 m (heights are taken as
// zero on the ellipsoid). Boost.Geometry does both steps (its "etmerc" projection, the Krueger
// series to sixth order, and its datum transformation through geocentric coordinates), as
// PROJ does from EPSG:29903 to EPSG:4258. The way back runs the steps the other way, with the
// Helmert transformation's usual inverse (the same parameters negated), which leaves the
// round trip within a millimetre. Its references are GridReference.hpp's.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed::IrishGrid {

// Airy's modified ellipsoid, of TM75 (EPSG:7002, "Airy Modified 1849"): semi-major axis in
// metres and inverse flattening.
inline constexpr double kMajorAxis = 6'377'340.189;
inline constexpr double kInverseFlattening = 299.324'964'6;

// The projection (EPSG:19908, "Irish Grid"): latitude and longitude of the natural origin in
// degrees, the scale factor there, and the false easting and northing in metres.
inline constexpr double kOriginLatitude = 53.5;
inline constexpr double kOriginLongitude = -8;
inline constexpr double kCentralScale = 1.000'035;
inline constexpr double kFalseEasting = 200'000;
inline constexpr double kFalseNorthing = 250'000;

// TM75 to ETRS89 (EPSG:1953, "TM75 to ETRS89 (2)", Ordnance Survey Ireland), by the Position
// Vector convention (EPSG:9606): translations in metres, rotations in arc-seconds, and the
// scale difference in parts per million.
inline constexpr double kTranslationX = 482.5;
inline constexpr double kTranslationY = -130.6;
inline constexpr double kTranslationZ = 564.6;
inline constexpr double kRotationX = -1.042;
inline constexpr double kRotationY = -0.214;
inline constexpr double kRotationZ = -0.631;
inline constexpr double kScaleDifference = 8.15;

// The ETRS89 latitude and longitude (degrees) of an Irish Grid position (metres east and
// north of the false origin). Good to well under a micrometre against the formulas within a
// few thousand kilometres of the central meridian; farther away, or for values that are not
// finite, a coordinate may be NaN. Never throws.
[[nodiscard]] GeodeticPosition ToEtrs89(GridPoint irish) noexcept;

// The Irish Grid position of an ETRS89 latitude (-90 to 90) and longitude (-180 to 180),
// under the same terms.
[[nodiscard]] GridPoint FromEtrs89(GeodeticPosition etrs89) noexcept;

}  // namespace Surveyed::IrishGrid
