#pragma once

// The two conversions behind every answer Quorvane gives: an Ordnance Survey National Grid
// reference to latitude and longitude, and a latitude and longitude to an IARU (Maidenhead)
// locator.
//
// Both procedures keep no state, touch nothing but their out-parameters, never throw and do
// not allocate for a valid reference. Their arithmetic is evaluated exactly as the formulas
// in Module1.cpp are written, in double precision without fused multiply-add, so that the
// answers agree to the last bit with those our users already rely on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Module1 {

// Characters of a grid reference: two letters and two three-digit numbers, a 100 m square.
inline constexpr std::size_t kGridReferenceLength = 8;

// Characters of CalcLocator's locator: field, square and subsquare.
inline constexpr int kLocatorLength = 6;

// The first letters ConvertNGR accepts. H and O, which also hold parts of the National Grid,
// lie outside the approximation's area.
inline constexpr std::string_view kFirstLetters = "NST";

// The positions that have a locator: latitude -90 to 90, longitude -180 to 180.
inline constexpr double kMaxLatitude = 90;
inline constexpr double kMaxLongitude = 180;

// Whether a latitude and longitude in degrees is in those ranges (NaN is not).
[[nodiscard]] constexpr bool HasLocator(double latitude, double longitude) noexcept {
    return latitude >= -kMaxLatitude && latitude <= kMaxLatitude && longitude >= -kMaxLongitude &&
           longitude <= kMaxLongitude;
}

// Result codes of ConvertNGR.
inline constexpr std::int16_t kValid = 0;
inline constexpr std::int16_t kWrongLength = 1;
inline constexpr std::int16_t kBadGridLetter = 2;
inline constexpr std::int16_t kBadDigit = 3;

// Converts an eight-character grid reference (two letters, three easting digits, three
// northing digits: a 100 m square, e.g. "TQ300800") to latitude and longitude in degrees,
// north and east positive, on the program's spherical approximation.
//
// `ngr` is UTF-8; its length is counted in characters. `result` is set to kValid on entry,
// then the tests run in this order and the first that fails decides it:
//   kWrongLength   the text is not exactly eight characters long;
//   kBadGridLetter the first letter is not N, S or T, or the second is not A to Z or is I
//                  (either letter may be lower case);
//   kBadDigit      one of characters 3 to 8 is not a digit 0 to 9.
// `longitude`, then `latitude`, are written only when `result` is kValid; otherwise both keep
// the values the caller passed.
void ConvertNGR(std::string_view ngr, double& latitude, double& longitude, std::int16_t& result);

// Sets `locator` to the six-character locator of the point (e.g. "IO91WM"): longitude field,
// latitude field, longitude square, latitude square, longitude subsquare, latitude subsquare.
// Longitude 180 wraps to the western edge of field A; latitude 90 stays in field R.
// A latitude outside -90..90, a longitude outside -180..180, or a value that is not finite
// gives the empty locator.
void CalcLocator(double latitude, double longitude, std::string& locator);

// The coordinates CalcLocator finds the locator's characters in, for a point that has a
// locator (HasLocator): `la` degrees north of the south pole, 0 to 180, with latitude 90 held
// at 179.9999, just inside the top row of fields; `lo` degrees east of the western edge of
// field A, 0 to less than 360, with longitude 180 wrapped to 0.
struct LocatorCoordinates {
    double la = 0;
    double lo = 0;
};
[[nodiscard]] LocatorCoordinates ShiftedForLocator(double latitude, double longitude) noexcept;

}  // namespace Module1
