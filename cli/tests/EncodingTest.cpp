#include "cli/Encoding.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/Stream.hpp"
#include "cli/tests/TemporaryFile.hpp"

namespace {

using namespace std::literals;
using cli::Encoding;
using cli::TextInput;

// UTF-16 text as its bytes, little- or big-endian, with a byte order mark.
std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes;
    const std::u16string marked = u"\uFEFF" + std::u16string(text);
    for (const char16_t unit : marked) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct Converted {
    std::string output;
    std::vector<std::string> notes;
    bool allConverted = true;
    std::string error;
};

// quorvane-convert with `arguments` on the files `inputs`, as the program reads them.
Converted Convert(std::vector<const char*> arguments, const std::vector<std::string>& inputs) {
    const cli::Command command = cli::ParseArguments(arguments);
    EXPECT_EQ(command.action, cli::Action::kConvert) << command.error;
    const cli::Options& options = command.options;
    const cli::test::File out = cli::test::WithContent("");
    cli::TextOutput output(out.get(), options.format != cli::Format::kJson);
    std::optional<cli::TableConversion> table;
    if (options.table)
        table.emplace(options);
    Converted run;
    for (const std::string& bytes : inputs) {
        const cli::test::File file = cli::test::WithContent(bytes);
        TextInput in(file.get(), options.encoding);
        const cli::StreamResult part =
            table ? cli::ConvertTable(in, "f", output, *table)
                  : cli::ConvertStream(in, output, options, &bytes == &inputs.front());
        run.notes.insert(run.notes.end(), part.notes.begin(), part.notes.end());
        run.allConverted = run.allConverted && part.allConverted;
        run.error += part.error;
    }
    run.output = cli::test::ReadAll(out.get());
    return run;
}

// Files as spreadsheets, loggers and people write them: every field comes back as it was, in
// its own encoding, the answers after it.
TEST(Encoding, FilesAsPeopleHaveThem) {
    const std::string stuc =
        "St\xF9"
        "c a' Chroin";                  // Windows-1252
    const std::string xs(40'000, 'x');  // two lines of them pass the bytes that decide
    const std::string_view toCp1252 =
        "read as Windows-1252, as it is not UTF-8 (line 2 holds "
        "the byte \\xF9)";
    struct Case {
        std::vector<const char*> arguments;
        std::vector<std::string> inputs;
        std::string output;
        std::vector<std::string> notes;
        bool allConverted = true;
    };
    const Case cases[] = {
        // Excel's "Unicode Text": UTF-16 LE with a byte order mark, tabs, CR LF, an empty row.
        {{"--column", "3"},
         {Utf16(u"summit\tname\tgrid ref\r\nG/CS-003\tSt\u00F9c a' Chroin\tNN 617 174\r\n"
                u"\t\t\r\n")},
         Utf16(u"summit\tname\tgrid ref\tstatus\tlatitude\tlongitude\tlocator\r\n"
               u"G/CS-003\tSt\u00F9c a' Chroin\tNN 617 174\tok\t56.329179\t-4.237467\tIO76VH\r\n"
               u"\t\t\r\n"),
         {}},
        // An empty sheet's, then a table's: the byte order mark once, before all.
        {{"--column", "1", "--columns", "locator"},
         {Utf16(u"\r\n"), Utf16(u"ref\r\nNN166712\r\n")},
         Utf16(u"\r\nref,locator\r\nNN166712,IO76LT\r\n"),
         {}},
        {{"--column", "grid ref", "--format", "json"},
         {Utf16(u"summit\tname\tgrid ref\r\nG/CS-003\tSt\u00F9c\tNN 617 174\r\n")},
         "{\"summit\":\"G/CS-003\",\"name\":\"St\u00F9c\",\"grid ref\":\"NN 617 174\","
         "\"status\":\"ok\",\"latitude\":56.329179,\"longitude\":-4.237467,\"locator\":\"IO76VH\"}"
         "\n",
         {}},
        // A UTF-16 BE list of positions, a byte order mark before it.
        {{"--latlon", "--columns", "input,locator"},
         {Utf16(u"51\u00B030'13\"N 0\u00B007'38\"W\n", true)},
         Utf16(u"51\u00B030'13\"N 0\u00B007'38\"W\tIO91WM\n", true),
         {}},
        // A UK spreadsheet's CSV in Windows-1252, a title above the header, blank lines.
        {{"--column", "where", "--latlon", "--skip-lines", "1", "--columns", "status,locator"},
         {"Summits of the Southern Highlands\r\nname,where\r\n" + stuc +
          ",56\xB0"
          "19'45\"N 4\xB0"
          "14'15\"W\r\n,\r\n\r\n"},
         "Summits of the Southern Highlands\r\nname,where,status,locator\r\n" + stuc +
             ",56\xB0"
             "19'45\"N 4\xB0"
             "14'15\"W,ok,IO76VH\r\n,\r\n\r\n",
         {std::string(toCp1252).replace(toCp1252.find("line 2"), 6, "line 3")}},
        {{"--column", "where", "--latlon", "--format", "csv", "--columns", "locator"},
         {"\r\nname;where\r\n" + stuc +
          ";56\xB0"
          "19'45\"N 4\xB0"
          "14'15\"W\r\n; \r\n"},
         "\r\nname,where,locator\r\nSt\xF9"
         "c a' Chroin,\"56\xB0"
         "19'45\"\"N 4\xB0"
         "14'15\"\"W\",IO76VH\r\n, \r\n",
         {std::string(toCp1252).replace(toCp1252.find("line 2"), 6, "line 3")}},
        {{"--column", "where", "--latlon", "--format", "json", "--columns", "locator"},
         {"name,where\r\n\r\n" + stuc +
          ",56\xB0"
          "19'45\"N 4\xB0"
          "14'15\"W\r\n"},
         "{\"name\":\"St\u00F9c a' Chroin\",\"where\":\"56\u00B019'45\\\"N "
         "4\u00B014'15\\\"W\",\"locator\":\"IO76VH\"}\n",
         {std::string(toCp1252).replace(toCp1252.find("line 2"), 6, "line 3")}},
        // Lines: a logger's file in Windows-1252; a table read without --column.
        {{"--latlon", "--columns", "input,status"},
         {"n\r\n51\xB0"
          "30'13\"N 0\xB0"
          "07'38\"W\r\n"},
         "n\tbad position: 'n' is not two coordinates: a latitude and a longitude expected\n51\xB0"
         "30'13\"N 0\xB0"
         "07'38\"W\tok\n",
         {std::string(toCp1252).replace(toCp1252.find("\\xF9"), 4, "\\xB0")},
         false},
        {{"--columns", "status"},
         {"summit,\"grid ref\"\nG/NS-008,NC477501\n"},
         "bad grid reference: 'm' is not a digit\nbad grid reference: '/' is not a second letter "
         "of a grid reference: A "
         "to Z but I\n",
         {"its first line is like a table's header (summit, grid ref): to convert a column of "
          "the table, use --column and its name"},
         false},
        // Its first byte that is not ASCII far into the file, then a UTF-8 file that is not.
        {{"--column", "1", "--columns", "locator"},
         {"ngr,x\n" + xs + "\n" + xs + "\nTQ300800," + stuc + "\n"},
         "ngr,x,locator\n" + xs + ",,\n" + xs + ",,\nTQ300800," + stuc + ",IO91WM\n",
         {std::string(toCp1252).replace(toCp1252.find("line 2"), 6, "line 4")},
         false},
        {{"--columns", "input", "--format", "json"},
         {"caf\xC3\xA9\n" + xs + "\n" + xs + "\n" + stuc + "\n"},
         "{\"input\":\"caf\u00E9\"}\n{\"input\":\"" + xs + "\"}\n{\"input\":\"" + xs +
             "\"}\n{\"input\":\"St\uFFFDc a' Chroin\"}\n",
         {"line 4 is not UTF-8, as the lines before it are (it holds the byte \\xF9): its bytes "
          "are kept as they are (in JSON each is U+FFFD); --encoding windows-1252 reads the "
          "input as Windows-1252"},
         false},
        // Several inputs: the first that decides decides the output's encoding; an input in
        // another is written in it.
        {{"--columns", "input"},
         {"TQ300800\n", stuc + "\n", "Ll\xC5\xB7n \xC3\xA9\n"},
         "TQ300800\n" + stuc + "\nLl?n \xE9\n",
         {std::string(toCp1252).replace(toCp1252.find("line 2"), 6, "line 1"),
          "Windows-1252, the output's encoding as the first input's, lacks 1 of its characters: "
          "written as '?'"},
         false},
        {{"--columns", "input", "--encoding", "utf-8"},
         {Utf16(u"x\n"), "y\xF8\x80\xED\xA0\x80\nTQ300800\n"},
         Utf16(u"x\ny\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\nTQ300800\n"),
         {"line 1 is not UTF-8, as the lines before it are (it holds the byte \\xF8): its bytes "
          "are kept as they are (in JSON each is U+FFFD); --encoding windows-1252 reads the "
          "input as Windows-1252"},
         false},
        {{"--columns", "input"},
         {Utf16(u"\u00E9\n"), "TQ300800\n"},
         Utf16(u"\u00E9\nTQ300800\n"),
         {},
         false},
        {{"--columns", "input", "--encoding", "utf-16"},
         {"\xE9\x00\n\x00"s},
         "\xE9\x00\n\x00"s,
         {},
         false},
    };
    for (const Case& c : cases) {
        const Converted run = Convert(c.arguments, c.inputs);
        const auto which = &c - cases;
        EXPECT_EQ(run.output, c.output) << which;
        EXPECT_EQ(run.notes, c.notes) << which;
        EXPECT_EQ(run.allConverted, c.allConverted) << which;
        EXPECT_EQ(run.error, "") << which;
    }
}

// Whatever its bytes, an input read in any number of reads of any size comes back byte for
// byte when its text is written in the encoding it was read in.
TEST(Encoding, EveryInputReadsBackAsItWas) {
    std::mt19937 rng(1252);
    // Bytes that make lines, characters cut short, surrogates and byte order marks likely.
    const std::string_view pieces[] = {"\n",           "a",        "\xC3\xA9", "\xF0\x9F\x93\xA1",
                                       "\xEF\xBB\xBF", "\xFF\xFE", "\xD8",     "\xDC",
                                       "\x00"sv,       "\xF9",     "\x81",     "\xED\xA0\x80"};
    const std::optional<Encoding> encodings[] = {std::nullopt, Encoding::kUtf8,
                                                 Encoding::kWindows1252, Encoding::kUtf16Le,
                                                 Encoding::kUtf16Be};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const auto count = std::uniform_int_distribution<int>(0, 30)(rng);
        for (int i = 0; i < count; ++i) {
            bytes += std::uniform_int_distribution<int>(0, 3)(rng) == 0
                         ? std::string(1, static_cast<char>(rng()))
                         : std::string(pieces[rng() % std::size(pieces)]);
        }
        const std::optional<Encoding> given = encodings[rng() % std::size(encodings)];
        TextInput in(bytes, given);
        std::string text;
        const std::size_t readBytes = std::uniform_int_distribution<std::size_t>(1, 7)(rng);
        while (in.Read(text, readBytes)) {
        }
        const Encoding encoding = in.Detected().value_or(Encoding::kUtf8);
        std::string back;
        cli::AppendEncoded(std::string(in.HadByteOrderMark() ? cli::kByteOrderMark : "") + text,
                           encoding, back);
        ASSERT_EQ(back, bytes) << cli::EncodingName(encoding) << " in reads of " << readBytes;
        ASSERT_TRUE(in.Notes().size() <= 1);
    }
}

}  // namespace
