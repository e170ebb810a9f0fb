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
#include <cstdint>
#include <cstring>
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

// Whether every byte of `text` is ASCII, so that each byte is a character and its code.
// Eight bytes are tested at once: a grid reference is a single such word.
[[nodiscard]] inline bool IsAscii(std::string_view text) noexcept {
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; text.size() - i >= sizeof bits; i += sizeof bits) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        bits |= word;
    }
    for (; i < text.size(); ++i) {
        bits |= static_cast<unsigned char>(text[i]);
    }
    return (bits & kHighBits) == 0;
}

// CharCodes of a text that is not ASCII of the expected length: decodes the codes into
// `codes`, and is false when `text` has any other number of characters than it holds.
[[nodiscard]] bool DecodeCharCodes(std::string_view text, std::span<unsigned char> codes) noexcept;

// The code (as CharCode gives it) of each character of `text` when it has exactly N
// characters; none when it has any other number. ASCII text, the usual grid reference, is
// its own codes and is viewed in place, with no copy; any other text is decoded into
// `storage`, reading no further than one character past the N-th, so a long text costs no
// more than a short one. Inline for the reason CharCode is.
template <std::size_t N>
[[nodiscard]] std::optional<std::span<const unsigned char, N>> CharCodes(
    std::string_view text, std::array<unsigned char, N>& storage) noexcept {
    if (text.size() == N && IsAscii(text)) {
        // unsigned char may view the bytes of any object.
        return std::span<const unsigned char, N>(
            reinterpret_cast<const unsigned char*>(text.data()), N);
    }
    if (!DecodeCharCodes(text, storage)) {
        return std::nullopt;
    }
    return std::span<const unsigned char, N>(storage);
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
