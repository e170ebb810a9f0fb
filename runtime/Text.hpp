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

// Number of characters in `text`.
[[nodiscard]] std::size_t Length(std::string_view text) noexcept;

// The characters from 1-based position `start`, at most `count` of them. A start beyond the
// end gives the empty text. The result views `text`.
[[nodiscard]] std::string_view Mid(std::string_view text, std::size_t start,
                                   std::size_t count) noexcept;

// CharCodes of a text that may hold characters beyond ASCII.
[[nodiscard]] bool CharCodesDecoded(std::string_view text, std::span<int> codes) noexcept;

// The first `count` characters of `text` (all of them if it is shorter).
[[nodiscard]] std::string_view Left(std::string_view text, std::size_t count) noexcept;

// Above this code a character takes two UTF-8 bytes.
inline constexpr int kMaxAsciiCode = 0x7F;

// CharCode of a text that is empty or starts beyond ASCII.
[[nodiscard]] int CharCodeBeyondAscii(std::string_view text) noexcept;

// Code of the first character of `text` (0 to 255). The empty text has code 0 (NUL), which
// is neither a digit nor a letter. Its ASCII case is inline: grid references are read
// character by character, and the link-time optimiser does not always inline a larger body
// into every reader, which cost the conversions several percent of their speed.
[[nodiscard]] inline int CharCode(std::string_view text) noexcept {
    if (!text.empty() && static_cast<unsigned char>(text.front()) <= kMaxAsciiCode)
        return text.front();
    return CharCodeBeyondAscii(text);
}

// The code (as CharCode gives it) of each character of `text` when it has exactly
// `codes.size()` characters, and true; false when it has any other number (the codes are
// then unspecified). Reads no further than one character past the expected count, so a long
// text costs no more than a short one. Inline for the reason CharCode is: an ASCII text of
// the expected size, the usual grid reference, is its bytes, checked without a branch each.
[[nodiscard]] inline bool CharCodes(std::string_view text, std::span<int> codes) noexcept {
    if (text.size() == codes.size()) {
        bool ascii = true;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            ascii &= byte <= kMaxAsciiCode;
            codes[i] = byte;
        }
        if (ascii) {
            return true;
        }
    }
    return CharCodesDecoded(text, codes);
}

// `text` with a to z made A to Z; every other byte is left as it is.
[[nodiscard]] std::string UpperCase(std::string_view text);

// The code of the upper-case form of the character with code `code`: the codes of a to z
// become those of A to Z, all others stay. CharCode(UpperCase(t)) == UpperCaseCode(CharCode(t)).
[[nodiscard]] constexpr int UpperCaseCode(int code) noexcept {
    return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
}

// Room for the UTF-8 text of one character of the code page.
using CharBuffer = std::array<char, 2>;

// The one-character text whose code is `code`, after rounding it to a whole number (halves
// to even), written into `buffer` and viewed from there. Codes 0 to 255 have a character
// (128 to 255 in their two-byte UTF-8 form); any other code, and a value that is not
// finite, has none and gives std::nullopt.
[[nodiscard]] std::optional<std::string_view> CharFromCode(double code,
                                                           CharBuffer& buffer) noexcept;

}  // namespace runtime
