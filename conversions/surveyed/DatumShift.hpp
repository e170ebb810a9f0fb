#pragma once

// From the OSGB36 datum to WGS84.

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// WGS84 latitude and longitude of an OSGB36 position at ellipsoid height 0, by the Ordnance
// Survey's published seven-parameter Helmert transformation through geocentric coordinates.
// The transformation itself is good to a few metres across Great Britain; this evaluates it
// to well under a millimetre. Never throws.
[[nodiscard]] GeodeticPosition Osgb36ToWgs84(GeodeticPosition osgb36);

}  // namespace Surveyed
