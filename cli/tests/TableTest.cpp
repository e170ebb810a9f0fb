#include "cli/Table.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cli::DetectDelimiter;
using cli::TableReader;
using cli::TableRows;
using cli::TextInput;

struct Table {
    std::vector<std::vector<std::string>> fields;
    std::vector<std::string> records;  // each with its line end
    char delimiter = 0;
    bool byteOrderMark = false;
    std::string error;
};

Table Read(std::string_view content, std::optional<char> delimiter = std::nullopt) {
    TextInput in(content);
    TableReader reader(in, delimiter);
    TableRows rows;
    Table table;
    while (reader.Read(rows)) {
    }
    for (std::size_t row = 0; row < rows.Size(); ++row) {
        table.records.push_back(std::string(rows.Record(row)) + std::string(rows.LineEnd(row)));
        auto& fields = table.fields.emplace_back();
        for (std::size_t field = 0; field < rows.FieldCount(row); ++field)
            fields.emplace_back(rows.Field(row, field));
    }
    table.delimiter = reader.Delimiter();
    table.byteOrderMark = in.HadByteOrderMark();
    table.error = reader.Error();
    return table;
}

using Rows = std::vector<std::vector<std::string>>;

TEST(Table, ReadsFieldsAsRfc4180HasThem) {
    struct Case {
        std::string_view content;
        Rows fields;
    };
    const Case cases[] = {
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\n1,2", {{"a", "b"}, {"1", "2"}}},  // no line end after the last
        {"a,b\n\n,\n", {{"a", "b"}, {""}, {"", ""}}},
        {"\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        {"\"two\r\nlines\",x\n\"\"\n", {{"two\r\nlines", "x"}, {""}}},
        {"\"ab\"c,d\"e\",\"\"\"\"\r\n", {{"abc", "d\"e\"", "\""}}},
        {"a\rb,c\r\r\n", {{"a\rb", "c\r"}}},  // a carriage return alone is text
        {"\"x\"\r\n\"y\" \r\n", {{"x"}, {"y "}}},
    };
    for (const Case& c : cases) {
        const Table table = Read(c.content);
        EXPECT_EQ(table.fields, c.fields) << c.content;
        EXPECT_EQ(table.error, "") << c.content;
        std::string joined;
        for (const std::string& record : table.records)
            joined += record;
        EXPECT_EQ(joined, c.content) << "each record's text and line end as they stood";
    }
}

TEST(Table, FindsTheDelimiterInTheHeader) {
    EXPECT_EQ(DetectDelimiter("name;ngr;call\n1,2,3,4,5"), ';');
    EXPECT_EQ(DetectDelimiter("name\tngr,x\n"), '\t');  // a tie: tab first
    EXPECT_EQ(DetectDelimiter("\"a;b;c\",d\n"), ',');   // none counts inside quotes
    EXPECT_EQ(DetectDelimiter("ngr\n;;;"), ',');
    EXPECT_EQ(DetectDelimiter("\"a\nb;c\",d"), ',');    // a quoted line feed ends nothing
    EXPECT_EQ(DetectDelimiter("\r\n \t\na;b\n"), ';');  // blank lines before the header
    const Table table = Read(
        "\xEF\xBB\xBF"
        "call;ngr\r\nG4ABC;\"TQ 300, 800\"\r\n");
    EXPECT_TRUE(table.byteOrderMark);
    EXPECT_EQ(table.delimiter, ';');
    EXPECT_EQ(table.fields, (Rows{{"call", "ngr"}, {"G4ABC", "TQ 300, 800"}}));
    EXPECT_EQ(Read("a;b\n", ',').fields, (Rows{{"a;b"}}));
}

// Records that span read blocks and lines, counted by the line they start on; the limits.
TEST(Table, StreamsRecordsOfAnyShapeAndRefusesRunaways) {
    std::string big = "a,b\n";
    const std::string field(300'000, 'x');
    for (int i = 0; i < 4; ++i)
        big += "\"" + field + "\n" + field + "\",end\n";
    TextInput in(big);
    TableReader reader(in, std::nullopt);
    TableRows rows;
    std::size_t count = 0;
    for (; reader.Read(rows); ++count) {
        ASSERT_EQ(rows.Line(0), count == 0 ? 1 : 2 * count);
        if (count > 0) {
            ASSERT_EQ(rows.Field(0, 0).size(), 2 * field.size() + 1);
            EXPECT_EQ(rows.Field(0, 1), "end");
        }
        rows.Clear();
    }
    EXPECT_EQ(count, 5U);
    EXPECT_EQ(reader.Error(), "");

    const Table runaway = Read("a,b\n1,\"" + std::string(cli::kMaxRecordBytes, 'y') + "\"\n");
    EXPECT_EQ(runaway.error,
              "line 2: a record longer than 1 MiB (is a double quote never closed?)");
    EXPECT_EQ(runaway.fields.size(), 1U);
    EXPECT_EQ(Read("a\n\"b\nc\n").error,
              "line 2: a double quote opened in this record is never closed");
    const std::string longTitle = std::string(cli::kMaxRecordBytes + 1, 't') + "\na\n";
    TextInput title(longTitle);
    TableReader skipping(title, std::nullopt, 1);
    EXPECT_FALSE(skipping.Read(rows));
    EXPECT_EQ(skipping.Error(), "line 1: the lines to skip hold more than 1 MiB");
}

}  // namespace
