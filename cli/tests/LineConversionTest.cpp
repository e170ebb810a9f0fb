#include "cli/LineConversion.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using cli::Format;
using cli::From;
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

// The window's answer, in the columns of the first versions: input, code, status, latitude,
// longitude, locator, now named window_*.
Options Window(Format format = Format::kText, cli::From from = cli::From::kGridReference) {
    Options options;
    options.columns.assign(cli::kColumns.begin(), cli::kColumns.begin() + 1);
    options.columns.insert(options.columns.end(), cli::kWindowColumns.begin(),
                           cli::kWindowColumns.end() - 1);
    options.format = format;
    options.from = from;
    return options;
}

Options LatLon(Format format = Format::kText) {
    return Window(format, cli::From::kLatLon);
}

TEST(TrimInput, RemovesOneTrailingReturnThenSurroundingBlanks) {
    EXPECT_EQ(TrimInput("TQ300800"), "TQ300800");
    EXPECT_EQ(TrimInput(" \tTQ300800 \t\r"), "TQ300800");
    EXPECT_EQ(TrimInput("TQ300800\r\r"), "TQ300800\r");
    EXPECT_EQ(TrimInput("\rTQ300800"), "\rTQ300800");
    EXPECT_EQ(TrimInput("SU 12345"), "SU 12345");
    EXPECT_EQ(TrimInput(" \r"), "");
    EXPECT_EQ(TrimInput(""), "");
    EXPECT_EQ(TrimInput("\v\fx"), "\v\fx");                      // not blanks
    EXPECT_EQ(TrimInput("\uFEFFTQ300800\u00A0\r"), "TQ300800");  // pasted ones are
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
        EXPECT_LE(partial.size(), limit + 8);
    }
    return cli::TrimLine(partial, limit);
}

TEST(TrimLine, LinesInPiecesGiveWhatTheWholeLineGives) {
    std::mt19937 rng(5);
    constexpr std::size_t kLimit = 16;
    // Few kinds of characters, so that blanks of one and more bytes, carriage returns and
    // text meet in every order, and across the limit.
    const std::string_view alphabet[] = {" ", "\t",     "\r",     "\r",    "a",
                                         "b", "\u00A0", "\u202F", "\u00E9"};
    std::string partial;
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        for (std::size_t n = std::uniform_int_distribution<std::size_t>(0, 30)(rng); n > 0; --n)
            line += alphabet[std::uniform_int_distribution<std::size_t>(0, 8)(rng)];
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

    // A character the limit cuts (as a Windows-1252 line of accents, read as UTF-8) goes whole.
    std::string accents = "TQ3";
    for (int i = 0; i < 50000; ++i)
        accents += "\u00E9";
    input = FedInPieces(accents, kLimit, partial, rng);
    EXPECT_TRUE(input.truncated);
    EXPECT_EQ(input.text, accents.substr(0, kLimit - 1));
}

// The window's answer, bit for bit what it has always been.
TEST(ConvertLine, TheWindowsAnswerInEveryFormat) {
    EXPECT_EQ(Convert("TQ300800", Window()).line,
              "TQ300800\t0\tok\t51.503071\t-0.127238\tIO91WM\n");
    EXPECT_EQ(Convert("SU 12345", Window()).line, "SU 12345\t3\tbad digit\t\t\t\n");
    Options csv = Window(Format::kCsv);
    csv.decimals = 3;
    EXPECT_EQ(Convert("  SU000500\r", csv).line, "SU000500,0,ok,51.248,-2.000,IO91AF\r\n");
    EXPECT_EQ(Convert("SI123456", csv).line, "SI123456,2,bad grid letter,,,\r\n");
    Options json = Window(Format::kJson);
    json.decimals = 0;
    EXPECT_EQ(Convert("NN166712", json).line,
              "{\"input\":\"NN166712\",\"window_code\":0,\"window_status\":\"ok\","
              "\"window_latitude\":57,\"window_longitude\":-5,\"window_locator\":\"IO76LT\"}\n");
    EXPECT_EQ(Convert("SU1234567", json).line,
              "{\"input\":\"SU1234567\",\"window_code\":1,\"window_status\":\"wrong length\","
              "\"window_latitude\":null,\"window_longitude\":null,\"window_locator\":null}\n");
}

// The true answer by default: every reference the Ordnance Survey's reading takes, with a
// status that names what is wrong with the others.
TEST(ConvertLine, TheTrueAnswerByDefault) {
    struct Case {
        const char* input;
        const char* line;
    };
    const Case cases[] = {
        {"NC477501", "NC477501\tok\t58.413105\t-4.607862\tIO78QJ\n"},
        {"TQ 300 800", "TQ 300 800\tok\t51.504430\t-0.127590\tIO91WM\n"},
        {"TQ3000080000", "TQ3000080000\tok\t51.503997\t-0.128322\tIO91WM\n"},
        {"TQ38", "TQ38\tok\t51.547752\t-0.054417\tIO91XN\n"},
        {"HU474414", "HU474414\tok\t60.154794\t-1.147128\tIP90KD\n"},
        {"216667,771283", "216667,771283\tok\t56.796842\t-5.003663\tIO76LT\n"},
        {"\u00A0TQ300800\u200B", "TQ300800\tok\t51.504430\t-0.127590\tIO91WM\n"},
        {"SU12345",
         "SU12345\tbad grid reference: '12345' has 5 digits, which do not split into easting and "
         "northing: a grid reference has 0, 2, 4, 6, 8 or 10\t\t\t\n"},
        {"TE123456", "TE123456\toutside the grid\t\t\t\n"},
    };
    for (const Case& c : cases) {
        const Converted converted = Convert(c.input);
        EXPECT_EQ(converted.line, c.line);
        EXPECT_EQ(converted.ok, converted.line.find("\tok\t") != std::string::npos) << c.input;
    }
    EXPECT_FALSE(Convert("").ok);
    EXPECT_TRUE(Convert("52 -2", LatLon()).ok);
    EXPECT_FALSE(Convert("52", LatLon()).ok);
}

TEST(ConvertLine, LatLonPairsAndTheirSeparators) {
    for (const char* input : {"52 -2", "52,-2", "52, -2", "52 ,-2", "52\t-2", "52   -2",
                              " 52.0 , -2.000 \r", "+52 -2.", "52N 2W", "52\u00B0 -2\u00B0"}) {
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

TEST(ConvertLine, LatLonThatIsNotAPositionIsABadNumber) {
    for (const char* input : {"", "52", "52 ", "52,", ",-2", "52 -2 7", "52,,-2", "52;-2", "52 - 2",
                              "abc def", "90.0000001 0", "-90.0000001 0", "0 180.0000001",
                              "0 -180.0000001", "nan 0", "inf 0", "0x10 0", "52,5 -2", "52 -2,5"}) {
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

TEST(ConvertLine, TruncatedInputIsTooLongForEveryKind) {
    std::string out;
    EXPECT_FALSE(cli::ConvertInput("TQ300800", true, Window(), out));
    EXPECT_EQ(out, "TQ300800\t1\twrong length\t\t\t\n");
    out.clear();
    EXPECT_FALSE(cli::ConvertInput("52 -2", true, LatLon(), out));
    EXPECT_EQ(out, "52 -2\t4\tbad number\t\t\t\n");
    out.clear();
    EXPECT_FALSE(cli::ConvertInput("IO91WM", true, Options{}, out));
    EXPECT_EQ(out, "IO91WM\ttoo long: over 64 KiB\t\t\t\n");
}

// The window's answer beside the true one: the two locators agree in central London and
// differ where the approximation's 100-odd metres cross a locator square's edge; a reference
// only the true answer reads has nothing to compare.
TEST(ConvertLine, TheWindowsAnswerBesideTheTrueOne) {
    const cli::Command command = cli::ParseArguments(
        std::vector<const char*>{"--window", "--format", "csv", "--decimals", "3"});
    ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
    EXPECT_EQ(Convert("TQ300800", command.options).line,
              "TQ300800,ok,51.504,-0.128,IO91WM,0,ok,51.503,-0.127,IO91WM,no\r\n");
    EXPECT_EQ(Convert("SU000500", command.options).line,
              "SU000500,ok,51.250,-2.001,IO81XF,0,ok,51.248,-2.000,IO91AF,yes\r\n");
    EXPECT_EQ(Convert("HU474414", command.options).line,
              "HU474414,ok,60.155,-1.147,IP90KD,2,bad grid letter,,,,\r\n");
}

// The window's answer alone: the true answer is not worked out, and an input is answered
// exactly when the window answers it (SV000000 lies beyond OSTN15's shifts; the window takes
// only eight characters).
TEST(ConvertLine, TheWindowsAnswerAloneFollowsTheWindow) {
    const cli::Command command = cli::ParseArguments(
        std::vector<const char*>{"--columns", "input,window_code,window_locator"});
    ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
    struct Case {
        const char* input;
        bool answered;
        const char* line;
    };
    const Case cases[] = {
        {"TQ300800", true, "TQ300800\t0\tIO91WM\n"},
        {"SV000000", true, "SV000000\t0\tIN69FS\n"},
        {"TQ 300 800", false, "TQ 300 800\t1\t\n"},
    };
    for (const Case& c : cases) {
        cli::Answer answer;
        EXPECT_EQ(cli::AnswerInput(c.input, false, command.options, answer), c.answered) << c.input;
        EXPECT_TRUE(!answer.position && answer.locator.empty()) << c.input;
        EXPECT_EQ(Convert(c.input, command.options).line, c.line);
    }
}

// Every column for each kind of input, from a station: the true answer's columns are empty
// unless the input's position is known (and the grid's unless it lies on a grid, which a
// position elsewhere says in its status), the
// way from the station is measured from the position whatever the grid.
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
        {{},
         "II1234",
         "II1234,1,wrong length,,,,,,,,\"bad grid reference: 'I' is not one of the first "
         "letters of the National Grid: H, J, N, O, S and T\",,,,,,,"},
        {{"--latlon"},
         "56.7969 -5.0036",
         "56.7969 -5.0036,0,ok,56.7969,-5.0036,IO76LT,56.7969,-5.0036,IO76LT,no,ok,216671.111,"
         "771289.239,NN166712,NN17,670,667.777,333.5"},
        {{"--latlon"},
         "48.8584, 2.2945",
         "\"48.8584, 2.2945\",0,ok,48.8584,2.2945,JN18DU,48.8584,2.2945,JN18DU,no,on no "
         "grid,,,,,343,"
         "342.823,148.8"},
        {{"--latlon"},
         "91 0",
         "91 0,4,bad number,,,,,,,,bad position: '91' is beyond 90 degrees: not a latitude,,,,,,,"},
        {{"--from", "locator"},
         "io76lt",
         "io76lt,0,ok,56.8125,-5.0417,IO76LT,56.8125,-5.0417,IO76LT,no,ok,214424.442,"
         "773127.460,NN144731,NN17,670,670.455,333.4"},
        {{"--from", "locator"},
         "IO91",
         "IO91,0,ok,51.5000,-1.0000,IO91,51.5000,-1.0000,IO91MM,no,ok,469509.196,178369.366,"
         "SU695783,SU67,61,60.790,268.2"},
        {{"--from", "locator"},
         "SS00",
         "SS00,5,bad locator,,,,,,,,\"bad locator: \"\"SS00\"\" is not a locator: character 1, "
         "\"\"S\"\", is not a field letter (A to R)\",,,,,,,"},
        // The contest rules' worked example, and a bearing that rounds to north.
        {{"--from", "locator", "--qrb-from", "JO55WW"},
         "JO65FR",
         "JO65FR,0,ok,55.7292,12.4583,JO65FR,55.7292,12.4583,JO65FR,no,on no grid,,,,,44,"
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
            "input,window_code,window_status,window_latitude,window_longitude,window_locator,"
            "latitude,longitude,locator,locator_differs,status,easting,northing,ngr,wab,qrb_km,"
            "distance_km,bearing"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const cli::Command command = cli::ParseArguments(arguments);
        ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
        EXPECT_EQ(Convert(c.input, command.options).line, std::string(c.line) + "\r\n");
    }
}

// Each grid of the British Isles, for references and for positions and locators on it: Irish
// references have one letter, the Channel Islands' WA or WV; a position on none says so and
// still counts as answered.
TEST(ConvertLine, TheGridOfEachArea) {
    struct Case {
        From from;
        const char* input;
        const char* line;
        bool ok;
    };
    for (const Case& c : {
             Case{From::kGridReference, "J 338 742",
                  "J 338 742\tok\tirish\t333850.000\t374250.000\tJ3374\tJ37", true},
             Case{From::kGridReference, "WV 652 484",
                  "WV 652 484\tok\tutm30\t565250.000\t5448450.000\tWV6548\tWV64", true},
             Case{From::kGridReference, "TQ300800",
                  "TQ300800\tok\tgb\t530050.000\t180050.000\tTQ3080\tTQ38", true},
             Case{From::kGridReference, "I338742",
                  "I338742\tbad grid reference: 'I' is not a letter of the Irish Grid: A to Z but "
                  "I\t\t\t\t\t",
                  false},
             Case{From::kLatLon, "54.5973 -5.9301",
                  "54.5973 -5.9301\tok\tirish\t333828.335\t374087.507\tJ3374\tJ37", true},
             Case{From::kLatLon, "49.1868 -2.1065",
                  "49.1868 -2.1065\tok\tutm30\t565107.717\t5448606.024\tWV6548\tWV64", true},
             Case{From::kLatLon, "51.5072 -0.1276",
                  "51.5072 -0.1276\tok\tgb\t530041.454\t180358.007\tTQ3080\tTQ38", true},
             Case{From::kLatLon, "48.8566 2.3522", "48.8566 2.3522\ton no grid\t\t\t\t\t", true},
             Case{From::kLocator, "IO74AO", "IO74AO\tok\tirish\t331981.626\t374798.353\tJ3174\tJ37",
                  true},
             Case{From::kLocator, "IN89WE",
                  "IN89WE\tok\tutm30\t563758.771\t5448668.094\tWV6348\tWV64", true},
         }) {
        const cli::Command command = cli::ParseArguments(std::vector<const char*>{
            "--ngr-digits", "4", "--columns", "input,status,grid,easting,northing,ngr,wab"});
        ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
        Options options = command.options;
        options.from = c.from;
        const Converted converted = Convert(c.input, options);
        EXPECT_EQ(converted.line, std::string(c.line) + "\n");
        EXPECT_EQ(converted.ok, c.ok) << c.input;
    }
}

// The grid plain metres are on (Armagh's, against PROJ's cs2cs EPSG:29903 EPSG:4258:
// 54.3533396454 -6.6503835233), a tetrad's and a quadrant's centre, and the locator's case,
// which leaves the window's locator as it is.
TEST(ConvertLine, TheGridOfMetresTetradsAndTheLocatorsCase) {
    struct Case {
        std::vector<const char*> arguments;
        const char* input;
        const char* line;
    };
    const Case cases[] = {
        {{"--grid", "irish", "--decimals", "7"},
         "287800 345800",
         "287800 345800\tok\t54.3533396\t-6.6503835\tIO64QI\n"},
        {{"--decimals", "3"}, "287800 345800", "287800 345800\tok\t52.998\t-3.673\tIO82DX\n"},
        {{"--columns", "input,easting,northing,ngr"},
         "SP48T",
         "SP48T\t447000.000\t287000.000\tSP470870\n"},
        {{"--columns", "input,easting,northing,ngr", "--ngr-digits", "2"},
         "sp 4 8 ne",
         "sp 4 8 ne\t447500.000\t287500.000\tSP48\n"},
        {{"--columns", "status"},
         "SP48O",
         "bad grid reference: 'O' is not a tetrad letter: A to Z but O (DINTY)\n"},
        {{"--locator-case", "lower-last", "--columns", "locator", "--locator-length", "2"},
         "TQ300800",
         "IO\n"},
        {{"--locator-case", "lower-last", "--columns", "locator,window_locator,locator_differs"},
         "TQ300800",
         "IO91wm\tIO91WM\tno\n"},
        {{"--locator-case", "lower-last", "--columns", "locator", "--locator-length", "8"},
         "TQ300800",
         "IO91wm41\n"},
        {{"--locator-case=lower-last", "--columns", "locator", "--locator-length", "10"},
         "TQ300800",
         "IO91wm41qb\n"},
    };
    for (const Case& c : cases) {
        const cli::Command command = cli::ParseArguments(c.arguments);
        ASSERT_EQ(command.action, cli::Action::kConvert) << command.error;
        EXPECT_EQ(Convert(c.input, command.options).line, c.line) << c.input;
    }
}

TEST(ConvertLine, GridReferenceDigitsAndLocatorLengths) {
    Options options;
    options.columns = {cli::kColumns[14], cli::kColumns[4]};  // ngr, locator
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
            Options options = road == 2 ? Window(format) : Options{};
            options.format = format;
            if (road == 1)
                options.from = cli::From::kLatLon;
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
