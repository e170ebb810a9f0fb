#pragma once

// The IARU (Maidenhead) locator at every length the radio amateur uses, the area a locator
// names, and the contest distance between two locators.
//
// A locator names a rectangle of latitude and longitude by a pair of characters per level,
// longitude first:
//   characters 1-2   field                 20 deg x 10 deg      letters A to R
//   characters 3-4   square                 2 deg x  1 deg      digits 0 to 9
//   characters 5-6   subsquare              5'    x  2.5'       letters A to X
//   characters 7-8   extended square       30"    x 15"         digits 0 to 9
//   characters 9-10  extended subsquare   1.25"   x  0.625"     letters A to X
// (IARU Region 1 VHF Managers' Handbook, "Locator system"), widths of longitude first.

#include <optional>
#include <string>
#include <string_view>

namespace Maidenhead {

// Locators have 2, 4, 6, 8 or 10 characters.
inline constexpr int kMinLength = 2;
inline constexpr int kMaxLength = 10;

// The locator of a point, `length` characters long (kMinLength to kMaxLength and even),
// upper case. Its first six characters are Module1::CalcLocator's for the same point, so it
// takes the same edges: a point on a boundary lies in the square to the north and east,
// longitude 180 is the western edge of field A and latitude 90 lies in the top row of field
// R. None for a latitude outside -90..90, a longitude outside -180..180, a value that is not
// finite, or a length that is not one of the five.
[[nodiscard]] std::optional<std::string> LocatorOf(double latitude, double longitude, int length);

// How a locator's letters are written: all in upper case (IO91WM, IO91WM48KK), as the IARU
// writes them; or, as many logs do, the letters after the square's digits in lower case, the
// subsquare's (characters 5 and 6) and the extended subsquare's (9 and 10): IO91wm,
// IO91wm48, IO91wm48kk. The field's letters stay upper case (IO, IO91).
enum class LetterCase { kUpper, kLowerLast };

// `locator`, as LocatorOf writes it, in `letterCase`.
[[nodiscard]] std::string InCase(std::string locator, LetterCase letterCase);

// The rectangle a locator names, in degrees, north and east positive.
struct Area {
    double south = 0;
    double west = 0;
    double height = 0;  // degrees of latitude
    double width = 0;   // degrees of longitude

    [[nodiscard]] double CentreLatitude() const noexcept { return south + height / 2; }
    [[nodiscard]] double CentreLongitude() const noexcept { return west + width / 2; }
};

// What reading a locator gave: its area, or why it is not a locator.
struct Reading {
    std::optional<Area> area;
    // The locator in upper case when `area` is set; otherwise empty.
    std::string locator;
    // Unless `area` is set: what is wrong, naming the first wrong character, e.g.
    // "SS00: character 1, 'S', is not a field letter A to R".
    std::string error;
};

// Reads a locator of 2, 4, 6, 8 or 10 characters, letters in either case, with nothing
// before, between or after them.
[[nodiscard]] Reading ReadLocator(std::string_view text);

// The contest distance of the IARU Region 1 VHF contest rules between the centres of two
// areas: 111.2 km per degree of the great-circle angle on the sphere,
//   111.2 x arccos(sin B1 sin B2 + cos B1 cos B2 cos(L1 - L2)), the angle in degrees,
// in kilometres (JO55WW to JO65FR is 43.17 km).
[[nodiscard]] double ContestDistanceKm(const Area& from, const Area& to) noexcept;

// The whole kilometres of `distanceKm` (not negative), as contest logs claim their longest
// contact (43.17 km is 43).
[[nodiscard]] long ContestKilometres(double distanceKm) noexcept;

// The points a contact scores over `distanceKm` (not negative): the whole kilometres plus 1
// (43.17 km scores 44).
[[nodiscard]] long ContestPoints(double distanceKm) noexcept;

}  // namespace Maidenhead
