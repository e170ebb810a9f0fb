#include "NumberReading.hpp"

#include <algorithm>
#include <string>

#include "runtime/DoubleText.hpp"
#include "runtime/Text.hpp"

namespace runtime {
namespace {

// Exponents are clamped while being read to this plus the number of mantissa digits: far
// beyond any double's range even after the digits shift it (0.000...1e400000 with 300,000
// zeros is still 10^99999), yet safe from overflow of the integer holding them.
constexpr long kExponentClamp = 100'000;

}  // namespace

std::optional<double> ReadNumber(std::string_view text, std::string_view decimalSeparator) {
    std::string_view rest = TrimBlanks(text);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::string_view whole = TakeDigits(rest);
    std::string_view fraction;
    bool hasSeparator = false;
    if (!decimalSeparator.empty() && rest.starts_with(decimalSeparator)) {
        hasSeparator = true;
        rest.remove_prefix(decimalSeparator.size());
        fraction = TakeDigits(rest);
    }
    if (whole.empty() && fraction.empty()) {
        // The "###.###" pattern shows zero as the separator alone: the window must be able
        // to read back what it shows.
        if (hasSeparator && rest.empty()) {
            return negative ? -0.0 : 0.0;
        }
        return std::nullopt;
    }
    long exponent = 0;
    std::string_view exponentDigits;
    bool exponentNegative = false;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            exponentNegative = rest.front() == '-';
            rest.remove_prefix(1);
        }
        exponentDigits = TakeDigits(rest);
        if (exponentDigits.empty()) {
            return std::nullopt;
        }
        const long clamp = kExponentClamp + static_cast<long>(whole.size() + fraction.size());
        for (const char d : exponentDigits) {
            exponent = std::min(exponent * 10 + (d - '0'), clamp);
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (!rest.empty()) {
        return std::nullopt;
    }

    // The same number in the one form ReadDecimal reads, whatever the separator.
    std::string canonical;
    canonical.reserve(whole.size() + fraction.size() + 24);
    if (negative)
        canonical += '-';
    canonical += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        canonical += '.';
        canonical += fraction;
    }
    canonical += 'e';
    canonical += std::to_string(exponent);

    if (const std::optional<double> value = ReadDecimal(canonical)) {
        return value;
    }
    // Out of range either way: find which from the position of the first non-zero digit.
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    const long magnitude = firstNonZero != std::string_view::npos
                               ? static_cast<long>(whole.size() - firstNonZero) + exponent
                               : exponent - static_cast<long>(fraction.find_first_not_of('0'));
    if (magnitude > 0) {
        return std::nullopt;  // too large for a double
    }
    return negative ? -0.0 : 0.0;
}

}  // namespace runtime
