#pragma once

// One input line in, one output line out: the whole work of quorvane-convert for one line.

#include <string>
#include <string_view>

#include "cli/Options.hpp"

namespace cli {

// `line` without one trailing carriage return (files from Windows), then without the blanks
// (spaces and tabs) around it. Nothing else is changed.
[[nodiscard]] std::string_view TrimInput(std::string_view line) noexcept;

// Converts `input`, already trimmed, and appends exactly one output line for it to `out`
// (see RecordWriter.hpp for the formats). `input` is a grid reference, or with
// `options.latlon` a latitude and longitude pair ("52 -2", "52,-2", "52, -2", read with '.'
// as the decimal point; latitude -90 to 90 and longitude -180 to 180, or the line is a bad
// number). `truncated` says that `input` is only the start of a longer text: it is then
// reported as too long for what it should be (wrong length, or bad number), with what is
// here in the input column. Returns true when the input converted.
bool ConvertInput(std::string_view input, bool truncated, const Options& options, std::string& out);

// ConvertInput(TrimInput(line), false, options, out). `line` holds no line feed.
inline bool ConvertLine(std::string_view line, const Options& options, std::string& out) {
    return ConvertInput(TrimInput(line), false, options, out);
}

}  // namespace cli
