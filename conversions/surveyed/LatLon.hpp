#pragma once

// Latitudes and longitudes as people write them in files and on command lines.

#include <optional>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// A latitude and a longitude in degrees, north and east positive, separated by a comma
// (blanks around it allowed) or else by blanks ("52 -2", "52,-2", "52, -2"), read with '.' as
// the decimal point whatever the locale; none unless both are numbers, the latitude -90 to 90
// and the longitude -180 to 180.
[[nodiscard]] std::optional<GeodeticPosition> ReadLatLon(std::string_view text);

}  // namespace Surveyed
