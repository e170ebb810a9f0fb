#pragma once

// What the command line asks quorvane-convert to do.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Record.hpp"
#include "conversions/surveyed/Station.hpp"

namespace cli {

enum class Format { kText, kCsv, kJson };

// What the inputs are: grid references, latitude and longitude pairs, or locators.
enum class From { kGridReference, kLatLon, kLocator };

// Bounds of --decimals: 15 decimals are all a double's digits can carry.
inline constexpr int kMinDecimals = 0;
inline constexpr int kMaxDecimals = 15;

// How each input line is read and its output line written.
struct Options {
    Format format = Format::kText;
    // Decimals of the latitude and longitude columns.
    int decimals = 6;
    From from = From::kGridReference;
    // The default columns gain the surveyed answer (kSurveyedColumns).
    bool surveyed = false;
    // The columns of each line, in order; empty for the default columns.
    std::vector<Column> columns;
    // Digits of the ngr column, and characters of the surveyed_locator column.
    int ngrDigits = 6;
    int locatorLength = 6;
    // The station distances and bearings are measured from (--qrb-from).
    std::optional<Surveyed::Station> qrbFrom;

    // The columns of each line: `columns`, or else the window's answer, with `surveyed` the
    // surveyed one after it.
    [[nodiscard]] std::span<const Column> Columns() const noexcept {
        if (!columns.empty())
            return columns;
        return surveyed ? kSurveyedColumns : kWindowColumns;
    }
};

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
