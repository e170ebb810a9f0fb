#include "conversions/surveyed/ReferenceDigits.hpp"

#include <cmath>
#include <cstdint>

#include "runtime/Text.hpp"

namespace Surveyed {
namespace {

// Digits of one half of the most precise reference.
constexpr int kMaxHalfDigits = kMaxReferenceDigits / 2;
constexpr std::int64_t kSquareMetres = static_cast<std::int64_t>(kLetteredSquareSide);

constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}
constexpr bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// Takes the leading run of characters that pass `test` off `text`.
std::string_view TakeWhile(std::string_view& text, bool (*test)(char)) noexcept {
    std::size_t n = 0;
    while (n < text.size() && test(text[n]))
        ++n;
    const std::string_view run = text.substr(0, n);
    text.remove_prefix(n);
    return run;
}

DigitsReading Fault(ReadingFault fault, std::string_view culprit) noexcept {
    return {fault, culprit, {}};
}

// The value of 0 to 5 digits as metres within the 100 km square, at the centre of the step
// the last digit counts.
double HalfPosition(std::string_view digits) noexcept {
    double step = kLetteredSquareSide;
    double metres = 0;
    for (const char c : digits) {
        step /= 10;
        metres += (c - '0') * step;
    }
    return metres + step / 2;
}

}  // namespace

DigitsReading ReadReferenceDigits(std::string_view text) noexcept {
    // One run of digits, or two separated by blanks.
    std::string_view rest = text;
    TakeWhile(rest, IsBlank);
    const char* const digitsStart = rest.data();
    std::string_view easting = TakeWhile(rest, IsDigit);
    std::string_view northing;
    if (!TakeWhile(rest, IsBlank).empty())
        northing = TakeWhile(rest, IsDigit);
    const std::string_view digits(digitsStart, static_cast<std::size_t>(rest.data() - digitsStart));
    if (!rest.empty()) {
        if (IsBlank(rest.front()) || IsDigit(rest.front()))
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
    return {ReadingFault::kNone, {}, {HalfPosition(easting), HalfPosition(northing)}};
}

void AppendReferenceDigits(GridPoint offset, int digits, std::string& out) {
    // Whole metres: the square that holds the point, as the digits truncate.
    const auto easting = static_cast<std::int64_t>(std::floor(offset.easting));
    const auto northing = static_cast<std::int64_t>(std::floor(offset.northing));
    const int half = digits / 2;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(2 * half));
    std::int64_t step = kSquareMetres;
    for (int i = 0; i < half; ++i) {
        step /= 10;
        const std::size_t at = start + static_cast<std::size_t>(i);
        out[at] = static_cast<char>('0' + easting / step % 10);
        out[at + static_cast<std::size_t>(half)] = static_cast<char>('0' + northing / step % 10);
    }
}

}  // namespace Surveyed
