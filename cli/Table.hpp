#pragma once

// Reading tables: CSV and its kin (RFC 4180), streamed in bounded memory.
//
// A table is records, each ended by a line feed (a carriage return before it is dropped too)
// or by the end of the input; a last record needs no line end, and an input that ends with
// one has no empty record after it. Fields are separated by the delimiter. A field that
// starts with a double quote is quoted: it runs to the next double quote that is not one of
// a doubled pair (""), and holds delimiters, carriage returns and line feeds as they are, with
// each doubled quote read as one. Anything between the closing quote and the next delimiter
// or line end is kept, as it is (`"ab"c` reads `abc`). A double quote elsewhere is an
// ordinary character. A UTF-8 byte order mark at the start of the input is not part of the
// table.
//
// Refused, stopping the reading: a record longer than kMaxRecordBytes (a quote that is never
// closed in a large table, most often) and a quote still open at the end of the input.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The delimiters a table's header is searched for, first preferred on a tie.
inline constexpr std::string_view kTableDelimiters = "\t;,";

// The UTF-8 byte order mark a table may start with.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The longest record read: far longer than any row of a table, short enough to hold.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

// The delimiter of a table whose first record starts `text`: whichever of tab, semicolon and
// comma stands most often outside double quotes before the first line feed outside them (or
// the end of `text`); on a tie the first of those three; comma when none stands there.
[[nodiscard]] char DetectDelimiter(std::string_view text) noexcept;

// Records as read, in order: each one's text as it stood (without its line end) and its
// fields as read. Filled by TableReader; clear() keeps the room it has grown to.
class TableRows {
  public:
    [[nodiscard]] std::size_t Size() const noexcept { return rows_.size(); }
    [[nodiscard]] bool Empty() const noexcept { return rows_.empty(); }
    // The record's text, without its line end.
    [[nodiscard]] std::string_view Record(std::size_t row) const noexcept;
    // Its line end: "\r\n", "\n", or empty for a last record that has none.
    [[nodiscard]] std::string_view LineEnd(std::size_t row) const noexcept;
    // The line of the input the record starts on, from 1.
    [[nodiscard]] std::size_t Line(std::size_t row) const noexcept { return rows_[row].line; }
    [[nodiscard]] std::size_t FieldCount(std::size_t row) const noexcept {
        return rows_[row].fieldCount;
    }
    // Field `field` (from 0) of the record, as read.
    [[nodiscard]] std::string_view Field(std::size_t row, std::size_t field) const noexcept;
    // Bytes held: records and the fields that differ from their text.
    [[nodiscard]] std::size_t Bytes() const noexcept { return bytes_.size(); }
    void Clear() noexcept;

  private:
    friend class TableReader;
    struct Span {
        std::size_t offset = 0;
        std::size_t size = 0;
    };
    struct Row {
        Span record;
        std::size_t firstField = 0;
        std::size_t fieldCount = 0;
        std::size_t line = 0;
        std::size_t lineEnd = 0;  // bytes: 0, 1 or 2
    };
    std::string bytes_;
    std::vector<Span> fields_;
    std::vector<Row> rows_;
};

// Reads the records of one input, in order, holding no more than about one read block and
// one record at a time.
class TableReader {
  public:
    // Reads `in` (which stays the caller's) with `delimiter`, or else with the one
    // DetectDelimiter finds in its first record.
    TableReader(std::FILE* in, std::optional<char> delimiter);

    // Appends the next record to `rows`; false at the end of the input, or after an error
    // (Error() then says what).
    bool Read(TableRows& rows);

    // The delimiter, once the first record has been read.
    [[nodiscard]] char Delimiter() const noexcept { return delimiter_.value_or(','); }
    // Whether the input started with a UTF-8 byte order mark.
    [[nodiscard]] bool HadByteOrderMark() const noexcept { return byteOrderMark_; }
    // Empty, or what stopped the reading: a read error, or "line N: " and what is wrong.
    [[nodiscard]] const std::string& Error() const noexcept { return error_; }

  private:
    enum class Step { kRecord, kMore, kUnclosed, kTooLong };
    bool Fill();
    Step Parse(TableRows& rows);

    std::FILE* in_;
    std::optional<char> delimiter_;
    std::string buffer_;
    std::size_t start_ = 0;  // of the next record in buffer_
    bool started_ = false;   // the byte order mark has been looked for
    bool end_ = false;       // the input has no more
    bool byteOrderMark_ = false;
    std::size_t line_ = 1;
    std::string error_;
    std::string decoded_;  // fields of the record being read that differ from its text
    struct Field {
        std::size_t offset = 0;  // in the record, or with `decoded` in decoded_
        std::size_t size = 0;
        bool decoded = false;
    };
    std::vector<Field> fields_;
};

}  // namespace cli
