#include "cli/LogOptions.hpp"

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <utility>

#include "cli/OptionValues.hpp"
#include "cli/Options.hpp"
#include "conversions/Maidenhead.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

constexpr std::string_view kFooter =
    "Logs are ADIF (.adi) or EDI (REG1TEST, .edi: a file whose first line is\n"
    "[REG1TEST;...]); see man quorvane-log for the rules each command follows.\n"
    "Exit status: 0 no problem, 1 check found problems, 2 an unreadable log or a\n"
    "usage error.\n";

const std::map<std::string, Format> kMapFormats = {
    {"geojson", Format::kGeoJson}, {"gpx", Format::kGpx}, {"kml", Format::kKml}};

// What the options that take text to read set, read after the parse.
struct Texts {
    std::string station;
    std::string output;
    bool version = false;
};

void AddStation(CLI::App& command, Texts& texts) {
    command
        .add_option("--station", texts.station,
                    "the station, for records that say nothing of its\n"
                    "place: a locator, a grid reference, or a latitude\n"
                    "and longitude")
        ->type_name("WHERE");
}

// The logs: all of them, however many (the command decides how many it takes).
void AddLogs(CLI::App& command, std::vector<std::string>& logs, const std::string& what) {
    command.add_option("LOG", logs, what + " (\"-\": standard input)")
        ->required()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void AddOutput(CLI::App& command, Texts& texts) {
    command
        .add_option("--output", texts.output,
                    "write to FILE (\"-\": standard output), through a\n"
                    "temporary file that replaces it once written")
        ->type_name("FILE");
}

// The usage line of the program and of each command, then what it does.
class HelpFormat : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App* app, std::string) const override {
        const std::map<std::string, std::string_view> kUsages = {
            {"quorvane-log", "check|fill|map [OPTIONS] LOG..."},
            {"check", "check [--station WHERE] LOG..."},
            {"fill", "fill [OPTIONS] LOG [--output FILE]"},
            {"map", "map [OPTIONS] LOG [--output FILE]"}};
        return "Usage: quorvane-log " +
               std::string(app->get_parent() ? "" : "[--help|--version] ") +
               std::string(kUsages.at(app->get_name())) + "\n";
    }
};

void Describe(CLI::App& app, LogCommand& command, Texts& texts) {
    app.name("quorvane-log");
    app.description("Check, complete and map radio logs (ADIF and EDI).");
    app.formatter(std::make_shared<HelpFormat>());
    app.footer(std::string(kFooter));
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // Options start with "-" on Windows too: "/logs/a.adi" is a file, as it is on Linux.
    app.allow_windows_style_options(false);
    app.add_flag("--version", texts.version, "print the version and exit")->disable_flag_override();
    app.require_subcommand(0, 1);

    CLI::App* const check =
        app.add_subcommand("check", "print a line for each problem in each LOG, then a summary");
    AddLogs(*check, command.logs, "the logs");
    AddStation(*check, texts);

    CLI::App* const fill = app.add_subcommand(
        "fill", "write LOG again, with missing distances, locators and points added");
    AddLogs(*fill, command.logs, "the log");
    AddOutput(*fill, texts);
    AddStation(*fill, texts);
    const std::string lengths =
        runtime::EvenNumbersText(Maidenhead::kMinLength, Maidenhead::kMaxLength);
    fill->add_option("--locator-length", command.adif.locatorLength,
                     "characters of the locators added: " + lengths + "\n(default 6)")
        ->check(WholeNumber(Maidenhead::kMinLength, Maidenhead::kMaxLength, 2, lengths))
        ->type_name("N");
    fill->add_flag("--wab", command.adif.wab,
                   "add MY_SIG WAB and MY_SIG_INFO, the station's Worked\n"
                   "All Britain square")
        ->disable_flag_override();
    fill->add_flag("--correct", command.correct, "replace the fields check finds wrong, too")
        ->disable_flag_override();

    CLI::App* const map =
        app.add_subcommand("map", "write the station and each contact of LOG as a map");
    AddLogs(*map, command.logs, "the log");
    map->add_option("--format", command.mapFormat,
                    "geojson (RFC 7946, the default), gpx (GPX 1.1: the\n"
                    "points alone) or kml (KML 2.2)")
        ->transform(Named(kMapFormats, "geojson, gpx or kml"))
        ->type_name("geojson|gpx|kml");
    AddOutput(*map, texts);
    AddStation(*map, texts);
}

LogCommand UsageError(std::string message) {
    LogCommand command;
    command.action = LogAction::kUsageError;
    command.text = std::move(message) + " (try --help)";
    return command;
}

}  // namespace

LogCommand ParseLogArguments(std::span<const char* const> arguments) {
    LogCommand command;
    Texts texts;
    CLI::App app;
    Describe(app, command, texts);
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        command.action = LogAction::kHelp;
        const std::vector<CLI::App*> chosen = app.get_subcommands();
        command.text = chosen.empty() ? app.help() : chosen.front()->help();
        return command;
    } catch (const CLI::ParseError& error) {
        return UsageError(runtime::Printable(error.what()));
    }
    if (texts.version) {
        command.action = LogAction::kVersion;
        return command;
    }
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty())
        return UsageError("name a command: check, fill or map");
    const std::string& name = chosen.front()->get_name();
    command.action = name == "check"  ? LogAction::kCheck
                     : name == "fill" ? LogAction::kFill
                                      : LogAction::kMap;
    if (command.action != LogAction::kCheck && command.logs.size() > 1)
        return UsageError(name + " takes one LOG, not " + std::to_string(command.logs.size()));
    if (!texts.output.empty())
        command.output = texts.output;
    if (chosen.front()->count("--station") > 0) {
        std::string why;
        command.adif.station = Logs::ReadPlace(texts.station, why);
        if (!command.adif.station)
            return UsageError("option --station: " + runtime::Printable(why));
    }
    return command;
}

std::string LogVersionText() {
    // quorvane-convert's, under this program's name.
    const std::string_view convert = VersionText();
    return "quorvane-log" + std::string(convert.substr(convert.find(' ')));
}

}  // namespace cli
