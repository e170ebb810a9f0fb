#pragma once

// National Grid positions as people write them, and grid references of a position.
//
// A grid reference names a square: two letters for the 100 km square, then the easting and
// northing within it to the same number of digits, 0 to 5 each ("NN" is 100 km, "NN17"
// 10 km, "NN166712" 100 m, "NN1666771283" 1 m). The first letter is the 500 km square, one
// of H, J, N, O, S and T (the whole grid, Shetland and Orkney included); the second the
// 100 km square within it, any letter but I. The letters index 5 x 5 grids of squares, A to
// Z without I, row by row from the north-west corner; the grid's false origin is the
// south-west corner of square SV.

#include <string>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// The squares that have letters: 1000 km east by 1500 km north of the false origin.
inline constexpr double kLetteredEastingLimit = 1'000'000;
inline constexpr double kLetteredNorthingLimit = 1'500'000;

// The most digits a reference has: 1 m.
inline constexpr int kMaxReferenceDigits = 10;

// Why a text is not a grid position.
enum class ReadingFault {
    kNone,
    kEmpty,            // nothing but blanks
    kNotAPosition,     // starts with neither a letter nor a number
    kBadFirstLetter,   // not H, J, N, O, S or T
    kBadSecondLetter,  // I, or not a letter
    kNotADigit,        // a character after the letters that is neither digit nor blank
    kOddDigits,        // one run of an odd number of digits
    kTooManyDigits,    // more than 10
    kUnevenHalves,     // easting and northing of different lengths
    kTooManyGroups,    // a third group of digits
    kBadNumber,        // a number in metres that is not [-]digits[.digits]
    kOneNumber,        // a number in metres without the second
};

struct GridReading {
    ReadingFault fault = ReadingFault::kNone;
    // The part of the text at fault (a view into it): the character, the digits, or the
    // number; empty when there is none to show.
    std::string_view culprit;
    // National Grid metres: the square's centre for a reference, the point itself for
    // metres; (0, 0) unless `fault` is kNone. Exact: sums of whole or half metres.
    GridPoint position;
};

// Reads a National Grid position: a grid reference, two letters (either case) and 0, 2, 4,
// 6, 8 or 10 digits, with blanks (spaces, tabs) allowed between the letters and the digits
// and between the easting and the northing ("NN166712", "nn 166 712"); or an easting and a
// northing in metres, each [-]digits[.digits], separated by blanks or by a comma with blanks
// allowed around it ("216667 771283", "216667.5,771283.2"). Blanks around the text are
// ignored. Reading says nothing of whether the position has a surveyed answer. Allocates
// nothing; the culprit views `text`.
[[nodiscard]] GridReading ReadGridPosition(std::string_view text) noexcept;

// A sentence for the user saying why the reading failed, naming the culprit, e.g.
// "'I' is not one of the first letters of the National Grid: H, J, N, O, S and T".
// Empty for ReadingFault::kNone.
[[nodiscard]] std::string FaultText(const GridReading& reading);

// The grid reference of the square of `digits` digits (0, 2, 4, 6, 8 or 10) that holds
// `position`, upper case, without blanks ("NN166712"); a position on a square's edge is in
// the square to its north and east. Empty for a position outside the lettered squares (west
// or south of the false origin, or at or beyond their limits above), for a value that is not
// finite and for any other number of digits. Never allocates (the result fits the string's
// own buffer).
[[nodiscard]] std::string GridReferenceOf(GridPoint position, int digits);

// The Worked All Britain square of `position`: the reference of its 10 km square, the two
// letters and the first digit of the easting and of the northing ("SP17" for the position of
// SP104728). Empty where GridReferenceOf is.
[[nodiscard]] inline std::string WorkedAllBritainSquare(GridPoint position) {
    return GridReferenceOf(position, 2);
}

}  // namespace Surveyed
