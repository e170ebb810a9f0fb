#include "cli/Options.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using cli::Action;
using cli::Format;

cli::Command Parse(std::vector<const char*> arguments) {
    return cli::ParseArguments(arguments);
}

TEST(ParseArguments, Defaults) {
    const cli::Command c = Parse({});
    EXPECT_EQ(c.action, Action::kConvert);
    EXPECT_EQ(c.options.format, Format::kText);
    EXPECT_EQ(c.options.decimals, 6);
    EXPECT_EQ(c.options.from, cli::From::kGridReference);
    EXPECT_EQ(c.options.Columns().size(), cli::kTrueColumns.size());
    EXPECT_FALSE(c.options.table);
    EXPECT_TRUE(c.inputs.empty());
}

TEST(ParseArguments, OptionsAndInputsInAnyOrder) {
    const cli::Command c =
        Parse({"TQ300800", "--format", "csv", "--decimals=3", "--latlon", "-33.9 18.4", "-.5,1"});
    EXPECT_EQ(c.action, Action::kConvert);
    EXPECT_EQ(c.options.format, Format::kCsv);
    EXPECT_EQ(c.options.decimals, 3);
    EXPECT_EQ(c.options.from, cli::From::kLatLon);
    EXPECT_EQ(c.inputs, (std::vector<std::string>{"TQ300800", "-33.9 18.4", "-.5,1"}));

    EXPECT_EQ(Parse({"--format=json"}).options.format, Format::kJson);
    EXPECT_EQ(Parse({"--format", "text"}).options.format, Format::kText);
    EXPECT_EQ(Parse({"--decimals", "0"}).options.decimals, 0);
    EXPECT_EQ(Parse({"--decimals", "15"}).options.decimals, 15);
    EXPECT_EQ(Parse({"TQ300800", "--window"}).options.Columns().size(), 11U);
}

TEST(ParseArguments, InputKindsColumnsAndStation) {
    EXPECT_EQ(Parse({"--window", "--latlon"}).options.from, cli::From::kLatLon);
    EXPECT_EQ(Parse({"--from", "latlon"}).options.from, cli::From::kLatLon);
    EXPECT_EQ(Parse({"--from=locator"}).options.from, cli::From::kLocator);
    EXPECT_EQ(Parse({"--latlon", "--from", "ngr"}).action, Action::kUsageError);

    const cli::Command c =
        Parse({"--columns", "ngr,input,wab", "--ngr-digits", "10", "--locator-length=2"});
    ASSERT_EQ(c.action, Action::kConvert) << c.error;
    std::vector<std::string_view> names;
    for (const cli::Column& column : c.options.Columns())
        names.push_back(column.name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"ngr", "input", "wab"}));
    EXPECT_EQ(c.options.ngrDigits, 10);
    EXPECT_EQ(c.options.locatorLength, 2);
    EXPECT_EQ(c.options.grid, Surveyed::Grid::kGreatBritain);
    EXPECT_EQ(c.options.locatorCase, Maidenhead::LetterCase::kUpper);
    const cli::Command irish =
        Parse({"--grid", "irish", "--locator-case", "lower-last", "--qrb-from", "287800E 345800N"});
    ASSERT_EQ(irish.action, Action::kConvert) << irish.error;
    EXPECT_EQ(irish.options.grid, Surveyed::Grid::kIrish);
    EXPECT_EQ(Parse({"--grid=utm30"}).options.grid, Surveyed::Grid::kUtm30);
    EXPECT_EQ(irish.options.locatorCase, Maidenhead::LetterCase::kLowerLast);
    // The station's metres are on that grid: Armagh, not Snowdonia.
    EXPECT_NEAR(irish.options.qrbFrom->position.longitude, -6.650384, 1e-6);

    // A station adds its three columns to the default ones, not to those asked for.
    EXPECT_EQ(Parse({"--qrb-from", "IO91WM"}).options.Columns().size(), 8U);
    EXPECT_EQ(Parse({"--qrb-from", "IO91WM", "--window"}).options.Columns().size(), 14U);
    EXPECT_EQ(Parse({"--qrb-from", "52 -2", "--columns", "bearing"}).options.Columns().size(), 1U);
    // The contest distance starts from the station's six-character locator.
    const auto station = Parse({"--qrb-from", "io91wm00aa"}).options.qrbFrom;
    ASSERT_TRUE(station);
    EXPECT_EQ(station->contestArea.width, 1.0 / 12);
    EXPECT_LT(station->position.longitude, station->contestArea.CentreLongitude());
}

TEST(ParseArguments, DoubleDashEndsTheOptions) {
    const cli::Command c = Parse({"-90 -180", "--", "--latlon", "-x"});
    EXPECT_EQ(c.options.from, cli::From::kGridReference);
    EXPECT_EQ(c.inputs, (std::vector<std::string>{"-90 -180", "--latlon", "-x"}));
}

TEST(ParseArguments, FilesAndTables) {
    const cli::Command files = Parse({"--input", "a.csv", "--input=-", "--output", "out.csv",
                                      "--column", "grid ref", "--delimiter", "tab"});
    ASSERT_EQ(files.action, Action::kConvert) << files.error;
    EXPECT_EQ(files.files, (std::vector<std::string>{"a.csv", "-"}));
    EXPECT_EQ(files.output, "out.csv");
    ASSERT_TRUE(files.options.table);
    EXPECT_EQ(files.options.table->columns.front().name, "grid ref");
    EXPECT_EQ(files.options.table->delimiter, '\t');
    // A table's own fields stand for the input: the defaults start at the status.
    EXPECT_EQ(files.options.Columns().front().name, "status");
    const cli::Command pair = Parse({"--latlon", "--column", "2,lon"});
    ASSERT_EQ(pair.action, Action::kConvert) << pair.error;
    EXPECT_EQ(pair.options.table->columns[0].number, 2U);
    EXPECT_EQ(pair.options.table->columns[1].name, "lon");
    EXPECT_EQ(Parse({"--column", "easting,northing"}).options.table->columns.size(), 2U);
    const cli::Command numbers = Parse({"--latlon", "--column", "2,3", "--no-header"});
    ASSERT_EQ(numbers.action, Action::kConvert) << numbers.error;
    EXPECT_EQ(numbers.options.table->columns[1].number, 3U);
    EXPECT_FALSE(numbers.options.table->header);
}

TEST(ParseArguments, HelpAndVersion) {
    EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"TQ300800", "-h"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
    EXPECT_TRUE(cli::VersionText().starts_with("quorvane-convert 2.00\n"));
    EXPECT_NE(cli::VersionText().find("Ordnance Survey"), std::string_view::npos);
    EXPECT_TRUE(cli::UsageText().starts_with("Usage: quorvane-convert"));
}

TEST(ParseArguments, UsageErrorsAreOneLine) {
    for (const auto& arguments : std::vector<std::vector<const char*>>{{"--format"},
                                                                       {"--format", "xml"},
                                                                       {"--format="},
                                                                       {"--decimals"},
                                                                       {"--decimals", "16"},
                                                                       {"--decimals", "-1"},
                                                                       {"--decimals", "3x"},
                                                                       {"--decimals", ""},
                                                                       {"--latlon=yes"},
                                                                       {"--surveyed"},
                                                                       {"--version=2"},
                                                                       {"--nope"},
                                                                       {"-x"},
                                                                       {"--bad\noption"},
                                                                       {"--from", "gps"},
                                                                       {"--columns", "input,x"},
                                                                       {"--columns", ""},
                                                                       {"--columns", "input,"},
                                                                       {"--ngr-digits", "3"},
                                                                       {"--ngr-digits", "12"},
                                                                       {"--locator-length", "0"},
                                                                       {"--locator-length", "7"},
                                                                       {"--qrb-from", "IO91WM5"},
                                                                       {"--qrb-from", "91 0"},
                                                                       {"--qrb-from"},
                                                                       {"--columns", "qrb_km"},
                                                                       {"--columns", "input,wab,input"},
                                                                       {"--grid", "ie"},
                                                                       {"--grid"},
                                                                       {"--locator-case", "lower"},
                                                                       {"--column", "a,b,c"},
                                                                       {"--from", "locator", "--column", "a,b"},
                                                                       {"--column", "a", "--no-header"},
                                                                       {"--no-header"},
                                                                       {"--delimiter", ";"},
                                                                       {"--column", "a", "--delimiter", "ab"},
                                                                       {"--column", "1", "TQ300800"},
                                                                       {"--input", "a", "TQ300800"},
                                                                       {"--header", "--format", "json"}}) {
        const cli::Command c = Parse(arguments);
        EXPECT_EQ(c.action, Action::kUsageError) << arguments[0];
        EXPECT_FALSE(c.error.empty());
        EXPECT_EQ(c.error.find('\n'), std::string::npos) << c.error;
    }
}

}  // namespace
