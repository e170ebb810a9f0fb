#pragma once

// A station, as the radio amateur's answers measure from and to it: its position, and the
// area its contest distance is measured from.

#include <optional>
#include <string>
#include <string_view>

#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/Grids.hpp"

namespace Surveyed {

// The contest rules (IARU Region 1 VHF) measure between the centres of six-character
// locators.
inline constexpr std::size_t kContestLocatorLength = 6;

struct Station {
    // The area of its locator's first six characters (of a shorter locator, its own).
    Maidenhead::Area contestArea;
    // WGS84 degrees.
    GeodeticPosition position;
};

// The station at the centre of `locator` (any that Maidenhead::ReadLocator reads); none for
// a text that is not a locator.
[[nodiscard]] std::optional<Station> StationAtLocator(std::string_view locator);

// The station at `position`, its contest area that of the position's six-character locator;
// none for a position without a locator (Module1::HasLocator).
[[nodiscard]] std::optional<Station> StationAt(GeodeticPosition position);

// A station as the user names it: a locator (StationAtLocator); or else a grid reference on
// any of the grids ReadGridPosition reads, tetrads and quadrants included, at its square's
// centre by the surveyed conversion (FromReading); or else a latitude and longitude in any
// form PositionText::ReadPosition reads; or else an easting and northing with their letters
// on `metresGrid` ("287800E 345800N", "E224100 N252100"): plain numbers are a latitude and
// longitude. Blanks around `text` are ignored. A text that is both a locator and a grid
// reference (two letters, two letters and two digits, or those and a quadrant: "NN17",
// "NN17NW") is the locator; "NN 1 7" and "NN 1 7 NW" are the grid squares. None when `text`
// is none of these, or a grid position without a surveyed answer; `error` then says why.
[[nodiscard]] std::optional<Station> ReadStation(std::string_view text, std::string& error,
                                                 Grid metresGrid = Grid::kGreatBritain);

// The points a contact between two stations scores: Maidenhead::ContestPoints of the contest
// distance between their contest areas.
[[nodiscard]] long ContestPointsBetween(const Station& from, const Station& to) noexcept;

}  // namespace Surveyed
