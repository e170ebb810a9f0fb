#pragma once

// One input line in, one output line out: the whole work of quorvane-convert for one line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Options.hpp"

namespace cli {

// Longest input held whole: a line whose trimmed text is longer is reported from its first
// kMaxLineBytes bytes, as too long for what it should be.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 16;

// `line` without one trailing carriage return (files from Windows), then without the blanks
// (spaces and tabs) around it. Nothing else is changed.
[[nodiscard]] std::string_view TrimInput(std::string_view line) noexcept;

// What a line of input is converted as: TrimInput(line), or when that is longer than `limit`
// bytes its first `limit` bytes without trailing blanks, marked truncated.
struct Input {
    std::string_view text;
    bool truncated = false;
};
[[nodiscard]] Input TrimLine(std::string_view line, std::size_t limit = kMaxLineBytes) noexcept;

// Cuts the start of a line still being read, when it is longer than `limit` bytes, down to at
// most limit + 1 bytes that TrimLine reads the same way, whatever the rest of the line: so a
// line of any length is read in bounded memory.
void CompactPartialLine(std::string& partial, std::size_t limit = kMaxLineBytes);

// Converts `input`, already trimmed, and appends exactly one output line for it to `out`
// (see RecordWriter.hpp for the formats), with the columns options.Columns() names.
// `input` is read as options.from says: a grid reference (the window's eight-character
// reading, and the surveyed reading of any precision or plain metres), a latitude and
// longitude (Surveyed::ReadLatLon; a bad number otherwise) or a locator (Maidenhead::ReadLocator; a
// bad locator otherwise). `truncated` says that `input` is only the start of a longer text: it is
// then reported as too long for what it should be, with what is here in the input column.
// Only what the columns need is worked out: the surveyed answer for the surveyed columns,
// the way from options.qrbFrom for its three. Returns true when the input's code is
// kValid (for a grid reference: when the window's conversion read it, whatever the surveyed
// one gave).
bool ConvertInput(std::string_view input, bool truncated, const Options& options, std::string& out);

// ConvertInput(TrimInput(line), false, options, out): an input given whole, as an argument.
// `line` holds no line feed.
inline bool ConvertLine(std::string_view line, const Options& options, std::string& out) {
    return ConvertInput(TrimInput(line), false, options, out);
}

// ConvertInput of TrimLine(line): a line of a stream, cut when it is too long.
inline bool ConvertStreamLine(std::string_view line, const Options& options, std::string& out) {
    const Input input = TrimLine(line);
    return ConvertInput(input.text, input.truncated, options, out);
}

}  // namespace cli
