#pragma once

// Display of a coordinate with the "###.###" pattern.

#include <string>
#include <string_view>

namespace runtime {

// `value` as the "###.###" pattern shows it, with `decimalSeparator` (the user's locale's)
// as the decimal point:
//  - at most three decimals, trailing zeros dropped: 56.8 gives "56.8";
//  - rounded half away from zero, judged on the shortest decimal text that reads back as
//    `value` (the number the user typed or sees): 0.0005 gives ".001", 2.0005 gives "2.001";
//  - no zero before the separator and the separator always shown: -0.127238 gives "-.127",
//    -2.0000000000000058 gives "-2.", 0 gives ".";
//  - every digit of the whole part, however large: 1234.5 gives "1234.5";
//  - a minus sign only when the shown value is not zero: -0.0004 gives ".".
// Not-a-number and infinities, which no grid reference produces, give "NaN", "Infinity" and
// "-Infinity".
[[nodiscard]] std::string FormatThreeDecimals(double value, std::string_view decimalSeparator);

}  // namespace runtime
