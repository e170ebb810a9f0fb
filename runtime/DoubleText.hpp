#pragma once

// A double as decimal text and back: the fewest digits that read back exactly, and the
// double nearest to a decimal.
//
// Built on the standard library's std::to_chars and std::from_chars where it has them for
// double (DoubleTextCharconv.cpp), and on the C library's snprintf and strtod in the "C"
// locale where it does not (DoubleTextCLibrary.cpp: libc++ before version 17, as in
// Debian 12's emscripten), with the same answers; CMake chooses which.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// `value` (finite) in scientific form, "d.ddde+xx" with at least two exponent digits and a
// leading "-" when negative, with the fewest significant digits that read back as exactly
// `value` and, of those, the ones nearest to it: what std::to_chars writes with
// std::chars_format::scientific. 1 gives "1e+00", 0.1 "1e-01", the smallest double
// "5e-324".
[[nodiscard]] std::string ShortestScientific(double value);

// `value` (finite) in fixed notation with `decimals` (0 to 15) decimals, its exact binary
// value rounded to nearest, a leading "-" on every negative value (-0.000 too): what
// std::to_chars writes with std::chars_format::fixed and that precision. Writes into
// [first, last), which must have room (a sign, 309 whole digits, the point and the
// decimals); returns the end of what it wrote.
char* WriteFixed(double value, int decimals, char* first, char* last) noexcept;

// The room WriteFixed needs for any finite double: a sign, 309 whole digits, the point and 15
// decimals.
inline constexpr std::size_t kFixedRoom = 1 + 309 + 1 + 15;

// What WriteFixed writes, as a string.
[[nodiscard]] inline std::string FixedText(double value, int decimals) {
    std::array<char, kFixedRoom> text{};
    return {text.data(), WriteFixed(value, decimals, text.data(), text.data() + text.size())};
}

// The double nearest to `decimal`, halfway cases to the even one, as std::from_chars reads
// it. `decimal` is of the form "[-]digits[.digits][e[+|-]digits]", which the caller has
// checked. std::nullopt when its magnitude is too large for a double, or when it is not
// zero but nearer to zero than to the smallest double ("1e-400"; "0e-400" is zero).
[[nodiscard]] std::optional<double> ReadDecimal(std::string_view decimal);

}  // namespace runtime
