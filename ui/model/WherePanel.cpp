#include "ui/model/WherePanel.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "cli/LineConversion.hpp"
#include "cli/RecordWriter.hpp"
#include "conversions/Module1.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Grids.hpp"

namespace ui {
namespace {

// The panel's columns, in the order of its records.
constexpr std::array<std::string_view, 8> kPanelColumns = {
    "input", "status", "latitude", "longitude", "locator", "grid", "ngr", "wab"};
enum Cell : std::size_t { kLatitude = 2, kLongitude, kLocator, kGrid, kNgr, kWab };

// The grids' names as the panel shows them.
std::string_view GridTitle(Surveyed::Grid grid) noexcept {
    constexpr std::array<std::string_view, 4> kTitles = {"", "National Grid", "Irish Grid",
                                                         "UTM 30"};
    return kTitles[static_cast<std::size_t>(grid)];
}

// The record's cells (text cells hold no tab: AppendRecord escapes them).
std::vector<std::string> Cells(const cli::Answer& answer, const cli::Options& options) {
    std::string record;
    cli::AppendRecord(answer, options.Columns(), options.format, options.decimals, record);
    record.pop_back();  // the line feed
    std::vector<std::string> cells;
    for (std::size_t start = 0;;) {
        const std::size_t tab = record.find('\t', start);
        cells.push_back(record.substr(start, tab - start));
        if (tab == std::string::npos)
            return cells;
        start = tab + 1;
    }
}

// The note, when the window's locator for the National Grid square of 100 m that holds the
// answer is not its true one.
std::string WindowNote(const cli::Answer& answer) {
    if (answer.grid != Surveyed::Grid::kGreatBritain || !answer.gridPosition)
        return {};
    const std::string square =
        Surveyed::GridReferenceOf(answer.grid, *answer.gridPosition, Module1::kLocatorLength);
    double latitude = 0;
    double longitude = 0;
    std::int16_t code = Module1::kValid;
    Module1::ConvertNGR(square, latitude, longitude, code);
    if (square.empty() || code != Module1::kValid)
        return {};
    std::string windows;
    Module1::CalcLocator(latitude, longitude, windows);
    const std::string_view truth = std::string_view(answer.locator).substr(0, windows.size());
    if (windows == truth)
        return {};
    return "For " + square + " the window above shows " + windows + "; the true locator is " +
           std::string(truth) + ".";
}

PanelView ViewOf(const cli::Answer& answer, const cli::Options& options, bool shiftsReady) {
    const bool needsShifts =
        answer.position && Surveyed::GridOf(*answer.position) == Surveyed::Grid::kGreatBritain;
    if (needsShifts && !shiftsReady)
        return {.message = std::string(kShiftsLoading)};
    if (!answer.HasTrueAnswer())
        return {.message = std::string(answer.status)};
    const std::vector<std::string> cells = Cells(answer, options);
    PanelView view;
    if (answer.grid == Surveyed::Grid::kNone) {
        view.grid = cli::kOnNoGrid;
    } else {
        view.grid = cells[kNgr];
        view.grid += view.grid.empty() ? "" : " ";
        view.grid.append("(").append(GridTitle(answer.grid)).append(")");
    }
    view.latLon = cells[kLatitude] + ", " + cells[kLongitude];
    view.locator = cells[kLocator];
    if (view.locator.size() > Module1::kLocatorLength)
        view.locator.replace(Module1::kLocatorLength, 0, 1, ' ');
    view.wab = cells[kWab];
    view.note = WindowNote(answer);
    return view;
}

}  // namespace

cli::Options PanelOptions(cli::From from, int ngrDigits) {
    cli::Options options;
    options.from = from;
    options.ngrDigits = ngrDigits;
    options.locatorLength = kPanelLocatorLength;
    for (const std::string_view name : kPanelColumns) {
        for (const cli::Column& column : cli::kColumns) {
            if (column.name == name)
                options.columns.push_back(column);
        }
    }
    return options;
}

cli::From FromKind(Surveyed::StationKind kind) noexcept {
    switch (kind) {
        case Surveyed::StationKind::kLocator:
            return cli::From::kLocator;
        case Surveyed::StationKind::kGridReference:
            return cli::From::kGridReference;
        case Surveyed::StationKind::kPosition:
            break;
    }
    return cli::From::kLatLon;
}

void ConvertText(std::string_view text, cli::Options& options, cli::Answer& answer) {
    const cli::Input input = cli::TrimLine(text);
    options = PanelOptions(FromKind(Surveyed::KindOfStation(input.text)), kTypedDigits);
    cli::AnswerInput(input.text, input.truncated, options, answer);
}

PanelView AnswerText(std::string_view text, bool shiftsReady) {
    const cli::Input input = cli::TrimLine(text);
    if (!shiftsReady && !input.truncated &&
        Surveyed::KindOfStation(input.text) == Surveyed::StationKind::kGridReference &&
        Surveyed::ReadGridPosition(input.text).grid == Surveyed::Grid::kGreatBritain) {
        return {.message = std::string(kShiftsLoading)};
    }
    cli::Options options;
    cli::Answer answer;
    ConvertText(text, options, answer);
    return ViewOf(answer, options, shiftsReady);
}

PanelView AnswerFix(double latitude, double longitude, double accuracy, bool shiftsReady) {
    const cli::Options options = PanelOptions(cli::From::kLatLon, DigitsForAccuracy(accuracy));
    PositionText::Reading reading;
    reading.position = {latitude, longitude};
    cli::Answer answer;
    cli::AnswerPosition(reading, options, answer);
    return ViewOf(answer, options, shiftsReady);
}

int DigitsForAccuracy(double accuracy) noexcept {
    constexpr std::array<std::pair<double, int>, 3> kDigits = {{{1, 10}, {10, 8}, {100, 6}}};
    constexpr int kCoarsestDigits = 4;
    for (const auto& [metres, digits] : kDigits) {
        if (accuracy <= metres)
            return digits;
    }
    return kCoarsestDigits;
}

std::string AccuracyText(double accuracy) {
    const double metres = std::ceil(accuracy);
    if (!(metres >= 0 && metres < std::numeric_limits<int>::max()))
        return {};
    return "\u00B1" + std::to_string(static_cast<int>(metres)) + " m";
}

std::string FixFaultText(FixFault fault) {
    switch (fault) {
        case FixFault::kRefused:
            return "No position: the page may not use this phone's location (permission "
                   "refused).";
        case FixFault::kNoFix:
            return "No position: the phone found no fix within " +
                   std::to_string(kFixTimeoutSeconds) + " s.";
        case FixFault::kUnavailable:
            return "No position: the phone cannot find where it is (is its location on?).";
        case FixFault::kNoGeolocation:
            return "No position: this browser gives the page no geolocation.";
    }
    return {};
}

}  // namespace ui
