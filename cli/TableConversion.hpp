#pragma once

// Converting tables: each row's input taken from its column (or from two: a latitude and a
// longitude, or an easting and a northing), and the row written back whole with the answers
// after its fields.
//
// The output keeps every field of every row:
//  - text (the default): each record as it stood, with its delimiter and quotes, then the
//    new cells, each after the delimiter and quoted by RFC 4180 where it needs it; a row with
//    fewer fields than the header first gets empty ones, so that the new cells stand under
//    their names. Rows end as the first record does (CR LF or LF);
//  - CSV: every field written again by RFC 4180 with commas, rows ended by CR LF;
//  - JSON Lines: one object per row, its fields keyed by the header's names (by their numbers
//    from 1 without a header; a field beyond the header by its number), then the new cells;
//  - a map: a point for each row with its true answer (RecordWriter.hpp's AppendMapRecord),
//    its properties the row's fields keyed as in JSON, then the new cells.
// A header gains the new columns' names. A name the header already has (or, for JSON keys,
// that an earlier field has) gets the suffix "_2", or "_3" and so on, the first that is free,
// so no two names are the same. A byte order mark before the first table is written again
// before the output (not before JSON).
//
// A blank record (TableRows::Blank) is no row: it has no answers, is written back as it was
// (in CSV its fields again, with commas; in JSON and maps not at all) and counts as converted.
// Blank records before the header, and lines skipped before it, are written back before the
// header (in text and CSV).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Options.hpp"
#include "cli/Table.hpp"

namespace cli {

// A header's names as a message lists them: "summit, name, grid ref".
[[nodiscard]] std::string NamesText(const std::vector<std::string>& names);

class TableConversion {
  public:
    // `options.table` is set.
    explicit TableConversion(const Options& options);

    [[nodiscard]] const TableOptions& Table() const noexcept { return *options_.table; }
    // Whether a table has been started: the output's start is written.
    [[nodiscard]] bool Started() const noexcept { return started_; }

    // Starts a table whose first record is record 0 of `first` (its header, unless
    // options.table->header is false), read with `delimiter`; `name` names the input in
    // messages. The first table decides the header and the delimiter; every later one must
    // have the same. Empty, or else what is wrong (a --column that names no column, a header
    // that is not the first table's), one line.
    std::string Start(const TableRows& first, char delimiter, std::string_view name);

    // Appends what the output starts with: what stood `before` the header (its byte order
    // mark, lines skipped and blank records, as AppendLines and ConvertRow wrote them) and the
    // header line; nothing for JSON, and no header line without a header.
    void AppendStart(std::string_view before, std::string& out) const;

    // Appends lines of the input that are no records (lines skipped) as they stood: in text
    // and CSV; not in JSON.
    void AppendLines(std::string_view lines, std::string& out) const;

    // Converts row `row` of `rows` and appends its output, or writes a blank record back;
    // true when its input has the answer asked for (AnswerInput), or it is blank.
    bool ConvertRow(const TableRows& rows, std::size_t row, std::string& out) const;

  private:
    // The record's fields: its text as it stood (text), or written again with commas (CSV).
    void AppendFields(const TableRows& rows, std::size_t row, std::string& out) const;
    [[nodiscard]] std::string_view FieldOf(const TableRows& rows, std::size_t row,
                                           std::size_t column) const;
    // The JSON key of a field (from 0): its header's name made unique, or beyond the header
    // its number from 1.
    [[nodiscard]] std::string FieldKey(std::size_t field) const;

    const Options& options_;
    bool started_ = false;
    char delimiter_ = ',';
    std::string lineEnd_ = "\n";
    std::string headerRecord_;
    // The first table's header fields (none without a header), the columns the input is in
    // (from 0), and the names of the new columns and the JSON keys of the fields, made unique.
    std::vector<std::string> header_;
    std::vector<std::size_t> inputColumns_;
    std::vector<std::string> newNames_;
    std::vector<std::string> fieldKeys_;
};

}  // namespace cli
