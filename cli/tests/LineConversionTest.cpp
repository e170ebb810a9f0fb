#include "cli/LineConversion.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using cli::Format;
using cli::Options;
using cli::TrimInput;

struct Converted {
    bool ok;
    std::string line;
};

Converted Convert(std::string_view line, Options options = {}) {
    std::string out;
    const bool ok = cli::ConvertLine(line, options, out);
    return {ok, out};
}

Options LatLon(Format format = Format::kText) {
    Options options;
    options.from = cli::From::kLatLon;
    options.format = format;
    return options;
}

TEST(TrimInput, RemovesOneTrailingReturnThenSurroundingBlanks) {
    EXPECT_EQ(TrimInput("TQ300800"), "TQ300800");
    EXPECT_EQ(TrimInput(" \tTQ300800 \t\r"), "TQ300800");
    EXPECT_EQ(TrimInput("TQ300800\r\r"), "TQ300800\r");
    EXPECT_EQ(TrimInput("\rTQ300800"), "\rTQ300800");
    EXPECT_EQ(TrimInput("SU 12345"), "SU 12345");
    EXPECT_EQ(TrimInput(" \r"), "");
    EXPECT_EQ(TrimInput(""), "");
    EXPECT_EQ(TrimInput("\v\fx"), "\v\fx");  // only spaces and tabs are blanks
}

// Feeds `line` in pieces cut at random places, the start cut down between pieces as the
// stream does; the result must be what the whole line gives, in little memory.
cli::Input FedInPieces(std::string_view line, std::size_t limit, std::string& partial,
                       std::mt19937& rng) {
    partial.clear();
    while (!line.empty()) {
        const std::size_t piece = std::uniform_int_distribution<std::size_t>(0, line.size())(rng);
        partial += line.substr(0, piece);
        line.remove_prefix(piece);
        cli::CompactPartialLine(partial, limit);
        EXPECT_LE(partial.size(), limit + 1);
    }
    return cli::TrimLine(partial, limit);
}

TEST(TrimLine, LinesInPiecesGiveWhatTheWholeLineGives) {
    std::mt19937 rng(5);
    constexpr std::size_t kLimit = 16;
    // Few kinds of bytes, so that blanks and carriage returns meet in every order.
    const std::string alphabet = "  \t\t\r\rab";
    std::string partial;
    for (int round = 0; round < 20000; ++round) {
        std::string line(std::uniform_int_distribution<std::size_t>(0, 40)(rng), ' ');
        for (char& c : line)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, 7)(rng)];
        const cli::Input whole = cli::TrimLine(line, kLimit);
        const cli::Input pieces = FedInPieces(line, kLimit, partial, rng);
        ASSERT_EQ(pieces.text, whole.text) << '"' << line << '"';
        ASSERT_EQ(pieces.truncated, whole.truncated) << '"' << line << '"';
        ASSERT_EQ(whole.truncated, TrimInput(line).size() > kLimit) << '"' << line << '"';
        ASSERT_TRUE(TrimInput(line).starts_with(whole.text)) << '"' << line << '"';
    }
}

TEST(TrimLine, KeepsOnlyTheLimitOfAHugeLine) {
    std::mt19937 rng(9);
    constexpr std::size_t kLimit = 16;
    std::string partial;
    const std::string blanks(100000, ' ');
    cli::Input input = FedInPieces(blanks + "TQ300800" + blanks + "\r", kLimit, partial, rng);
    EXPECT_FALSE(input.truncated);
    EXPECT_EQ(input.text, "TQ300800");

    input = FedInPieces("TQ300800" + blanks + "x", kLimit, partial, rng);
    EXPECT_TRUE(input.truncated);
    EXPECT_EQ(input.text, "TQ300800");

    input = FedInPieces(std::string(100000, 'x'), kLimit, partial, rng);
    EXPECT_TRUE(input.truncated);
    EXPECT_EQ(input.text, std::string(kLimit, 'x'));
}

TEST(ConvertLine, GridReferencesInEveryFormat) {
    EXPECT_EQ(Convert("TQ300800").line, "TQ300800\t0\tok\t51.503071\t-0.127238\tIO91WM\n");
    EXPECT_EQ(Convert("SU 12345").line, "SU 12345\t3\tbad digit\t\t\t\n");
    Options csv;
    csv.format = Format::kCsv;
    csv.decimals = 3;
    EXPECT_EQ(Convert("  SU000500\r", csv).line, "SU000500,0,ok,51.248,-2.000,IO91AF\r\n");
    EXPECT_EQ(Convert("SI123456", csv).line, "SI123456,2,bad grid letter,,,\r\n");
    Options json;
    json.format = Format::kJson;
    json.decimals = 0;
    EXPECT_EQ(Convert("NN166712", json).line,
              "{\"input\":\"NN166712\",\"code\":0,\"status\":\"ok\",\"latitude\":57,"
              "\"longitude\":-5,\"locator\":\"IO76LT\"}\n");
    EXPECT_EQ(Convert("SU1234567", json).line,
              "{\"input\":\"SU1234567\",\"code\":1,\"status\":\"wrong length\",\"latitude\":null,"
              "\"longitude\":null,\"locator\":null}\n");
}

TEST(ConvertLine, ReportsSuccessOnlyForConvertedInputs) {
    EXPECT_TRUE(Convert("sk123456").ok);
    EXPECT_FALSE(Convert("HU123456").ok);
    EXPECT_FALSE(Convert("").ok);
    EXPECT_TRUE(Convert("52 -2", LatLon()).ok);
    EXPECT_FALSE(Convert("52", LatLon()).ok);
}

TEST(ConvertLine, LatLonPairsAndTheirSeparators) {
    for (const char* input : {"52 -2", "52,-2", "52, -2", "52 ,-2", "52\t-2", "52   -2",
                              " 52.0 , -2.000 \r", "+52 -2e0"}) {
        const Converted c = Convert(input, LatLon(Format::kCsv));
        EXPECT_TRUE(c.ok) << input;
        EXPECT_NE(c.line.find(",0,ok,52.000000,-2.000000,IO92AA\r\n"), std::string::npos) << c.line;
    }
}

TEST(ConvertLine, LatLonOnTheLocatorEdges) {
    const auto locator = [](std::string_view input) {
        const std::string line = Convert(input, LatLon()).line;
        return line.substr(line.rfind('\t') + 1);
    };
    EXPECT_EQ(locator("-90 -180"), "AA00AA\n");
    EXPECT_EQ(locator("90 180"), "AR09AX\n");
    EXPECT_EQ(locator("90,-180"), "AR09AX\n");
    EXPECT_EQ(locator("89.99999 179.99999"), "RR99XX\n");
    EXPECT_EQ(locator("0 0"), "JJ00AA\n");
    EXPECT_EQ(locator("-0 -0"), "JJ00AA\n");
    EXPECT_EQ(locator("52 -2.0000000000001"), "IO82XA\n");
}

TEST(ConvertLine, LatLonThatIsNotTwoNumbersInRangeIsABadNumber) {
    for (const char* input : {"",
                              "52",
                              "52 ",
                              "52,",
                              ",-2",
                              "52 -2 7",
                              "52,,-2",
                              "52;-2",
                              "52 - 2",
                              "abc def",
                              "90.0000001 0",
                              "-90.0000001 0",
                              "0 180.0000001",
                              "0 -180.0000001",
                              "1e3 0",
                              "nan 0",
                              "inf 0",
                              "0x10 0",
                              "52,5 -2",
                              "52 -2,5"}) {
        const Converted c = Convert(input, LatLon());
        EXPECT_FALSE(c.ok) << input;
        EXPECT_EQ(c.line, std::string(TrimInput(input)) + "\t4\tbad number\t\t\t\n") << input;
    }
}

TEST(ConvertLine, DecimalsAreRoundedWithAPoint) {
    Options options = LatLon();
    options.decimals = 2;
    EXPECT_EQ(Convert("51.505 -0.125", options).line,
              "51.505 -0.125\t0\tok\t51.51\t-0.12\tIO91WM\n");
    options.decimals = 15;
    EXPECT_EQ(Convert("0.1 0.2", options).line,
              "0.1 0.2\t0\tok\t0.100000000000000\t0.200000000000000\tJJ00CC\n");
}

TEST(ConvertLine, TruncatedInputIsTooLongForEitherRoad) {
    std::string out;
    EXPECT_FALSE(cli::ConvertInput("TQ300800", true, Options{}, out));
    EXPECT_EQ(out, "TQ300800\t1\twrong length\t\t\t\n");
    out.clear();
    EXPECT_FALSE(cli::ConvertInput("52 -2", true, LatLon(), out));
    EXPECT_EQ(out, "52 -2\t4\tbad number\t\t\t\n");
}

Options Surveyed(Format format = Format::kCsv) {
    Options options;
    options.surveyed = true;
    options.format = format;
    options.decimals = 3;
    return options;
}

TEST(ConvertLine, SurveyedColumnsFollowTheWindowsAnswer) {
    // The two locators agree in central London and differ where the approximation's 100-odd
    // metres cross a locator square's edge.
    EXPECT_EQ(Convert("TQ300800", Surveyed()).line,
              "TQ300800,0,ok,51.503,-0.127,IO91WM,51.504,-0.128,IO91WM,no\r\n");
    EXPECT_EQ(Convert("SU000500", Surveyed()).line,
              "SU000500,0,ok,51.248,-2.000,IO91AF,51.250,-2.001,IO81XF,yes\r\n");
    EXPECT_EQ(Convert("SU000500", Surveyed(Format::kText)).line,
              "SU000500\t0\tok\t51.248\t-2.000\tIO91AF\t51.250\t-2.001\tIO81XF\tyes\n");
}

TEST(ConvertLine, SurveyedAnswerForWhatTheWindowRejects) {
    // Shetland and Orkney: the window's bad grid letter, and a failure for the exit status,
    // but a surveyed answer; nothing to compare its locator with.
    const Converted shetland = Convert("HU474414", Surveyed(Format::kJson));
    EXPECT_FALSE(shetland.ok);
    EXPECT_EQ(shetland.line,
              "{\"input\":\"HU474414\",\"code\":2,\"status\":\"bad grid letter\","
              "\"latitude\":null,\"longitude\":null,\"locator\":null,"
              "\"surveyed_latitude\":60.155,\"surveyed_longitude\":-1.147,"
              "\"surveyed_locator\":\"IP90KD\",\"locator_differs\":null}\n");
    EXPECT_FALSE(Convert("ov123456", Surveyed()).ok);
    EXPECT_NE(Convert("ov123456", Surveyed()).line.find(",IO94UT,\r\n"), std::string::npos);

    // What neither conversion reads has every answer column empty.
    for (const char* input : {"SU12345", "SU 12345", "SI123456", "", "TQ300800TQ300800"}) {
        const Converted c = Convert(input, Surveyed(Format::kText));
        EXPECT_FALSE(c.ok) << input;
        EXPECT_TRUE(c.line.ends_with("\t\t\t\t\t\t\t\n")) << c.line;
    }
    std::string out;
    EXPECT_FALSE(cli::ConvertInput("TQ300800", true, Surveyed(), out));
    EXPECT_EQ(out, "TQ300800,1,wrong length,,,,,,,\r\n");
}

// Every column for each kind of input, from a station: the surveyed columns are empty unless
// the input's position is known (and the grid's unless it lies in OSTN15's grid), the way
// from the station is measured from the position whatever the grid.
TEST(ConvertLine, EveryColumnOfEachKindOfInput) {
    struct Case {
        std::vector<const char*> arguments;
        const char* input;
        const char* line;
    };
    const Case cases[] = {
        {{},
         "NN166712",
         "NN166712,0,ok,56.7985,-5.0038,IO76LT,56.7965,-5.0039,IO76LT,no,ok,216650.000,"
         "771250.000,NN166712,NN17,670,667.752,333.5"},
        {{},
         "nn 16667 71283",
         "nn 16667 71283,1,wrong length,,,,56.7968,-5.0037,IO76LT,,ok,216667.500,771283.500,"
         "NN166712,NN17,670,667.773,333.5"},
        {{},
         "HU474414",
         "HU474414,2,bad grid letter,,,,60.1548,-1.1471,IP90KD,,ok,447450.000,1141450.000,"
         "HU474414,HU44,962,963.389,356.6"},
        {{}, "TE123456", "TE123456,0,ok,53.6553,5.7584,JO23VP,,,,,outside the grid,,,,,,,"},
        {{}, "II1234", "II1234,1,wrong length,,,,,,,,bad grid reference,,,,,,,"},
        {{"--latlon"},
         "56.7969 -5.0036",
         "56.7969 -5.0036,0,ok,56.7969,-5.0036,IO76LT,56.7969,-5.0036,IO76LT,no,ok,216671.111,"
         "771289.239,NN166712,NN17,670,667.777,333.5"},
        {{"--latlon"},
         "48.8584, 2.2945",
         "\"48.8584, 2.2945\",0,ok,48.8584,2.2945,JN18DU,48.8584,2.2945,JN18DU,no,"
         "outside the grid,,,,,343,342.823,148.8"},
        {{"--latlon"}, "91 0", "91 0,4,bad number,,,,,,,,bad number,,,,,,,"},
        {{"--from", "locator"},
         "io76lt",
         "io76lt,0,ok,56.8125,-5.0417,IO76LT,56.8125,-5.0417,IO76LT,no,ok,214424.442,"
         "773127.460,NN144731,NN17,670,670.455,333.4"},
        {{"--from", "locator"},
         "IO91",
         "IO91,0,ok,51.5000,-1.0000,IO91,51.5000,-1.0000,IO91MM,no,ok,469509.196,178369.366,"
         "SU695783,SU67,61,60.790,268.2"},
        {{"--from", "locator"}, "SS00", "SS00,5,bad locator,,,,,,,,bad locator,,,,,,,"},
        // The contest rules' worked example, and a bearing that rounds to north.
        {{"--from", "locator", "--qrb-from", "JO55WW"},
         "JO65FR",
         "JO65FR,0,ok,55.7292,12.4583,JO65FR,55.7292,12.4583,JO65FR,no,outside the grid,,,,,44,"
         "43.291,122.2"},
        {{"--from", "locator", "--qrb-from", "51.5208 -0.1249"},
         "IO91WX",
         "IO91WX,0,ok,51.9792,-0.1250,IO91WX,51.9792,-0.1250,IO91WX,no,ok,528872.739,"
         "232847.978,TL288328,TL23,51,50.999,0.0"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> arguments = {
            "--format",
            "csv",
            "--decimals",
            "4",
            "--qrb-from",
            "IO91WM",
            "--columns",
            "input,code,status,latitude,longitude,locator,surveyed_latitude,surveyed_longitude,"
            "surveyed_locator,locator_differs,surveyed_status,easting,northing,ngr,wab,qrb_km,"
            "distance_km,bearing"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const cli::Command command = cli::ParseArguments(arguments);
        ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
        EXPECT_EQ(Convert(c.input, command.options).line, std::string(c.line) + "\r\n");
    }
}

TEST(ConvertLine, GridReferenceDigitsAndLocatorLengths) {
    Options options;
    options.columns = {cli::kColumns[13], cli::kColumns[8]};  // ngr, surveyed_locator
    const std::pair<int, const char*> cases[] = {
        {0, "NN\tIO\n"},
        {4, "NN1671\tIO76\n"},
        {10, "NN1666771283\tIO76LT91NF\n"},
    };
    for (const auto& [size, line] : cases) {
        options.ngrDigits = size;
        options.locatorLength = size == 0 ? 2 : size;
        EXPECT_EQ(Convert("NN 16667 71283", options).line, line) << size;
    }
}

TEST(ConvertLine, AnyBytesGiveExactlyOneLine) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 30);
    for (const Format format : {Format::kText, Format::kCsv, Format::kJson}) {
        for (const int road : {0, 1, 2}) {
            Options options;
            options.format = format;
            if (road == 1)
                options.from = cli::From::kLatLon;
            options.surveyed = road == 2;
            for (int round = 0; round < 2000; ++round) {
                std::string input(static_cast<std::size_t>(length(rng)), '\0');
                for (char& c : input) {
                    c = static_cast<char>(byte(rng));
                    if (c == '\n')
                        c = '\r';  // lines never hold a line feed
                }
                const std::string line = Convert(input, options).line;
                ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
                ASSERT_EQ(line.back(), '\n');
            }
        }
    }
}

}  // namespace
