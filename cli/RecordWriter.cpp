#include "RecordWriter.hpp"

#include <array>
#include <charconv>

#include "cli/Escaping.hpp"

namespace cli {
namespace {

// Room for any finite double in fixed notation: a sign, 309 whole digits, the point and at
// most 15 decimals.
constexpr std::size_t kFixedRoom = 1 + 309 + 1 + 15;

void AppendNumber(const Cell& cell, int decimals, std::string& out) {
    std::array<char, kFixedRoom> text;
    const auto result =
        cell.kind == Cell::Kind::kInteger
            ? std::to_chars(text.data(), text.data() + text.size(), static_cast<long>(cell.number))
            : std::to_chars(text.data(), text.data() + text.size(), cell.number,
                            std::chars_format::fixed,
                            cell.decimals == Cell::kChosenDecimals ? decimals : cell.decimals);
    out.append(text.data(), result.ptr);
}

}  // namespace

void AppendCell(const Cell& cell, Format format, char delimiter, int decimals, std::string& out) {
    switch (cell.kind) {
        case Cell::Kind::kEmpty:
            if (format == Format::kJson)
                out += "null";
            return;
        case Cell::Kind::kText:
            if (format == Format::kText)
                AppendTextField(cell.text, out);
            else if (format == Format::kCsv)
                AppendCsvField(cell.text, out, delimiter);
            else
                AppendJsonString(cell.text, out);
            return;
        case Cell::Kind::kInteger:
        case Cell::Kind::kNumber:
            AppendNumber(cell, decimals, out);
            return;
    }
}

void AppendHeader(std::span<const Column> columns, Format format, std::string& out) {
    if (format == Format::kJson)
        return;
    for (const Column& column : columns) {
        if (&column != &columns.front())
            out += format == Format::kCsv ? ',' : '\t';
        out += column.name;
    }
    out += format == Format::kCsv ? "\r\n" : "\n";
}

void AppendRecord(const Answer& answer, std::span<const Column> columns, Format format,
                  int decimals, std::string& out) {
    for (const Column& column : columns) {
        const bool first = &column == &columns.front();
        if (format == Format::kJson) {
            out += first ? "{\"" : ",\"";
            out += column.name;
            out += "\":";
        } else if (!first) {
            out += format == Format::kCsv ? ',' : '\t';
        }
        AppendCell(column.cell(answer), format, ',', decimals, out);
    }
    out += format == Format::kText ? "\n" : format == Format::kCsv ? "\r\n" : "}\n";
}

}  // namespace cli
