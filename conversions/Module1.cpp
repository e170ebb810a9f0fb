#include "Module1.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

#include "runtime/Floor.hpp"
#include "runtime/NumberText.hpp"
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

// The program's own sphere: the distance in kilometres of the grid's origin from the
// equator along the meridian, the radius that turns northings into arc, the radius that
// turns eastings into the Mercator argument, and the easting of the central meridian.
constexpr double kEquatorToOriginKm = 5548.79;
constexpr double kNorthingRadiusKm = 6371.28;
constexpr double kEastingRadiusKm = 6389.7;
constexpr double kCentralEastingKm = 400;
// Longitude of the central meridian: 2 degrees west.
constexpr double kCentralMeridianDeg = 2;

// Degrees per radian with pi cut to 3.1415926, the factor the answers were always
// computed with (not 180 / pi = 57.29577951308232).
constexpr double kDegreesPerRadian = 57.295780490442965;
static_assert(kDegreesPerRadian == 180 / 3.1415926);

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

// Six characters: field, square and subsquare, each a longitude and a latitude part.
constexpr std::size_t kLocatorLength = 6;

// Collects the locator's characters in a buffer of its own and hands them to the caller's
// string at once: writing the string a character at a time makes each write wait for the
// last, since a character store may change the string's own length and pointer.
//
// Within the range CalcLocator accepts, every field and subsquare code is that of a capital
// letter and every square number a single digit, so the code page's character and the
// number's text trimmed of its sign column are a single ASCII character each.
class LocatorText {
  public:
    // Appends the character with `code`; false when it is not an ASCII character.
    bool AppendChar(double code) { return Append(runtime::AsciiFromCode(code)); }
    // Appends a square number as its digit; false when it is not a single digit.
    bool AppendNumber(double number) { return Append(runtime::DigitFromNumber(number)); }
    // Replaces `locator` with the text. Six characters fit the string's own small buffer, so
    // no memory is allocated.
    void CopyTo(std::string& locator) const { locator.assign(text_.data(), size_); }

  private:
    bool Append(std::optional<char> c) {
        if (!c || size_ == text_.size()) {
            return false;  // GCOVR_EXCL_LINE: see above
        }
        text_[size_++] = *c;
        return true;
    }
    std::array<char, kLocatorLength> text_{};
    std::size_t size_ = 0;
};

}  // namespace

void ConvertNGR(std::string_view ngr, double& latitude, double& longitude, std::int16_t& result) {
    result = kValid;
    // The characters' codes, numbered from 1 as positions in the reference; only a text of
    // exactly eight characters has them.
    std::array<int, kGridReferenceLength + 1> c;
    if (!runtime::CharCodes(ngr, std::span(c).subspan(1))) {
        result = kWrongLength;
        return;
    }

    int L1 = LetterIndex(c[1]);
    int L2 = LetterIndex(c[2]);
    if ((InLetterSet(kFirstLetters, L1) & InLetterSet(kSecondLetters, L2)) == 0) {
        result = kBadGridLetter;
        return;
    }
    if (L1 > kLetterI)
        L1 = L1 - 1;
    if (L2 > kLetterI)
        L2 = L2 - 1;

    for (std::size_t position = 3; position <= kGridReferenceLength; ++position) {
        if (c[position] > kCodeOfNine || c[position] < kCodeOfZero) {
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
                     DigitsValue(c[3], c[4], c[5]) / kDigitsPerKm;
    const double N = kTopRowNorthingKm - A * kLargeRowStepKm - B * kSmallRowStepKm +
                     DigitsValue(c[6], c[7], c[8]) / kDigitsPerKm;

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

    const double fLo = runtime::Floor(lo / kFieldLonDeg);
    const double fLa = runtime::Floor(la / kFieldLatDeg);
    const double sqLo = runtime::Floor((lo - fLo * kFieldLonDeg) / kSquareLonDeg);
    const double sqLa = runtime::Floor(la - fLa * kFieldLatDeg);
    const double subLo = runtime::Floor((lo - runtime::Floor(lo / kSquareLonDeg) * kSquareLonDeg) *
                                            kSubsquaresPerSquareLon +
                                        kCodeOfA);
    const double subLa =
        runtime::Floor((la - runtime::Floor(la)) * kSubsquaresPerDegreeLat + kCodeOfA);

    // With the range checked above every code is a letter and every number a digit; the
    // checks keep it so.
    LocatorText text;
    if (!text.AppendChar(kCodeOfA + fLo) || !text.AppendChar(kCodeOfA + fLa) ||
        !text.AppendNumber(sqLo) || !text.AppendNumber(sqLa) || !text.AppendChar(subLo) ||
        !text.AppendChar(subLa)) {
        return;  // GCOVR_EXCL_LINE: every in-range locator is letters and digits
    }
    text.CopyTo(locator);
}

}  // namespace Module1
