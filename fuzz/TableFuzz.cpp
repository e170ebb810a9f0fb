// The table reader on tables of arbitrary fields, in the encodings spreadsheets write: a table
// written by RFC 4180 (with each of the delimiters, either line end, a byte order mark or
// none, fields quoted where they must be or always) reads back with one row per row written,
// every field unchanged once written back in the encoding the table was read in, each
// record's text as written, and the delimiter found from the header.
//
// The input is the table's shape and fields: its first byte chooses how it is written, then
// byte 0xFF ends a field and 0xFE a row; every other byte is a byte of a field. When the first
// byte has its high bit set, the next chooses the encoding: bytes read as Windows-1252 (given
// or found), or UTF-16 LE or BE, each two bytes of a field a code unit (surrogates alone
// included); else the table is bytes read as UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Encoding.hpp"
#include "cli/Table.hpp"
#include "fuzz/Property.hpp"

namespace {

using cli::Encoding;
using fuzz::Require;

constexpr unsigned char kEndField = 0xFF;
constexpr unsigned char kEndRow = 0xFE;

struct Style {
    char delimiter = ',';
    bool crlf = false;
    bool byteOrderMark = false;
    bool quoteAll = false;
    bool detect = false;               // leave the delimiter to the header
    bool finalEnd = false;             // a line end after the last row
    std::optional<Encoding> encoding;  // as the table is read; none: UTF-8, or as found
    bool utf16 = false;
    bool bigEndian = false;
};

// A field, a row and a table as code units: bytes, or UTF-16's.
template <typename Unit>
using Text = std::basic_string<Unit>;

template <typename Unit>
Text<Unit> Quoted(const Text<Unit>& field) {
    Text<Unit> quoted(1, '"');
    for (const Unit c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + Unit{'"'};
}

// Whether `field`, first in a table, may start its bytes as a byte order mark does (UTF-16's
// either way round, or UTF-8's).
bool StartsAsMark(const std::string& field) {
    return std::string_view(field).starts_with(cli::kByteOrderMark);
}
bool StartsAsMark(const std::u16string& field) {
    return !field.empty() &&
           (field[0] == 0xFEFF || field[0] == 0xFFFE || field[0] == 0xBBEF || field[0] == 0xEFBB);
}

// A row as RFC 4180 writes it, without its line end. Fields that hold a delimiter the
// header could be searched for are quoted in the header, and so is a first field that would
// pass for a byte order mark.
template <typename Unit>
Text<Unit> Written(const std::vector<Text<Unit>>& row, const Style& style, bool header) {
    Text<Unit> record;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const Text<Unit>& field = row[i];
        if (i > 0)
            record += static_cast<Unit>(style.delimiter);
        bool mustQuote = i == 0 && header && StartsAsMark(field);
        for (const Unit c : field) {
            mustQuote = mustQuote || c == '"' || c == '\r' || c == '\n' ||
                        c == static_cast<Unit>(style.delimiter) ||
                        (header && (c == '\t' || c == ';' || c == ','));
        }
        record += style.quoteAll || mustQuote ? Quoted(field) : field;
    }
    return record;
}

std::string Bytes(const std::string& text, const Style&) {
    return text;
}
std::string Bytes(const std::u16string& text, const Style& style) {
    std::string bytes;
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += style.bigEndian ? high : low;
        bytes += style.bigEndian ? low : high;
    }
    return bytes;
}

// The fields of a row: bytes, or UTF-16 code units two bytes each (an odd last byte alone).
std::string FieldOf(std::string_view bytes, const std::string&) {
    return std::string(bytes);
}
std::u16string FieldOf(std::string_view bytes, const std::u16string&) {
    std::u16string field;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        field += static_cast<char16_t>(high << 8 | low);
    }
    return field;
}

template <typename Unit>
void Check(std::string_view data, const Style& style) {
    // The fields' bytes, split where the input says.
    std::vector<std::vector<std::string>> raw(1, std::vector<std::string>(1));
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == kEndField)
            raw.back().emplace_back();
        else if (byte == kEndRow)
            raw.emplace_back(1);
        else
            raw.back().back() += c;
    }
    std::vector<std::vector<Text<Unit>>> rows;
    for (const auto& fields : raw) {
        auto& row = rows.emplace_back();
        for (const std::string& field : fields)
            row.push_back(FieldOf(field, Text<Unit>()));
    }
    // The delimiter is found in a header that has one (more than one field) and is not a
    // blank line (one printable ASCII character makes sure).
    bool printable = false;
    for (const Text<Unit>& field : rows.front()) {
        for (const Unit c : field)
            printable = printable || (c > ' ' && c < 0x7F);
    }
    const bool detect = style.detect && rows.front().size() > 1 && printable;

    const Text<Unit> lineEnd =
        style.crlf ? Text<Unit>{Unit{'\r'}, Unit{'\n'}} : Text<Unit>(1, Unit{'\n'});
    std::vector<Text<Unit>> records;
    Text<Unit> table;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        records.push_back(Written(rows[r], style, r == 0));
        table += records.back();
        // A last row that is one empty field needs its line end to be a row at all.
        const bool last = r + 1 == rows.size();
        if (!last || style.finalEnd || records.back().empty())
            table += lineEnd;
    }
    const std::string mark = !style.byteOrderMark ? ""
                             : style.utf16        ? Bytes(std::u16string(1, 0xFEFF), style)
                                                  : std::string(cli::kByteOrderMark);
    const std::string bytes = mark + Bytes(table, style);

    cli::TextInput in(bytes, style.encoding);
    cli::TableReader reader(in, detect ? std::nullopt : std::optional(style.delimiter));
    cli::TableRows read;
    while (reader.Read(read)) {
    }
    // What was read, written back in the encoding it was read in.
    const Encoding encoding = in.Detected().value_or(Encoding::kUtf8);
    const auto back = [encoding](std::string_view text) {
        std::string encoded;
        cli::AppendEncoded(text, encoding, encoded);
        return encoded;
    };
    Require(reader.Error().empty(), "a well-formed table reads without error", reader.Error());
    Require(read.Size() == rows.size(), "one row read per row written", bytes);
    Require(reader.Delimiter() == style.delimiter, "the delimiter is found from the header", bytes);
    Require(in.HadByteOrderMark() == style.byteOrderMark, "the byte order mark is seen", bytes);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string record = Bytes(records[r], style);
        Require(back(read.Record(r)) == record, "each record's text is kept as written", record);
        Require(read.FieldCount(r) == rows[r].size(), "each row has its fields", record);
        for (std::size_t f = 0; f < rows[r].size(); ++f) {
            Require(back(read.Field(r, f)) == Bytes(rows[r][f], style),
                    "each field comes out unchanged", record);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    Style style;
    style.delimiter = cli::kTableDelimiters[choice % 3];
    style.crlf = (choice & 0x04) != 0;
    style.byteOrderMark = (choice & 0x08) != 0;
    style.quoteAll = (choice & 0x10) != 0;
    style.detect = (choice & 0x20) != 0;
    style.finalEnd = (choice & 0x40) != 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((choice & 0x80) == 0 || rest.empty()) {
        Check<char>(rest, style);
        return 0;
    }
    const std::uint8_t encoding = data[1];
    rest.remove_prefix(1);
    if (encoding % 3 == 0) {
        // Windows-1252 has no byte order mark: given, or found from the bytes.
        style.byteOrderMark = false;
        if ((encoding & 0x04) != 0)
            style.encoding = Encoding::kWindows1252;
        Check<char>(rest, style);
        return 0;
    }
    // UTF-16: big-endian with its byte order mark, little-endian with it or given.
    style.utf16 = true;
    style.bigEndian = encoding % 3 == 2;
    style.byteOrderMark = style.byteOrderMark || style.bigEndian;
    if (!style.byteOrderMark)
        style.encoding = Encoding::kUtf16Le;
    Check<char16_t>(rest, style);
    return 0;
}
