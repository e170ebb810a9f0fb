#pragma once

// Strict readers of one output line of quorvane-convert in each of its formats, from the
// formats' own rules (tab-separated text with backslash escapes, RFC 4180 and RFC 8259's JSON),
// not from the program's writers. Each gives the line's cells, or nothing
// when the line breaks its format's rules.

#include <algorithm>
#include <charconv>
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
    // Runs of plain bytes are taken whole (byte by byte costs most of a fuzz target's time).
    while (true) {
        const std::size_t plain = line.find_first_of("\t\n\r\\");
        cells.back().text.append(line.substr(0, plain));
        if (plain == std::string_view::npos) {
            return cells;
        }
        const char c = line[plain];
        line.remove_prefix(plain + 1);
        if (c == '\t') {
            cells.emplace_back();
            continue;
        }
        constexpr std::string_view kEscaped = "\\tnr";
        constexpr std::string_view kMeant = "\\\t\n\r";
        const std::size_t escape = line.empty() ? std::string_view::npos : kEscaped.find(line[0]);
        if (c != '\\' || escape == std::string_view::npos) {
            return std::nullopt;
        }
        cells.back().text += kMeant[escape];
        line.remove_prefix(1);
    }
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
            // Up to each double quote: the closing one, or the first of a doubled pair.
            while (true) {
                const std::size_t quote = line.find('"', i + 1);
                if (quote == std::string_view::npos) {
                    return std::nullopt;  // not closed
                }
                cell.text.append(line.substr(i + 1, quote - i - 1));
                i = quote + 1;
                if (i == line.size() || line[i] != '"') {
                    break;
                }
                cell.text += '"';
            }
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            cell.text = line.substr(i, end - i);
            if (cell.text.find_first_of("\"\r\n") != std::string::npos) {
                return std::nullopt;
            }
            i = end;
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

// Pieces of RFC 8259's grammar, each reading from the start of `json` and moving past what
// it read; false when `json` does not start with one.
namespace json {

// Skips the blanks: space, tab, line feed and carriage return.
inline void SkipBlanks(std::string_view& json) {
    while (!json.empty() &&
           (json[0] == ' ' || json[0] == '\t' || json[0] == '\n' || json[0] == '\r')) {
        json.remove_prefix(1);
    }
}

// The character `c`, after blanks.
inline bool Take(std::string_view& json, char c) {
    SkipBlanks(json);
    if (json.empty() || json[0] != c) {
        return false;
    }
    json.remove_prefix(1);
    return true;
}

// The four hexadecimal digits of a \u escape.
inline bool ReadHex4(std::string_view& json, std::uint32_t& unit) {
    if (json.size() < 4) {
        return false;
    }
    const auto [end, error] = std::from_chars(json.data(), json.data() + 4, unit, 16);
    if (error != std::errc() || end != json.data() + 4) {
        return false;
    }
    json.remove_prefix(4);
    return true;
}

// `codePoint` in UTF-8.
inline void AppendUtf8(std::uint32_t codePoint, std::string& text) {
    const auto byte = [&text](std::uint32_t bits) { text += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | codePoint >> 6);
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | codePoint >> 12);
        byte(0x80 | (codePoint >> 6 & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | codePoint >> 18);
        byte(0x80 | (codePoint >> 12 & 0x3F));
        byte(0x80 | (codePoint >> 6 & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

// A string, decoded: no raw control character, an escape is one of \" \\ \/ \b \f \n \r \t
// or \u with four hexadecimal digits, a surrogate only as the first of a pair followed by
// the second. (That the bytes are UTF-8 is the whole line's to check.)
inline bool ReadString(std::string_view& json, std::string& text) {
    if (!Take(json, '"')) {
        return false;
    }
    constexpr std::uint32_t kHighSurrogate = 0xD800;
    constexpr std::uint32_t kLowSurrogate = 0xDC00;
    constexpr std::uint32_t kPastSurrogates = 0xE000;
    constexpr std::uint32_t kFirstAbovePlane = 0x10000;
    while (true) {
        std::size_t plain = 0;
        while (plain < json.size() && json[plain] != '"' && json[plain] != '\\' &&
               static_cast<unsigned char>(json[plain]) >= 0x20) {
            ++plain;
        }
        text.append(json.substr(0, plain));
        json.remove_prefix(plain);
        if (json.starts_with('"')) {
            json.remove_prefix(1);
            return true;
        }
        // The end, a raw control character, or a backslash that ends the line.
        if (!json.starts_with('\\') || json.size() == 1) {
            return false;
        }
        json.remove_prefix(1);
        const char escaped = json[0];
        json.remove_prefix(1);
        constexpr std::string_view kEscaped = "\"\\/bfnrt";
        constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
        if (const std::size_t at = kEscaped.find(escaped); at != std::string_view::npos) {
            text += kMeant[at];
            continue;
        }
        std::uint32_t unit = 0;
        if (escaped != 'u' || !ReadHex4(json, unit) ||
            (unit >= kLowSurrogate && unit < kPastSurrogates)) {
            return false;
        }
        if (unit >= kHighSurrogate && unit < kLowSurrogate) {
            std::uint32_t low = 0;
            if (!json.starts_with("\\u") || (json.remove_prefix(2), !ReadHex4(json, low)) ||
                low < kLowSurrogate || low >= kPastSurrogates) {
                return false;
            }
            unit = kFirstAbovePlane + ((unit - kHighSurrogate) << 10) + (low - kLowSurrogate);
        }
        AppendUtf8(unit, text);
    }
}

// A number: an optional minus, 0 or digits not starting with 0, optionally a point and
// digits, optionally an exponent; one a double holds.
inline bool ReadNumber(std::string_view& json, double& value) {
    std::size_t end = 0;
    const auto digits = [&json, &end] {
        const std::size_t from = end;
        while (end < json.size() && json[end] >= '0' && json[end] <= '9') {
            ++end;
        }
        return end > from;
    };
    const auto next = [&json, &end](std::string_view of) {
        return end < json.size() && of.find(json[end]) != std::string_view::npos;
    };
    end += next("-") ? 1 : 0;
    if (next("0")) {
        ++end;
    } else if (!digits()) {
        return false;
    }
    if (next(".") && (++end, !digits())) {
        return false;
    }
    if (next("eE") && (++end, end += next("+-") ? 1 : 0, !digits())) {
        return false;
    }
    const auto [stop, error] = std::from_chars(json.data(), json.data() + end, value);
    json.remove_prefix(end);
    return error == std::errc() && stop == json.data();
}

// A value a record holds: a string, a number, null, true or false (the last two of kind
// kOther).
inline bool ReadValue(std::string_view& json, Cell& cell) {
    SkipBlanks(json);
    if (json.starts_with('"')) {
        cell.kind = Cell::Kind::kString;
        return ReadString(json, cell.text);
    }
    for (const std::string_view literal : {"null", "true", "false"}) {
        if (json.starts_with(literal)) {
            cell.kind = literal == "null" ? Cell::Kind::kNull : Cell::Kind::kOther;
            json.remove_prefix(literal.size());
            return true;
        }
    }
    cell.kind = Cell::Kind::kNumber;
    return ReadNumber(json, cell.number);
}

}  // namespace json

// One JSON object (RFC 8259) of strings, numbers, null, true and false, with nothing after it
// but blanks and one final line feed: its members in order, as they stand (a key given twice
// is two members). An object or an array inside it makes it no record.
inline std::optional<std::vector<JsonMember>> ReadJsonRecord(std::string_view line) {
    if (!line.ends_with('\n') || line.find('\n') != line.size() - 1) {
        return std::nullopt;
    }
    std::vector<JsonMember> members;
    if (!json::Take(line, '{')) {
        return std::nullopt;
    }
    if (!json::Take(line, '}')) {
        do {
            JsonMember& member = members.emplace_back();
            if (!json::ReadString(line, member.key) || !json::Take(line, ':') ||
                !json::ReadValue(line, member.cell)) {
                return std::nullopt;
            }
        } while (json::Take(line, ','));
        if (!json::Take(line, '}')) {
            return std::nullopt;
        }
    }
    json::SkipBlanks(line);
    if (!line.empty()) {
        return std::nullopt;
    }
    return members;
}

}  // namespace fuzz
