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

// What a station's text names. Blanks around `text` are ignored; the first that applies:
//  1. a locator, when Maidenhead::ReadLocator reads it: a text that is both a locator and a
//     grid reference (two letters, two letters and two digits, or those and a quadrant:
//     "NN17", "NN17NW") is the locator; "NN 1 7" and "NN 1 7 NW" are the grid squares;
//  2. a grid reference, when it begins with a letter and ReadGridPosition reads it (tetrads,
//     quadrants and "E224100 N252100" included);
//  3. a position, when PositionText::ReadPosition reads it ("N52 W2", "52 2");
//  4. an easting and northing, when ReadGridPosition reads it as metres on `metresGrid` that
//     carry their letters ("287800E 345800N") or of which one is beyond 180, as no latitude
//     or longitude is ("216667 771283"); other plain numbers are a latitude and longitude,
//     right or wrong ("91 0" is a latitude too far north, not a point off Scilly);
//  5. of a text that none reads, a grid reference when it begins with a letter, else a
//     position: the kind whose reader's fault is most likely the one to tell.
enum class StationKind { kLocator, kGridReference, kPosition };
[[nodiscard]] StationKind KindOfStation(std::string_view text,
                                        Grid metresGrid = Grid::kGreatBritain);

// A station as the user names it, of its KindOfStation: a locator (StationAtLocator); a grid
// reference on any of the grids ReadGridPosition reads, or metres on `metresGrid`, at its
// square's centre (or its metres) by the surveyed conversion (FromReading); a latitude and
// longitude in any form PositionText::ReadPosition reads. None when `text` is none of these,
// or a grid position without a surveyed answer; `error` then says why.
[[nodiscard]] std::optional<Station> ReadStation(std::string_view text, std::string& error,
                                                 Grid metresGrid = Grid::kGreatBritain);

// The points a contact between two stations scores: Maidenhead::ContestPoints of the contest
// distance between their contest areas.
[[nodiscard]] long ContestPointsBetween(const Station& from, const Station& to) noexcept;

}  // namespace Surveyed
