#include "RecordWriter.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "cli/Escaping.hpp"
#include "cli/MapWriter.hpp"
#include "runtime/DoubleText.hpp"

namespace cli {
namespace {

// The powers of ten a fixed-notation number of up to kFastDecimals decimals is scaled by, all
// exact in a double; the numbers written the fast way are below kFastLimit.
constexpr int kFastDecimals = 9;
constexpr std::array<double, kFastDecimals + 1> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                                1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::array<std::uint64_t, kFastDecimals + 1> kWholePowersOfTen = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000};
constexpr double kFastLimit = 1e9;
// The most a product of two doubles below 2^53 is off its exact value, relative to itself.
constexpr double kProductError = 0x1p-52;

// `value` in fixed notation with `decimals` decimals, exactly as runtime::WriteFixed writes it: the
// exact binary value rounded to nearest, a minus sign on every negative value (-0.000 too).
// Most numbers are written here from their scaled value as a whole number, several times as
// fast: the scaled value is the exact product to within kProductError of itself, so it rounds
// as the product does unless its fraction is that near a half, and then WriteFixed decides.
char* WriteFixed(double value, int decimals, char* first, char* last) {
    const double magnitude = std::fabs(value);
    if (decimals <= kFastDecimals && magnitude < kFastLimit) {
        const auto d = static_cast<std::size_t>(decimals);
        const double scaled = magnitude * kPowersOfTen[d];
        const auto whole = static_cast<std::uint64_t>(scaled);        // below 10^18
        const double fraction = scaled - static_cast<double>(whole);  // exact below 2^53
        if (std::fabs(fraction - 0.5) > scaled * kProductError) {
            const std::uint64_t units = whole + (fraction > 0.5 ? 1U : 0U);
            char* at = first;
            if (std::signbit(value))
                *at++ = '-';
            at = std::to_chars(at, last, units / kWholePowersOfTen[d]).ptr;
            if (d > 0) {
                *at++ = '.';
                std::uint64_t decimalsLeft = units % kWholePowersOfTen[d];
                for (std::size_t i = d; i > 0; --i, decimalsLeft /= 10)
                    at[i - 1] = static_cast<char>('0' + decimalsLeft % 10);
                at += d;
            }
            return at;
        }
    }
    return runtime::WriteFixed(value, decimals, first, last);
}

void AppendNumber(const Cell& cell, int decimals, std::string& out) {
    std::array<char, runtime::kFixedRoom> text;
    char* const end =
        cell.kind == Cell::Kind::kInteger
            ? std::to_chars(text.data(), text.data() + text.size(), static_cast<long>(cell.number))
                  .ptr
            : WriteFixed(cell.number,
                         cell.decimals == Cell::kChosenDecimals ? decimals : cell.decimals,
                         text.data(), text.data() + text.size());
    out.append(text.data(), end);
}

}  // namespace

Cell WithDecimals(Cell cell, int decimals) noexcept {
    if (cell.decimals == Cell::kChosenDecimals)
        cell.decimals = decimals;
    return cell;
}

void AppendMapRecord(const Answer& answer, Format format, std::span<const MapProperty> properties,
                     std::string& out) {
    if (answer.HasTrueAnswer() && answer.position)
        AppendMapPoint(format, answer.input, *answer.position, properties, out);
}

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
    if (!KeepsInputText(format))
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
    if (IsMap(format)) {
        std::array<MapProperty, kColumns.size()> properties;
        const std::size_t count = std::min(columns.size(), properties.size());
        for (std::size_t c = 0; c < count; ++c)
            properties[c] = {columns[c].name, WithDecimals(columns[c].cell(answer), decimals)};
        AppendMapRecord(answer, format, std::span(properties).first(count), out);
        return;
    }
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
