#pragma once

// The National Grid's projection: easting and northing to latitude and longitude on OSGB36.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// OSGB36 latitude and longitude of a National Grid point: the inverse of the transverse
// Mercator projection on the Airy 1830 ellipsoid with the grid's published origin, scale and
// false origin. Good to well under a millimetre over the whole grid; never throws.
[[nodiscard]] GeodeticPosition GridToOsgb36(GridPoint point);

}  // namespace Surveyed
