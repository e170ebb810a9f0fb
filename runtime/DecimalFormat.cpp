#include "DecimalFormat.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "DoubleText.hpp"

namespace runtime {
namespace {

// Decimals the pattern shows at most.
constexpr std::size_t kDecimals = 3;

// Adds one unit in the last place of a string of decimal digits; returns false when the carry
// runs out of the front ("999" becomes "000").
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

}  // namespace

std::string FormatThreeDecimals(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }

    // The shortest digits that read back as `value`, as d.ddd e±x: the decimal the user sees.
    const std::string text = ShortestScientific(std::fabs(value));
    const std::size_t exponentAt = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, exponentAt)) {
        if (c != '.') {
            digits += c;
        }
    }
    const long exponent = std::strtol(text.c_str() + exponentAt + 1, nullptr, 10);

    // Split into whole part and fraction around the decimal point.
    std::string whole;
    std::string fraction;
    const long wholeDigits = exponent + 1;
    if (wholeDigits <= 0) {
        fraction.assign(static_cast<std::size_t>(-wholeDigits), '0');
        fraction += digits;
    } else {
        const auto split = static_cast<std::size_t>(wholeDigits);
        whole = digits.substr(0, std::min(split, digits.size()));
        whole.resize(split, '0');
        fraction = split < digits.size() ? digits.substr(split) : std::string{};
    }

    // Round half away from zero at the third decimal. These are the exact digits of the
    // shortest text, so a fourth digit of 5 or more means at or above the half-way point.
    const bool roundUp = fraction.size() > kDecimals && fraction[kDecimals] >= '5';
    fraction.resize(std::min(fraction.size(), kDecimals));
    if (roundUp && !IncrementDigits(fraction) && !IncrementDigits(whole)) {
        whole.insert(whole.begin(), '1');
    }

    // "#" shows no leading zeros in the whole part and no trailing zeros in the fraction.
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos
                       ? whole.size()
                       : whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);

    const bool showsZero = whole.empty() && fraction.empty();
    std::string shown = value < 0 && !showsZero ? "-" : "";
    shown += whole;
    shown += decimalSeparator;
    shown += fraction;
    return shown;
}

}  // namespace runtime
