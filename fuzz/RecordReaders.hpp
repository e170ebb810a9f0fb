#pragma once

// Strict readers of one output line of quorvane-convert in each of its formats, from the
// formats' own rules (tab-separated text with backslash escapes, RFC 4180, and JSON through
// nlohmann/json), not from the program's writers. Each gives the line's cells, or nothing
// when the line breaks its format's rules.

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// One cell as read: its text (JSON strings decoded; JSON numbers, null and other values
// empty) and, for JSON, what kind of value held it and a number's value.
struct Cell {
    enum class Kind { kText, kString, kNumber, kNull, kOther };
    Kind kind = Kind::kText;
    std::string text;
    double number = 0;
};
using Cells = std::vector<Cell>;

// Tab-separated fields ended by one line feed; in a field a backslash is followed by one of
// \ t n r, and no raw tab, carriage return or line feed stands.
inline std::optional<Cells> ReadTextRecord(std::string_view line) {
    if (!line.ends_with('\n')) {
        return std::nullopt;
    }
    line.remove_suffix(1);
    Cells cells(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            cells.emplace_back();
        } else if (c == '\n' || c == '\r') {
            return std::nullopt;
        } else if (c == '\\') {
            if (++i == line.size()) {
                return std::nullopt;
            }
            switch (line[i]) {
                case '\\':
                    cells.back().text += '\\';
                    break;
                case 't':
                    cells.back().text += '\t';
                    break;
                case 'n':
                    cells.back().text += '\n';
                    break;
                case 'r':
                    cells.back().text += '\r';
                    break;
                default:
                    return std::nullopt;
            }
        } else {
            cells.back().text += c;
        }
    }
    return cells;
}

// RFC 4180: one record ended by CR LF; a field is either plain (no comma, double quote,
// carriage return or line feed) or quoted, with each double quote inside doubled. Bytes other
// than those four are taken as text (the RFC's text is ASCII; ours is UTF-8).
inline std::optional<Cells> ReadCsvRecord(std::string_view line) {
    if (!line.ends_with("\r\n")) {
        return std::nullopt;
    }
    line.remove_suffix(2);
    Cells cells;
    std::size_t i = 0;
    while (true) {
        Cell& cell = cells.emplace_back();
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i == line.size()) {
                    return std::nullopt;  // not closed
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell.text += line[i++];
            }
        } else {
            for (; i < line.size() && line[i] != ','; ++i) {
                const char c = line[i];
                if (c == '"' || c == '\r' || c == '\n') {
                    return std::nullopt;
                }
                cell.text += c;
            }
        }
        if (i == line.size()) {
            return cells;
        }
        if (line[i] != ',') {
            return std::nullopt;  // text after a closing quote
        }
        ++i;
    }
}

// One member of a JSON object: its key, and its value as a cell.
struct JsonMember {
    std::string key;
    Cell cell;
};

// One JSON object with nothing after it but blanks and one final line feed, read by
// nlohmann/json: its members in order, as they stand (a key given twice is two members). A
// value that is an object or an array is one cell of kind kOther. Read by events rather than
// into a document, several times as fast, which is most of the fuzz target's time.
inline std::optional<std::vector<JsonMember>> ReadJsonRecord(std::string_view line) {
    if (!line.ends_with('\n') || line.find('\n') != line.size() - 1) {
        return std::nullopt;
    }
    // nlohmann/json's events, kept for the members of the outermost value, which must be an
    // object; returning false stops the reading.
    struct Members {
        std::vector<JsonMember> members;
        int depth = 0;  // objects and arrays open

        bool Value(Cell cell) {
            if (depth == 1) {
                members.back().cell = std::move(cell);
            }
            return depth > 0;
        }
        bool Open() {
            if (depth == 1) {
                members.back().cell.kind = Cell::Kind::kOther;
            }
            ++depth;
            return true;
        }
        bool null() { return Value({Cell::Kind::kNull, {}}); }
        bool boolean(bool /*value*/) { return Value({Cell::Kind::kOther, {}}); }
        bool number_integer(std::int64_t value) {
            return Value({Cell::Kind::kNumber, {}, static_cast<double>(value)});
        }
        bool number_unsigned(std::uint64_t value) {
            return Value({Cell::Kind::kNumber, {}, static_cast<double>(value)});
        }
        bool number_float(double value, const std::string& /*text*/) {
            return Value({Cell::Kind::kNumber, {}, value});
        }
        bool string(std::string& value) { return Value({Cell::Kind::kString, std::move(value)}); }
        bool binary(nlohmann::json::binary_t& /*value*/) { return false; }
        bool start_object(std::size_t /*size*/) { return Open(); }
        bool key(std::string& key) {
            if (depth == 1) {
                members.push_back({std::move(key), {}});
            }
            return true;
        }
        bool end_object() {
            --depth;
            return true;
        }
        bool start_array(std::size_t /*size*/) { return depth > 0 && Open(); }
        bool end_array() {
            --depth;
            return true;
        }
        bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                         const nlohmann::json::exception& /*error*/) {
            return false;
        }
    } members;
    if (!nlohmann::json::sax_parse(line.substr(0, line.size() - 1), &members)) {
        return std::nullopt;
    }
    return std::move(members.members);
}

}  // namespace fuzz
