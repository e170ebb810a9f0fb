#include "Module1.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "conversions/GridLetters.hpp"
#include "conversions/Sphere.hpp"
#include "runtime/Text.hpp"

// Compiled with -ffp-contract=off and without -ffast-math (see CMakeLists.txt): the formulas
// below are evaluated operation by operation, in the order written, so each result is the
// same double on every machine with an IEEE 754 libm.

namespace Module1 {
namespace {

// ---- Grid reference -------------------------------------------------------------------

// Both letters count 0 to 24 over the 5 x 5 grid of squares (see GridLetters.hpp).
using GridLetters::kPerRow;

// Kilometres per 500 km square and per 100 km square, and the false origin's offset that
// puts square SV at easting 0.
constexpr int kLargeSquareKm = 500;
constexpr int kSmallSquareKm = 100;
constexpr int kEastingOffsetKm = -1000;
// Northing of the top row of the grid, and the northing steps of the two letters' rows.
constexpr int kTopRowNorthingKm = 1900;
constexpr int kLargeRowStepKm = 100;  // per letter index of the first letter's row start
constexpr int kSmallRowStepKm = 20;   // per letter index of the second letter's row start
// Three digits give hundreds of metres: divided by this they are kilometres.
constexpr double kDigitsPerKm = 10;

// The sphere the formula is evaluated on (see Sphere.hpp).
using Sphere::kCentralEastingKm;
using Sphere::kCentralMeridianDeg;
using Sphere::kDegreesPerRadian;
using Sphere::kEastingRadiusKm;
using Sphere::kEquatorToOriginKm;
using Sphere::kNorthingRadiusKm;

// Code of "A": the locator's first field and subsquare letter.
constexpr int kCodeOfA = 'A';

// The number written by three characters, given by their codes, known to be digits.
constexpr int DigitsValue(int hundreds, int tens, int units) {
    return 100 * (hundreds - '0') + 10 * (tens - '0') + (units - '0');
}

// ---- Locator ---------------------------------------------------------------------------

// Shifts that make both coordinates non-negative: latitude 0..180, longitude 0..360.
constexpr double kLatitudeShift = 90;
constexpr double kLongitudeShift = 180;
// Longitude 180 wraps to 0; latitude 90 is held just inside the last field.
constexpr double kLongitudeWrap = 360;
constexpr double kLatitudeTop = 180;
constexpr double kLatitudeClamp = 179.9999;
// Fields are 20 by 10 degrees, squares 2 by 1, subsquares 2/24 by 1/24 (5' by 2.5').
constexpr double kFieldLonDeg = 20;
constexpr double kFieldLatDeg = 10;
constexpr double kSquareLonDeg = 2;
constexpr double kSubsquaresPerSquareLon = 12;  // per degree of the 2-degree square
constexpr double kSubsquaresPerDegreeLat = 24;

// The whole part of a value the locator rounds: every such value is non-negative and far
// inside int's range, and for those truncation is the floor.
constexpr int Floor(double x) {
    return static_cast<int>(x);
}

}  // namespace

void ConvertNGR(std::string_view ngr, double& latitude, double& longitude, std::int16_t& result) {
    result = kValid;
    std::array<unsigned char, kGridReferenceLength> storage{};
    const auto codes = runtime::CharCodes(ngr, storage);
    if (!codes) {
        result = kWrongLength;
        return;
    }
    // The code of the character at `position`, numbered from 1 as in the reference.
    const auto c = [&codes](std::size_t position) -> int { return (*codes)[position - 1]; };

    const int first = runtime::UpperCase(c(1));
    const int second = runtime::UpperCase(c(2));
    if (std::count(kFirstLetters.begin(), kFirstLetters.end(), first) == 0 ||
        !GridLetters::IsGridLetter(second)) {
        result = kBadGridLetter;
        return;
    }
    const int L1 = GridLetters::IndexOf(first);
    const int L2 = GridLetters::IndexOf(second);

    for (std::size_t position = 3; position <= kGridReferenceLength; ++position) {
        if (!runtime::IsDigit(c(position))) {
            result = kBadDigit;
            return;
        }
    }

    // L1 and L2 are not negative: the integer quotient is the floor of the real one, and the
    // whole kilometres below are exactly the doubles the real-number form gives.
    const int A = kPerRow * (L1 / kPerRow);
    const int B = kPerRow * (L2 / kPerRow);

    const double E = (L1 - A) * kLargeSquareKm + kEastingOffsetKm + (L2 - B) * kSmallSquareKm +
                     DigitsValue(c(3), c(4), c(5)) / kDigitsPerKm;
    const double N = kTopRowNorthingKm - A * kLargeRowStepKm - B * kSmallRowStepKm +
                     DigitsValue(c(6), c(7), c(8)) / kDigitsPerKm;

    const double phi = (N + kEquatorToOriginKm) / kNorthingRadiusKm;
    const double lambda = 2 * std::atan(std::exp((E - kCentralEastingKm) / kEastingRadiusKm));

    longitude =
        std::atan(-1 / std::tan(lambda) / std::cos(phi)) * kDegreesPerRadian - kCentralMeridianDeg;
    const double s = std::sin(phi) * std::sin(lambda);
    latitude = std::atan(s / std::sqrt(1 - s * s)) * kDegreesPerRadian;
}

LocatorCoordinates ShiftedForLocator(double latitude, double longitude) noexcept {
    double la = latitude + kLatitudeShift;
    double lo = longitude + kLongitudeShift;
    if (lo == kLongitudeWrap)
        lo = 0;
    if (la == kLatitudeTop)
        la = kLatitudeClamp;
    return {la, lo};
}

void CalcLocator(double latitude, double longitude, std::string& locator) {
    locator.clear();
    if (!HasLocator(latitude, longitude))
        return;

    const auto [la, lo] = ShiftedForLocator(latitude, longitude);

    // With la and lo in range the fields are A to R, the squares 0 to 9 and the subsquares A
    // to X: a quotient by 10 or 20 that falls short of a whole number does so by at least 0.8
    // of a unit in its last place, so it never rounds up to it.
    const int fLo = Floor(lo / kFieldLonDeg);
    const int fLa = Floor(la / kFieldLatDeg);
    const int sqLo = Floor((lo - fLo * kFieldLonDeg) / kSquareLonDeg);
    const int sqLa = Floor(la - fLa * kFieldLatDeg);
    const int subLo = Floor(
        (lo - Floor(lo / kSquareLonDeg) * kSquareLonDeg) * kSubsquaresPerSquareLon + kCodeOfA);
    const int subLa = Floor((la - Floor(la)) * kSubsquaresPerDegreeLat + kCodeOfA);

    // A square number 0 to 9 is written as its one digit.
    locator += static_cast<char>(kCodeOfA + fLo);
    locator += static_cast<char>(kCodeOfA + fLa);
    locator += static_cast<char>('0' + sqLo);
    locator += static_cast<char>('0' + sqLa);
    locator += static_cast<char>(subLo);
    locator += static_cast<char>(subLa);
}

}  // namespace Module1
