#pragma once

// Grid positions as people write them, and grid references of a position, on the three grids
// of Grids.hpp.
//
// A grid reference names a square: letters for the 100 km square, then the easting and
// northing within it to the same number of digits, 0 to 5 each ("NN" is 100 km, "NN17"
// 10 km, "NN166712" 100 m, "NN1666771283" 1 m). The letters say the grid:
// - two letters, the National Grid: the first is the 500 km square, one of H, J, N, O, S and
//   T (the whole grid, Shetland and Orkney included), the second the 100 km square within
//   it, any letter but I; the false origin is the south-west corner of square SV;
// - one letter followed by digits, blanks or nothing, the Irish Grid: the 100 km square,
//   any letter but I ("J 338 742"); the false origin is the south-west corner of square V;
// - WA or WV, UTM zone 30: the Channel Islands' two 100 km squares of the Military Grid
//   Reference System ("WV 652 484"), which no National Grid reference begins with.
// The National and Irish Grids' letters index 5 x 5 tables of squares (GridLetters.hpp).

#include <string>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/Grids.hpp"

namespace Surveyed {

// The National Grid's squares that have letters: 1000 km east by 1500 km north of the false
// origin.
inline constexpr double kLetteredEastingLimit = 1'000'000;
inline constexpr double kLetteredNorthingLimit = 1'500'000;

// The most digits a reference has: 1 m.
inline constexpr int kMaxReferenceDigits = 10;

// Why a text is not a grid position.
enum class ReadingFault {
    kNone,
    kEmpty,                    // nothing but blanks
    kNotAPosition,             // starts with neither a letter nor a number
    kBadFirstLetter,           // two letters, the first not H, J, N, O, S or T, nor W of WA or WV
    kBadSecondLetter,          // after a letter, I, or what is neither letter, digit nor blank
    kBadIrishLetter,           // one letter, I
    kBadChannelIslandsSquare,  // W and a letter other than A or V
    kNotADigit,                // a character after the letters that is neither digit nor blank
    kOddDigits,                // one run of an odd number of digits
    kTooManyDigits,            // more than 10
    kUnevenHalves,             // easting and northing of different lengths
    kTooManyGroups,            // a third group of digits
    kBadNumber,                // a number in metres that is not [-]digits[.digits]
    kOneNumber,                // a number in metres without the second
};

struct GridReading {
    ReadingFault fault = ReadingFault::kNone;
    // The part of the text at fault (a view into it): the character, the digits, or the
    // number; empty when there is none to show.
    std::string_view culprit;
    // The grid the position is on: the reference's, or the National Grid for metres;
    // kNone unless `fault` is kNone.
    Grid grid = Grid::kNone;
    // Metres on that grid: the square's centre for a reference, the point itself for metres;
    // (0, 0) unless `fault` is kNone. Exact: sums of whole or half metres.
    GridPoint position;
};

// Reads a grid position: a grid reference, its letters (either case) and 0, 2, 4, 6, 8 or 10
// digits, with blanks (spaces, tabs) allowed between the letters and the digits and between
// the easting and the northing ("NN166712", "nn 166 712", "J338742", "WV 652 484"); or an
// easting and a northing in metres on the National Grid, each [-]digits[.digits], separated
// by blanks or by a comma with blanks allowed around it ("216667 771283",
// "216667.5,771283.2"). Blanks around the text are ignored. Reading says nothing of whether
// the position has a surveyed answer. Allocates nothing; the culprit views `text`.
[[nodiscard]] GridReading ReadGridPosition(std::string_view text) noexcept;

// A sentence for the user saying why the reading failed, naming the culprit, e.g.
// "'I' is not a letter of the Irish Grid: A to Z but I". Empty for ReadingFault::kNone.
[[nodiscard]] std::string FaultText(const GridReading& reading);

// The grid reference on `grid` of the square of `digits` digits (0, 2, 4, 6, 8 or 10) that
// holds `position` (metres on that grid), upper case, without blanks ("NN166712", "J338742",
// "WV652484"); a position on a square's edge is in the square to its north and east. Empty
// for a position outside the lettered squares (on the National Grid west or south of the
// false origin, or at or beyond the limits above; on the Irish Grid beyond its 500 km table;
// on UTM zone 30 outside WA and WV), for a value that is not finite, for Grid::kNone and for
// any other number of digits. Never allocates (the result fits the string's own buffer).
[[nodiscard]] std::string GridReferenceOf(Grid grid, GridPoint position, int digits);

// The Worked All Britain square of `position`: the reference of its 10 km square, the
// letters and the first digit of the easting and of the northing ("SP17" for the position of
// SP104728, "J37" for J338742, "WV64" for WV652484). Empty where GridReferenceOf is.
[[nodiscard]] inline std::string WorkedAllBritainSquare(Grid grid, GridPoint position) {
    return GridReferenceOf(grid, position, 2);
}

}  // namespace Surveyed
