#pragma once

// One output line of quorvane-convert: the answers for one input, and the columns that show
// them.
//
// Each column is a name, the cell it takes from the answers, and what must be worked out for
// it; the writers of every format walk a list of columns, so a new column is one more entry
// in kColumns.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "conversions/Module1.hpp"
#include "conversions/surveyed/Coordinates.hpp"
#include "conversions/surveyed/Geodesic.hpp"
#include "conversions/surveyed/Grids.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace cli {

// Window codes beyond the grid reference conversion's 0 to 3: a latitude and longitude that
// is not a position, a text that is not a locator.
inline constexpr std::int16_t kBadNumber = 4;
inline constexpr std::int16_t kBadLocator = 5;

// The window's status text by code.
inline constexpr std::array<std::string_view, 6> kWindowStatusTexts = {
    "ok", "wrong length", "bad grid letter", "bad digit", "bad number", "bad locator",
};

// The status of an input that has its true answer; and of one whose position is on none of
// the grids when a column asks for the grid, which keeps its position and locator and counts
// as answered.
inline constexpr std::string_view kOk = "ok";
inline constexpr std::string_view kOnNoGrid = Surveyed::StatusText(Surveyed::Status::kOnNoGrid);

// What the conversions answered for one input.
struct Answer {
    std::string_view input;

    // The true answer: kOk, or why there is none ("bad grid reference: ...", "outside the
    // grid", "bad position: ...", "bad locator: ..."), or kOnNoGrid; a view of a constant or
    // of `statusText`. The input's WGS84 position when kOk: a grid reference's by OSTN15, a
    // latitude and longitude itself, a locator's centre; its locator as long as asked.
    std::string_view status = kOk;
    std::string statusText;
    std::optional<Surveyed::GeodeticPosition> position;
    std::string locator;
    // Its six-character locator, when locator_differs compares it with the window's.
    std::string sixLocator;
    // The grid the position is on (Surveyed::GridOf: the National Grid, the Irish Grid or
    // UTM zone 30 in the Channel Islands), the position on it, its grid reference and its
    // Worked All Britain square (when a column asks).
    Surveyed::Grid grid = Surveyed::Grid::kNone;
    std::optional<Surveyed::GridPoint> gridPosition;
    std::string ngr;
    std::string wab;
    // The way from the --qrb-from station: the contest points and the geodesic.
    std::optional<long> qrbPoints;
    std::optional<Surveyed::GeodesicPath> path;

    // The window's answer (when a column asks): a code of Module1::ConvertNGR, kBadNumber or
    // kBadLocator; degrees and the locator, meaningful when the code is kValid.
    std::int16_t windowCode = Module1::kValid;
    double windowLatitude = 0;
    double windowLongitude = 0;
    std::string windowLocator;

    [[nodiscard]] bool HasTrueAnswer() const noexcept {
        return status == kOk || status == kOnNoGrid;
    }
    [[nodiscard]] bool WindowConverted() const noexcept { return windowCode == Module1::kValid; }
};

// A cell: text (any bytes, escaped as the format needs), a whole number, a real number
// (written with its own decimals, or else the chosen ones) or nothing (an empty cell in text
// and CSV, null in JSON). A real number that is not finite is nothing.
struct Cell {
    enum class Kind { kEmpty, kText, kInteger, kNumber };
    Kind kind = Kind::kEmpty;
    std::string_view text;
    double number = 0;
    int decimals = kChosenDecimals;

    static constexpr int kChosenDecimals = -1;

    static Cell Text(std::string_view value) { return {Kind::kText, value, 0}; }
    static Cell Integer(long value) { return {Kind::kInteger, {}, static_cast<double>(value)}; }
    static Cell Number(double value, int decimals = kChosenDecimals) {
        return std::isfinite(value) ? Cell{Kind::kNumber, {}, value, decimals} : Cell{};
    }
    static Cell TextOrNothing(std::string_view value) {
        return value.empty() ? Cell{} : Text(value);
    }
};

// What a column needs worked out: nothing (the input itself), the true answer, the window's
// answer, both (to compare them), the place on the grid or the way from the --qrb-from
// station (each with the true answer).
enum class Need { kNothing, kTrueAnswer, kWindow, kBoth, kGrid, kQrb };

struct Column {
    std::string_view name;
    Cell (*cell)(const Answer&);
    Need need = Need::kTrueAnswer;
};

// Decimals of the columns that have their own: grid metres to the millimetre, distances to
// the metre, bearings to a tenth of a degree.
inline constexpr int kMetreDecimals = 3;
inline constexpr int kKilometreDecimals = 3;
inline constexpr int kBearingDecimals = 1;

// Every column, one entry each, in the order of the defaults: the input and the true answer
// (five), the window's answer (six), the rest.
inline constexpr std::array<Column, 19> kColumns = {{
    {"input", [](const Answer& a) { return Cell::Text(a.input); }, Need::kNothing},
    {"status", [](const Answer& a) { return Cell::Text(a.status); }},
    {"latitude",
     [](const Answer& a) { return a.position ? Cell::Number(a.position->latitude) : Cell{}; }},
    {"longitude",
     [](const Answer& a) { return a.position ? Cell::Number(a.position->longitude) : Cell{}; }},
    {"locator", [](const Answer& a) { return Cell::TextOrNothing(a.locator); }},
    {"window_code", [](const Answer& a) { return Cell::Integer(a.windowCode); }, Need::kWindow},
    {"window_status",
     [](const Answer& a) {
         return Cell::Text(kWindowStatusTexts[static_cast<std::size_t>(a.windowCode)]);
     },
     Need::kWindow},
    {"window_latitude",
     [](const Answer& a) { return a.WindowConverted() ? Cell::Number(a.windowLatitude) : Cell{}; },
     Need::kWindow},
    {"window_longitude",
     [](const Answer& a) { return a.WindowConverted() ? Cell::Number(a.windowLongitude) : Cell{}; },
     Need::kWindow},
    {"window_locator",
     [](const Answer& a) { return a.WindowConverted() ? Cell::Text(a.windowLocator) : Cell{}; },
     Need::kWindow},
    // Whether the window's six-character locator and the true one differ, to the length of
    // the shorter, when both answered.
    {"locator_differs",
     [](const Answer& a) {
         if (!a.WindowConverted() || a.sixLocator.empty())
             return Cell{};
         const std::size_t length = std::min(a.windowLocator.size(), a.sixLocator.size());
         return Cell::Text(
             a.windowLocator.compare(0, length, a.sixLocator, 0, length) == 0 ? "no" : "yes");
     },
     Need::kBoth},
    {"grid", [](const Answer& a) { return Cell::TextOrNothing(Surveyed::GridName(a.grid)); },
     Need::kGrid},
    {"easting",
     [](const Answer& a) {
         return a.gridPosition ? Cell::Number(a.gridPosition->easting, kMetreDecimals) : Cell{};
     },
     Need::kGrid},
    {"northing",
     [](const Answer& a) {
         return a.gridPosition ? Cell::Number(a.gridPosition->northing, kMetreDecimals) : Cell{};
     },
     Need::kGrid},
    {"ngr", [](const Answer& a) { return Cell::TextOrNothing(a.ngr); }, Need::kGrid},
    {"wab", [](const Answer& a) { return Cell::TextOrNothing(a.wab); }, Need::kGrid},
    {"qrb_km", [](const Answer& a) { return a.qrbPoints ? Cell::Integer(*a.qrbPoints) : Cell{}; },
     Need::kQrb},
    {"distance_km",
     [](const Answer& a) {
         return a.path ? Cell::Number(a.path->distance / 1000, kKilometreDecimals) : Cell{};
     },
     Need::kQrb},
    {"bearing",
     [](const Answer& a) {
         return a.path ? Cell::Number(a.path->bearing, kBearingDecimals) : Cell{};
     },
     Need::kQrb},
}};

// The defaults: the input and the true answer; with --window the window's answer after them;
// with --qrb-from the way from the station (the last three).
inline constexpr std::span<const Column> kTrueColumns(kColumns.data(), 5);
inline constexpr std::span<const Column> kWindowColumns(kColumns.data() + 5, 6);
inline constexpr std::span<const Column> kQrbColumns(kColumns.data() + 16, 3);

}  // namespace cli
