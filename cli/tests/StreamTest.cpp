#include "cli/Stream.hpp"

#include <gtest/gtest.h>

#include "cli/tests/TemporaryFile.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "cli/LineConversion.hpp"
#include "cli/MapWriter.hpp"
#include "cli/TableConversion.hpp"

namespace {

using namespace std::literals;
using cli::Options;

using cli::test::File;
using cli::test::ReadAll;
using cli::test::WithContent;

struct Converted {
    cli::StreamResult result;
    std::string output;
};

Converted ConvertAll(std::string_view input, const Options& options = {}) {
    const File file = WithContent(input);
    const File out = WithContent("");
    cli::TextInput in(file.get(), options.encoding);
    cli::TextOutput output(out.get(), options.format != cli::Format::kJson);
    Converted run{cli::ConvertStream(in, output, options, false), {}};
    run.output = ReadAll(out.get());
    return run;
}

// What converting each line on its own gives.
Converted LineByLine(std::string_view input, const Options& options = {}) {
    Converted run;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const bool converted = cli::ConvertStreamLine(input.substr(0, end), options, run.output);
        run.result.allConverted = run.result.allConverted && converted;
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return run;
}

TEST(ConvertStream, LinesAndTheirEnds) {
    EXPECT_EQ(ConvertAll("").output, "");
    EXPECT_TRUE(ConvertAll("").result.allConverted);
    const std::string empty =
        "\tbad grid reference: no grid reference, nor easting and northing\t\t\t\n";
    EXPECT_EQ(ConvertAll("\n\n").output, empty + empty);
    EXPECT_EQ(ConvertAll("TQ300800").output, LineByLine("TQ300800").output);  // no final line feed
    EXPECT_EQ(ConvertAll("TQ300800\r\nSV000000\r\n").output,
              LineByLine("TQ300800\nSV000000").output);
    EXPECT_TRUE(ConvertAll("TQ300800\nSV500500\n").result.allConverted);
    EXPECT_FALSE(ConvertAll("TQ300800\nSV00000\nSV500500\n").result.allConverted);
}

// Each kind of input in each format, with the window's columns: lines of every sort give what
// each gives on its own, in order, and the stream succeeds exactly when every line converts.
TEST(ConvertStream, GivesWhatEachLineGivesAlone) {
    const std::string_view inputs[] = {
        "",
        // Lines that all convert, of each kind in turn, the first without a final line feed.
        "TQ300800\nNN1665071250\nJ 338 742\nWV 652 484",
        "52 -2\n51.5,-0.1\n52\u00B012'03\"N 0\u00B006'04\"W\n-89.99 -179.99\n",
        "IO91WM\nio76lt\nRR99XX99XX\nJO01\n",
        "   \n\t\n\r\n\r\r\n\xEF\xBB\xBFTQ300800\xC2\xA0\r\n\xE2\x80\x8BIO91wm\n",
        "IO91WM5\nTQ\0"  // a NUL
        "300800\n\x01\x1F\x7F\n\xC3\xA9T\xF0\x9F\n\"a\",b\\c\td\nx\ry"sv,
    };
    for (const char* from : {"ngr", "latlon", "locator"}) {
        for (const char* format : {"text", "csv", "json"}) {
            const cli::Command command = cli::ParseArguments(
                std::vector{"--from", from, "--format", format, "--window", "--encoding", "utf-8"});
            ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
            for (const std::string_view input : inputs) {
                const Converted run = ConvertAll(input, command.options);
                const Converted alone = LineByLine(input, command.options);
                EXPECT_EQ(run.result.error, "");
                EXPECT_EQ(run.output, alone.output) << from << ' ' << format << ' ' << input;
                EXPECT_EQ(run.result.allConverted, alone.result.allConverted)
                    << from << ' ' << format << ' ' << input;
            }
        }
    }
}

TEST(ConvertStream, ManyBlocksKeepTheirOrder) {
    // About 3 MB of lines of every kind and length, so that reads, slices and both threads
    // all take turns; the output must be that of each line converted on its own.
    std::mt19937 rng(21);
    const std::string kinds[] = {"TQ300800",   "sk123456",   "SU 12345",  "",
                                 "HU123456\r", "  NN166712", "SU1234567", "x,\"y\"\t\xff"};
    std::string input;
    while (input.size() < 3'000'000) {
        const std::string& kind = kinds[std::uniform_int_distribution<std::size_t>(0, 7)(rng)];
        input += kind;
        if (std::uniform_int_distribution<int>(0, 1000)(rng) == 0) {
            input += std::string(std::uniform_int_distribution<std::size_t>(0, 100000)(rng), 'z');
        }
        input += '\n';
    }
    Options json;
    json.format = cli::Format::kJson;
    json.encoding = cli::Encoding::kUtf8;
    const Converted run = ConvertAll(input, json);
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'),
              std::count(input.begin(), input.end(), '\n'));
    EXPECT_TRUE(run.output == LineByLine(input, json).output);
    EXPECT_FALSE(run.result.allConverted);
}

// A map of many lines from two inputs, converted in parts on every core, is the one map
// written point by point; the lines without a position are counted.
TEST(ConvertStream, AMapIsOneWhateverItsParts) {
    std::string input;
    for (int i = 0; i < 5000; ++i)
        input += i % 3 == 0 ? "SV000000\n" : "NN" + std::to_string(100000 + i * 37) + "\n";
    const cli::Command command =
        cli::ParseArguments(std::vector{"--format", "geojson", "--columns", "input,locator"});
    ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
    const File out = WithContent("");
    cli::TextOutput output(out.get(), false);
    cli::StreamResult result;
    ASSERT_TRUE(cli::WriteMapStart(command.options, output, result));
    cli::MapWriter map(cli::Format::kGeoJson);
    std::string expected;
    map.Begin({}, expected);
    for (const bool first : {true, false}) {
        cli::TextInput in(input);
        const cli::StreamResult part = cli::ConvertStream(in, output, command.options, first);
        result.Add(part.inputs, part.unanswered);
        for (std::string_view lines = input; !lines.empty();) {
            cli::Answer answer;
            const std::string_view line = lines.substr(0, lines.find('\n'));
            lines.remove_prefix(line.size() + 1);
            if (!cli::AnswerInput(line, false, command.options, answer))
                continue;
            const std::array<cli::MapProperty, 2> properties = {
                {{"input", cli::Cell::Text(line)}, {"locator", cli::Cell::Text(answer.locator)}}};
            map.Point(line, *answer.position, properties, expected);
        }
    }
    ASSERT_TRUE(cli::WriteMapEnd(command.options, output, result));
    map.End(expected);
    EXPECT_TRUE(ReadAll(out.get()) == expected);
    EXPECT_EQ(cli::MapNote(result, command.options),
              "3334 of 10000 inputs have no position and are not on the map");
}

TEST(ConvertStream, LinesLongerThanTheBufferStillGiveOneLineEach) {
    const std::string blanks(3 * cli::kMaxLineBytes, ' ');
    const std::string huge(5'000'000, 'x');
    const std::string input = blanks + "TQ300800" + blanks + "\r\n" + huge + "\nSV000000\n" + "\t" +
                              blanks + "52 -2" + blanks;
    const Converted run = ConvertAll(input);
    const std::string tooLong = "\ttoo long: over 64 KiB\t\t\t\n";
    EXPECT_EQ(run.output, LineByLine("TQ300800").output + std::string(cli::kMaxLineBytes, 'x') +
                              tooLong + LineByLine("SV000000").output + LineByLine("52 -2").output);

    Options latlon;
    latlon.from = cli::From::kLatLon;
    const Converted pairs = ConvertAll(blanks + "52 -2" + blanks + "\n" + huge, latlon);
    EXPECT_EQ(pairs.output,
              LineByLine("52 -2", latlon).output + std::string(cli::kMaxLineBytes, 'x') + tooLong);

    // However the line arrives: here whole in one read.
    EXPECT_EQ(ConvertAll(std::string(100'000, 'x') + "\n").output,
              std::string(cli::kMaxLineBytes, 'x') + tooLong);
}

// Tables: every field kept, the answers after them, the header extended without clashes; a
// later table must match the first.
TEST(ConvertTable, KeepsEveryFieldAndAppendsTheAnswers) {
    const auto convert = [](std::vector<const char*> arguments,
                            std::vector<std::string_view> tables) {
        const cli::Command command = cli::ParseArguments(arguments);
        EXPECT_EQ(command.action, cli::Action::kConvert) << command.error;
        cli::TableConversion conversion(command.options);
        const File out = WithContent("");
        cli::TextOutput output(out.get(), command.options.format != cli::Format::kJson);
        Converted run;
        for (const std::string_view table : tables) {
            cli::TextInput in(table);
            const cli::StreamResult result = cli::ConvertTable(in, "t.csv", output, conversion);
            run.result.allConverted = run.result.allConverted && result.allConverted;
            run.result.error += result.error;
        }
        run.output = ReadAll(out.get());
        return run;
    };
    const std::string_view summits =
        "\xEF\xBB\xBFsummit;\"name\";status;ref\r\n"
        "G/NS-001;\"Ben \"\"Nevis\"\"; Lochaber\";x;NN 166 712\r\n"
        "G/NS-008;\"Ben\r\nHope\";y\r\n";
    Converted run = convert(
        {"--column", "REF", "--window", "--columns", "status,locator,locator_differs"}, {summits});
    EXPECT_EQ(run.output,
              "\xEF\xBB\xBFsummit;\"name\";status;ref;status_2;locator;locator_differs\r\n"
              "G/NS-001;\"Ben \"\"Nevis\"\"; Lochaber\";x;NN 166 712;ok;IO76LT;\r\n"
              "G/NS-008;\"Ben\r\nHope\";y;;bad grid reference: no grid reference, nor easting "
              "and northing;;\r\n");
    EXPECT_FALSE(run.result.allConverted);

    run = convert({"--column", "2", "--no-header", "--format", "json", "--columns", "locator"},
                  {"a,NC477501,c,d\nb\n"});
    EXPECT_EQ(run.output,
              "{\"1\":\"a\",\"2\":\"NC477501\",\"3\":\"c\",\"4\":\"d\",\"locator\":\"IO78QJ\"}\n"
              "{\"1\":\"b\",\"locator\":null}\n");

    run = convert({"--latlon", "--column", "lat,lon", "--format", "csv"},
                  {"lat\tlon\n52\u00B012'N\t0,5W\n", "lat\tlon\n"});
    EXPECT_EQ(run.output,
              "lat,lon,status,latitude,longitude,locator\r\n"
              "52\u00B012'N,\"0,5W\",ok,52.200000,-0.500000,IO92SE\r\n");
    EXPECT_EQ(run.result.error, "");
    // A station list's eastings and northings, in two columns, on the grid it is said to be on.
    run = convert({"--grid", "irish", "--column", "easting,northing", "--columns",
                   "input,status,grid,ngr,latitude"},
                  {"name;easting;northing\r\nArmagh;287800;345800\r\nx;NN166;712\r\n"});
    EXPECT_EQ(run.output,
              "name;easting;northing;input;status;grid;ngr;latitude\r\n"
              "Armagh;287800;345800;287800 345800;ok;irish;H878458;54.353340\r\n"
              "x;NN166;712;NN166 712;bad grid reference: 'NN166' is not a number of metres "
              "([-]digits[.digits]);;;\r\n");
    EXPECT_EQ(convert({"--column", "a"}, {"a,b\n", "a;b\n"}).result.error,
              "t.csv: its delimiter is not the first table's");
    EXPECT_EQ(convert({"--column", "a"}, {"a,b\n", "a,c\n"}).result.error,
              "t.csv: its header is not the first table's");
    EXPECT_EQ(convert({"--column", "ngr"}, {"a,b\n"}).result.error,
              "t.csv: --column 'ngr' names no column of its header (a, b)");
    EXPECT_EQ(convert({"--column", "3"}, {"a,b\n"}).result.error,
              "t.csv: --column 3: the header has 2 columns");
}

TEST(ConvertStream, ReadErrorsAreReported) {
    const File directory(std::fopen("/", "r"), std::fclose);
    ASSERT_NE(directory, nullptr);
    const File out = WithContent("");
    cli::TextInput in(directory.get(), std::nullopt);
    cli::TextOutput output(out.get(), true);
    const cli::StreamResult result = cli::ConvertStream(in, output, Options{}, true);
    EXPECT_TRUE(result.error.starts_with("read error: ")) << result.error;
}

}  // namespace
