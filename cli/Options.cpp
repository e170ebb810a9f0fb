#include "cli/Options.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <memory>
#include <system_error>
#include <utility>

#include "cli/OptionValues.hpp"
#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

constexpr std::string_view kDescription =
    "Convert Ordnance Survey National Grid references (e.g. TQ300800), latitudes and\n"
    "longitudes, or IARU locators: each INPUT, each line of the --input files, or\n"
    "else each line of standard input; with --column, each row of a table.\n";

constexpr std::string_view kFooter =
    "Two answers. The true answer, the default columns (status, latitude, longitude,\n"
    "locator), is the Ordnance Survey's OSTN15 transformation and the National\n"
    "Grid's projection: use it. --window adds the Quorvane window's answer\n"
    "(window_code, window_status, window_latitude, window_longitude, window_locator)\n"
    "and locator_differs: a spherical approximation, 153 m from the true position as\n"
    "a median and up to 523 m, whose locator differs for 4% of squares (10% in the\n"
    "far north); see docs/accuracy.md.\n"
    "\n"
    "Columns: input, status, latitude, longitude, locator, window_code,\n"
    "window_status, window_latitude, window_longitude, window_locator,\n"
    "locator_differs, grid, easting, northing, ngr, wab; with --qrb-from (which adds\n"
    "them) qrb_km, distance_km, bearing. grid is gb (the National Grid), irish (the\n"
    "island of Ireland) or utm30 (the Channel Islands), and the next four are on it;\n"
    "a position on none has the status 'on no grid'. Eastings and northings alone\n"
    "(216667 771283) can't tell Ireland from Great Britain: --grid says which grid\n"
    "they are on.\n"
    "Exit status: 0 every input has its true answer, 1 some have none, 2 a usage or\n"
    "I/O error. With the window's columns alone (and no map), the true answer is not\n"
    "worked out and the status follows the window's answer.\n";

constexpr std::string_view kVersion =
    "quorvane-convert " QUORVANE_VERSION
    "\n"
    "Copyright (c) 2026 the Quorvane developers. MIT licence.\n"
    "Built in: OSTN15, (c) Copyright and database rights Ordnance Survey Limited 2016,\n"
    "(c) Crown copyright and database rights Land & Property Services 2016 and/or\n"
    "(c) Ordnance Survey Ireland, 2016. All rights reserved.\n";

const std::map<std::string, Format> kFormatNames = {
    {"text", Format::kText},       {"csv", Format::kCsv}, {"json", Format::kJson},
    {"geojson", Format::kGeoJson}, {"gpx", Format::kGpx}, {"kml", Format::kKml}};
const std::map<std::string, From> kFromNames = {
    {"ngr", From::kGridReference}, {"latlon", From::kLatLon}, {"locator", From::kLocator}};
const std::map<std::string, Surveyed::Grid> kGridNames = [] {
    std::map<std::string, Surveyed::Grid> names;
    for (const Surveyed::Grid grid :
         {Surveyed::Grid::kGreatBritain, Surveyed::Grid::kIrish, Surveyed::Grid::kUtm30})
        names.emplace(Surveyed::GridName(grid), grid);
    return names;
}();
const std::map<std::string, Maidenhead::LetterCase> kLocatorCaseNames = {
    {"upper", Maidenhead::LetterCase::kUpper}, {"lower-last", Maidenhead::LetterCase::kLowerLast}};
const std::map<std::string, Encoding> kEncodingNames = {{"utf-8", Encoding::kUtf8},
                                                        {"windows-1252", Encoding::kWindows1252},
                                                        {"utf-16", Encoding::kUtf16Le}};
// Delimiters named in words, beside any one character.
const std::map<std::string, char> kDelimiterNames = {{"tab", '\t'}, {"\\t", '\t'}};

// An argument that is an input although it starts with "-": "-" (standard input, for
// --input), or a negative number ("-33.9 18.4", "-.5,1").
bool IsInputLike(std::string_view argument) {
    return argument == "-" || (argument.size() >= 2 && argument[0] == '-' &&
                               (runtime::IsDigit(argument[1]) || argument[1] == '.'));
}

const Column* FindColumn(std::string_view name) {
    const auto column = std::find_if(kColumns.begin(), kColumns.end(),
                                     [name](const Column& c) { return c.name == name; });
    return column == kColumns.end() ? nullptr : &*column;
}

// The names between commas, each one (even empty) a part.
std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        text.remove_prefix(comma + 1);
    }
}

// What the options that take text to read set, read after the parse.
struct Texts {
    std::string columns;
    std::string qrbFrom;
    std::string column;
    std::string delimiter;
    std::string output;
    int skipLines = 0;
    Encoding encoding = Encoding::kUtf8;
    bool columnsGiven = false;
    bool encodingGiven = false;
    bool qrbFromGiven = false;
    bool latlon = false;
    bool window = false;
    bool noHeader = false;
    bool surveyed = false;
    bool version = false;
};

// The help's layout: the usage line first, then what the program does; the options' own
// descriptions wrapped by hand to 80 columns (kHelpColumn, then 52 more).
constexpr std::size_t kHelpColumn = 28;
class HelpFormat : public CLI::Formatter {
  public:
    HelpFormat() { column_width(kHelpColumn); }
    std::string make_description(const CLI::App*) const override { return {}; }
    std::string make_usage(const CLI::App*, std::string) const override {
        return "Usage: quorvane-convert [OPTIONS] [INPUT...]\n" + std::string(kDescription);
    }
    std::string make_footer(const CLI::App* app) const override { return app->get_footer(); }
};

// The options, bound to `command` and `texts`.
void Describe(CLI::App& app, Command& command, Texts& texts) {
    Options& options = command.options;
    app.name("quorvane-convert");
    app.formatter(std::make_shared<HelpFormat>());
    app.footer(std::string(kFooter));
    app.allow_extras();
    // An option given twice takes the last value, as the user corrected it.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // Options start with "-" on Windows too: "/logs/a.adi" is a file, as it is on Linux.
    app.allow_windows_style_options(false);
    app.add_option("--from", options.from,
                   "what the inputs are: grid references (the default),\n"
                   "latitudes and longitudes in any common form, or\n"
                   "locators")
        ->transform(Named(kFromNames, "ngr, latlon or locator"))
        ->type_name("ngr|latlon|locator");
    CLI::Option* const from = app.get_option("--from");
    app.add_flag("--latlon", texts.latlon, "the same as --from latlon")
        ->disable_flag_override()
        ->excludes(from);
    app.add_flag("--window", texts.window,
                 "add the window's answer after the true one:\n"
                 "window_code ... window_locator, locator_differs")
        ->disable_flag_override();
    app.add_option("--columns", texts.columns, "the columns to write, comma-separated, in order")
        ->type_name("LIST");
    app.add_option("--qrb-from", texts.qrbFrom,
                   "the station to measure from: a locator, a grid\n"
                   "reference or a latitude and longitude; adds\n"
                   "qrb_km, distance_km and bearing")
        ->type_name("WHERE");
    app.add_option("--grid", options.grid,
                   "the grid of eastings and northings written without\n"
                   "a square's letters, which can't tell Ireland from\n"
                   "Great Britain: gb (the default), irish or utm30")
        ->transform(Named(kGridNames, "gb, irish or utm30"))
        ->type_name("gb|irish|utm30");
    app.add_option("--ngr-digits", options.ngrDigits,
                   "digits of the ngr column: " +
                       runtime::EvenNumbersText(0, Surveyed::kMaxReferenceDigits) + "\n(default 6)")
        ->check(WholeNumber(0, Surveyed::kMaxReferenceDigits, 2,
                            runtime::EvenNumbersText(0, Surveyed::kMaxReferenceDigits)))
        ->type_name("N");
    app.add_option("--locator-length", options.locatorLength,
                   "characters of the locator column: " +
                       runtime::EvenNumbersText(Maidenhead::kMinLength, Maidenhead::kMaxLength) +
                       "\n(default 6)")
        ->check(
            WholeNumber(Maidenhead::kMinLength, Maidenhead::kMaxLength, 2,
                        runtime::EvenNumbersText(Maidenhead::kMinLength, Maidenhead::kMaxLength)))
        ->type_name("N");
    app.add_option("--locator-case", options.locatorCase,
                   "the locator column's letters: upper (the default:\n"
                   "IO91WM48KK) or lower-last (IO91wm48kk)")
        ->transform(Named(kLocatorCaseNames, "upper or lower-last"))
        ->type_name("upper|lower-last");
    app.add_option("--format", options.format,
                   "output format (default text: tab-separated, or a\n"
                   "table as it came); geojson, gpx and kml are maps:\n"
                   "a point for each input with its true answer")
        ->transform(Named(kFormatNames, "text, csv, json, geojson, gpx or kml"))
        ->type_name("text|csv|json|geojson|gpx|kml");
    const std::string decimals =
        std::to_string(kMinDecimals) + " to " + std::to_string(kMaxDecimals);
    app.add_option("--decimals", options.decimals,
                   "decimals of latitudes and longitudes, " + decimals + "\n(default 6)")
        ->check(WholeNumber(kMinDecimals, kMaxDecimals, 1, "a whole number " + decimals))
        ->type_name("N");
    app.add_flag("--header", options.header, "start the text format with a header line")
        ->disable_flag_override();
    app.add_option("--input", command.files,
                   "read FILE (\"-\": standard input); may be repeated,\n"
                   "the files read in order")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->type_name("FILE");
    app.add_option("--output", texts.output,
                   "write to FILE, through a temporary file beside it\n"
                   "that replaces it once the run has succeeded")
        ->type_name("FILE");
    app.add_option("--column", texts.column,
                   "read the inputs as tables, from this column: its\n"
                   "name in the header, or its number from 1;\n"
                   "LAT,LON names two for --from latlon, and\n"
                   "EASTING,NORTHING two for grid references")
        ->type_name("NAME|N");
    app.add_flag("--no-header", texts.noHeader,
                 "the tables have no header line (--column then\n"
                 "takes numbers)")
        ->disable_flag_override();
    app.add_option("--delimiter", texts.delimiter,
                   "the tables' delimiter: one character, or \"tab\"\n"
                   "(default: found from the header among tab,\n"
                   "semicolon and comma)")
        ->type_name("C");
    app.add_option("--skip-lines", texts.skipLines,
                   "skip N lines before each table's header (a title),\n"
                   "writing them back as they are")
        ->check(WholeNumber(0, std::numeric_limits<int>::max(), 1, "a whole number of lines"))
        ->type_name("N");
    app.add_option("--encoding", texts.encoding,
                   "the inputs' encoding, where they have no byte order\n"
                   "mark (default: UTF-8, or else Windows-1252, as\n"
                   "their bytes show; utf-16 is little-endian)")
        ->transform(Named(kEncodingNames, "utf-8, windows-1252 or utf-16"))
        ->type_name("utf-8|windows-1252|utf-16");
    app.add_flag("--version", texts.version, "print the version and exit")->disable_flag_override();
    // Gone: the true answer is the default now. Named so as to say so.
    app.add_flag("--surveyed", texts.surveyed)->group("")->disable_flag_override();
}

Command UsageError(std::string message) {
    Command command;
    command.action = Action::kUsageError;
    command.error = std::move(message) + " (try --help)";
    return command;
}

// A --column reference: a number from 1, or else a name.
TableColumn ReadTableColumn(std::string_view text) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc{} && end == text.data() + text.size() && number > 0)
        return {std::string(text), number};
    return {std::string(text), 0};
}

// The options taken together, and the texts read: the columns, the station, the table.
Command Checked(Command command, const Texts& texts) {
    Options& options = command.options;
    if (texts.surveyed) {
        return UsageError(
            "--surveyed is gone: the surveyed (true) answer is the default now, and --window "
            "adds the window's");
    }
    if (texts.latlon)
        options.from = From::kLatLon;
    if (texts.encodingGiven)
        options.encoding = texts.encoding;
    // "-" is standard output, as it is for quorvane-log.
    if (!texts.output.empty() && texts.output != "-")
        command.output = texts.output;
    if (!command.inputs.empty() && !command.files.empty())
        return UsageError("give the inputs as arguments or with --input, not both");

    if (texts.qrbFromGiven) {
        std::string why;
        options.qrbFrom = Surveyed::ReadStation(texts.qrbFrom, why, options.grid);
        if (!options.qrbFrom)
            return UsageError("option --qrb-from: " + runtime::Printable(why));
    }

    if (texts.columnsGiven) {
        for (const std::string_view name : SplitAtCommas(texts.columns)) {
            const Column* column = FindColumn(name);
            if (!column)
                return UsageError("unknown column '" + runtime::Printable(name) + "'");
            if (std::any_of(options.columns.begin(), options.columns.end(),
                            [&](const Column& c) { return c.name == name; })) {
                return UsageError("column '" + std::string(name) + "' is named twice");
            }
            options.columns.push_back(*column);
        }
    } else {
        // The defaults: the input (unless the table holds it), the true answer, the window's
        // answer with --window, the way from the station when there is one.
        const bool table = !texts.column.empty();
        options.columns.assign(kTrueColumns.begin() + (table ? 1 : 0), kTrueColumns.end());
        if (texts.window)
            options.columns.insert(options.columns.end(), kWindowColumns.begin(),
                                   kWindowColumns.end());
        if (options.qrbFrom)
            options.columns.insert(options.columns.end(), kQrbColumns.begin(), kQrbColumns.end());
    }
    for (const Column& column : options.columns) {
        if (column.need == Need::kQrb && !options.qrbFrom)
            return UsageError("column " + std::string(column.name) + " needs --qrb-from");
    }
    if (options.header && !KeepsInputText(options.format))
        return UsageError(
            "--header is for the text format (CSV always has one, JSON and maps none)");

    if (texts.column.empty()) {
        const char* const tableOption = texts.noHeader             ? "--no-header"
                                        : !texts.delimiter.empty() ? "--delimiter"
                                        : texts.skipLines > 0      ? "--skip-lines"
                                                                   : nullptr;
        if (tableOption)
            return UsageError(std::string(tableOption) + " is for tables: it needs --column");
        return command;
    }
    if (!command.inputs.empty())
        return UsageError("--column reads tables from files or standard input, not arguments");
    TableOptions& table = options.table.emplace();
    table.header = !texts.noHeader;
    table.skipLines = static_cast<std::size_t>(texts.skipLines);
    for (const std::string_view part : SplitAtCommas(texts.column))
        table.columns.push_back(ReadTableColumn(part));
    // Latitudes and longitudes, and eastings and northings, may stand in two columns.
    const bool pairs = options.from != From::kLocator;
    if (table.columns.size() > (pairs ? 2U : 1U)) {
        return UsageError("--column '" + runtime::Printable(texts.column) + "' names " +
                          std::to_string(table.columns.size()) +
                          " columns: " + (pairs ? "one or two" : "one") + " expected");
    }
    for (const TableColumn& column : table.columns) {
        if (column.number == 0 && !table.header) {
            return UsageError("--column '" + runtime::Printable(column.name) +
                              "': without a header, columns are numbered from 1");
        }
    }
    if (!texts.delimiter.empty()) {
        const auto named = kDelimiterNames.find(texts.delimiter);
        const char delimiter = named != kDelimiterNames.end() ? named->second
                               : texts.delimiter.size() == 1  ? texts.delimiter.front()
                                                              : '"';
        if (delimiter == '"' || delimiter == '\r' || delimiter == '\n') {
            return UsageError(
                "--delimiter needs one character other than a double quote or a "
                "line end, or \"tab\" ('" +
                runtime::Printable(texts.delimiter) + "')");
        }
        table.delimiter = delimiter;
    }
    return command;
}

}  // namespace

Command ParseArguments(std::span<const char* const> arguments) {
    Command command;
    Texts texts;
    CLI::App app;
    Describe(app, command, texts);
    // Everything after "--" is an input; CLI11 reads what comes before, in reverse order.
    const auto end = std::find(arguments.begin(), arguments.end(), std::string_view("--"));
    std::vector<std::string> reversed(std::make_reverse_iterator(end),
                                      std::make_reverse_iterator(arguments.begin()));
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        command.action = Action::kHelp;
        return command;
    } catch (const CLI::ParseError& error) {
        // CLI11 names a flag given a value without its dashes.
        const std::string_view what = error.what();
        constexpr std::string_view kFlagValue = " was given a disallowed flag override";
        if (what.ends_with(kFlagValue)) {
            return UsageError("option --" +
                              runtime::Printable(what.substr(0, what.size() - kFlagValue.size())) +
                              " takes no value");
        }
        return UsageError(runtime::Printable(what));
    }
    if (texts.version) {
        command.action = Action::kVersion;
        return command;
    }
    texts.columnsGiven = app.count("--columns") > 0;
    texts.qrbFromGiven = app.count("--qrb-from") > 0;
    texts.encodingGiven = app.count("--encoding") > 0;
    // What CLI11 took for no option of its own, in order: the inputs, and unknown options.
    for (std::string& argument : app.remaining()) {
        if (argument.starts_with('-') && !IsInputLike(argument))
            return UsageError("unknown option '" + runtime::Printable(argument) + "'");
        command.inputs.push_back(std::move(argument));
    }
    if (end != arguments.end())
        command.inputs.insert(command.inputs.end(), end + 1, arguments.end());
    return Checked(std::move(command), texts);
}

std::string UsageText() {
    Command command;
    Texts texts;
    CLI::App app;
    Describe(app, command, texts);
    // CLI11 leaves two blank lines before the footer.
    std::string help = app.help();
    if (const std::size_t blanks = help.find("\n\n\n"); blanks != std::string::npos)
        help.erase(blanks, 1);
    return help;
}

std::string_view VersionText() noexcept {
    return kVersion;
}

}  // namespace cli
