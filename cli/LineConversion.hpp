#pragma once

// One input line in, one output line out: the whole work of quorvane-convert for one line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Options.hpp"
#include "conversions/PositionText.hpp"
#include "conversions/surveyed/GridReference.hpp"

namespace cli {

// Longest input held whole: a line whose trimmed text is longer is reported from its first
// kMaxLineBytes bytes, as too long for what it should be.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 16;

// `line` without one trailing carriage return (files from Windows), then without the blanks
// around it (runtime/Text.hpp: spaces, tabs and the invisible blanks of pasted text). Nothing
// else is changed.
[[nodiscard]] std::string_view TrimInput(std::string_view line) noexcept;

// What a line of input is converted as: TrimInput(line), or when that is longer than `limit`
// bytes its first `limit` bytes without a character they cut short and without trailing
// blanks, marked truncated.
struct Input {
    std::string_view text;
    bool truncated = false;
};
[[nodiscard]] Input TrimLine(std::string_view line, std::size_t limit = kMaxLineBytes) noexcept;

// Cuts the start of a line still being read, when it is longer than `limit` bytes, down to at
// most limit + 8 bytes that TrimLine reads the same way, whatever the rest of the line: so a
// line of any length is read in bounded memory.
void CompactPartialLine(std::string& partial, std::size_t limit = kMaxLineBytes);

// The answers to `input`, already trimmed, read as options.from says, with what the columns
// of options.Columns() need:
//  - a grid reference: the true answer of any precision, a tetrad or quadrant, or metres on
//    options.grid (Surveyed::ReadGridPosition, Surveyed::FromReading), the window's by
//    Module1::ConvertNGR;
//  - a latitude and longitude in any form PositionText::ReadPosition reads;
//  - a locator (Maidenhead::ReadLocator), whose position is its centre.
// `truncated` says that `input` is only the start of a longer text: it then has no true
// answer ("too long"), and the window reads it as the empty text.
// When the columns ask for the window's answer and for nothing of the true one, and the
// format is no map, the true answer is not worked out (no reading of the reference, no
// OSTN15): the answer's status, position and true locator are then meaningless.
// Returns whether the input has the answer the run asks for: its true answer, or in a run of
// the window's answer alone, the window's.
bool AnswerInput(std::string_view input, bool truncated, const Options& options, Answer& answer);

// The answers to a grid position already read (an easting and a northing from two columns),
// as AnswerInput gives them for the text whose reading this is; answer.input is set, and is
// what the window reads.
bool AnswerGridPosition(const Surveyed::GridReading& reading, const Options& options,
                        Answer& answer);

// The answers to a position already read, as AnswerInput gives them for a latitude and
// longitude whose reading this is.
bool AnswerPosition(const PositionText::Reading& reading, const Options& options, Answer& answer);

// AnswerInput, then exactly one record for it appended to `out` (RecordWriter.hpp). Returns
// what AnswerInput returns.
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
