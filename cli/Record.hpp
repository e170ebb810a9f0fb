#pragma once

// One output line of quorvane-convert, column by column.
//
// The columns, their header names and their order are set here alone: the writers of every
// format walk this list, so a new column is a new name here and a new field where records
// are filled.

#include <array>
#include <cstdint>
#include <string_view>

namespace cli {

inline constexpr std::array<std::string_view, 6> kColumnNames = {
    "input", "code", "status", "latitude", "longitude", "locator",
};
enum Column : std::size_t { kInput, kCode, kStatus, kLatitude, kLongitude, kLocator };

// Result code of a latitude and longitude pair that is not two readable numbers in range;
// codes 0 to 3 are those of the grid reference conversion.
inline constexpr std::int16_t kBadNumber = 4;

// Status text by result code.
inline constexpr std::array<std::string_view, 5> kStatusTexts = {
    "ok", "wrong length", "bad grid letter", "bad digit", "bad number",
};

// A cell: text (any bytes), plain text (known to hold only letters, digits and spaces, so
// that no format escapes it), a whole number, a real number (written with the chosen
// decimals) or nothing (an empty cell in text and CSV, null in JSON).
struct Field {
    enum class Kind { kEmpty, kText, kPlainText, kInteger, kNumber };
    Kind kind = Kind::kEmpty;
    std::string_view text;
    long long integer = 0;
    double number = 0;

    static constexpr Field Text(std::string_view value) { return {Kind::kText, value, 0, 0}; }
    static constexpr Field PlainText(std::string_view value) {
        return {Kind::kPlainText, value, 0, 0};
    }
    static constexpr Field Integer(long long value) { return {Kind::kInteger, {}, value, 0}; }
    static constexpr Field Number(double value) { return {Kind::kNumber, {}, 0, value}; }
    static constexpr Field Empty() { return {}; }
};

using Record = std::array<Field, kColumnNames.size()>;

}  // namespace cli
