#include "Module1.hpp"

#include <algorithm>
#include <array>
#include <cmath>
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

// The number written by three characters known to be the digits "0" to "9".
double DigitsValue(std::string_view hundreds, std::string_view tens, std::string_view units) {
    const auto digit = [](std::string_view d) {
        return runtime::CharCode(d) - runtime::CharCode("0");
    };
    return 100 * digit(hundreds) + 10 * digit(tens) + digit(units);
}

// Index of a grid letter, upper-cased, counted from "A".
int LetterIndex(std::string_view letter) {
    return runtime::UpperCaseCode(runtime::CharCode(letter)) - runtime::CharCode("A");
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
// Code of "A", the first field and subsquare letter.
constexpr double kCodeOfA = 65;

constexpr double kMinLatitude = -90;
constexpr double kMaxLatitude = 90;
constexpr double kMinLongitude = -180;
constexpr double kMaxLongitude = 180;

// Builds the locator in the caller's string. Six characters fit the string's own small
// buffer, so no memory is allocated, and appending a character at a time keeps the copies
// inline.
class LocatorText {
  public:
    explicit LocatorText(std::string& text) : text_(text) {}

    // Appends the character with `code`; false when there is none.
    bool AppendChar(double code) {
        runtime::CharBuffer buffer{};
        const auto c = runtime::CharFromCode(code, buffer);
        if (!c) {
            return false;  // GCOVR_EXCL_LINE: every in-range code has a character
        }
        Append(*c);
        return true;
    }
    // Appends a square number as its digits alone.
    void AppendNumber(double number) {
        runtime::NumberBuffer buffer{};
        Append(runtime::TrimLeft(runtime::NumberToText(number, buffer)));
    }

  private:
    void Append(std::string_view piece) {
        for (const char c : piece) {
            text_.push_back(c);
        }
    }
    std::string& text_;
};

}  // namespace

void ConvertNGR(std::string_view ngr, double& latitude, double& longitude, std::int16_t& result) {
    result = kValid;
    // The characters, numbered from 1 as positions in the reference; only a text of exactly
    // eight characters is split.
    std::array<std::string_view, kGridReferenceLength + 1> c{};
    if (!runtime::SplitCharacters(ngr, std::span(c).subspan(1))) {
        result = kWrongLength;
        return;
    }

    int L1 = LetterIndex(c[1]);
    int L2 = LetterIndex(c[2]);
    if ((L1 != kFirstLetterN && L1 != kFirstLetterS && L1 != kFirstLetterT) || L2 < 0 ||
        L2 > kLastLetter || L2 == kLetterI) {
        result = kBadGridLetter;
        return;
    }
    if (L1 > kLetterI)
        L1 = L1 - 1;
    if (L2 > kLetterI)
        L2 = L2 - 1;

    for (std::size_t position = 3; position <= kGridReferenceLength; ++position) {
        const int code = runtime::CharCode(c[position]);
        if (code > runtime::CharCode("9") || code < runtime::CharCode("0")) {
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
    LocatorText text(locator);
    if (!text.AppendChar(kCodeOfA + fLo) || !text.AppendChar(kCodeOfA + fLa)) {
        locator.clear();  // GCOVR_EXCL_LINE: every in-range field has a letter
        return;           // GCOVR_EXCL_LINE
    }
    text.AppendNumber(sqLo);
    text.AppendNumber(sqLa);
    if (!text.AppendChar(subLo) || !text.AppendChar(subLa)) {
        locator.clear();  // GCOVR_EXCL_LINE: every in-range subsquare has a letter
    }
}

}  // namespace Module1
