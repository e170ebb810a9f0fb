#pragma once

// Strict readers of one output line of quorvane-convert in each of its formats, written from
// the formats' own rules (tab-separated text with backslash escapes, RFC 4180, JSON), not
// from the program's writers. Each gives the line's cells, or nothing when the line breaks
// its format's rules.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/Utf8Oracle.hpp"

namespace fuzz {

// One cell as read: its text (JSON strings decoded, JSON numbers as written, null empty) and,
// for JSON, what kind of value held it.
struct Cell {
    enum class Kind { kText, kString, kNumber, kNull, kOther };
    Kind kind = Kind::kText;
    std::string text;
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

// A JSON object whose members are read as cells by name, in order; any JSON value is
// accepted in the grammar, but arrays and objects are cells of kind kOther.
class JsonReader {
  public:
    using Members = std::vector<std::pair<std::string, Cell>>;

    // One JSON object with nothing after it but blanks and one final line feed.
    static std::optional<Members> ReadLine(std::string_view line) {
        if (!line.ends_with('\n') || line.find('\n') != line.size() - 1) {
            return std::nullopt;
        }
        JsonReader reader(line.substr(0, line.size() - 1));
        Members members;
        reader.SkipBlanks();
        if (!reader.Object(&members, 0)) {
            return std::nullopt;
        }
        reader.SkipBlanks();
        if (!reader.AtEnd()) {
            return std::nullopt;
        }
        return members;
    }

  private:
    // Deeper nesting than this is not something the program writes.
    static constexpr int kMaxDepth = 32;
    static constexpr std::size_t kHexDigits = 4;

    explicit JsonReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    bool Take(char c) {
        if (AtEnd() || text_[at_] != c) {
            return false;
        }
        ++at_;
        return true;
    }
    void SkipBlanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n')) {
            ++at_;
        }
    }

    // An object; its members go to `members` when it is not null.
    bool Object(Members* members, int depth) {
        if (depth > kMaxDepth || !Take('{')) {
            return false;
        }
        SkipBlanks();
        if (Take('}')) {
            return true;
        }
        while (true) {
            SkipBlanks();
            std::string key;
            if (!String(key)) {
                return false;
            }
            SkipBlanks();
            if (!Take(':')) {
                return false;
            }
            SkipBlanks();
            Cell cell;
            if (!Value(cell, depth + 1)) {
                return false;
            }
            if (members != nullptr) {
                members->emplace_back(std::move(key), std::move(cell));
            }
            SkipBlanks();
            if (Take('}')) {
                return true;
            }
            if (!Take(',')) {
                return false;
            }
        }
    }

    bool Array(int depth) {
        if (depth > kMaxDepth || !Take('[')) {
            return false;
        }
        SkipBlanks();
        if (Take(']')) {
            return true;
        }
        while (true) {
            SkipBlanks();
            Cell ignored;
            if (!Value(ignored, depth + 1)) {
                return false;
            }
            SkipBlanks();
            if (Take(']')) {
                return true;
            }
            if (!Take(',')) {
                return false;
            }
        }
    }

    bool Value(Cell& cell, int depth) {
        switch (Peek()) {
            case '{':
                cell.kind = Cell::Kind::kOther;
                return Object(nullptr, depth);
            case '[':
                cell.kind = Cell::Kind::kOther;
                return Array(depth);
            case '"':
                cell.kind = Cell::Kind::kString;
                return String(cell.text);
            case 'n':
                cell.kind = Cell::Kind::kNull;
                return Word("null");
            case 't':
                cell.kind = Cell::Kind::kOther;
                return Word("true");
            case 'f':
                cell.kind = Cell::Kind::kOther;
                return Word("false");
            default:
                cell.kind = Cell::Kind::kNumber;
                return Number(cell.text);
        }
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, kept as written.
    bool Number(std::string& out) {
        const std::size_t start = at_;
        Take('-');
        if (!Take('0')) {
            if (!IsDigit(Peek())) {
                return false;
            }
            while (IsDigit(Peek())) {
                ++at_;
            }
        }
        if (Take('.')) {
            if (!IsDigit(Peek())) {
                return false;
            }
            while (IsDigit(Peek())) {
                ++at_;
            }
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            if (!IsDigit(Peek())) {
                return false;
            }
            while (IsDigit(Peek())) {
                ++at_;
            }
        }
        out = text_.substr(start, at_ - start);
        return true;
    }

    bool Hex(std::uint32_t& value) {
        value = 0;
        for (std::size_t i = 0; i < kHexDigits; ++i) {
            const char c = Peek();
            std::uint32_t digit = 0;
            if (IsDigit(c)) {
                digit = static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
            value = value * 16 + digit;
            ++at_;
        }
        return true;
    }

    // A string, decoded; no raw control character, only JSON's escapes, and a \u escape of
    // a surrogate only as a high one followed by a low one.
    bool String(std::string& out) {
        if (!Take('"')) {
            return false;
        }
        while (true) {
            if (AtEnd()) {
                return false;
            }
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (AtEnd()) {
                return false;
            }
            switch (text_[at_++]) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!Escaped(out)) {
                        return false;
                    }
                    break;
                default:
                    return false;
            }
        }
    }

    // The code point of a \u escape whose "\u" has been read.
    bool Escaped(std::string& out) {
        constexpr std::uint32_t kFirstLowSurrogate = 0xDC00;
        constexpr int kSurrogateBits = 10;
        constexpr std::uint32_t kSupplementaryStart = 0x10000;
        std::uint32_t unit = 0;
        if (!Hex(unit)) {
            return false;
        }
        if (unit >= kFirstLowSurrogate && unit <= kLastSurrogate) {
            return false;  // a low surrogate alone
        }
        if (unit >= kFirstSurrogate && unit < kFirstLowSurrogate) {
            std::uint32_t low = 0;
            if (!Take('\\') || !Take('u') || !Hex(low) || low < kFirstLowSurrogate ||
                low > kLastSurrogate) {
                return false;
            }
            unit = kSupplementaryStart + ((unit - kFirstSurrogate) << kSurrogateBits) +
                   (low - kFirstLowSurrogate);
        }
        AppendUtf8(unit, out);
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace fuzz
