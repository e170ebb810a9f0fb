#include "Options.hpp"

#include <charconv>
#include <optional>
#include <system_error>

#include "conversions/surveyed/Surveyed.hpp"

namespace cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: quorvane-convert [OPTIONS] [REF...]\n"
    "Convert Ordnance Survey National Grid references (e.g. TQ300800) to latitude,\n"
    "longitude and IARU locator: each REF, or else each line of standard input.\n"
    "\n"
    "Options:\n"
    "  --latlon              inputs are latitude and longitude pairs (\"52 -2\", \"52,-2\")\n"
    "  --surveyed            add the surveyed position (OSGB36 Helmert to WGS84) and\n"
    "                        its locator, and whether the locators differ\n"
    "  --format text|csv|json\n"
    "                        output format (default text: tab-separated)\n"
    "  --decimals N          decimals of latitude and longitude, 0 to 15 (default 6)\n"
    "  --help                print this help and exit\n"
    "  --version             print the version and exit\n"
    "\n"
    "Columns: input, code, status, latitude, longitude, locator; with --surveyed also\n"
    "surveyed_latitude, surveyed_longitude, surveyed_locator, locator_differs.\n"
    "Exit status: 0 all inputs converted, 1 some did not, 2 usage or I/O error.\n";

constexpr std::string_view kVersion = "quorvane-convert " QUORVANE_VERSION "\n";

bool IsInputLike(std::string_view argument) {
    return argument.size() >= 2 && argument[0] == '-' &&
           ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.');
}

std::optional<Format> ReadFormat(std::string_view name) {
    if (name == "text")
        return Format::kText;
    if (name == "csv")
        return Format::kCsv;
    if (name == "json")
        return Format::kJson;
    return std::nullopt;
}

std::optional<int> ReadDecimals(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < kMinDecimals ||
        value > kMaxDecimals) {
        return std::nullopt;
    }
    return value;
}

// `text` with control characters shown as "?", so that a message quoting it stays one line.
std::string Printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            c = '?';
    }
    return shown;
}

Command UsageError(std::string message) {
    Command command;
    command.action = Action::kUsageError;
    command.error = std::move(message) + " (try --help)";
    return command;
}

}  // namespace

Command ParseArguments(std::span<const char* const> arguments) {
    Command command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with('-') || argument == "-" ||
            IsInputLike(argument)) {
            command.inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value".
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return std::string_view(arguments[++i]);
            return std::nullopt;
        };

        if ((name == "--help" || name == "--version" || name == "--latlon" ||
             name == "--surveyed") &&
            value) {
            return UsageError("option " + Printable(name) + " takes no value");
        }
        if (name == "--help" || name == "-h") {
            command.action = Action::kHelp;
            return command;
        }
        if (name == "--version") {
            command.action = Action::kVersion;
            return command;
        }
        if (name == "--latlon") {
            command.options.from = From::kLatLon;
        } else if (name == "--surveyed") {
            command.options.surveyed = true;
        } else if (name == "--format") {
            const auto text = takeValue();
            if (!text)
                return UsageError("option --format needs a value: text, csv or json");
            const auto format = ReadFormat(*text);
            if (!format) {
                return UsageError("unknown format '" + Printable(*text) +
                                  "': use text, csv or json");
            }
            command.options.format = *format;
        } else if (name == "--decimals") {
            const auto text = takeValue();
            const auto decimals = text ? ReadDecimals(*text) : std::nullopt;
            if (!decimals)
                return UsageError("option --decimals needs a whole number 0 to 15");
            command.options.decimals = *decimals;
        } else {
            return UsageError("unknown option '" + Printable(argument) + "'");
        }
    }
    // The surveyed conversion starts from a grid reference's square; a latitude and longitude
    // has no square to start from.
    if (command.options.surveyed && command.options.from != From::kGridReference)
        return UsageError("--surveyed converts grid references: it cannot go with --latlon");
    if (const std::string_view why = Surveyed::WhyUnavailable();
        command.options.surveyed && !why.empty()) {
        return UsageError("--surveyed is " + std::string(why));
    }
    return command;
}

std::string_view UsageText() noexcept {
    return kUsage;
}
std::string_view VersionText() noexcept {
    return kVersion;
}

}  // namespace cli
