#pragma once

// The 5 x 5 table of letters that name grid squares in Great Britain and Ireland: A to Z
// without I, row by row from the north-west corner (A B C D E on the northern row, V W X Y Z
// on the southern one).

#include <optional>

#include "runtime/Text.hpp"

namespace Surveyed::LetterTable {

inline constexpr int kSide = 5;

struct Place {
    int column = 0;  // 0 to 4, west to east
    int row = 0;     // 0 to 4, south to north
};

// The place of `letter` (either case) in the table; none for I and for what is not a letter.
[[nodiscard]] constexpr std::optional<Place> PlaceOf(char letter) noexcept {
    const int upper = runtime::UpperCaseCode(letter);
    if (upper < 'A' || upper > 'Z' || upper == 'I')
        return std::nullopt;
    const int index = upper > 'I' ? upper - 'A' - 1 : upper - 'A';
    return Place{index % kSide, kSide - 1 - index / kSide};
}

// The letter at `place`, upper case; `place` must be in the table.
[[nodiscard]] constexpr char LetterAt(Place place) noexcept {
    const int index = (kSide - 1 - place.row) * kSide + place.column;
    return static_cast<char>('A' + (index >= 'I' - 'A' ? index + 1 : index));
}

}  // namespace Surveyed::LetterTable
