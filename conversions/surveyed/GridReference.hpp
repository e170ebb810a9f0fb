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
//
// A 10 km square (two digits) may be cut further, as biological recorders do:
// - into 2 km tetrads by one more letter, the DINTY lettering: A to Z without O, in columns
//   of five from the west, each from the south (A to E the westernmost column, A at its
//   south, E at its north; F to K the next; V to Z the easternmost), so "SP48T" is the tetrad
//   from E 446000 N 286000;
// - into 5 km quadrants by NW, NE, SW or SE ("SP48NW", "SP 4 8 NW", "sp48 nw").
// Both may stand after the digits, with or without blanks, on every grid ("H48T", "WV64SE").
//
// Eastings and northings in metres carry no letters of a square, so they can't tell the
// Irish Grid from the National Grid (Armagh's 287800 345800 on the Irish Grid is in
// Snowdonia on the National Grid): the reader is told their grid.

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
    kTwoEastings,              // metres whose letters make both numbers eastings (E)
    kTwoNorthings,             // or both northings (N)
    kNotTenKilometres,         // a tetrad or quadrant after other than a 10 km square's digits
    kBadTetradLetter,          // one letter after a 10 km square, O
    kBadQuadrant,              // two or more letters after it that are not NW, NE, SW or SE
};

struct GridReading {
    ReadingFault fault = ReadingFault::kNone;
    // The part of the text at fault (a view into it): the character, the digits, or the
    // number; empty when there is none to show.
    std::string_view culprit;
    // The grid the position is on: the reference's, or for metres the one the reader was
    // told; kNone unless `fault` is kNone.
    Grid grid = Grid::kNone;
    // Metres on that grid: the square's centre for a reference (a tetrad's or quadrant's
    // too), the point itself for metres; (0, 0) unless `fault` is kNone. Exact: sums of whole
    // or half metres.
    GridPoint position;
};

// Reads a grid position: a grid reference, its letters (either case) and 0, 2, 4, 6, 8 or 10
// digits, with blanks (spaces, tabs) allowed between the letters and the digits and between
// the easting and the northing ("NN166712", "nn 166 712", "J338742", "WV 652 484"), or 2
// digits and a tetrad or quadrant ("SP48T", "SP 48 NW"); or an easting and a northing in
// metres on `metresGrid` (one of the three grids), each [-]digits[.digits], separated by
// blanks or by a comma with blanks allowed around it ("216667 771283", "216667.5,771283.2").
// Each number of metres may carry the letter E or N (either case) right before or after it
// ("224100E 252100N", "224100E, 252100N", "E224100 N252100"). The letters decide, in either
// order ("252100N 224100E"); a number without one is what the other's letter leaves it, and
// without letters the easting comes first. A text that begins with a letter is metres only
// when both numbers carry one and it is no grid reference ("E224100" is square E of the Irish
// Grid). Blanks around the text are ignored. Reading says nothing of whether the position
// has a surveyed answer. Allocates nothing; the culprit views `text`.
[[nodiscard]] GridReading ReadGridPosition(std::string_view text,
                                           Grid metresGrid = Grid::kGreatBritain) noexcept;

// Reads an easting and a northing written apart, as in two columns of a table: each text one
// number of metres as above, with or without its letter, on `metresGrid`. Refused as the
// reader above refuses metres, and for empty texts (kEmpty for both, kOneNumber for one).
[[nodiscard]] GridReading ReadGridPosition(std::string_view easting, std::string_view northing,
                                           Grid metresGrid) noexcept;

// A sentence for the user saying why the reading failed, naming the culprit, e.g.
// "'I' is not a letter of the Irish Grid: A to Z but I". Empty for ReadingFault::kNone.
[[nodiscard]] std::string FaultText(const GridReading& reading);

// Whether `position` (metres on `grid`) lies in the grid's lettered squares: on the National
// Grid from its false origin to the limits above, on the Irish Grid in its 500 km table, on UTM
// zone 30 in WA and WV. False for a value that is not finite and for Grid::kNone.
[[nodiscard]] bool HasLetters(Grid grid, GridPoint position) noexcept;

// The grid reference on `grid` of the square of `digits` digits (0, 2, 4, 6, 8 or 10) that
// holds `position` (metres on that grid), upper case, without blanks ("NN166712", "J338742",
// "WV652484"); a position on a square's edge is in the square to its north and east. Empty
// where HasLetters is false, and for any other number of digits. Never allocates (the result fits
// the string's own buffer).
[[nodiscard]] std::string GridReferenceOf(Grid grid, GridPoint position, int digits);

// The Worked All Britain square of `position`: the reference of its 10 km square, the
// letters and the first digit of the easting and of the northing ("SP17" for the position of
// SP104728, "J37" for J338742, "WV64" for WV652484). Empty where GridReferenceOf is.
[[nodiscard]] inline std::string WorkedAllBritainSquare(Grid grid, GridPoint position) {
    return GridReferenceOf(grid, position, 2);
}

}  // namespace Surveyed
