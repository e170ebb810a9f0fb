#pragma once

// Writing arbitrary input bytes into one field of an output line.
//
// Input lines may hold anything: control characters, NUL bytes and bytes that are not UTF-8.
// All three formats give valid UTF-8: each byte that is not part of a well-formed UTF-8
// sequence is written as U+FFFD REPLACEMENT CHARACTER (one per byte); well-formed characters
// are copied unchanged. None of these ever writes a line feed, so a record stays one line
// (CSV may hold a quoted line feed only if an argument carries one).

#include <cstddef>
#include <string_view>

namespace cli {

// Bytes of the well-formed UTF-8 sequence that starts `bytes` (1 for ASCII, 2 to 4 for the
// others: no overlong forms, no surrogates, nothing above U+10FFFF), or 0 when its first byte
// starts none. `bytes` is not empty.
[[nodiscard]] std::size_t Utf8SequenceLength(std::string_view bytes) noexcept;

// Each Write function below writes its field from `out` on and returns the end of what it
// wrote, which is at most EscapedRoom(text.size()) bytes: a byte becomes at most six
// ("\u00XX"), and quotes may go around the field.
inline constexpr std::size_t kMaxBytesPerInputByte = 6;
[[nodiscard]] constexpr std::size_t EscapedRoom(std::size_t textSize) noexcept {
    return kMaxBytesPerInputByte * textSize + 2;
}

// Tab-separated text: backslash, tab, line feed and carriage return are written as "\\",
// "\t", "\n" and "\r", so that fields never split or join; everything else is unchanged.
char* WriteTextField(std::string_view text, char* out) noexcept;

// RFC 4180: a field holding a comma, a double quote, a carriage return or a line feed is
// put in double quotes, with each double quote doubled; other fields are written as they are.
char* WriteCsvField(std::string_view text, char* out) noexcept;

// A JSON string with its quotes: double quote and backslash escaped, control characters
// U+0000 to U+001F as \b \f \n \r \t or \u00XX.
char* WriteJsonString(std::string_view text, char* out) noexcept;

}  // namespace cli
