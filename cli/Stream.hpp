#pragma once

// Converting many inputs at once, on every core, and whole streams in bounded memory.

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "cli/Options.hpp"
#include "cli/TableConversion.hpp"

namespace cli {

struct StreamResult {
    // Whether every input has its true answer.
    bool allConverted = true;
    // Empty, or a one-line description of the read or write error that stopped the run.
    std::string error;
};

// Converts each of `inputs` as ConvertLine does and writes their output lines to `out`, in
// input order.
[[nodiscard]] StreamResult ConvertInputs(std::span<const std::string> inputs,
                                         const Options& options, std::FILE* out);

// Reads `in` to its end and writes one output line per input line to `out`, in input order.
// A line is ended by a line feed; a last line without one counts too, and an empty input has
// no lines. Each is converted as ConvertStreamLine does. Memory stays bounded whatever the
// input's size or line lengths.
[[nodiscard]] StreamResult ConvertStream(std::FILE* in, std::FILE* out, const Options& options);

// Reads the table `in` (`name` names it in messages) to its end and writes one output row per
// row to `out`, as `conversion` converts them; the first table of a run also writes the
// output's start (TableConversion::AppendStart). Memory stays bounded whatever the table's
// size. A read error, a table the reader refuses (Table.hpp) or one that doesn't fit the run
// (TableConversion::Start) stops it with its error.
[[nodiscard]] StreamResult ConvertTable(std::FILE* in, std::string_view name, std::FILE* out,
                                        TableConversion& conversion);

}  // namespace cli
