// The table reader on tables of arbitrary fields: a table written by RFC 4180 (with each of
// the delimiters, either line end, a byte order mark or none, fields quoted where they must
// be or always) reads back with one row per row written, every field unchanged, each
// record's text as written, and the delimiter found from the header.
//
// The input is the table's shape and fields: its first byte chooses how it is written, then
// byte 0xFF ends a field and 0xFE a row; every other byte is a byte of a field.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Table.hpp"
#include "fuzz/Property.hpp"

namespace {

using fuzz::Require;

constexpr unsigned char kEndField = 0xFF;
constexpr unsigned char kEndRow = 0xFE;

using Row = std::vector<std::string>;

struct Style {
    char delimiter = ',';
    bool crlf = false;
    bool byteOrderMark = false;
    bool quoteAll = false;
    bool detect = false;    // leave the delimiter to the header
    bool finalEnd = false;  // a line end after the last row
};

std::string Quoted(std::string_view field) {
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// A row as RFC 4180 writes it, without its line end. Fields that hold a delimiter the
// header could be searched for are quoted in the header.
std::string Written(const Row& row, const Style& style, bool header) {
    std::string record;
    const std::string_view special =
        header ? std::string_view("\t;,\"\r\n") : std::string_view("\"\r\n");
    for (std::size_t i = 0; i < row.size(); ++i) {
        const std::string& field = row[i];
        if (i > 0)
            record += style.delimiter;
        const bool mustQuote =
            field.find_first_of(special) != std::string::npos ||
            field.find(style.delimiter) != std::string::npos ||
            (i == 0 && header && std::string_view(field).starts_with("\xEF\xBB\xBF"));
        record += style.quoteAll || mustQuote ? Quoted(field) : field;
    }
    return record;
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

    std::vector<Row> rows(1, Row(1));
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == kEndField) {
            rows.back().emplace_back();
        } else if (data[i] == kEndRow) {
            rows.emplace_back(1);
        } else {
            rows.back().back() += static_cast<char>(data[i]);
        }
    }
    // A header of one field has no delimiter to find.
    style.detect = style.detect && rows.front().size() > 1;

    const std::string_view lineEnd = style.crlf ? "\r\n" : "\n";
    std::vector<std::string> records;
    std::string table = style.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        records.push_back(Written(rows[r], style, r == 0));
        table += records.back();
        // A last row that is one empty field needs its line end to be a row at all.
        const bool last = r + 1 == rows.size();
        if (!last || style.finalEnd || records.back().empty())
            table += lineEnd;
    }

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(table.data(), table.size(), "rb"), std::fclose);
    Require(file != nullptr, "the table can be opened");
    cli::TableReader reader(file.get(),
                            style.detect ? std::nullopt : std::optional(style.delimiter));
    cli::TableRows read;
    while (reader.Read(read)) {
    }
    Require(reader.Error().empty(), "a well-formed table reads without error", reader.Error());
    Require(read.Size() == rows.size(), "one row read per row written", table);
    Require(reader.Delimiter() == style.delimiter, "the delimiter is found from the header", table);
    Require(reader.HadByteOrderMark() == style.byteOrderMark, "the byte order mark is seen", table);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Require(read.Record(r) == records[r], "each record's text is kept as written", records[r]);
        Require(read.FieldCount(r) == rows[r].size(), "each row has its fields", records[r]);
        for (std::size_t f = 0; f < rows[r].size(); ++f)
            Require(read.Field(r, f) == rows[r][f], "each field comes out unchanged", records[r]);
    }
    return 0;
}
