#pragma once

// The National Grid's square letters, for every reading and writing of grid references.
//
// A letter names one square of a 5 x 5 grid: the letters A to Z without I, row by row from
// the north-west corner,
//   A B C D E
//   F G H J K
//   L M N O P
//   Q R S T U
//   V W X Y Z
// The first letter of a reference picks a 500 km square of such a grid, the second a 100 km
// square within it.

#include <cstddef>
#include <string_view>

namespace GridLetters {

// The letters in the order of their squares.
inline constexpr std::string_view kLetters = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
inline constexpr int kPerRow = 5;

// Whether `c` (a char, or a character code) is one of kLetters: an upper-case letter but I.
[[nodiscard]] constexpr bool IsGridLetter(int c) noexcept {
    return c >= 'A' && c <= 'Z' && c != 'I';
}

// The place of a grid letter (IsGridLetter) in kLetters, 0 to 24: its row is the place
// divided by kPerRow, its column the remainder.
[[nodiscard]] constexpr int IndexOf(int letter) noexcept {
    const int index = letter - 'A';
    return letter > 'I' ? index - 1 : index;
}

// The letter of the square at `index`, 0 to 24.
[[nodiscard]] constexpr char LetterAt(int index) noexcept {
    return kLetters[static_cast<std::size_t>(index)];
}

}  // namespace GridLetters
