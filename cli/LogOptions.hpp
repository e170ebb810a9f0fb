#pragma once

// What the command line asks quorvane-log to do.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/Options.hpp"
#include "logs/AdifReview.hpp"

namespace cli {

enum class LogAction { kCheck, kFill, kMap, kHelp, kVersion, kUsageError };

struct LogCommand {
    LogAction action = LogAction::kUsageError;
    // The logs, "-" for standard input: any number to check, one to fill or map.
    std::vector<std::string> logs;
    // Where fill and map write (--output); standard output when none or "-".
    std::optional<std::string> output;
    // --station, --locator-length, --wab.
    Logs::AdifOptions adif;
    // fill --correct: wrong fields are replaced too.
    bool correct = false;
    Format mapFormat = Format::kGeoJson;
    // For kHelp, the text to print (of the program, or of one command); for kUsageError,
    // what is wrong, one line without a newline.
    std::string text;
};

// Reads the arguments after the program name: a command (check, fill, map) and its options
// and logs, or --help or --version.
[[nodiscard]] LogCommand ParseLogArguments(std::span<const char* const> arguments);

// The lines --version prints, each ended by a newline.
[[nodiscard]] std::string LogVersionText();

}  // namespace cli
