#pragma once

// Reading a number the user typed.

#include <optional>
#include <string_view>

namespace runtime {

// The number `text` writes, with `decimalSeparator` (the user's locale's) as its decimal
// point, or std::nullopt when it is not a number.
//
// A number is: optional blanks (spaces or tabs), an optional sign, digits with at most one
// decimal separator among or around them (at least one digit in all), an optional exponent
// ("e" or "E", optional sign, digits), optional blanks. The separator alone, with an
// optional sign and blanks, is zero: that is how the "###.###" pattern shows zero (see
// FormatThreeDecimals), and what is shown must read back. Nothing else is accepted, so empty
// or blank text, letters, a second separator, group separators ("1,234.5" when the
// separator is "."), "inf", "nan", hexadecimal and a value too large for a double are not
// numbers. A value too small for a double reads as zero of its sign.
[[nodiscard]] std::optional<double> ReadNumber(std::string_view text,
                                               std::string_view decimalSeparator);

}  // namespace runtime
