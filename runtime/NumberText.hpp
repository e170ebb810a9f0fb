#pragma once

// Plain number-to-text conversion, the kind that puts a sign column in front of the digits.

#include <array>
#include <optional>
#include <string_view>

namespace runtime {

// Room for NumberToText's longest text.
using NumberBuffer = std::array<char, 32>;

// The digit NumberToText writes, after the blank of its sign column, for a whole number from
// 0 to 9 (-0.0 included); none for any other value. The locator's square numbers are such
// digits, and are taken this way without a text to trim.
[[nodiscard]] constexpr std::optional<char> DigitFromNumber(double value) noexcept {
    constexpr double kLargestDigit = 9;
    if (value >= 0 && value <= kLargestDigit) {
        const auto digit = static_cast<int>(value);
        if (digit == value) {
            return static_cast<char>('0' + digit);
        }
    }
    return std::nullopt;
}

// `value` in decimal, with a blank in front of a non-negative number and a minus sign in
// front of a negative one: 9 gives " 9", -3 gives "-3", 0.5 gives " .5". Whole numbers below
// 10^15 are written in full; other values with up to 15 significant digits, as 1.5E+20.
// Not-a-number and infinities give " NaN", " Inf" and "-Inf".
// The text is written into `buffer` and viewed from there.
[[nodiscard]] std::string_view NumberToText(double value, NumberBuffer& buffer) noexcept;

// `text` without its leading blanks (spaces only).
[[nodiscard]] std::string_view TrimLeft(std::string_view text) noexcept;

}  // namespace runtime
