#pragma once

// Converting a whole stream, line by line, in constant memory.

#include <string>

#include "cli/BlockWriter.hpp"
#include "cli/Options.hpp"

namespace cli {

// Longest line held whole in memory: lines longer than this are trimmed as they arrive
// (LineTrimmer), and one whose trimmed text is longer still is reported from its first
// kMaxLineBytes bytes (see ConvertInput's `truncated`).
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 16;

struct StreamResult {
    bool allConverted = true;
    // Empty, or a one-line description of the read or write error that stopped the run.
    std::string error;
};

// Reads `inputFd` to its end in large blocks and appends one output line per input line to
// `output`, in input order, flushing it block by block. A line is ended by a line feed; a
// last line without one counts too, and an empty input has no lines. Memory stays bounded
// whatever the input's size or line lengths.
[[nodiscard]] StreamResult ConvertStream(int inputFd, BlockWriter& output, const Options& options);

}  // namespace cli
