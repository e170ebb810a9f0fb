#pragma once

// The digits of a grid reference, which name a square within its 100 km square: the easting
// and the northing within it to the same number of digits, 0 to 5 each ("17" a 10 km square,
// "166712" 100 m, "1666771283" 1 m). The same on every grid that letters its 100 km squares.

#include <string>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/GridReference.hpp"

namespace Surveyed {

// The side of a lettered square, in metres.
inline constexpr double kLetteredSquareSide = 100'000;

struct DigitsReading {
    ReadingFault fault = ReadingFault::kNone;
    // The part of the text at fault (a view into it); empty when there is none to show.
    std::string_view culprit;
    // Metres east and north of the 100 km square's south-west corner: the centre of the
    // square the digits name; (0, 0) unless `fault` is kNone. Exact: whole or half metres.
    GridPoint offset;
};

// Reads what follows a reference's letters: blanks (spaces, tabs) allowed first, then no
// digits, one run of 2, 4, 6, 8 or 10, or two runs of 1 to 5 each and of the same length
// separated by blanks, and nothing after them (blanks after the text are the caller's to
// trim). Refuses kNotADigit, kOddDigits, kTooManyDigits, kUnevenHalves or kTooManyGroups.
// Allocates nothing; the culprit views `text`.
[[nodiscard]] DigitsReading ReadReferenceDigits(std::string_view text) noexcept;

// Appends to `out` the `digits` digits (0, 2, 4, 6, 8 or 10) of the square that holds the
// point `offset` metres east and north of its 100 km square's south-west corner (each 0 to
// less than 100 km): whole metres, truncated, as references are.
void AppendReferenceDigits(GridPoint offset, int digits, std::string& out);

}  // namespace Surveyed
