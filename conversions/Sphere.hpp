#pragma once

// The constants of the program's own sphere, the simple model ConvertNGR evaluates. They are
// fixed: answers agree with those users already rely on only if these values, and the order
// of the operations that use them, stay exactly as they are.

namespace Sphere {

// The distance in kilometres of the grid's origin from the equator along the meridian, the
// radius that turns northings into arc, the radius that turns eastings into the Mercator
// argument, and the easting of the central meridian.
inline constexpr double kEquatorToOriginKm = 5548.79;
inline constexpr double kNorthingRadiusKm = 6371.28;
inline constexpr double kEastingRadiusKm = 6389.7;
inline constexpr double kCentralEastingKm = 400;
// Longitude of the central meridian: 2 degrees west.
inline constexpr double kCentralMeridianDeg = 2;

// Degrees per radian with pi cut to 3.1415926, the factor the answers were always computed
// with (not 180 / pi = 57.29577951308232).
inline constexpr double kDegreesPerRadian = 57.295780490442965;
static_assert(kDegreesPerRadian == 180 / 3.1415926);

}  // namespace Sphere
