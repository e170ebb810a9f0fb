#pragma once

// Writing arbitrary input bytes into one field of an output line (messages quote them by
// runtime::Printable).
//
// Input lines may hold anything: control characters, NUL bytes and bytes that are not UTF-8.
// Text and CSV keep every byte, escaping or quoting only what would split or join their
// fields; JSON is valid UTF-8, each byte that is not part of a well-formed UTF-8 sequence
// written as U+FFFD REPLACEMENT CHARACTER (one per byte). Text and JSON never write a line
// feed, so a record stays one line (CSV may hold a quoted line feed only if an argument or a
// quoted table field carries one).

#include <string>
#include <string_view>

namespace cli {

// Tab-separated text: backslash, tab, line feed and carriage return are written as "\\",
// "\t", "\n" and "\r", so that fields never split or join; everything else is unchanged.
void AppendTextField(std::string_view text, std::string& out);

// RFC 4180: a field holding the delimiter (a comma, or a table's own), a double quote, a
// carriage return or a line feed is put in double quotes, with each double quote doubled;
// other fields are written as they are.
void AppendCsvField(std::string_view text, std::string& out, char delimiter = ',');

// A JSON string with its quotes: double quote and backslash escaped, control characters
// U+0000 to U+001F as \b \f \n \r \t or \u00XX.
void AppendJsonString(std::string_view text, std::string& out);

// XML character data or an attribute's value (KML): &, <, >, " and ' as entities, and each
// character XML 1.0 does not allow (the controls but tab, line feed and carriage return;
// U+FFFE and U+FFFF) as U+FFFD, as a malformed byte is.
void AppendXmlText(std::string_view text, std::string& out);

}  // namespace cli
