#pragma once

// Converting many inputs at once, on every core, and whole streams in bounded memory.

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "cli/Options.hpp"

namespace cli {

struct StreamResult {
    bool allConverted = true;
    // Empty, or a one-line description of the read or write error that stopped the run.
    std::string error;
};

// Converts each of `inputs` as ConvertLine does and writes their output lines to `out`, in
// input order.
[[nodiscard]] StreamResult ConvertInputs(std::span<const std::string_view> inputs,
                                         const Options& options, std::FILE* out);

// Reads `in` to its end and writes one output line per input line to `out`, in input order.
// A line is ended by a line feed; a last line without one counts too, and an empty input has
// no lines. Each is converted as ConvertStreamLine does. Memory stays bounded whatever the
// input's size or line lengths.
[[nodiscard]] StreamResult ConvertStream(std::FILE* in, std::FILE* out, const Options& options);

}  // namespace cli
