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
    EXPECT_FALSE(c.options.surveyed);
    EXPECT_TRUE(c.inputs.empty());
}

TEST(ParseArguments, OptionsAndInputsInAnyOrder) {
    const cli::Command c =
        Parse({"TQ300800", "--format", "csv", "--decimals=3", "--latlon", "-33.9 18.4", "-.5,1"});
    EXPECT_EQ(c.action, Action::kConvert);
    EXPECT_EQ(c.options.format, Format::kCsv);
    EXPECT_EQ(c.options.decimals, 3);
    EXPECT_EQ(c.options.from, cli::From::kLatLon);
    EXPECT_EQ(c.inputs, (std::vector<std::string_view>{"TQ300800", "-33.9 18.4", "-.5,1"}));

    EXPECT_EQ(Parse({"--format=json"}).options.format, Format::kJson);
    EXPECT_EQ(Parse({"--format", "text"}).options.format, Format::kText);
    EXPECT_EQ(Parse({"--decimals", "0"}).options.decimals, 0);
    EXPECT_EQ(Parse({"--decimals", "15"}).options.decimals, 15);
    EXPECT_TRUE(Parse({"TQ300800", "--surveyed"}).options.surveyed);
}

TEST(ParseArguments, SurveyedOnlyForGridReferences) {
    // The surveyed conversion starts from a grid square, which a latitude and longitude lacks.
    for (const auto& arguments : std::vector<std::vector<const char*>>{
             {"--surveyed", "--latlon"}, {"--latlon", "52 -2", "--surveyed"}}) {
        const cli::Command c = Parse(arguments);
        EXPECT_EQ(c.action, Action::kUsageError);
        EXPECT_NE(c.error.find("--surveyed"), std::string::npos) << c.error;
    }
    EXPECT_EQ(Parse({"--surveyed", "--latlon", "--help"}).action, Action::kHelp);
}

TEST(ParseArguments, DoubleDashEndsTheOptions) {
    const cli::Command c = Parse({"--", "--latlon", "-x"});
    EXPECT_EQ(c.options.from, cli::From::kGridReference);
    EXPECT_EQ(c.inputs, (std::vector<std::string_view>{"--latlon", "-x"}));
}

TEST(ParseArguments, HelpAndVersion) {
    EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"TQ300800", "-h"}).action, Action::kHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
    EXPECT_EQ(cli::VersionText(), "quorvane-convert 2.00\n");
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
                                                                       {"--surveyed=no"},
                                                                       {"--version=2"},
                                                                       {"--nope"},
                                                                       {"-x"},
                                                                       {"--bad\noption"}}) {
        const cli::Command c = Parse(arguments);
        EXPECT_EQ(c.action, Action::kUsageError) << arguments[0];
        EXPECT_FALSE(c.error.empty());
        EXPECT_EQ(c.error.find('\n'), std::string::npos) << c.error;
    }
}

}  // namespace
