#pragma once

// Reading tables: CSV and its kin (RFC 4180), streamed in bounded memory.
//
// A table is records, each ended by a line feed (a carriage return before it is dropped too)
// or by the end of the input; a last record needs no line end, and an input that ends with
// one has no empty record after it. Lines may be skipped before the first record, whatever
// they hold. Fields are separated by the delimiter. A field that
// starts with a double quote is quoted: it runs to the next double quote that is not one of
// a doubled pair (""), and holds delimiters, carriage returns and line feeds as they are, with
// each doubled quote read as one. Anything between the closing quote and the next delimiter
// or line end is kept, as it is (`"ab"c` reads `abc`). A double quote elsewhere is an
// ordinary character. The input is read as TextInput reads it (Encoding.hpp), which takes off
// a byte order mark.
//
// Refused, stopping the reading: a record longer than kMaxRecordBytes (a quote that is never
// closed in a large table, most often), skipped lines longer than that in all, and a quote
// still open at the end of the input.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Encoding.hpp"

namespace cli {

// The delimiters a table's header is searched for, first preferred on a tie.
inline constexpr std::string_view kTableDelimiters = "\t;,";

// The longest record read: far longer than any row of a table, short enough to hold.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

// Whether `text` holds nothing but blanks (runtime/Text.hpp), and a carriage return at its
// end: a blank line, or a blank field.
[[nodiscard]] bool IsBlank(std::string_view text) noexcept;

// The delimiter of a table whose first record starts `text`, blank lines before it passed
// over: whichever of tab, semicolon and comma stands most often outside double quotes before
// the first line feed outside them (or the end of `text`); on a tie the first of those
// three; comma when none stands there.
[[nodiscard]] char DetectDelimiter(std::string_view text) noexcept;

// The fields of `line` read as a table's header, with the delimiter DetectDelimiter finds in
// it; none when no delimiter stands in it.
[[nodiscard]] std::vector<std::string> HeaderNames(std::string_view line);

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
    // Whether every field of the record IsBlank: a blank line, or one of delimiters alone.
    [[nodiscard]] bool Blank(std::size_t row) const noexcept;
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
    // Reads `in` (which stays the caller's): first `skipLines` lines (each ended by a line
    // feed, or by the end), then the records, with `delimiter`, or else with the one
    // DetectDelimiter finds after the skipped lines.
    TableReader(TextInput& in, std::optional<char> delimiter, std::size_t skipLines = 0);

    // Appends the next record to `rows`; false at the end of the input, or after an error
    // (Error() then says what).
    bool Read(TableRows& rows);

    // The delimiter, once the first record has been read.
    [[nodiscard]] char Delimiter() const noexcept { return delimiter_.value_or(','); }
    // The lines skipped, as they stood, each with its line end; once the first record has
    // been read.
    [[nodiscard]] std::string_view SkippedLines() const noexcept { return skipped_; }
    // Empty, or what stopped the reading: a read error, or "line N: " and what is wrong.
    [[nodiscard]] const std::string& Error() const noexcept { return error_; }

  private:
    enum class Step { kRecord, kMore, kUnclosed, kTooLong };
    bool Fill();
    bool Skip();
    Step Parse(TableRows& rows);

    TextInput& in_;
    std::optional<char> delimiter_;
    std::size_t skipLines_;
    std::string skipped_;
    std::string buffer_;
    std::size_t start_ = 0;  // of the next record in buffer_
    bool started_ = false;   // the lines to skip have been
    bool end_ = false;       // the input has no more
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
