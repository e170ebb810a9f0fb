#pragma once

// Writing records as lines of text, CSV or JSON Lines.

#include <string>

#include "cli/Options.hpp"
#include "cli/Record.hpp"

namespace cli {

// Appends the header line the format starts with: the column names for CSV, nothing for
// text and JSON Lines.
void AppendHeader(Format format, std::string& out);

// Appends `record` as exactly one line:
//  - text: the fields separated by tabs (escaped as AppendTextField says), empty fields empty;
//  - CSV: RFC 4180 fields separated by commas, the line ended by CR LF as RFC 4180 has it;
//  - JSON: one object per line, keys the column names, empty fields null.
// Numbers are written with `decimals` decimals and '.' as the decimal point whatever the
// locale; a number that is not finite is written as an empty field.
void AppendRecord(const Record& record, Format format, int decimals, std::string& out);

}  // namespace cli
