#include "cli/TableConversion.hpp"

#include <algorithm>

#include "cli/Escaping.hpp"
#include "cli/LineConversion.hpp"
#include "cli/MapWriter.hpp"
#include "cli/RecordWriter.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

// `name`, or when `taken` holds it already the first of name_2, name_3, ... that it doesn't.
std::string Unique(std::string_view name, const std::vector<std::string>& taken) {
    const auto isTaken = [&](std::string_view candidate) {
        return std::find(taken.begin(), taken.end(), candidate) != taken.end();
    };
    std::string unique(name);
    for (int n = 2; isTaken(unique); ++n)
        unique = std::string(name) + "_" + std::to_string(n);
    return unique;
}

// Whether a header name is the one a --column names: the same once blanks around both are
// removed, ASCII letters in either case.
bool SameName(std::string_view header, std::string_view wanted) {
    return runtime::EqualsIgnoringCase(runtime::TrimBlanks(header), runtime::TrimBlanks(wanted));
}

}  // namespace

std::string NamesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

TableConversion::TableConversion(const Options& options) : options_(options) {}

std::string TableConversion::Start(const TableRows& first, char delimiter, std::string_view name) {
    const TableOptions& table = *options_.table;
    std::vector<std::string> header;
    if (table.header) {
        for (std::size_t i = 0; i < first.FieldCount(0); ++i)
            header.emplace_back(first.Field(0, i));
    }
    if (started_) {
        if (delimiter != delimiter_)
            return std::string(name) + ": its delimiter is not the first table's";
        if (header != header_)
            return std::string(name) + ": its header is not the first table's";
        return {};
    }
    started_ = true;
    delimiter_ = delimiter;
    header_ = std::move(header);
    lineEnd_ = first.LineEnd(0).empty() ? "\n" : std::string(first.LineEnd(0));
    headerRecord_ = table.header ? std::string(first.Record(0)) : std::string();
    for (const TableColumn& column : table.columns) {
        if (column.number > 0) {
            if (table.header && column.number > header_.size()) {
                return std::string(name) + ": --column " + std::to_string(column.number) +
                       ": the header has " + std::to_string(header_.size()) + " columns";
            }
            inputColumns_.push_back(column.number - 1);
            continue;
        }
        std::vector<std::size_t> matches;
        for (std::size_t i = 0; i < header_.size(); ++i) {
            if (SameName(header_[i], column.name))
                matches.push_back(i);
        }
        if (matches.size() != 1) {
            return std::string(name) + ": --column '" + column.name + "' names " +
                   (matches.empty() ? "no column" : "more than one column") + " of its header (" +
                   NamesText(header_) + ")";
        }
        inputColumns_.push_back(matches.front());
    }
    // The JSON keys of the fields, then the new columns' names, unique among them all.
    std::vector<std::string> taken;
    for (std::size_t i = 0; i < header_.size(); ++i)
        taken.push_back(Unique(header_[i], taken));
    fieldKeys_ = taken;
    for (const Column& column : options_.Columns()) {
        newNames_.push_back(Unique(column.name, taken));
        taken.push_back(newNames_.back());
    }
    return {};
}

void TableConversion::AppendStart(std::string_view before, std::string& out) const {
    const Format format = options_.format;
    if (!KeepsInputText(format))
        return;
    out += before;
    if (!options_.table->header)
        return;
    if (format == Format::kText) {
        out += headerRecord_;
        for (const std::string& name : newNames_) {
            out += delimiter_;
            AppendCsvField(name, out, delimiter_);
        }
        out += lineEnd_;
        return;
    }
    for (const std::string& field : header_) {
        AppendCsvField(field, out);
        out += ',';
    }
    for (const std::string& name : newNames_) {
        AppendCsvField(name, out);
        out += &name == &newNames_.back() ? "\r\n" : ",";
    }
}

void TableConversion::AppendLines(std::string_view lines, std::string& out) const {
    if (KeepsInputText(options_.format))
        out += lines;
}

std::string TableConversion::FieldKey(std::size_t field) const {
    return field < fieldKeys_.size() ? fieldKeys_[field]
                                     : Unique(std::to_string(field + 1), fieldKeys_);
}

std::string_view TableConversion::FieldOf(const TableRows& rows, std::size_t row,
                                          std::size_t column) const {
    return column < rows.FieldCount(row) ? rows.Field(row, column) : std::string_view();
}

void TableConversion::AppendFields(const TableRows& rows, std::size_t row, std::string& out) const {
    if (options_.format != Format::kCsv) {
        out += rows.Record(row);
        return;
    }
    for (std::size_t i = 0; i < rows.FieldCount(row); ++i) {
        if (i > 0)
            out += ',';
        AppendCsvField(rows.Field(row, i), out);
    }
}

bool TableConversion::ConvertRow(const TableRows& rows, std::size_t row, std::string& out) const {
    const Format format = options_.format;
    const std::size_t fields = rows.FieldCount(row);
    const bool csv = format == Format::kCsv;
    if (rows.Blank(row)) {
        if (!KeepsInputText(format))
            return true;
        AppendFields(rows, row, out);
        out += csv                         ? std::string_view("\r\n")
               : rows.LineEnd(row).empty() ? std::string_view(lineEnd_)
                                           : rows.LineEnd(row);
        return true;
    }
    Answer answer;
    std::string pair;  // the input of two columns, as the input column shows it
    bool answered = false;
    if (inputColumns_.size() == 2) {
        // A latitude and a longitude, or an easting and a northing.
        const std::string_view first = FieldOf(rows, row, inputColumns_[0]);
        const std::string_view second = FieldOf(rows, row, inputColumns_[1]);
        pair.append(runtime::TrimBlanks(first)).append(" ").append(runtime::TrimBlanks(second));
        answer.input = pair;
        answered =
            options_.from == From::kLatLon
                ? AnswerPosition(PositionText::ReadPosition(first, second), options_, answer)
                : AnswerGridPosition(Surveyed::ReadGridPosition(first, second, options_.grid),
                                     options_, answer);
    } else {
        answered = AnswerInput(TrimInput(FieldOf(rows, row, inputColumns_.front())), false,
                               options_, answer);
    }

    const std::span<const Column> columns = options_.Columns();
    if (IsMap(format)) {
        // The fields keyed as in JSON (those the row lacks left out), then the new cells.
        std::vector<std::string> keys;
        std::vector<MapProperty> properties;
        for (std::size_t i = 0; i < fields; ++i)
            keys.push_back(FieldKey(i));
        for (std::size_t i = 0; i < fields; ++i)
            properties.push_back({keys[i], Cell::Text(rows.Field(row, i))});
        for (std::size_t c = 0; c < columns.size(); ++c)
            properties.push_back(
                {newNames_[c], WithDecimals(columns[c].cell(answer), options_.decimals)});
        AppendMapRecord(answer, format, properties, out);
        return answered;
    }
    if (format == Format::kJson) {
        for (std::size_t i = 0; i < std::max(fields, header_.size()); ++i) {
            out += i == 0 ? "{" : ",";
            AppendJsonString(FieldKey(i), out);
            out += ':';
            if (i < fields)
                AppendJsonString(rows.Field(row, i), out);
            else
                out += "null";
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            out += ',';
            AppendJsonString(newNames_[c], out);
            out += ':';
            AppendCell(columns[c].cell(answer), Format::kJson, ',', options_.decimals, out);
        }
        out += "}\n";
        return answered;
    }
    const char delimiter = csv ? ',' : delimiter_;
    AppendFields(rows, row, out);
    // Empty fields up to the header's, so that the new cells stand under their names.
    for (std::size_t i = fields; i < header_.size(); ++i)
        out += delimiter;
    for (const Column& column : columns) {
        out += delimiter;
        AppendCell(column.cell(answer), Format::kCsv, delimiter, options_.decimals, out);
    }
    out += csv ? std::string_view("\r\n") : std::string_view(lineEnd_);
    return answered;
}

}  // namespace cli
