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

namespace cli {

// Result codes beyond the grid reference conversion's 0 to 3: a latitude and longitude pair
// that is not two readable numbers in range, a text that is not a locator.
inline constexpr std::int16_t kBadNumber = 4;
inline constexpr std::int16_t kBadLocator = 5;

// Status text by result code.
inline constexpr std::array<std::string_view, 6> kStatusTexts = {
    "ok", "wrong length", "bad grid letter", "bad digit", "bad number", "bad locator",
};

// What the conversions answered for one input.
struct Answer {
    std::string_view input;

    // The window's answer: a result code of Module1::ConvertNGR, kBadNumber or kBadLocator;
    // degrees and the locator, meaningful when `code` is kValid.
    std::int16_t code = Module1::kValid;
    double latitude = 0;
    double longitude = 0;
    std::string locator;

    // The surveyed answer, when a column asks for it. The status of the conversion between
    // the National Grid and WGS84, or why the input could not be read.
    std::string_view surveyedStatus;
    // The input's WGS84 position: a grid reference's surveyed position, a latitude and
    // longitude itself, a locator's centre.
    std::optional<Surveyed::GeodeticPosition> position;
    // The position's locator, six characters and as many as asked.
    std::string sixLocator;
    std::string surveyedLocator;
    // The position on the National Grid, its grid reference and its Worked All Britain
    // square: where it lies within OSTN15's grid.
    std::optional<Surveyed::GridPoint> grid;
    std::string ngr;
    std::string wab;

    // The way from the --qrb-from station: the contest points and the geodesic.
    std::optional<long> qrbPoints;
    std::optional<Surveyed::GeodesicPath> path;

    [[nodiscard]] bool Converted() const noexcept { return code == Module1::kValid; }
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

// What a column needs worked out beyond the window's answer.
enum class Need { kWindow, kSurveyed, kQrb };

struct Column {
    std::string_view name;
    Cell (*cell)(const Answer&);
    Need need = Need::kWindow;
};

// Decimals of the columns that have their own: grid metres to the millimetre, distances to
// the metre, bearings to a tenth of a degree.
inline constexpr int kMetreDecimals = 3;
inline constexpr int kKilometreDecimals = 3;
inline constexpr int kBearingDecimals = 1;

// Every column. The first ten, in this order, are the lines' default columns: the window's
// answer (six), then with --surveyed the surveyed one (four).
inline constexpr std::array<Column, 18> kColumns = {{
    {"input", [](const Answer& a) { return Cell::Text(a.input); }},
    {"code", [](const Answer& a) { return Cell::Integer(a.code); }},
    {"status",
     [](const Answer& a) { return Cell::Text(kStatusTexts[static_cast<std::size_t>(a.code)]); }},
    {"latitude", [](const Answer& a) { return a.Converted() ? Cell::Number(a.latitude) : Cell{}; }},
    {"longitude",
     [](const Answer& a) { return a.Converted() ? Cell::Number(a.longitude) : Cell{}; }},
    {"locator", [](const Answer& a) { return a.Converted() ? Cell::Text(a.locator) : Cell{}; }},
    {"surveyed_latitude",
     [](const Answer& a) { return a.position ? Cell::Number(a.position->latitude) : Cell{}; },
     Need::kSurveyed},
    {"surveyed_longitude",
     [](const Answer& a) { return a.position ? Cell::Number(a.position->longitude) : Cell{}; },
     Need::kSurveyed},
    {"surveyed_locator", [](const Answer& a) { return Cell::TextOrNothing(a.surveyedLocator); },
     Need::kSurveyed},
    // Whether the two locators differ, to the length of the shorter, when both conversions
    // answered.
    {"locator_differs",
     [](const Answer& a) {
         if (!a.Converted() || a.sixLocator.empty())
             return Cell{};
         const std::size_t length = std::min(a.locator.size(), a.sixLocator.size());
         return Cell::Text(a.locator.compare(0, length, a.sixLocator, 0, length) == 0 ? "no"
                                                                                      : "yes");
     },
     Need::kSurveyed},
    {"surveyed_status", [](const Answer& a) { return Cell::Text(a.surveyedStatus); },
     Need::kSurveyed},
    {"easting",
     [](const Answer& a) {
         return a.grid ? Cell::Number(a.grid->easting, kMetreDecimals) : Cell{};
     },
     Need::kSurveyed},
    {"northing",
     [](const Answer& a) {
         return a.grid ? Cell::Number(a.grid->northing, kMetreDecimals) : Cell{};
     },
     Need::kSurveyed},
    {"ngr", [](const Answer& a) { return Cell::TextOrNothing(a.ngr); }, Need::kSurveyed},
    {"wab", [](const Answer& a) { return Cell::TextOrNothing(a.wab); }, Need::kSurveyed},
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

// The window's answer alone (the first six columns), and with --surveyed the surveyed answer
// after it; the way from the --qrb-from station (the last three).
inline constexpr std::span<const Column> kWindowColumns(kColumns.data(), 6);
inline constexpr std::span<const Column> kSurveyedColumns(kColumns.data(), 10);
inline constexpr std::span<const Column> kQrbColumns(kColumns.data() + 15, 3);

}  // namespace cli
