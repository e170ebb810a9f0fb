#include "RecordWriter.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "cli/Escaping.hpp"
#include "cli/FixedDecimals.hpp"

namespace cli {
namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";  // RFC 4180 ends records with CR LF

// The JSON keys with their quotes and colon, and the separators before them, one per column.
constexpr std::array<std::string_view, kColumnNames.size()> kJsonKeys = {
    "{\"input\":",    ",\"code\":",      ",\"status\":",
    ",\"latitude\":", ",\"longitude\":", ",\"locator\":",
};
constexpr bool JsonKeysMatchColumns() {
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        const std::string_view key = kJsonKeys[i].substr(2, kJsonKeys[i].size() - 4);
        if (key != kColumnNames[i])
            return false;
    }
    return true;
}
static_assert(JsonKeysMatchColumns(), "every column needs its JSON key, in column order");

void AppendInteger(long long value, std::string& out) {
    std::array<char, 24> digits;  // a 64-bit integer has at most 20 characters
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc{})
        out.append(digits.data(), end);
}

// Writes the value of a text or CSV field; `appendText` escapes text.
template <typename AppendText>
void AppendPlainField(const Field& field, int decimals, std::string& out, AppendText appendText) {
    switch (field.kind) {
        case Field::Kind::kEmpty:
            break;
        case Field::Kind::kText:
            appendText(field.text, out);
            break;
        case Field::Kind::kPlainText:
            out.append(field.text);
            break;
        case Field::Kind::kInteger:
            AppendInteger(field.integer, out);
            break;
        case Field::Kind::kNumber:
            if (std::isfinite(field.number))
                AppendFixed(field.number, decimals, out);
            break;
    }
}

void AppendJsonField(const Field& field, int decimals, std::string& out) {
    switch (field.kind) {
        case Field::Kind::kText:
            AppendJsonString(field.text, out);
            return;
        case Field::Kind::kPlainText:
            out.push_back('"');
            out.append(field.text);
            out.push_back('"');
            return;
        case Field::Kind::kInteger:
            AppendInteger(field.integer, out);
            return;
        case Field::Kind::kNumber:
            if (std::isfinite(field.number)) {
                AppendFixed(field.number, decimals, out);
                return;
            }
            break;
        case Field::Kind::kEmpty:
            break;
    }
    out.append("null");
}

}  // namespace

void AppendHeader(Format format, std::string& out) {
    if (format != Format::kCsv)
        return;
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        out.append(kColumnNames[i]);
    }
    out.append(kCsvLineEnd);
}

void AppendRecord(const Record& record, Format format, int decimals, std::string& out) {
    switch (format) {
        case Format::kText:
            for (std::size_t i = 0; i < record.size(); ++i) {
                if (i > 0)
                    out.push_back('\t');
                AppendPlainField(record[i], decimals, out, AppendTextField);
            }
            out.push_back('\n');
            break;
        case Format::kCsv:
            for (std::size_t i = 0; i < record.size(); ++i) {
                if (i > 0)
                    out.push_back(',');
                AppendPlainField(record[i], decimals, out, AppendCsvField);
            }
            out.append(kCsvLineEnd);
            break;
        case Format::kJson:
            for (std::size_t i = 0; i < record.size(); ++i) {
                out.append(kJsonKeys[i]);
                AppendJsonField(record[i], decimals, out);
            }
            out.append("}\n");
            break;
    }
}

}  // namespace cli
