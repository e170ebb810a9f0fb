#include "RecordWriter.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
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

// A record is written into a buffer on the stack when its room fits there, which is every
// line but those with a long input, and then appended at once: far cheaper than a dozen small
// appends per line.
constexpr std::size_t kStackRoom = 2048;
constexpr std::size_t kIntegerRoom = 20;  // a 64-bit integer
constexpr std::size_t kNullRoom = 4;      // "null"
// The longest text written before a field (a JSON key) or after the last one (a line end).
constexpr std::size_t kSeparatorRoom = [] {
    std::size_t longest = 2;  // "\r\n", "}\n"
    for (const std::string_view key : kJsonKeys)
        longest = std::max(longest, key.size());
    return longest;
}();

std::size_t FieldRoom(const Field& field) {
    switch (field.kind) {
        case Field::Kind::kEmpty:
            return kNullRoom;
        case Field::Kind::kText:
            return EscapedRoom(field.text.size());
        case Field::Kind::kPlainText:
            return field.text.size() + 2;  // quotes in JSON
        case Field::Kind::kInteger:
            return kIntegerRoom;
        case Field::Kind::kNumber:
            return std::max(kFixedRoom, kNullRoom);
    }
    return 0;
}

char* Copy(std::string_view text, char* out) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* WriteInteger(long long value, char* out) {
    return std::to_chars(out, out + kIntegerRoom, value).ptr;
}

// Writes the value of a text or CSV field; `writeText` escapes text.
template <typename WriteText>
char* WritePlainField(const Field& field, int decimals, char* out, WriteText writeText) {
    switch (field.kind) {
        case Field::Kind::kEmpty:
            return out;
        case Field::Kind::kText:
            return writeText(field.text, out);
        case Field::Kind::kPlainText:
            return Copy(field.text, out);
        case Field::Kind::kInteger:
            return WriteInteger(field.integer, out);
        case Field::Kind::kNumber:
            return WriteFixed(field.number, decimals, out);
    }
    return out;
}

char* WriteJsonField(const Field& field, int decimals, char* out) {
    switch (field.kind) {
        case Field::Kind::kText:
            return WriteJsonString(field.text, out);
        case Field::Kind::kPlainText:
            *out++ = '"';
            out = Copy(field.text, out);
            *out++ = '"';
            return out;
        case Field::Kind::kInteger:
            return WriteInteger(field.integer, out);
        case Field::Kind::kNumber:
            if (std::isfinite(field.number))
                return WriteFixed(field.number, decimals, out);
            break;
        case Field::Kind::kEmpty:
            break;
    }
    return Copy("null", out);
}

// Writes the record's line from `out` on; there is room for it (RecordRoom).
char* WriteRecord(const Record& record, Format format, int decimals, char* out) {
    switch (format) {
        case Format::kText:
            for (std::size_t i = 0; i < record.size(); ++i) {
                if (i > 0)
                    *out++ = '\t';
                out = WritePlainField(record[i], decimals, out, WriteTextField);
            }
            *out++ = '\n';
            break;
        case Format::kCsv:
            for (std::size_t i = 0; i < record.size(); ++i) {
                if (i > 0)
                    *out++ = ',';
                out = WritePlainField(record[i], decimals, out, WriteCsvField);
            }
            out = Copy(kCsvLineEnd, out);
            break;
        case Format::kJson:
            for (std::size_t i = 0; i < record.size(); ++i) {
                out = Copy(kJsonKeys[i], out);
                out = WriteJsonField(record[i], decimals, out);
            }
            out = Copy("}\n", out);
            break;
    }
    return out;
}

std::size_t RecordRoom(const Record& record) {
    std::size_t room = kSeparatorRoom;
    for (const Field& field : record)
        room += kSeparatorRoom + FieldRoom(field);
    return room;
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
    const std::size_t room = RecordRoom(record);
    if (room <= kStackRoom) {
        std::array<char, kStackRoom> line;
        const char* end = WriteRecord(record, format, decimals, line.data());
        out.append(line.data(), static_cast<std::size_t>(end - line.data()));
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + room);
    const char* end = WriteRecord(record, format, decimals, out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace cli
