#pragma once

// Converting many inputs at once, on every core, and whole streams in bounded memory.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Encoding.hpp"
#include "cli/Options.hpp"
#include "cli/TableConversion.hpp"

namespace cli {

struct StreamResult {
    // Whether every input has the answer asked for (AnswerInput); the inputs converted (a
    // table's rows, blank records not counted), and of them those without it.
    bool allConverted = true;
    std::size_t inputs = 0;
    std::size_t unanswered = 0;
    // Empty, or a one-line description of the read or write error that stopped the run.
    std::string error;
    // What the user should know of how the input was read, one line each: TextInput's notes,
    // a hint to read a table with --column, characters the output's encoding lacks.
    std::vector<std::string> notes;

    void Add(std::size_t moreInputs, std::size_t moreUnanswered) noexcept {
        inputs += moreInputs;
        unanswered += moreUnanswered;
        allConverted = allConverted && moreUnanswered == 0;
    }
};

// Converts each of `inputs` as ConvertLine does and writes the output's start (the header
// line of CSV, or of text with --header) and their output lines to `out`, in input order.
[[nodiscard]] StreamResult ConvertInputs(std::span<const std::string> inputs,
                                         const Options& options, TextOutput& out);

// Reads `in` to its end and writes one output line per input line to `out`, in input order;
// the `first` input of a run writes the output's start before them: the input's byte order
// mark (not in JSON), and the header line as ConvertInputs does. A line is ended by a line
// feed; a last line without one counts too, and an empty input has no lines. Each is
// converted as ConvertStreamLine does. Memory stays bounded whatever the input's size or line
// lengths. When the first line is like a table's header (it holds a delimiter, and has no
// answer), a note suggests --column.
[[nodiscard]] StreamResult ConvertStream(TextInput& in, TextOutput& out, const Options& options,
                                         bool first);

// Reads the table `in` (`name` names it in messages) to its end and writes one output row per
// row to `out`, as `conversion` converts them; the first table of a run also writes the
// output's start (TableConversion::AppendStart). Memory stays bounded whatever the table's
// size. A read error, a table the reader refuses (Table.hpp) or one that doesn't fit the run
// (TableConversion::Start) stops it with its error.
[[nodiscard]] StreamResult ConvertTable(TextInput& in, std::string_view name, TextOutput& out,
                                        TableConversion& conversion);

// A map's start and end (IsMap(options.format)), written before a run's first input and after
// its last, between which the inputs' records are the map's features. False, with the write
// error in `result`, when they can't be written.
bool WriteMapStart(const Options& options, TextOutput& out, StreamResult& result);
bool WriteMapEnd(const Options& options, TextOutput& out, StreamResult& result);

// The line a map's run says when some inputs have no position: "3 of 120 rows have no
// position and are not on the map" ("inputs" when they are no table's rows); empty when all
// have one.
[[nodiscard]] std::string MapNote(const StreamResult& result, const Options& options);

}  // namespace cli
