#pragma once

// Writing a real number with a fixed number of decimals, fast.

#include <cstddef>

namespace cli {

// Room WriteFixed needs: a sign, the 309 whole digits of the largest double, the point and
// 15 decimals.
inline constexpr std::size_t kFixedRoom = 1 + 309 + 1 + 15;

// Writes `value` from `out` on, in fixed notation with `decimals` decimals (0 to 15) and '.'
// as the decimal point, and returns the end of what it wrote: exactly the text std::to_chars(...,
// std::chars_format::fixed, decimals) gives, i.e. the exact binary value rounded to nearest, ties
// to even, and a minus sign whenever the sign bit is set ("-0.000000"). Values that are not finite
// write nothing.
//
// std::to_chars takes the general road for every value; coordinates are small, and for
// them this is several times faster, which matters at millions of lines per second.
char* WriteFixed(double value, int decimals, char* out) noexcept;

}  // namespace cli
