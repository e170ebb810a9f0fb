#pragma once

// Writing records as lines of text, CSV or JSON Lines, or as the points of a map.

#include <span>
#include <string>

#include "cli/MapWriter.hpp"
#include "cli/Options.hpp"
#include "cli/Record.hpp"

namespace cli {

// Appends the header line of the format: the column names, separated by commas and ended by
// CR LF for CSV, by tabs and a line feed for text (which starts with it only on --header);
// nothing for JSON Lines.
void AppendHeader(std::span<const Column> columns, Format format, std::string& out);

// Appends the cells of `columns` for `answer` as exactly one line:
//  - text: the cells separated by tabs (escaped as AppendTextField says), empty cells empty;
//  - CSV: RFC 4180 fields separated by commas, the line ended by CR LF as RFC 4180 has it;
//  - JSON: one object per line, keys the column names, empty cells null;
// or in a map's format, as AppendMapRecord with the cells as properties keyed by the column
// names.
// Numbers are written in fixed notation with their own decimals or else `decimals`, and '.'
// as the decimal point whatever the locale, rounded to nearest from their exact binary value.
void AppendRecord(const Answer& answer, std::span<const Column> columns, Format format,
                  int decimals, std::string& out);

// Appends the point of an input with its true answer to a map in `format` (MapWriter.hpp):
// at its position, named by the input, with `properties`; nothing for an input without one.
void AppendMapRecord(const Answer& answer, Format format, std::span<const MapProperty> properties,
                     std::string& out);

// `cell` with `decimals` where it has none of its own.
[[nodiscard]] Cell WithDecimals(Cell cell, int decimals) noexcept;

// Appends one cell as AppendRecord writes it in `format`; for CSV, with `delimiter` in place
// of the comma (a table's own).
void AppendCell(const Cell& cell, Format format, char delimiter, int decimals, std::string& out);

}  // namespace cli
