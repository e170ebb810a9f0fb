#pragma once

// One output line of quorvane-convert: the answers for one input, and the columns that show
// them.
//
// Each column is a name and the cell it takes from the answers; the writers of every format
// walk a list of columns, so a new column is one more entry in kColumns.

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "conversions/Module1.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace cli {

// Result code of a latitude and longitude pair that is not two readable numbers in range;
// codes 0 to 3 are those of the grid reference conversion.
inline constexpr std::int16_t kBadNumber = 4;

// Status text by result code.
inline constexpr std::array<std::string_view, 5> kStatusTexts = {
    "ok", "wrong length", "bad grid letter", "bad digit", "bad number",
};

// What the conversions answered for one input.
struct Answer {
    std::string_view input;
    // A result code of Module1::ConvertNGR, or kBadNumber.
    std::int16_t code = Module1::kValid;
    // Degrees, and the six-character locator; meaningful when `code` is kValid.
    double latitude = 0;
    double longitude = 0;
    std::string locator;
    // Surveyed::Convert's answer, when it was asked for.
    std::optional<Surveyed::Answer> surveyed;

    [[nodiscard]] bool Converted() const noexcept { return code == Module1::kValid; }
    [[nodiscard]] bool SurveyedConverted() const noexcept {
        return surveyed && surveyed->result == Module1::kValid;
    }
};

// A cell: text (any bytes, escaped as the format needs), a whole number, a real number
// (written with the chosen decimals) or nothing (an empty cell in text and CSV, null in
// JSON). A real number that is not finite is nothing.
struct Cell {
    enum class Kind { kEmpty, kText, kInteger, kNumber };
    Kind kind = Kind::kEmpty;
    std::string_view text;
    double number = 0;

    static Cell Text(std::string_view value) { return {Kind::kText, value, 0}; }
    static Cell Integer(std::int16_t value) {
        return {Kind::kInteger, {}, static_cast<double>(value)};
    }
    static Cell Number(double value) {
        return std::isfinite(value) ? Cell{Kind::kNumber, {}, value} : Cell{};
    }
};

struct Column {
    std::string_view name;
    Cell (*cell)(const Answer&);
};

// Every column, in the order the lines show them: the window's answer, then the surveyed one.
inline constexpr std::array<Column, 10> kColumns = {{
    {"input", [](const Answer& a) { return Cell::Text(a.input); }},
    {"code", [](const Answer& a) { return Cell::Integer(a.code); }},
    {"status",
     [](const Answer& a) { return Cell::Text(kStatusTexts[static_cast<std::size_t>(a.code)]); }},
    {"latitude", [](const Answer& a) { return a.Converted() ? Cell::Number(a.latitude) : Cell{}; }},
    {"longitude",
     [](const Answer& a) { return a.Converted() ? Cell::Number(a.longitude) : Cell{}; }},
    {"locator", [](const Answer& a) { return a.Converted() ? Cell::Text(a.locator) : Cell{}; }},
    {"surveyed_latitude",
     [](const Answer& a) {
         return a.SurveyedConverted() ? Cell::Number(a.surveyed->latitude) : Cell{};
     }},
    {"surveyed_longitude",
     [](const Answer& a) {
         return a.SurveyedConverted() ? Cell::Number(a.surveyed->longitude) : Cell{};
     }},
    {"surveyed_locator",
     [](const Answer& a) {
         return a.SurveyedConverted() ? Cell::Text(a.surveyed->locator) : Cell{};
     }},
    // Whether the two locators differ, when both conversions answered.
    {"locator_differs",
     [](const Answer& a) {
         if (!a.Converted() || !a.SurveyedConverted())
             return Cell{};
         return Cell::Text(a.locator == a.surveyed->locator ? "no" : "yes");
     }},
}};

// The window's answer alone (the first six columns), and with --surveyed the surveyed answer
// after it.
inline constexpr std::span<const Column> kWindowColumns(kColumns.data(), 6);
inline constexpr std::span<const Column> kSurveyedColumns(kColumns);

}  // namespace cli
