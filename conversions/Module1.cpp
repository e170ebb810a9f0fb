#include "Module1.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>

#include "conversions/Sphere.hpp"
#include "runtime/Text.hpp"

// Compiled with -ffp-contract=off and without -ffast-math (see CMakeLists.txt): the formulas
// below are evaluated operation by operation, in the order written, so each result is the
// same double on every machine with an IEEE 754 libm.

namespace Module1 {
namespace {

// ---- Grid reference -------------------------------------------------------------------

constexpr std::size_t kGridReferenceLength = 8;

// Letter indices (code minus the code of "A") of the acceptable first letters N, S and T.
// H and O, which also hold parts of the National Grid, lie outside the approximation's area.
constexpr int kFirstLetterN = 13;
constexpr int kFirstLetterS = 18;
constexpr int kFirstLetterT = 19;
// The letter I is not used in grid letters; letters after it move down by one, so that both
// letters count 0 to 24 over the 5 x 5 grid of squares.
constexpr int kLetterI = 8;
constexpr int kLastLetter = 25;  // Z
constexpr int kLettersPerGridRow = 5;

// The acceptable letters as sets of letter indices, one bit each. Testing membership takes no
// branch: in a run of references the letters vary in no pattern a branch predictor could
// learn, and a wrong guess costs more than the whole test.
constexpr int kLetterSetBits = 32;
constexpr std::uint32_t LetterBit(int index) {
    return std::uint32_t{1} << index;
}
constexpr std::uint32_t kFirstLetters =
    LetterBit(kFirstLetterN) | LetterBit(kFirstLetterS) | LetterBit(kFirstLetterT);
constexpr std::uint32_t kSecondLetters = (LetterBit(kLastLetter + 1) - 1) & ~LetterBit(kLetterI);
// 1 when `index` is in `set`, else 0; an index below 0 or past the last bit is in no set.
constexpr std::uint32_t InLetterSet(std::uint32_t set, int index) {
    const auto bit = static_cast<std::uint32_t>(index);
    return static_cast<std::uint32_t>(bit < kLetterSetBits) & (set >> (bit % kLetterSetBits));
}

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

// Code of the digit "0"; a digit's value is its code's distance from it.
constexpr int kCodeOfZero = '0';
constexpr int kCodeOfNine = '9';
// Code of "A": a grid letter's index counts from it, and it is the locator's first field
// and subsquare letter.
constexpr int kCodeOfA = 'A';

// The number written by three characters, given by their codes, known to be digits.
constexpr int DigitsValue(int hundreds, int tens, int units) {
    return 100 * (hundreds - kCodeOfZero) + 10 * (tens - kCodeOfZero) + (units - kCodeOfZero);
}

// Index of a grid letter, given by its code, upper-cased, counted from "A".
constexpr int LetterIndex(int code) {
    return runtime::UpperCaseCode(code) - kCodeOfA;
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
constexpr double kMinLatitude = -90;
constexpr double kMaxLatitude = 90;
constexpr double kMinLongitude = -180;
constexpr double kMaxLongitude = 180;

// Whole fields in 360 degrees of longitude (18 of 20 degrees) and in 180 of latitude (18 of
// 10), squares per field each way, subsquares per square each way.
constexpr int kFieldsEachWay = 18;
constexpr int kSquaresEachWay = 10;
constexpr int kSubsquaresEachWay = 24;
// Six characters: field, square and subsquare, each a longitude and a latitude part.
constexpr std::size_t kLocatorLength = 6;

// The whole part of a value the locator rounds. Every such value is non-negative and far
// inside int's range (see CalcLocator), and for those truncation is the floor; the whole
// number converts back to the same double the floor would give.
constexpr int WholePart(double x) {
    return static_cast<int>(x);
}

// 1 when 0 <= value < count, else 0.
constexpr unsigned IsBelow(int value, int count) {
    return static_cast<unsigned>(static_cast<unsigned>(value) < static_cast<unsigned>(count));
}

}  // namespace

void ConvertNGR(std::string_view ngr, double& latitude, double& longitude, std::int16_t& result) {
    result = kValid;
    // The characters' codes; only a text of exactly eight characters has them.
    std::array<unsigned char, kGridReferenceLength> storage;
    const auto codes = runtime::CharCodes(ngr, storage);
    if (!codes) {
        result = kWrongLength;
        return;
    }
    // The code of the character at `position`, numbered from 1 as in the reference.
    const auto c = [&codes](std::size_t position) -> int { return (*codes)[position - 1]; };

    int L1 = LetterIndex(c(1));
    int L2 = LetterIndex(c(2));
    if ((InLetterSet(kFirstLetters, L1) & InLetterSet(kSecondLetters, L2)) == 0) {
        result = kBadGridLetter;
        return;
    }
    if (L1 > kLetterI)
        L1 = L1 - 1;
    if (L2 > kLetterI)
        L2 = L2 - 1;

    for (std::size_t position = 3; position <= kGridReferenceLength; ++position) {
        if (c(position) > kCodeOfNine || c(position) < kCodeOfZero) {
            result = kBadDigit;
            return;
        }
    }

    // The row starts and the square offsets are whole kilometres far inside int's range:
    // integer arithmetic yields exactly the doubles the real-number form gives (the floor of
    // a non-negative L / 5 is the integer quotient), and keeps a division off the path to the
    // trigonometry. Only the last addition, of the digits' tenths, rounds.
    const int A = kLettersPerGridRow * (L1 / kLettersPerGridRow);
    const int B = kLettersPerGridRow * (L2 / kLettersPerGridRow);

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

void CalcLocator(double latitude, double longitude, std::string& locator) {
    locator.clear();
    // Written so that NaN fails too.
    if (!(latitude >= kMinLatitude && latitude <= kMaxLatitude && longitude >= kMinLongitude &&
          longitude <= kMaxLongitude)) {
        return;
    }

    double la = latitude + kLatitudeShift;
    double lo = longitude + kLongitudeShift;
    if (lo == kLongitudeWrap)
        lo = 0;
    if (la == kLatitudeTop)
        la = kLatitudeClamp;

    // la and lo are non-negative now, and so is every value rounded below. Each remainder
    // subtracts a whole part that cannot exceed its quotient: a quotient by 10 or 20 that
    // falls short of a whole number does so by at least 0.8 of a unit in its last place, so
    // it never rounds up to it. The subsquare codes are at least the code of "A".
    const int fLo = WholePart(lo / kFieldLonDeg);
    const int fLa = WholePart(la / kFieldLatDeg);
    const int sqLo = WholePart((lo - fLo * kFieldLonDeg) / kSquareLonDeg);
    const int sqLa = WholePart(la - fLa * kFieldLatDeg);
    const int subLo = WholePart(
        (lo - WholePart(lo / kSquareLonDeg) * kSquareLonDeg) * kSubsquaresPerSquareLon + kCodeOfA);
    const int subLa = WholePart((la - WholePart(la)) * kSubsquaresPerDegreeLat + kCodeOfA);

    // Within the range checked above the fields are "A" to "R", the squares the digits of
    // 0 to 9 (the number's text without its sign column) and the subsquares "A" to "X";
    // one test, with no branch per character, keeps it so.
    if ((IsBelow(fLo, kFieldsEachWay) & IsBelow(fLa, kFieldsEachWay) &
         IsBelow(sqLo, kSquaresEachWay) & IsBelow(sqLa, kSquaresEachWay) &
         IsBelow(subLo - kCodeOfA, kSubsquaresEachWay) &
         IsBelow(subLa - kCodeOfA, kSubsquaresEachWay)) == 0) {
        return;  // GCOVR_EXCL_LINE: every in-range locator is letters and digits
    }
    // Six characters fit the string's own small buffer, so no memory is allocated; writing
    // them at once spares each character waiting on the string's length from the last.
    const std::array<char, kLocatorLength> text{static_cast<char>(kCodeOfA + fLo),
                                                static_cast<char>(kCodeOfA + fLa),
                                                static_cast<char>(kCodeOfZero + sqLo),
                                                static_cast<char>(kCodeOfZero + sqLa),
                                                static_cast<char>(subLo),
                                                static_cast<char>(subLa)};
    locator.assign(text.data(), text.size());
}

}  // namespace Module1
