#pragma once

// Latitude and longitude as people write them: typed, pasted from a web page, from a GPS
// receiver, a log (ADIF) or an APRS packet.
//
// A position is two coordinates, each in one of these forms (blanks may stand between any
// two parts; they are the blanks of runtime/Text.hpp):
//   decimal degrees                 52.2   -0.1   52.2°   .5
//   degrees, minutes and seconds    52°12'03"   52d12'03"   52:12:03   52 12 03N   52d12m03s
//   degrees and decimal minutes     52 12.050N   N052 12.050   52°12.050'   52:12.05   52d12.05m
// The degree mark is one of ° º d D (or ':' after the degrees), the minute mark one of ' ′ ’
// (or ':' after the minutes), the second mark one of " ″ ” or two minute marks (''). The
// letters m and s (lower case) are marks too, right after their number and only in turn:
// m marks the minutes after degrees marked d or D, s the seconds after minutes marked m
// ("56d47m49sN", "56d 47m 49s N"). Anywhere else m is part of no form and s is south, so
// "52.2s" stays south and "52°12m" is refused.
// A coordinate is one to three numbers (degrees, minutes, seconds), each of plain digits with
// at most one decimal point, only the last with decimals. A part without its mark follows a
// marked one ("52°12.05"), or else the parts are separated by blanks and the coordinate has
// a hemisphere letter, so that its end is known ("52 12 03N", "N52 12.050"). Minutes and
// seconds are below 60 and carry no sign.
//
// Each coordinate may carry a sign before its degrees and a hemisphere letter N, S, E or W
// (either case) before or after it, but one letter at most; a sign and a letter together must
// agree (-0.1W is west, -0.1E is refused). N and S make the coordinate a latitude, E and W a
// longitude; one without a letter is a latitude when it comes first and a longitude when it
// comes second. So the latitude comes first unless both coordinates carry letters, which then
// decide ("0°06'04"W 52°12'03"N"). The two coordinates are separated by a comma (blanks
// around it allowed) or by blanks; one that ends in a mark or a letter needs no blank
// ("52.2N0.1W"). A letter between two numbers goes with the one it touches: the one before
// it ("52.2N 0.1", "52.2N0.1", so "N52.2W0.1" is refused), or else the one after it
// ("52.2 N0.1"); with blanks on both sides, the one that makes a position, the one before
// when both do ("52.2 N 0.1").
//
// APRS writes a position in one fixed shape, which is read as well: ddmm.mmN, any one
// character (the symbol table: "/", "\", or an overlay letter or digit), dddmm.mmW, and
// optionally the symbol code, any one character: "5212.05N/00006.07W", "5212.05N/00006.07W-".
//
// The decimal comma. A comma between two digits is a decimal comma when the text has exactly
// two commas and each stands between two digits ("52,2 -0,1", "N52 12,050 W0 06,067"): the
// coordinates are then separated by blanks, and '.' is not a decimal point. Any other comma
// separates the coordinates, so "52,2" stays latitude 52 and longitude 2, and "52,5 -2" is
// refused (three numbers). A text with two decimal commas can't be read the other way (its
// second part would hold a comma), so no text is read two ways.
//
// Refused, with the fault and the part at fault: nothing but blanks; a character no form has;
// one coordinate alone; more numbers than two coordinates hold; parts that make no
// coordinate (a mark out of order, a sign on minutes, two letters on one coordinate, parts
// separated by blanks without a letter); a text that cuts into two coordinates more than one
// way; decimals on a part before the last; minutes or seconds of 60 or more; a sign that
// contradicts the letter; two latitudes or two longitudes; a latitude beyond 90 or a
// longitude beyond 180 degrees. Exponents are not read (E is east).

#include <cstdint>
#include <string>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"

namespace PositionText {

// Why a text is not a position.
enum class Fault : std::uint8_t {
    kNone,
    kEmpty,            // nothing but blanks
    kUnexpected,       // a character that is part of no form (culprit: that character)
    kOneCoordinate,    // a single coordinate, or no number at all
    kTooManyNumbers,   // numbers alone, more than two ("52 -0.1 3")
    kNotACoordinate,   // parts that make no coordinate (culprit: the first part that doesn't fit)
    kAmbiguous,        // cuts into two coordinates more than one way
    kDecimalsNotLast,  // decimals on degrees or minutes before another part (culprit: it)
    kMinutesTooLarge,  // minutes of 60 or more (culprit: the minutes)
    kSecondsTooLarge,  // seconds of 60 or more (culprit: the seconds)
    kSignAndLetter,    // a sign the hemisphere letter contradicts (culprit: the coordinate)
    kTwoLatitudes,     // (culprit: the second coordinate)
    kTwoLongitudes,    // (culprit: the second coordinate)
    kLatitudeRange,    // beyond 90 degrees (culprit: the latitude)
    kLongitudeRange,   // beyond 180 degrees (culprit: the longitude)
};

struct Reading {
    Fault fault = Fault::kNone;
    // The part of the text at fault, a view into it; empty when there is none to show.
    std::string_view culprit;
    // Degrees, north and east positive, latitude -90 to 90, longitude -180 to 180: the
    // position the text writes (as near as a double holds it), when `fault` is kNone;
    // otherwise (0, 0). A value written with decimals reads as the nearest double to it
    // (decimal degrees) or to its sum (degrees + minutes / 60 + seconds / 3600).
    Surveyed::GeodeticPosition position;
};

// Reads a position in any of the forms above; blanks around the text are ignored. Allocates
// nothing; the culprit views `text`.
[[nodiscard]] Reading ReadPosition(std::string_view text) noexcept;

// Reads a position whose coordinates are written apart, as in two columns of a table: each
// text one coordinate in any of the forms above, a comma between two digits its decimal
// comma ("52,2"). The first is the latitude and the second the longitude, unless both carry
// hemisphere letters, which then decide. Refused as ReadPosition refuses, and for an empty
// text (kEmpty).
[[nodiscard]] Reading ReadPosition(std::string_view latitude, std::string_view longitude) noexcept;

// A sentence for the user saying why the reading failed, naming the culprit, e.g.
// "minutes of 60 or more: '61''"; empty for Fault::kNone.
[[nodiscard]] std::string FaultText(const Reading& reading);

}  // namespace PositionText
