#pragma once

// Writing a real number with a fixed number of decimals, fast.

#include <string>

namespace cli {

// Appends `value` in fixed notation with `decimals` decimals (0 to 15) and '.' as the
// decimal point: exactly the text std::to_chars(..., std::chars_format::fixed, decimals)
// gives, i.e. the exact binary value rounded to nearest, ties to even, and a minus sign
// whenever the sign bit is set ("-0.000000"). Values that are not finite append nothing.
//
// std::to_chars takes the general road for every value; coordinates are small, and for
// them this is several times faster, which matters at millions of lines per second.
void AppendFixed(double value, int decimals, std::string& out);

}  // namespace cli
