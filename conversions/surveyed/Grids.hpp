#pragma once

// The grids a position in the British Isles is answered on, and which one applies where.
//
// The island of Ireland is mapped on the Irish Grid (IrishGrid.hpp); Great Britain, the Isle
// of Man, Scilly, Orkney and Shetland on the National Grid (OSTN15, Surveyed.hpp); the
// Channel Islands on UTM zone 30 (Utm30.hpp), as Worked All Britain counts their squares.
// Which one a position is on is decided by a coarse outline of each area, shipped as
// GridAreas.geojson (drawn with a margin of some 10 to 30 km of sea around the coasts; its
// description says how it was made) and built into the program. Each outline lies within its
// grid: National Grid positions in OSTN15's shift grid, Irish ones in the Irish Grid's
// lettered table, Channel Islands ones in squares WA and WV.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

enum class Grid : std::uint8_t {
    kNone,          // outside every outline
    kGreatBritain,  // the National Grid
    kIrish,         // the Irish Grid
    kUtm30,         // UTM zone 30, on the Channel Islands
};

// "gb", "irish", "utm30"; empty for Grid::kNone.
[[nodiscard]] constexpr std::string_view GridName(Grid grid) noexcept {
    constexpr std::array<std::string_view, 4> kNames = {"", "gb", "irish", "utm30"};
    return kNames[static_cast<std::size_t>(grid)];
}

// An outline: the area where `grid` applies, its vertices in order, counter-clockwise, the
// first not repeated at the end; its edges are straight in latitude and longitude.
struct GridArea {
    Grid grid = Grid::kNone;
    std::span<const GeodeticPosition> outline;
};

// The outlines, the Irish one first.
[[nodiscard]] std::span<const GridArea> GridAreas() noexcept;

// The grid of the outline that holds a WGS84 latitude and longitude (degrees), edges
// included (where two outlines meet, at sea, the Irish one counts first); kNone outside them
// all and for values that are not finite.
[[nodiscard]] Grid GridOf(GeodeticPosition wgs84) noexcept;

}  // namespace Surveyed
