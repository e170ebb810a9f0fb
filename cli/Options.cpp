#include "Options.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <system_error>
#include <utility>

#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Station.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: quorvane-convert [OPTIONS] [INPUT...]\n"
    "Convert Ordnance Survey National Grid references (e.g. TQ300800) to latitude,\n"
    "longitude and IARU locator: each INPUT, or else each line of standard input.\n"
    "\n"
    "Options:\n"
    "  --from ngr|latlon|locator\n"
    "                        what the inputs are: grid references (the default),\n"
    "                        latitude and longitude pairs (\"52 -2\", \"52,-2\") or locators\n"
    "  --latlon              the same as --from latlon\n"
    "  --surveyed            add the surveyed position (OSTN15, WGS84) and its locator,\n"
    "                        and whether the locators differ\n"
    "  --columns LIST        the columns to write, comma-separated, in that order\n"
    "  --qrb-from WHERE      a locator or a latitude and longitude to measure from:\n"
    "                        adds qrb_km, distance_km and bearing\n"
    "  --ngr-digits N        digits of the ngr column: 0, 2, 4, 6, 8 or 10 (default 6)\n"
    "  --locator-length N    characters of surveyed_locator: 2, 4, 6, 8 or 10 (default 6)\n"
    "  --format text|csv|json\n"
    "                        output format (default text: tab-separated)\n"
    "  --decimals N          decimals of latitude and longitude, 0 to 15 (default 6)\n"
    "  --help                print this help and exit\n"
    "  --version             print the version and exit\n"
    "\n"
    "Columns: input, code, status, latitude, longitude, locator (the default); with\n"
    "--surveyed also surveyed_latitude, surveyed_longitude, surveyed_locator,\n"
    "locator_differs; with --qrb-from also qrb_km, distance_km, bearing. Also:\n"
    "surveyed_status, easting, northing, ngr, wab.\n"
    "Exit status: 0 all inputs converted, 1 some did not, 2 usage or I/O error.\n";

constexpr std::string_view kVersion =
    "quorvane-convert " QUORVANE_VERSION
    "\n"
    "Copyright (c) 2026 the Quorvane developers. MIT licence.\n"
    "Built in: OSTN15, (c) Copyright and database rights Ordnance Survey Limited 2016,\n"
    "(c) Crown copyright and database rights Land & Property Services 2016 and/or\n"
    "(c) Ordnance Survey Ireland, 2016. All rights reserved.\n";

bool IsInputLike(std::string_view argument) {
    return argument.size() >= 2 && argument[0] == '-' &&
           (runtime::IsDigit(argument[1]) || argument[1] == '.');
}

// The value a name stands for in `names`, or none.
template <typename Value, std::size_t N>
std::optional<Value> ReadName(std::string_view name,
                              const std::array<std::pair<std::string_view, Value>, N>& names) {
    for (const auto& [known, value] : names) {
        if (name == known)
            return value;
    }
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, Format>, 3> kFormatNames = {
    {{"text", Format::kText}, {"csv", Format::kCsv}, {"json", Format::kJson}}};
constexpr std::array<std::pair<std::string_view, From>, 3> kFromNames = {
    {{"ngr", From::kGridReference}, {"latlon", From::kLatLon}, {"locator", From::kLocator}}};

// A whole number from `min` to `max`, in steps of `step` from `min`.
std::optional<int> ReadWhole(std::string_view text, int min, int max, int step = 1) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max ||
        (value - min) % step != 0) {
        return std::nullopt;
    }
    return value;
}

const Column* FindColumn(std::string_view name) {
    const auto column = std::find_if(kColumns.begin(), kColumns.end(),
                                     [name](const Column& c) { return c.name == name; });
    return column == kColumns.end() ? nullptr : &*column;
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

// " ('VALUE')" naming a bad value, or nothing when the option had none.
std::string Quoted(const std::optional<std::string_view>& value) {
    return value ? " ('" + Printable(*value) + "')" : std::string();
}

Command UsageError(std::string message) {
    Command command;
    command.action = Action::kUsageError;
    command.error = std::move(message) + " (try --help)";
    return command;
}

// The options taken together: the way from a station needs the station, and every column
// beyond the window's answer needs the surveyed conversion. The default columns gain the way
// from a station when one is given.
Command Checked(Command command) {
    Options& options = command.options;
    const bool chosen = !options.columns.empty();
    if (!chosen && options.qrbFrom) {
        const std::span<const Column> defaults = options.Columns();
        options.columns.assign(defaults.begin(), defaults.end());
        options.columns.insert(options.columns.end(), kQrbColumns.begin(), kQrbColumns.end());
    }
    const std::string_view why = Surveyed::WhyUnavailable();
    if (options.surveyed && !why.empty())
        return UsageError("--surveyed is " + std::string(why));
    for (const Column& column : options.Columns()) {
        if (column.need == Need::kQrb && !options.qrbFrom)
            return UsageError("column " + std::string(column.name) + " needs --qrb-from");
        if (column.need != Need::kWindow && !why.empty())
            return UsageError("column " + std::string(column.name) + " is " + std::string(why));
    }
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
        Options& options = command.options;
        if (name == "--latlon") {
            options.from = From::kLatLon;
            continue;
        }
        if (name == "--surveyed") {
            options.surveyed = true;
            continue;
        }
        constexpr std::array<std::string_view, 7> kTakesValue = {
            "--format",         "--from",    "--decimals", "--ngr-digits",
            "--locator-length", "--columns", "--qrb-from"};
        if (std::find(kTakesValue.begin(), kTakesValue.end(), name) == kTakesValue.end())
            return UsageError("unknown option '" + Printable(argument) + "'");
        const auto text = takeValue();
        if (name == "--format") {
            const auto format = text ? ReadName(*text, kFormatNames) : std::nullopt;
            if (!format)
                return UsageError("option --format needs text, csv or json" + Quoted(text));
            options.format = *format;
        } else if (name == "--from") {
            const auto from = text ? ReadName(*text, kFromNames) : std::nullopt;
            if (!from)
                return UsageError("option --from needs ngr, latlon or locator" + Quoted(text));
            options.from = *from;
        } else if (name == "--decimals") {
            const auto decimals =
                text ? ReadWhole(*text, kMinDecimals, kMaxDecimals) : std::nullopt;
            if (!decimals)
                return UsageError("option --decimals needs a whole number 0 to 15" + Quoted(text));
            options.decimals = *decimals;
        } else if (name == "--ngr-digits") {
            const auto digits =
                text ? ReadWhole(*text, 0, Surveyed::kMaxReferenceDigits, 2) : std::nullopt;
            if (!digits)
                return UsageError("option --ngr-digits needs " +
                                  runtime::EvenNumbersText(0, Surveyed::kMaxReferenceDigits) +
                                  Quoted(text));
            options.ngrDigits = *digits;
        } else if (name == "--locator-length") {
            const auto length =
                text ? ReadWhole(*text, Maidenhead::kMinLength, Maidenhead::kMaxLength, 2)
                     : std::nullopt;
            if (!length)
                return UsageError(
                    "option --locator-length needs " +
                    runtime::EvenNumbersText(Maidenhead::kMinLength, Maidenhead::kMaxLength) +
                    Quoted(text));
            options.locatorLength = *length;
        } else if (name == "--columns") {
            if (!text || text->empty())
                return UsageError("option --columns needs a list of columns");
            options.columns.clear();
            // The names between commas, each one (even empty) a column.
            for (std::string_view rest = *text;;) {
                const std::size_t comma = rest.find(',');
                const std::string_view columnName = rest.substr(0, comma);
                const Column* column = FindColumn(columnName);
                if (!column)
                    return UsageError("unknown column '" + Printable(columnName) + "'");
                options.columns.push_back(*column);
                if (comma == std::string_view::npos)
                    break;
                rest.remove_prefix(comma + 1);
            }
        } else {  // --qrb-from
            if (!text)
                return UsageError("option --qrb-from needs a locator or a latitude and longitude");
            std::string why;
            options.qrbFrom = Surveyed::ReadStation(runtime::TrimBlanks(*text), why);
            if (!options.qrbFrom)
                return UsageError("option --qrb-from: " + Printable(why));
        }
    }
    return Checked(std::move(command));
}

std::string_view UsageText() noexcept {
    return kUsage;
}
std::string_view VersionText() noexcept {
    return kVersion;
}

}  // namespace cli
