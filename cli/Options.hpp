#pragma once

// What the command line asks quorvane-convert to do.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Format { kText, kCsv, kJson };

// How each input line is read and its output line written.
struct Options {
    Format format = Format::kText;
    // Decimals of the latitude and longitude columns.
    int decimals = 6;
    // Inputs are latitude and longitude pairs instead of grid references.
    bool latlon = false;
};

// Bounds of --decimals: 15 decimals are all a double's digits can carry.
inline constexpr int kMinDecimals = 0;
inline constexpr int kMaxDecimals = 15;
inline constexpr int kDefaultDecimals = 6;

enum class Action { kConvert, kHelp, kVersion, kUsageError };

struct Command {
    Action action = Action::kConvert;
    Options options;
    // The inputs given as arguments; when there are none, standard input is read.
    std::vector<std::string_view> inputs;
    // For kUsageError: what is wrong, one line without a newline.
    std::string error;
};

// Reads the arguments after the program name. Options may come before, between or after the
// inputs; "--" ends the options. An argument that starts with "-" followed by a digit or
// "." is an input (a negative latitude or longitude), not an option. The views in `inputs`
// point into `arguments`.
[[nodiscard]] Command ParseArguments(std::span<const char* const> arguments);

// The text --help prints, and the line --version prints (each ends with a newline).
[[nodiscard]] std::string_view UsageText() noexcept;
[[nodiscard]] std::string_view VersionText() noexcept;

}  // namespace cli
