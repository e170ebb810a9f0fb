#include "conversions/surveyed/GridReference.hpp"

#include <array>
#include <span>

#include "conversions/Module1.hpp"
#include "runtime/Text.hpp"

namespace Surveyed {
namespace {

constexpr std::size_t kGridReferenceLength = 8;

// Grid letters index a 5 x 5 grid of squares, A to Z without I, row by row from the north-west
// corner. The National Grid's false origin is the south-west corner of the 500 km square S,
// which sits in column 2 and row 3 of that grid.
constexpr int kLetterI = 'I' - 'A';
constexpr int kLastLetter = 'Z' - 'A';
constexpr int kLettersPerRow = 5;
constexpr int kOriginColumn = 2;
constexpr int kOriginRow = 3;
// The bottom row of a 500 km square holds its southernmost 100 km squares.
constexpr int kBottomRow = 4;
constexpr int kLargeSquareMetres = 500'000;
constexpr int kSmallSquareMetres = 100'000;
// Three digits count hundreds of metres; the square's centre is half a step further.
constexpr int kDigitStepMetres = 100;
constexpr int kHalfDigitStepMetres = kDigitStepMetres / 2;

// The 500 km squares of the National Grid: H (Shetland, Orkney) and J (the sea east of
// them), N and O (Scotland and the north of England), S and T (the rest).
constexpr std::array kFirstLetters{'H', 'J', 'N', 'O', 'S', 'T'};

// Index of a grid letter, given by its code, upper-cased, counted from "A".
int LetterIndex(int code) {
    return runtime::UpperCaseCode(code) - 'A';
}

bool IsFirstLetter(int index) {
    for (const char letter : kFirstLetters) {
        if (index == letter - 'A') {
            return true;
        }
    }
    return false;
}

// Position of a letter in the 5 x 5 grid once I is skipped.
int GridIndex(int letterIndex) {
    return letterIndex > kLetterI ? letterIndex - 1 : letterIndex;
}

int DigitValue(int code) {
    return code - '0';
}

int TripleValue(std::span<const unsigned char, 3> digits) {
    return 100 * DigitValue(digits[0]) + 10 * DigitValue(digits[1]) + DigitValue(digits[2]);
}

}  // namespace

GridReading ReadGridReference(std::string_view ngr) noexcept {
    GridReading reading{};
    // The characters' codes.
    std::array<unsigned char, kGridReferenceLength> storage{};
    const auto codes = runtime::CharCodes(ngr, storage);
    if (!codes) {
        reading.result = Module1::kWrongLength;
        return reading;
    }
    const std::span<const unsigned char, kGridReferenceLength> c = *codes;

    const int first = LetterIndex(c[0]);
    const int second = LetterIndex(c[1]);
    if (!IsFirstLetter(first) || second < 0 || second > kLastLetter || second == kLetterI) {
        reading.result = Module1::kBadGridLetter;
        return reading;
    }
    for (std::size_t i = 2; i < kGridReferenceLength; ++i) {
        if (c[i] < '0' || c[i] > '9') {
            reading.result = Module1::kBadDigit;
            return reading;
        }
    }

    const int large = GridIndex(first);
    const int small = GridIndex(second);
    // Whole metres far inside int's range: the sums are exact.
    const int easting = (large % kLettersPerRow - kOriginColumn) * kLargeSquareMetres +
                        (small % kLettersPerRow) * kSmallSquareMetres +
                        TripleValue(c.subspan<2, 3>()) * kDigitStepMetres + kHalfDigitStepMetres;
    const int northing = (kOriginRow - large / kLettersPerRow) * kLargeSquareMetres +
                         (kBottomRow - small / kLettersPerRow) * kSmallSquareMetres +
                         TripleValue(c.subspan<5, 3>()) * kDigitStepMetres + kHalfDigitStepMetres;
    reading.result = Module1::kValid;
    reading.centre = {static_cast<double>(easting), static_cast<double>(northing)};
    return reading;
}

}  // namespace Surveyed
