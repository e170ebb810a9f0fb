#pragma once

// Reading a grid reference for the surveyed conversion: the text rules are the window's,
// but every 100 km square of the National Grid is accepted, Shetland and Orkney included.

#include <cstdint>
#include <string_view>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

struct GridReading {
    // Module1::kValid, kWrongLength, kBadGridLetter or kBadDigit, decided as ConvertNGR
    // decides them: length first, then the letters, then the digits.
    std::int16_t result = 0;
    // The centre of the 100 m square; (0, 0) unless `result` is kValid.
    GridPoint centre;
};

// Reads an eight-character reference (two letters, three easting digits, three northing
// digits; UTF-8, length counted in characters). The first letter must be one of the 500 km
// squares H, J, N, O, S or T, the second any letter A to Z but I; either may be lower case.
// Exact: the centre is a whole number of metres.
[[nodiscard]] GridReading ReadGridReference(std::string_view ngr) noexcept;

}  // namespace Surveyed
