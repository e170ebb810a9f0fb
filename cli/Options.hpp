#pragma once

// What the command line asks quorvane-convert to do.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Encoding.hpp"
#include "cli/Record.hpp"
#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/Grids.hpp"
#include "conversions/surveyed/Station.hpp"

namespace cli {

// What the output is: lines of text, CSV or JSON Lines, or a map (MapWriter.hpp).
enum class Format { kText, kCsv, kJson, kGeoJson, kGpx, kKml };

// Whether `format` is a map: a point for each input at its true position.
[[nodiscard]] constexpr bool IsMap(Format format) noexcept {
    return format == Format::kGeoJson || format == Format::kGpx || format == Format::kKml;
}

// Whether `format` writes the inputs' text back as it came (text and CSV): in the first
// input's encoding, after its byte order mark, with the lines of a table that are no records.
// JSON and the maps are UTF-8 of their own.
[[nodiscard]] constexpr bool KeepsInputText(Format format) noexcept {
    return format == Format::kText || format == Format::kCsv;
}

// What the inputs are: grid references, latitude and longitude pairs, or locators.
enum class From { kGridReference, kLatLon, kLocator };

// Bounds of --decimals: 15 decimals are all a double's digits can carry.
inline constexpr int kMinDecimals = 0;
inline constexpr int kMaxDecimals = 15;

// A column of an input table (--column): by its name in the header, or by its number from 1.
struct TableColumn {
    std::string name;
    std::size_t number = 0;  // 0 when named
};

// How input tables are read (--column, --no-header, --delimiter).
struct TableOptions {
    // The column the input is in; for latitudes and longitudes, or eastings and northings,
    // one holding both or two.
    std::vector<TableColumn> columns;
    bool header = true;
    // The delimiter; none to find it from the first record (Table.hpp).
    std::optional<char> delimiter;
    // Lines before the table, kept but not read as records (--skip-lines).
    std::size_t skipLines = 0;
};

// How each input is read and its output written.
struct Options {
    Format format = Format::kText;
    // Decimals of the latitude and longitude columns.
    int decimals = 6;
    From from = From::kGridReference;
    // The columns, in order; empty for the true answer's (kTrueColumns).
    std::vector<Column> columns;
    // The text format starts with a header line too (--header).
    bool header = false;
    // Digits of the ngr column, and characters of the locator column.
    int ngrDigits = 6;
    int locatorLength = 6;
    // The grid of eastings and northings written without a square's letters (--grid), and
    // how the locator column writes its letters (--locator-case).
    Surveyed::Grid grid = Surveyed::Grid::kGreatBritain;
    Maidenhead::LetterCase locatorCase = Maidenhead::LetterCase::kUpper;
    // The station distances and bearings are measured from (--qrb-from).
    std::optional<Surveyed::Station> qrbFrom;
    // Set when the inputs are tables (--column).
    std::optional<TableOptions> table;
    // The encoding of inputs without a byte order mark (--encoding); none to find it from
    // their bytes (Encoding.hpp).
    std::optional<Encoding> encoding;

    [[nodiscard]] std::span<const Column> Columns() const noexcept {
        return columns.empty() ? kTrueColumns : std::span<const Column>(columns);
    }
};

enum class Action { kConvert, kHelp, kVersion, kUsageError };

struct Command {
    Action action = Action::kConvert;
    Options options;
    // The inputs given as arguments.
    std::vector<std::string> inputs;
    // The files to read (--input), in order, "-" for standard input; when there are neither
    // inputs nor files, standard input is read.
    std::vector<std::string> files;
    // Where to write (--output); standard output when none (or "-").
    std::optional<std::string> output;
    // For kUsageError: what is wrong, one line without a newline.
    std::string error;
};

// Reads the arguments after the program name. Options may come before, between or after the
// inputs; "--" ends the options. An argument that starts with "-" followed by a digit or "."
// is an input (a negative latitude or longitude), not an option.
[[nodiscard]] Command ParseArguments(std::span<const char* const> arguments);

// The text --help prints, and the lines --version prints (each ends with a newline).
[[nodiscard]] std::string UsageText();
[[nodiscard]] std::string_view VersionText() noexcept;

}  // namespace cli
