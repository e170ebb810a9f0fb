#pragma once

// Plain number-to-text conversion, the kind that puts a sign column in front of the digits.

#include <array>
#include <string_view>

namespace runtime {

// `value` in decimal, with a blank in front of a non-negative number and a minus sign in
// front of a negative one: 9 gives " 9", -3 gives "-3", 0.5 gives " .5". Whole numbers below
// 10^15 are written in full; other values with up to 15 significant digits, as 1.5E+20.
// Not-a-number and infinities give " NaN", " Inf" and "-Inf".
// The text is written into `buffer` and viewed from there.
using NumberBuffer = std::array<char, 32>;
[[nodiscard]] std::string_view NumberToText(double value, NumberBuffer& buffer) noexcept;

// `text` without its leading blanks (spaces only).
[[nodiscard]] std::string_view TrimLeft(std::string_view text) noexcept;

}  // namespace runtime
