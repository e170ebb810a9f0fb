#pragma once

// The surveyed answers: a National Grid position to WGS84 and back by the Ordnance Survey's
// own method, a second opinion beside Module1::ConvertNGR's spherical approximation.
//
// National Grid easting and northing (OSGB36) -> ETRS89 grid position by OSTN15's shifts
// (Ostn15.hpp) -> ETRS89 latitude and longitude by the National Grid's transverse Mercator
// projection on GRS80 (Projection.hpp); the way back runs the same steps the other way.
// ETRS89 is reported as WGS84, which it matches to about a metre in Great Britain; OSTN15
// itself reproduces the National Grid to about a centimetre.
//
// In Ireland and the Channel Islands the answer is on their own grids (Grids.hpp): an Irish
// Grid position to ETRS89 by the Irish Grid's projection and EPSG:1953's Helmert
// transformation, about 1 m (IrishGrid.hpp); a UTM zone 30 position to WGS84 by its
// projection (Utm30.hpp).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Grids.hpp"

namespace Surveyed {

// How a surveyed conversion went.
enum class Status : std::uint8_t {
    kOk,
    kBadGridReference,  // the text is not a grid position (see ReadGridPosition)
    kOutsideTheGrid,    // beyond its grid: no OSTN15 shifts, off the Irish Grid's table, or
                        // outside UTM zone 30 (FromText)
    kOnNoGrid,          // a latitude and longitude outside every grid's outline (Grids.hpp)
};

// "ok", "bad grid reference", "outside the grid", "on no grid".
[[nodiscard]] constexpr std::string_view StatusText(Status status) noexcept {
    constexpr std::array<std::string_view, 4> kTexts = {"ok", "bad grid reference",
                                                        "outside the grid", "on no grid"};
    return kTexts[static_cast<std::size_t>(status)];
}

struct Position {
    Status status = Status::kBadGridReference;
    // The grid the position is on, and its metres there: when kOk, and when kOutsideTheGrid
    // for a text or grid position (the position read); otherwise kNone and (0, 0).
    Grid grid = Grid::kNone;
    GridPoint gridPosition;
    // WGS84 degrees, north and east positive: when kOk; otherwise (0, 0).
    GeodeticPosition wgs84;
};

// The WGS84 position of a National Grid position; kOutsideTheGrid unless its ETRS89 grid
// position is in OSTN15's shift grid (a value that is not finite never is).
[[nodiscard]] Position FromNationalGrid(GridPoint nationalGrid) noexcept;

// The WGS84 position of the position `text` reads (ReadGridPosition: a grid reference's
// square centre, or an easting and northing on `metresGrid`): FromNationalGrid on the
// National Grid, the position itself on the others; kBadGridReference when it reads none.
// Metres on the Irish Grid beyond its lettered table, and on UTM zone 30 outside
// Utm30::InZone, are kOutsideTheGrid.
[[nodiscard]] Position FromText(std::string_view text,
                                Grid metresGrid = Grid::kGreatBritain) noexcept;

// FromText of the text that gave `reading`.
[[nodiscard]] Position FromReading(const GridReading& reading) noexcept;

// The grid position of a WGS84 latitude (-90 to 90) and longitude (-180 to 180), on the grid
// whose outline holds it (GridOf); kOnNoGrid outside them all; on the National Grid
// kOutsideTheGrid when its ETRS89 grid position is not in the shift grid; kOutsideTheGrid
// too when the latitude or longitude is out of range or not a number.
[[nodiscard]] Position FromWgs84(GeodeticPosition wgs84) noexcept;

}  // namespace Surveyed
