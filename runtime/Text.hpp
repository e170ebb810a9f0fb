#pragma once

// Character-level access to UTF-8 text.
//
// A character is a Unicode code point. Each byte that is not part of a well-formed UTF-8
// sequence counts as one character of its own, so any byte string has a length and can be
// cut into characters; nothing here fails on malformed input.
//
// Character codes follow a single-byte code page: ASCII keeps its codes, U+0080 to U+00FF
// keep theirs (ISO 8859-1), and every other character, malformed bytes included, has the
// code of "?". A character that is not ASCII therefore never passes for a digit or for one
// of the letters A to Z.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace runtime {

// Code given to characters the single-byte code page cannot hold: "?".
inline constexpr int kUnmappableCode = '?';

// Bytes of the well-formed UTF-8 sequence that starts `text`: 1 for ASCII, 2 to 4 for the
// others (RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF); 0 when `text`
// is empty or its first byte starts no well-formed sequence.
[[nodiscard]] std::size_t Utf8SequenceLength(std::string_view text) noexcept;

// The first character of `text`: its whole UTF-8 sequence, or its first byte alone when that
// starts no well-formed sequence; empty for the empty text. A view into `text`.
[[nodiscard]] std::string_view FirstCharacter(std::string_view text) noexcept;

// Bytes of the character of two to four bytes that ends `text` cut short (its lead byte and
// fewer continuation bytes than the lead byte announces, at most two), or 0: where a text
// read in blocks may stop in the middle of a character.
[[nodiscard]] std::size_t CutCharacterLength(std::string_view text) noexcept;

// Number of characters in `text`.
[[nodiscard]] std::size_t Length(std::string_view text) noexcept;

// Writes the code of each character of `text` into `codes` (see CharCodes); false when
// `text` has any other number of characters than `codes` holds. Reads no further than one
// character past the last code, so a long text costs no more than a short one.
[[nodiscard]] bool DecodeCharCodes(std::string_view text, std::span<unsigned char> codes) noexcept;

// The code of each character of `text` when it has exactly N characters, written into
// `storage` and viewed from there; none when it has any other number.
template <std::size_t N>
[[nodiscard]] std::optional<std::span<const unsigned char, N>> CharCodes(
    std::string_view text, std::array<unsigned char, N>& storage) noexcept {
    if (!DecodeCharCodes(text, storage)) {
        return std::nullopt;
    }
    return std::span<const unsigned char, N>(storage);
}

// ---- What every reader of typed text shares ---------------------------------------------
// Each rule below is written once, here: the readers of numbers, grid references, locators
// and positions all use these.

// The upper-case form of the ASCII character `c` (a char, or a code of the code page above):
// a to z become A to Z, all others stay.
template <typename Character>
[[nodiscard]] constexpr Character UpperCase(Character c) noexcept {
    return c >= 'a' && c <= 'z' ? static_cast<Character>(c - 'a' + 'A') : c;
}

// The lower-case form of the ASCII character `c`: A to Z become a to z, all others stay.
template <typename Character>
[[nodiscard]] constexpr Character LowerCase(Character c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<Character>(c - 'A' + 'a') : c;
}

// Whether `a` and `b` are the same text but for the case of the ASCII letters a to z (the
// names of ADIF fields and of EDI sections are read in any case).
[[nodiscard]] constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperCase(a[i]) != UpperCase(b[i]))
            return false;
    }
    return true;
}

// Whether `c` (a char, or a code) is one of the digits 0 to 9.
[[nodiscard]] constexpr bool IsDigit(int c) noexcept {
    return c >= '0' && c <= '9';
}

// Whether `c` (a char, or a code) is one of the ASCII letters A to Z, in either case.
[[nodiscard]] constexpr bool IsLetter(int c) noexcept {
    return UpperCase(c) >= 'A' && UpperCase(c) <= 'Z';
}

// The blanks that may stand around and between the parts of a typed text: spaces, tabs, and
// the invisible characters pasted text brings: the no-break spaces U+00A0 and U+202F, the
// zero-width characters U+200B to U+200D, and U+FEFF (a byte order mark, or a zero-width
// no-break space). Bytes of the blank that starts `text`; 0 when it starts with anything else
// or is empty.
[[nodiscard]] std::size_t BlankLength(std::string_view text) noexcept;

// Where the first blank of `text` starts; std::string_view::npos when it has none.
[[nodiscard]] std::size_t FindBlank(std::string_view text) noexcept;

// Takes the leading run of blanks, or of digits, off `text` and returns it (a view into
// `text`, empty when there is none).
std::string_view TakeBlanks(std::string_view& text) noexcept;
std::string_view TakeDigits(std::string_view& text) noexcept;

// `text` without the blanks around it.
[[nodiscard]] std::string_view TrimBlanks(std::string_view text) noexcept;

// `text` between two `quote` characters, as messages quote what the user wrote.
[[nodiscard]] std::string Quoted(std::string_view text, char quote = '\'');

// `text` as a message quotes it: readable, on one line, whole. Each control character
// (U+0000 to U+001F, U+007F to U+009F: a line feed, a tab, ...) and each byte that is not
// part of a well-formed UTF-8 sequence is written as "\x" and two hexadecimal digits (its
// code, or the byte); everything else as it is.
[[nodiscard]] std::string Printable(std::string_view text);

// The even numbers from `first` to `last` (both even, `first` not above `last`) as a message
// lists them: "0, 2, 4, 6, 8 or 10".
[[nodiscard]] std::string EvenNumbersText(int first, int last);

}  // namespace runtime
