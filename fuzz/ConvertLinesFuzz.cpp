// quorvane-convert's line handling on arbitrary bytes, read as lines, for each kind of input
// (grid references, latitude and longitude pairs, locators), written in every format.
//
// Each line is answered once and its answer written in the three formats. Each output line is
// exactly one line (JSON valid UTF-8) and reads back under the format's own rules into one
// cell per column; the three formats show the same cells, text and CSV each byte as it was,
// JSON each malformed byte as U+FFFD.
//
// With the input and the window's five columns: the input cell is the line after the
// documented trimming; the cells agree with the
// conversions (a locator converts exactly when it has a locator's pattern); and a line reports
// the window's answer exactly when it has one (the true answer is not worked out).
//
// With every column and a --qrb-from station: the same of the first six cells, which are the
// window's columns; the status is one the input's kind can have; each further cell is given
// exactly when what it shows exists, as a number with its own decimals in its range, or a
// locator or grid reference of the chosen length; the grid reference, of whichever grid (two
// letters, one, or WA and WV), reads back to the square that holds the easting and northing,
// and the Worked All Britain square is its 10 km square; and the locators agree with
// locator_differs. (The values themselves are the unit tests' to check.)
//
// The input's first six bytes choose the settings, each read as a digit (its distance from
// '0', modulo the number of choices, so that any byte chooses one): the kind (as kKinds), the
// columns (the window's, or every one), the decimals, the ngr column's digits (0 to 10 as 0
// to 5), the locator column's length (2 to 10 as 0 to 4) and the station (as kStations); the
// lines follow them. So every setting is tried, a finding replays, and a seed spells its
// settings: "106000" starts latitude and longitude pairs with the window's columns and six
// decimals.
//
// (That the streaming driver writes the lines' outputs in order, and reports success exactly
// when every line converts, is ConvertStream.GivesWhatEachLineGivesAlone's, in cli/tests.)

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/LineConversion.hpp"
#include "cli/Options.hpp"
#include "cli/Record.hpp"
#include "cli/RecordWriter.hpp"
#include "conversions/Maidenhead.hpp"
#include "conversions/Module1.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Station.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "fuzz/Property.hpp"
#include "fuzz/RecordReaders.hpp"
#include "fuzz/Utf8Oracle.hpp"

namespace {

using fuzz::Cell;
using fuzz::Cells;
using fuzz::Require;

constexpr std::array<cli::Format, 3> kFormats = {cli::Format::kText, cli::Format::kCsv,
                                                 cli::Format::kJson};
// The kinds of input, as --from names them.
constexpr std::array<cli::From, 3> kKinds = {cli::From::kGridReference, cli::From::kLatLon,
                                             cli::From::kLocator};
// Every column, as the manual names them, in the order the runs ask for them: the input and
// the window's answer first, then the true answer and the rest.
constexpr auto kColumnNames = std::to_array<std::string_view>(
    {"input", "window_code", "window_status", "window_latitude", "window_longitude",
     "window_locator", "latitude", "longitude", "locator", "locator_differs", "status", "grid",
     "easting", "northing", "ngr", "wab", "qrb_km", "distance_km", "bearing"});
enum Column : std::size_t {
    kInput,
    kCode,
    kStatus,
    kLatitude,
    kLongitude,
    kLocator,
    kTrueLatitude,
    kTrueLongitude,
    kTrueLocator,
    kLocatorDiffers,
    kTrueStatus,
    kGrid,
    kEasting,
    kNorthing,
    kNgr,
    kWab,
    kQrbKm,
    kDistanceKm,
    kBearing
};
constexpr std::size_t kWindowColumns = 6;
// The columns that hold numbers: in JSON a number or null, never a string.
constexpr std::array<Column, 10> kNumberColumns = {
    kCode,    kLatitude, kLongitude, kTrueLatitude, kTrueLongitude,
    kEasting, kNorthing, kQrbKm,     kDistanceKm,   kBearing};
using Module1::kMaxLatitude;
using Module1::kMaxLongitude;
// Stations distances are measured from: in Great Britain as a locator and as a latitude and
// longitude, and at the south-west and north-east ends of the locator grid.
constexpr std::array<std::string_view, 4> kStations = {"IO91WM", "52 -2", "AA00AA", "RR99XX99XX"};
// The longest geodesic on WGS84, from pole to pole: 20 003.93 km.
constexpr double kLongestPathKm = 20'004;
// The most contest points: half the contest rules' great circle (180 degrees at 111.2 km),
// plus 1.
constexpr double kMostContestPoints = 180 * 111.2 + 1;
// The side of every grid's lettered squares, in metres.
constexpr double kHundredKilometres = 100'000;

// What the README promises of each input: one trailing carriage return, then the blanks
// around it, are removed.
std::string_view Trimmed(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return fuzz::TrimBlanks(line);
}

// The lines of `text` as the program sees them: ended by line feeds, the last one also
// without; no lines in an empty text.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// `value` with `decimals` decimals as std::to_chars writes it, the program's promise.
std::string Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return {buffer.data(), end};
}

// Whether `text` is a locator: 2, 4, 6, 8 or 10 characters, in pairs of field letters A to
// R, square digits, subsquare letters A to X, digits and letters A to X.
bool IsLocatorPattern(std::string_view text) {
    constexpr std::array<std::string_view, 5> kPairs = {"AR", "09", "AX", "09", "AX"};
    if (text.empty() || text.size() % 2 != 0 || text.size() > 2 * kPairs.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view range = kPairs[i / 2];
        if (text[i] < range[0] || text[i] > range[1]) {
            return false;
        }
    }
    return true;
}

bool IsLocator(std::string_view text) {
    return text.size() == 6 && IsLocatorPattern(text);
}

// `text` with its ASCII letters in upper case.
std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// The value of a number's text, or NaN when the text is not one number.
double ValueOf(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : std::nan("");
}

// Whether `cell` shows the number `text` writes: in text and CSV that very text, in JSON a
// number of its value (the JSON reader keeps values, not texts).
bool ShowsNumber(const Cell& cell, std::string_view text) {
    if (cell.kind == Cell::Kind::kNumber) {
        return cell.number == ValueOf(text);
    }
    return cell.text == text;
}

// Whether `text` is a number as the program writes one with `decimals` decimals (a whole
// number without a point for none), from `least` to `most`, without a minus sign when
// `least` is not negative.
bool IsWrittenNumber(std::string_view text, int decimals, double least, double most) {
    const double value = ValueOf(text);
    if (!(value >= least && value <= most)) {
        return false;
    }
    const std::size_t point = text.find('.');
    const std::size_t shown = point == std::string_view::npos ? 0 : text.size() - point - 1;
    return shown == static_cast<std::size_t>(decimals) &&
           (decimals == 0) == (point == std::string_view::npos) &&
           text.find_first_not_of("-.0123456789") == std::string_view::npos &&
           !(least >= 0 && text.starts_with('-'));
}

// Reads an output line of `columns` columns in its format; stops when it breaks the format's
// rules.
Cells ReadRecord(std::string_view out, cli::Format format, std::size_t columns,
                 std::string_view line) {
    std::optional<Cells> cells;
    switch (format) {
        case cli::Format::kText:
            cells = fuzz::ReadTextRecord(out);
            Require(cells.has_value(), "a text line reads back as tab-separated fields", line);
            break;
        case cli::Format::kCsv:
            cells = fuzz::ReadCsvRecord(out);
            Require(cells.has_value(), "a CSV line is one RFC 4180 record", line);
            break;
        case cli::Format::kJson: {
            auto members = fuzz::ReadJsonRecord(out);
            Require(members.has_value(), "a JSON line is one valid JSON object", line);
            Require(members->size() == columns, "a JSON object has a member per column", line);
            cells.emplace();
            for (auto& [key, cell] : *members) {
                Require(key == kColumnNames[cells->size()],
                        "JSON keys are the column names, in order", line);
                cells->push_back(std::move(cell));
            }
            break;
        }
        case cli::Format::kGeoJson:
        case cli::Format::kGpx:
        case cli::Format::kKml:
            Require(false, "a line is written in a line format, not a map's", line);
            break;
    }
    Require(cells->size() == columns, "a record has one cell per column", line);
    return *cells;
}

// What every output line promises, whatever its columns: it is exactly one line, valid UTF-8
// in JSON, and reads back in its format into one cell per column.
Cells ReadOutput(std::string_view line, cli::Format format, std::size_t columns,
                 std::string_view out) {
    Require(!out.empty() && out.find('\n') == out.size() - 1,
            "one input line gives exactly one output line", line);
    Require(format != cli::Format::kJson || fuzz::IsValidUtf8(out), "JSON is valid UTF-8", line);
    return ReadRecord(out, format, columns, line);
}

// In JSON the empty cells are null, the numbers numbers, the texts strings.
void CheckJsonKinds(const Cells& cells, std::string_view line) {
    using Kind = Cell::Kind;
    Require(cells[kInput].kind == Kind::kString && cells[kStatus].kind == Kind::kString,
            "input and status are JSON strings", line);
    Require(cells[kCode].kind == Kind::kNumber, "the code is a JSON number", line);
    const bool ok = cells[kCode].number == 0;
    const Kind number = ok ? Kind::kNumber : Kind::kNull;
    const Kind locator = ok ? Kind::kString : Kind::kNull;
    Require(cells[kLatitude].kind == number && cells[kLongitude].kind == number &&
                cells[kLocator].kind == locator,
            "the position is given exactly when the line converted, null otherwise", line);
    for (std::size_t c = kWindowColumns; c < cells.size(); ++c) {
        const bool holdsNumbers =
            std::find(kNumberColumns.begin(), kNumberColumns.end(), c) != kNumberColumns.end();
        const Kind kind = cells[c].kind;
        Require(
            kind == Kind::kNull || (holdsNumbers ? kind == Kind::kNumber
                                                 : kind == Kind::kString && !cells[c].text.empty()),
            "in JSON a cell is null, a number or a text that is not empty, as its column "
            "holds",
            line);
    }
}

// The cells of one line as the text, CSV and JSON formats show them.
using ByFormat = std::array<Cells, kFormats.size()>;

// The three formats show the same cells: CSV the very texts, JSON the texts (malformed bytes
// as U+FFFD) or numbers of the values shown.
void CheckSameCells(const ByFormat& cells, std::string_view line) {
    for (std::size_t c = 0; c < cells[0].size(); ++c) {
        const std::string& shown = cells[0][c].text;
        Require(cells[1][c].text == shown && ShowsNumber(cells[2][c], fuzz::Repaired(shown)),
                "the three formats show the same cells", line);
    }
}

// Checks the window's columns, the first six, of one line (its cells as text and CSV show
// them); `answered` is whether the line has the answer the run asks for: the window's when
// these are all its columns, else the true one.
void CheckWindowColumns(const Cells& cells, const cli::Options& options, bool answered,
                        std::string_view line) {
    const auto at = [&cells](Column c) -> std::string_view { return cells[c].text; };
    const std::string_view input = Trimmed(line);
    Require(cells[kInput].text == input, "the input cell is the trimmed line", line);

    const std::string& code = cells[kCode].text;
    Require(code.size() == 1 && code[0] >= '0' &&
                static_cast<std::size_t>(code[0] - '0') < cli::kWindowStatusTexts.size(),
            "the code is one of the result codes", line);
    const auto codeValue = static_cast<std::size_t>(code[0] - '0');
    Require(cells[kStatus].text == cli::kWindowStatusTexts[codeValue], "the status names the code",
            line);
    const bool ok = codeValue == 0;
    // The true answer: a grid reference's by OSTN15, any other input's its window answer.
    const bool trueAnswer = options.from == cli::From::kGridReference
                                ? Surveyed::FromText(input).status == Surveyed::Status::kOk
                                : ok;
    const bool windowAlone = options.columns.size() == kWindowColumns;
    Require((windowAlone ? ok : trueAnswer) == answered,
            "the line reports the answer asked for exactly when it has it", line);
    if (!ok) {
        Require(cells[kLatitude].text.empty() && cells[kLongitude].text.empty() &&
                    cells[kLocator].text.empty(),
                "a line that did not convert shows no position", line);
    }

    if (options.from == cli::From::kLatLon) {
        Require(codeValue == 0 || codeValue == cli::kBadNumber,
                "a latitude and longitude line is ok or a bad number", line);
        if (ok) {
            Require(IsWrittenNumber(at(kLatitude), options.decimals, -kMaxLatitude, kMaxLatitude) &&
                        IsWrittenNumber(at(kLongitude), options.decimals, -kMaxLongitude,
                                        kMaxLongitude),
                    "a converted pair shows two numbers in range with the chosen decimals", line);
            Require(IsLocator(cells[kLocator].text), "a converted pair has a locator", line);
        }
    } else if (options.from == cli::From::kLocator) {
        const std::string upper = UpperCase(input);
        Require(ok == IsLocatorPattern(upper),
                "a line converts exactly when it is a locator, in either case", line);
        Require(ok || codeValue == static_cast<std::size_t>(cli::kBadLocator),
                "a line that is not a locator is a bad locator", line);
        if (ok) {
            Require(cells[kLocator].text == upper,
                    "a locator's locator cell is the trimmed line in upper case", line);
            Require(IsWrittenNumber(at(kLatitude), options.decimals, -kMaxLatitude, kMaxLatitude) &&
                        IsWrittenNumber(at(kLongitude), options.decimals, -kMaxLongitude,
                                        kMaxLongitude),
                    "a locator shows its centre, two numbers in range with the chosen decimals",
                    line);
        }
    } else {
        double latitude = 0;
        double longitude = 0;
        std::int16_t result = -1;
        Module1::ConvertNGR(input, latitude, longitude, result);
        Require(codeValue == static_cast<std::size_t>(result),
                "the code is the grid reference conversion's", line);
        if (ok) {
            std::string locator;
            Module1::CalcLocator(latitude, longitude, locator);
            Require(at(kLatitude) == Fixed(latitude, options.decimals) &&
                        at(kLongitude) == Fixed(longitude, options.decimals),
                    "latitude and longitude are the conversion's, with the chosen decimals", line);
            Require(cells[kLocator].text == locator, "the locator is the conversion's", line);
        }
    }
}

// Checks the columns after the window's of one line (its cells as text and CSV show them).
void CheckTrueColumns(const Cells& cells, const cli::Options& options, bool answered,
                      std::string_view line) {
    const auto at = [&cells](Column c) -> std::string_view { return cells[c].text; };
    // Whether the first of `columns` is given, the others being given with it.
    const auto given = [&cells, line](std::initializer_list<Column> columns) {
        const bool first = !cells[*columns.begin()].text.empty();
        for (const Column c : columns) {
            Require(cells[c].text.empty() != first, "cells of one answer are given together", line);
        }
        return first;
    };
    const bool converted = at(kCode) == "0";
    const bool gridReference = options.from == cli::From::kGridReference;

    const std::string_view status = at(kTrueStatus);
    // A position on none of the grids keeps its true answer, and says it has no grid.
    const bool onNoGrid = status == "on no grid";
    const bool trueAnswer = status == "ok" || onNoGrid;
    Require(answered == trueAnswer,
            "the line reports its true answer exactly when its status is ok or on no grid", line);
    if (gridReference) {
        Require(trueAnswer || status == "outside the grid" ||
                    status.starts_with("bad grid reference: "),
                "a grid reference's status is ok, outside the grid, or why it is no reference",
                line);
    } else {
        const std::string_view bad =
            options.from == cli::From::kLatLon ? "bad position: " : "bad locator: ";
        Require(converted ? trueAnswer : status.starts_with(bad) && status.size() > bad.size(),
                "a position or locator is ok, or its status says why it is none", line);
    }
    Require(!(gridReference && onNoGrid), "a grid reference is on its grid", line);
    const bool onGrid = given({kGrid, kEasting, kNorthing});
    Require(onGrid != onNoGrid || !trueAnswer,
            "a position with its true answer is on a grid, or its status says it is on none", line);
    Require(!gridReference || onGrid == trueAnswer,
            "a grid reference with its true answer has its place on the grid", line);

    // The input's WGS84 position: a grid reference's when OSTN15 answered, a latitude and
    // longitude or a locator's centre whenever the input is one.
    const bool position =
        given({kTrueLatitude, kTrueLongitude, kTrueLocator, kQrbKm, kDistanceKm, kBearing});
    Require(position == trueAnswer, "the true position is given exactly when the status is ok",
            line);
    Require(position == (gridReference ? trueAnswer : converted),
            "a latitude and longitude or a locator has a position exactly when the window does",
            line);
    Require(!at(kLocatorDiffers).empty() == (position && converted),
            "locator_differs is given exactly when both locators are", line);
    Require(!onGrid || trueAnswer, "a place on the grid comes with the true answer", line);
    Require(!given({kNgr, kWab}) || onGrid, "a grid reference is given only on the grid", line);

    if (position) {
        Require(IsWrittenNumber(at(kTrueLatitude), options.decimals, -kMaxLatitude, kMaxLatitude) &&
                    IsWrittenNumber(at(kTrueLongitude), options.decimals, -kMaxLongitude,
                                    kMaxLongitude),
                "the true position is two numbers in range with the chosen decimals", line);
        Require(gridReference ||
                    (at(kTrueLatitude) == at(kLatitude) && at(kTrueLongitude) == at(kLongitude)),
                "a latitude and longitude or a locator is its own true position", line);
        const std::string_view locator = at(kTrueLocator);
        Require(locator.size() == static_cast<std::size_t>(options.locatorLength) &&
                    IsLocatorPattern(locator),
                "the true locator is a locator of the chosen length", line);

        Require(IsWrittenNumber(at(kBearing), 1, 0, 359.9), "the bearing is 0.0 to 359.9", line);
        Require(IsWrittenNumber(at(kDistanceKm), 3, 0, kLongestPathKm),
                "the distance is kilometres with three decimals, at most half a meridian", line);
        Require(IsWrittenNumber(at(kQrbKm), 0, 1, kMostContestPoints),
                "the contest points are a whole number from 1", line);
    }
    if (position && converted) {
        // locator_differs compares the window's locator with the true position's
        // six-character locator, to the length of the shorter; the locator column shows as
        // much of that locator as its length allows.
        const std::string_view window = at(kLocator);
        const std::string_view differs = at(kLocatorDiffers);
        Require(differs == "yes" || differs == "no", "locator_differs is yes or no", line);
        const std::size_t compared = std::min<std::size_t>(window.size(), 6);
        const std::size_t seen = std::min(compared, at(kTrueLocator).size());
        const bool differ = window.substr(0, seen) != at(kTrueLocator).substr(0, seen);
        Require((!differ || differs == "yes") && (seen < compared || differ == (differs == "yes")),
                "locator_differs says whether the locators differ", line);
        Require(gridReference || differs == "no",
                "a latitude and longitude or a locator has its own locator", line);
    }
    if (onGrid) {
        const std::string_view grid = at(kGrid);
        Require(grid == "gb" || grid == "irish" || grid == "utm30", "the grid is one of three",
                line);
        for (const Column c : {kEasting, kNorthing}) {
            Require(IsWrittenNumber(at(c), 3, -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::infinity()),
                    "easting and northing are metres with three decimals", line);
        }
        // Off the lettered squares (a little of OSTN15's grid lies south of the false origin)
        // there is no grid reference; on them, the ngr column's digits are the chosen ones, it
        // reads back to the square that holds the easting and northing, and the Worked All
        // Britain square is its 10 km square.
        const std::string_view ngr = at(kNgr);
        const std::string_view wab = at(kWab);
        if (!ngr.empty()) {
            const Surveyed::GridReading back = Surveyed::ReadGridPosition(ngr);
            Require(back.fault == Surveyed::ReadingFault::kNone &&
                        Surveyed::GridName(back.grid) == grid,
                    "ngr reads back to a reference on the grid the grid column names", line);
            const std::size_t letters = ngr.size() - static_cast<std::size_t>(options.ngrDigits);
            Require((letters == 1 || letters == 2) && wab.size() == letters + 2 &&
                        wab.substr(0, letters) == ngr.substr(0, letters),
                    "ngr has the chosen digits, and wab is its 10 km square", line);
            const double half = kHundredKilometres / 2 / std::pow(10, options.ngrDigits / 2);
            Require(std::abs(back.position.easting - ValueOf(at(kEasting))) <= half &&
                        std::abs(back.position.northing - ValueOf(at(kNorthing))) <= half,
                    "ngr names the square that holds the easting and northing", line);
        }
    }
}

// The first `count` columns of kColumnNames.
std::vector<cli::Column> Columns(std::size_t count) {
    std::vector<cli::Column> columns;
    for (const std::string_view name : std::span(kColumnNames).first(count)) {
        const auto* column = std::find_if(cli::kColumns.begin(), cli::kColumns.end(),
                                          [name](const cli::Column& c) { return c.name == name; });
        Require(column != cli::kColumns.end(), "every column name is the program's", name);
        columns.push_back(*column);
    }
    return columns;
}

// The station read from each of kStations.
const Surveyed::Station& Station(std::size_t index) {
    static const std::array<Surveyed::Station, kStations.size()> stations = [] {
        std::array<Surveyed::Station, kStations.size()> read;
        for (std::size_t i = 0; i < kStations.size(); ++i) {
            std::string error;
            const auto station = Surveyed::ReadStation(kStations[i], error);
            Require(station.has_value(), "a station reads", error);
            read[i] = *station;
        }
        return read;
    }();
    return stations[index];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text = fuzz::AsText(data, size);
    // The next of `choices` settings, read from the next byte (see the top of the file); a
    // short input chooses the first.
    const auto next = [&text](std::size_t choices) {
        const char digit = text.empty() ? '0' : text.front();
        text.remove_prefix(text.empty() ? 0 : 1);
        return static_cast<std::size_t>(static_cast<unsigned char>(digit - '0')) % choices;
    };
    cli::Options options;
    options.from = kKinds[next(kKinds.size())];
    const bool everyColumn = next(2) == 1;
    options.columns = Columns(everyColumn ? kColumnNames.size() : kWindowColumns);
    options.decimals = static_cast<int>(next(cli::kMaxDecimals + 1));
    // The settings the window's columns ignore: ngr digits 0 to 10 and locator lengths 2 to
    // 10, both even, and the station.
    constexpr auto kNgrDigitSettings =
        static_cast<std::size_t>(Surveyed::kMaxReferenceDigits / 2 + 1);
    options.ngrDigits = 2 * static_cast<int>(next(kNgrDigitSettings));
    constexpr auto kLengthSettings =
        static_cast<std::size_t>((Maidenhead::kMaxLength - Maidenhead::kMinLength) / 2 + 1);
    options.locatorLength = Maidenhead::kMinLength + 2 * static_cast<int>(next(kLengthSettings));
    options.qrbFrom = Station(next(kStations.size()));

    for (const std::string_view line : Lines(text)) {
        cli::Answer answer;
        const bool answered = cli::AnswerInput(cli::TrimInput(line), false, options, answer);
        ByFormat cells;
        for (std::size_t f = 0; f < kFormats.size(); ++f) {
            std::string out;
            cli::AppendRecord(answer, options.Columns(), kFormats[f], options.decimals, out);
            cells[f] = ReadOutput(line, kFormats[f], options.columns.size(), out);
        }
        CheckJsonKinds(cells[2], line);
        CheckSameCells(cells, line);
        CheckWindowColumns(cells[0], options, answered, line);
        if (everyColumn) {
            CheckTrueColumns(cells[0], options, answered, line);
        }
    }
    return 0;
}
