#pragma once

// Where a station is, as a log gives it: a point (a latitude and longitude, a grid reference)
// or a locator's square, whose centre stands for it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/Coordinates.hpp"

namespace Logs {

struct Place {
    // WGS84 degrees: the point, or the square's centre.
    Surveyed::GeodeticPosition position;
    // The locator's square, upper case, when the place is one.
    std::optional<Maidenhead::Area> square;
    std::string locator;
};

// The place a locator names (Maidenhead::ReadLocator); none for a text that is not one.
[[nodiscard]] std::optional<Place> PlaceAtLocator(std::string_view locator);

// The point `position`.
[[nodiscard]] Place PlaceAt(Surveyed::GeodeticPosition position) noexcept;

// A station as the user names it (--station): a locator is its square; a grid reference or
// a latitude and longitude is a point, as Surveyed::ReadStation reads them. None, with
// `error` saying why, for anything else.
[[nodiscard]] std::optional<Place> ReadPlace(std::string_view text, std::string& error);

// The farthest the station may be from `place.position`, in metres: 0 for a point; for a
// square, the way to its farthest corner.
[[nodiscard]] double UncertaintyMetres(const Place& place) noexcept;

// The locator of `place`, `length` characters (Maidenhead's even lengths): a point's own; a
// square's locator, cut to `length` (kept whole when shorter).
[[nodiscard]] std::string LocatorOfPlace(const Place& place, int length);

// The Worked All Britain squares the station may be in: for a point on a grid, its own; for a
// square of six or more characters, those of its centre and corners (one when it lies in
// one); none when the place is on no grid or is a larger square.
[[nodiscard]] std::vector<std::string> WorkedAllBritainSquares(const Place& place);

// Kilometres from `from` to `to` along the geodesic on WGS84; the long way round
// (Surveyed::LongPathDistance) when `longPath`.
[[nodiscard]] double DistanceKm(const Place& from, const Place& to, bool longPath) noexcept;

}  // namespace Logs
