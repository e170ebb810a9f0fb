#pragma once

// Writing records as lines of text, CSV or JSON Lines.

#include <span>
#include <string>

#include "cli/Options.hpp"
#include "cli/Record.hpp"

namespace cli {

// Appends the header line the format starts with: the column names for CSV, nothing for
// text and JSON Lines.
void AppendHeader(std::span<const Column> columns, Format format, std::string& out);

// Appends the cells of `columns` for `answer` as exactly one line:
//  - text: the cells separated by tabs (escaped as AppendTextField says), empty cells empty;
//  - CSV: RFC 4180 fields separated by commas, the line ended by CR LF as RFC 4180 has it;
//  - JSON: one object per line, keys the column names, empty cells null.
// Numbers are written in fixed notation with their own decimals or else `decimals`, and '.'
// as the decimal point whatever the locale, rounded to nearest from their exact binary value.
void AppendRecord(const Answer& answer, std::span<const Column> columns, Format format,
                  int decimals, std::string& out);

}  // namespace cli
