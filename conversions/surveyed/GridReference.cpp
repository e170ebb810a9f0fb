#include "conversions/surveyed/GridReference.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "conversions/GridLetters.hpp"
#include "runtime/DoubleText.hpp"
#include "runtime/Text.hpp"

namespace Surveyed {
namespace {

// Grid letters index a 5 x 5 grid of squares (GridLetters.hpp). The false origin is the
// south-west corner of the 500 km square S, which sits in column 2 and row 3 of that grid,
// and of its 100 km square V, column 0 and row 4.
using GridLetters::kPerRow;
constexpr int kOriginColumn = 2;
constexpr int kOriginRow = 3;
constexpr int kBottomRow = 4;
constexpr std::int64_t kLargeSquareMetres = 500'000;
constexpr std::int64_t kSmallSquareMetres = 100'000;
// The 500 km squares of the grid: H (Shetland, Orkney) and J (the sea east of them), N and O
// (Scotland and the north of England), S and T (the rest).
constexpr std::string_view kFirstLetters = "HJNOST";
// Digits of one half of the most precise reference.
constexpr int kMaxHalfDigits = kMaxReferenceDigits / 2;

using runtime::IsDigit;
using runtime::TakeBlanks;
using runtime::TakeDigits;
using runtime::UpperCase;

constexpr bool IsLetter(char c) noexcept {
    return UpperCase(c) >= 'A' && UpperCase(c) <= 'Z';
}

GridReading Fault(ReadingFault fault, std::string_view culprit) noexcept {
    return {fault, culprit, {}};
}

// The value of 0 to 5 digits as metres within the 100 km square, at the centre of the step
// the last digit counts.
double HalfPosition(std::string_view digits) noexcept {
    double step = static_cast<double>(kSmallSquareMetres);
    double metres = 0;
    for (const char c : digits) {
        step /= 10;
        metres += (c - '0') * step;
    }
    return metres + step / 2;
}

GridReading ReadReference(std::string_view text) noexcept {
    if (kFirstLetters.find(UpperCase(text[0])) == std::string_view::npos)
        return Fault(ReadingFault::kBadFirstLetter, runtime::FirstCharacter(text));
    if (text.size() < 2)
        return Fault(ReadingFault::kBadSecondLetter, {});
    if (!GridLetters::IsGridLetter(UpperCase(text[1])))
        return Fault(ReadingFault::kBadSecondLetter, runtime::FirstCharacter(text.substr(1)));

    // One run of digits, or two separated by blanks.
    std::string_view rest = text.substr(2);
    TakeBlanks(rest);
    const char* const digitsStart = rest.data();
    std::string_view easting = TakeDigits(rest);
    std::string_view northing;
    if (!TakeBlanks(rest).empty())
        northing = TakeDigits(rest);
    const std::string_view digits(digitsStart, static_cast<std::size_t>(rest.data() - digitsStart));
    if (!rest.empty()) {
        if (runtime::BlankLength(rest) > 0 || IsDigit(rest.front()))
            return Fault(ReadingFault::kTooManyGroups, runtime::TrimBlanks(rest));
        return Fault(ReadingFault::kNotADigit, runtime::FirstCharacter(rest));
    }
    if (northing.empty()) {
        if (easting.size() > kMaxReferenceDigits)
            return Fault(ReadingFault::kTooManyDigits, digits);
        if (easting.size() % 2 != 0)
            return Fault(ReadingFault::kOddDigits, digits);
        northing = easting.substr(easting.size() / 2);
        easting = easting.substr(0, easting.size() / 2);
    } else if (easting.size() != northing.size()) {
        return Fault(ReadingFault::kUnevenHalves, digits);
    } else if (easting.size() > kMaxHalfDigits) {
        return Fault(ReadingFault::kTooManyDigits, digits);
    }

    const int large = GridLetters::IndexOf(UpperCase(text[0]));
    const int small = GridLetters::IndexOf(UpperCase(text[1]));
    const std::int64_t squareEasting = (large % kPerRow - kOriginColumn) * kLargeSquareMetres +
                                       (small % kPerRow) * kSmallSquareMetres;
    const std::int64_t squareNorthing = (kOriginRow - large / kPerRow) * kLargeSquareMetres +
                                        (kBottomRow - small / kPerRow) * kSmallSquareMetres;
    return {ReadingFault::kNone,
            {},
            {static_cast<double>(squareEasting) + HalfPosition(easting),
             static_cast<double>(squareNorthing) + HalfPosition(northing)}};
}

// [-]digits[.digits], or none.
bool ReadMetres(std::string_view text, double& metres) noexcept {
    std::string_view rest = text;
    if (rest.starts_with('-'))
        rest.remove_prefix(1);
    if (TakeDigits(rest).empty())
        return false;
    if (rest.starts_with('.')) {
        rest.remove_prefix(1);
        if (TakeDigits(rest).empty())
            return false;
    }
    if (!rest.empty())
        return false;
    const std::optional<double> value = runtime::ReadDecimal(text);
    if (!value)
        return false;
    metres = *value;
    return true;
}

GridReading ReadEastingNorthing(std::string_view text) noexcept {
    std::size_t split = text.find(',');
    std::size_t skip = 1;
    if (split == std::string_view::npos) {
        split = runtime::FindBlank(text);
        skip = 0;
    }
    if (split == std::string_view::npos)
        return Fault(ReadingFault::kOneNumber, text);
    const std::string_view easting = runtime::TrimBlanks(text.substr(0, split));
    const std::string_view northing = runtime::TrimBlanks(text.substr(split + skip));
    if (northing.empty())
        return Fault(ReadingFault::kOneNumber, easting);
    GridReading reading{};
    if (!ReadMetres(easting, reading.position.easting))
        return Fault(ReadingFault::kBadNumber, easting);
    if (!ReadMetres(northing, reading.position.northing))
        return Fault(ReadingFault::kBadNumber, northing);
    return reading;
}

std::size_t DigitCount(std::string_view text) noexcept {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return IsDigit(c); }));
}

}  // namespace

GridReading ReadGridPosition(std::string_view text) noexcept {
    text = runtime::TrimBlanks(text);
    if (text.empty())
        return Fault(ReadingFault::kEmpty, {});
    if (IsLetter(text.front()))
        return ReadReference(text);
    if (IsDigit(text.front()) || text.front() == '-')
        return ReadEastingNorthing(text);
    return Fault(ReadingFault::kNotAPosition, runtime::FirstCharacter(text));
}

std::string FaultText(const GridReading& reading) {
    const std::string culprit = runtime::Quoted(reading.culprit);
    const std::string count = std::to_string(DigitCount(reading.culprit));
    switch (reading.fault) {
        case ReadingFault::kNone:
            return {};
        case ReadingFault::kEmpty:
            return "no grid reference, nor easting and northing";
        case ReadingFault::kNotAPosition:
            return culprit +
                   " begins neither a grid reference (two letters and digits, e.g. NN166712) nor "
                   "an easting and northing in metres";
        case ReadingFault::kBadFirstLetter:
            return culprit +
                   " is not one of the first letters of the National Grid: H, J, N, O, S and T";
        case ReadingFault::kBadSecondLetter:
            if (reading.culprit.empty())
                return "a grid reference begins with two letters";
            return culprit + " is not a second letter of a grid reference: A to Z but I";
        case ReadingFault::kNotADigit:
            return culprit + " is not a digit";
        case ReadingFault::kOddDigits:
            return culprit + " has " + count +
                   " digits, which do not split into easting and northing: a grid reference has " +
                   runtime::EvenNumbersText(0, kMaxReferenceDigits);
        case ReadingFault::kTooManyDigits:
            return culprit + " has " + count + " digits: a grid reference has at most " +
                   std::to_string(kMaxReferenceDigits) + " (1 m)";
        case ReadingFault::kUnevenHalves:
            return "the easting and northing of " + culprit + " have different numbers of digits";
        case ReadingFault::kTooManyGroups:
            return culprit + " follows the easting and northing";
        case ReadingFault::kBadNumber:
            return culprit + " is not a number of metres ([-]digits[.digits])";
        case ReadingFault::kOneNumber:
            return culprit + " is one number: easting and northing expected";
    }
    return {};
}

std::string GridReferenceOf(GridPoint position, int digits) {
    if (digits < 0 || digits > kMaxReferenceDigits || digits % 2 != 0)
        return {};
    if (!(position.easting >= 0 && position.easting < kLetteredEastingLimit &&
          position.northing >= 0 && position.northing < kLetteredNorthingLimit)) {
        return {};
    }
    // Whole metres: the square that holds the point, as the digits truncate.
    const auto easting = static_cast<std::int64_t>(std::floor(position.easting));
    const auto northing = static_cast<std::int64_t>(std::floor(position.northing));

    const auto letter = [](std::int64_t column, std::int64_t row) {
        return GridLetters::LetterAt(static_cast<int>(row * kPerRow + column));
    };
    std::array<char, 2 + kMaxReferenceDigits> text{};
    text[0] = letter(easting / kLargeSquareMetres + kOriginColumn,
                     kOriginRow - northing / kLargeSquareMetres);
    text[1] = letter(easting % kLargeSquareMetres / kSmallSquareMetres,
                     kBottomRow - northing % kLargeSquareMetres / kSmallSquareMetres);
    const int half = digits / 2;
    std::int64_t step = kSmallSquareMetres;
    for (int i = 0; i < half; ++i) {
        step /= 10;
        const auto at = static_cast<std::size_t>(2 + i);
        text[at] = static_cast<char>('0' + easting % kSmallSquareMetres / step % 10);
        text[at + static_cast<std::size_t>(half)] =
            static_cast<char>('0' + northing % kSmallSquareMetres / step % 10);
    }
    return {text.data(), static_cast<std::size_t>(2 + digits)};
}

}  // namespace Surveyed
