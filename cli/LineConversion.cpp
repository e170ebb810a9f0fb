#include "cli/LineConversion.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "cli/RecordWriter.hpp"
#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Station.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

// What the columns need worked out.
struct Needs {
    bool truth = false;
    bool window = false;
    bool comparison = false;
    bool grid = false;
    bool qrb = false;
};

Needs NeedsOf(const Options& options) noexcept {
    Needs needs;
    for (const Column& column : options.Columns()) {
        const Need need = column.need;
        needs.truth = needs.truth || (need != Need::kNothing && need != Need::kWindow);
        needs.window = needs.window || need == Need::kWindow || need == Need::kBoth;
        needs.comparison = needs.comparison || need == Need::kBoth;
        needs.grid = needs.grid || need == Need::kGrid;
        needs.qrb = needs.qrb || need == Need::kQrb;
    }
    needs.qrb = needs.qrb && options.qrbFrom;
    // The true answer is left out only for the window's alone; a map places the true answer.
    needs.truth = needs.truth || !needs.window || IsMap(options.format);
    return needs;
}

// Whether the input has the answer the run asks for.
bool Answered(const Needs& needs, const Answer& answer) noexcept {
    return needs.truth ? answer.HasTrueAnswer() : answer.WindowConverted();
}

void Refuse(Answer& answer, std::string_view what, std::string_view why) {
    answer.statusText.assign(what).append(": ").append(why);
    answer.status = answer.statusText;
}

// The grid columns of a position on a grid.
void Place(const Surveyed::Position& where, const Options& options, Answer& answer) {
    answer.grid = where.grid;
    answer.gridPosition = where.gridPosition;
    answer.ngr = Surveyed::GridReferenceOf(where.grid, where.gridPosition, options.ngrDigits);
    answer.wab = Surveyed::WorkedAllBritainSquare(where.grid, where.gridPosition);
}

// The answers to a grid position read from `text`, which the window reads too.
// The window's answer to a grid reference.
void FromWindow(std::string_view text, Answer& answer) {
    Module1::ConvertNGR(text, answer.windowLatitude, answer.windowLongitude, answer.windowCode);
    if (answer.WindowConverted())
        Module1::CalcLocator(answer.windowLatitude, answer.windowLongitude, answer.windowLocator);
}

void FromGridReading(std::string_view text, const Surveyed::GridReading& reading,
                     const Needs& needs, const Options& options, Answer& answer) {
    if (needs.window) {
        // The window's answer hides the wait for the shifts the true answer reads next.
        if (reading.grid == Surveyed::Grid::kGreatBritain)
            Surveyed::PrefetchShifts(reading.position);
        FromWindow(text, answer);
    }
    const Surveyed::Position where = Surveyed::FromReading(reading);
    if (where.status == Surveyed::Status::kBadGridReference) {
        Refuse(answer, "bad grid reference", Surveyed::FaultText(reading));
        return;
    }
    if (where.status == Surveyed::Status::kOutsideTheGrid) {
        answer.status = Surveyed::StatusText(where.status);
        return;
    }
    answer.position = where.wgs84;
    if (needs.grid)
        Place(where, options, answer);
}

void FromLocator(std::string_view text, Answer& answer) {
    Maidenhead::Reading reading = Maidenhead::ReadLocator(text);
    if (!reading.area) {
        answer.windowCode = kBadLocator;
        Refuse(answer, "bad locator", reading.error);
        return;
    }
    answer.windowLatitude = reading.area->CentreLatitude();
    answer.windowLongitude = reading.area->CentreLongitude();
    answer.windowLocator = std::move(reading.locator);
    answer.position = Surveyed::GeodeticPosition{answer.windowLatitude, answer.windowLongitude};
}

// The place of a position on the grid of its area (Surveyed::FromWgs84); a position on none
// says so in its status, and keeps its true answer.
void PlaceOnGrid(const Options& options, Answer& answer) {
    const Surveyed::Position where = Surveyed::FromWgs84(*answer.position);
    if (where.status == Surveyed::Status::kOnNoGrid)
        answer.status = kOnNoGrid;
    if (where.status == Surveyed::Status::kOk)
        Place(where, options, answer);
}

// The contest points and the geodesic from the station to the input's position: to a locator
// input's own station, or else to the station at the position.
void MeasureFrom(const Surveyed::Station& station, From from, Answer& answer) {
    const auto to = from == From::kLocator ? Surveyed::StationAtLocator(answer.windowLocator)
                                           : Surveyed::StationAt(*answer.position);
    answer.qrbPoints = Surveyed::ContestPointsBetween(station, *to);
    Surveyed::GeodesicPath path = Surveyed::Geodesic(station.position, *answer.position);
    // Shown to a tenth of a degree, a bearing just short of north is north, 0.0, not 360.0.
    constexpr double kTenths = 10;
    constexpr double kFullCircle = 360;
    path.bearing = std::round(path.bearing * kTenths) / kTenths;
    if (path.bearing >= kFullCircle)
        path.bearing = 0;
    answer.path = path;
}

// What every kind of input with a position gets: its locator, its place on the grid, the
// way from the station.
void Complete(const Needs& needs, const Options& options, Answer& answer) {
    if (!answer.position || !needs.truth)
        return;
    const auto [latitude, longitude] = *answer.position;
    answer.locator = *Maidenhead::LocatorOf(latitude, longitude, options.locatorLength);
    if (needs.comparison) {
        answer.sixLocator =
            options.locatorLength == Module1::kLocatorLength
                ? answer.locator
                : *Maidenhead::LocatorOf(latitude, longitude, Module1::kLocatorLength);
    }
    answer.locator = Maidenhead::InCase(std::move(answer.locator), options.locatorCase);
    if (needs.grid && options.from != From::kGridReference)
        PlaceOnGrid(options, answer);
    if (needs.qrb)
        MeasureFrom(*options.qrbFrom, options.from, answer);
}

void FromPosition(const PositionText::Reading& reading, const Needs& needs, Answer& answer) {
    if (reading.fault != PositionText::Fault::kNone) {
        answer.windowCode = kBadNumber;
        Refuse(answer, "bad position", PositionText::FaultText(reading));
        return;
    }
    answer.position = reading.position;
    answer.windowLatitude = reading.position.latitude;
    answer.windowLongitude = reading.position.longitude;
    if (needs.window)
        Module1::CalcLocator(answer.windowLatitude, answer.windowLongitude, answer.windowLocator);
}

}  // namespace

std::string_view TrimInput(std::string_view line) noexcept {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return runtime::TrimBlanks(line);
}

Input TrimLine(std::string_view line, std::size_t limit) noexcept {
    const std::string_view text = TrimInput(line);
    if (text.size() <= limit)
        return {text, false};
    // A character the limit cuts goes too: its first bytes are none of the input's characters.
    const std::string_view kept = text.substr(0, limit);
    return {runtime::TrimBlanks(kept.substr(0, limit - runtime::CutCharacterLength(kept))), true};
}

void CompactPartialLine(std::string& partial, std::size_t limit) {
    if (partial.size() <= limit)
        return;
    // Leading blanks are trimmed whatever follows.
    std::string_view unblanked(partial);
    partial.erase(0, runtime::TakeBlanks(unblanked).size());
    if (partial.size() <= limit)
        return;
    // The first `limit` bytes are kept, to the end of the character that holds the last of
    // them. Past them only three things matter: whether a character that is not a blank
    // stands there (the line is too long, whatever follows; it is then reported from its
    // first bytes alone), else whether any blanks do, and what ends it: a carriage return,
    // or the start of a blank still being read, either of which may still end the line.
    std::size_t cut = 0;
    while (cut <= limit)
        cut += runtime::FirstCharacter(std::string_view(partial).substr(cut)).size();
    // A character still being read is kept whole.
    const std::size_t incomplete = runtime::CutCharacterLength(partial);
    if (incomplete > 0 && cut > partial.size() - incomplete)
        return;
    std::string_view rest = std::string_view(partial).substr(cut);
    const std::string_view pending =
        rest.ends_with('\r')
            ? rest.substr(rest.size() - 1)
            : rest.substr(rest.size() - std::min(runtime::CutCharacterLength(rest), rest.size()));
    rest.remove_suffix(pending.size());
    const bool content = !runtime::TrimBlanks(rest).empty();
    std::string standIn = content ? "x" : rest.empty() ? "" : " ";
    if (!content)
        standIn += pending;
    partial.resize(cut);
    partial += standIn;
}

bool AnswerInput(std::string_view input, bool truncated, const Options& options, Answer& answer) {
    answer.input = input;
    const Needs needs = NeedsOf(options);
    // An input cut short is too long for any kind: the window reads it as the empty text,
    // which none accepts.
    const std::string_view text = truncated ? std::string_view() : input;
    switch (options.from) {
        case From::kGridReference:
            if (needs.truth)
                FromGridReading(text, Surveyed::ReadGridPosition(text, options.grid), needs,
                                options, answer);
            else
                FromWindow(text, answer);
            break;
        case From::kLatLon:
            FromPosition(PositionText::ReadPosition(text), needs, answer);
            break;
        case From::kLocator:
            FromLocator(text, answer);
            break;
    }
    if (truncated) {
        answer.position.reset();
        answer.grid = Surveyed::Grid::kNone;
        answer.gridPosition.reset();
        answer.ngr.clear();
        answer.wab.clear();
        Refuse(answer, "too long", "over " + std::to_string(kMaxLineBytes >> 10) + " KiB");
    }
    Complete(needs, options, answer);
    return Answered(needs, answer);
}

bool AnswerGridPosition(const Surveyed::GridReading& reading, const Options& options,
                        Answer& answer) {
    const Needs needs = NeedsOf(options);
    if (needs.truth)
        FromGridReading(answer.input, reading, needs, options, answer);
    else
        FromWindow(answer.input, answer);
    Complete(needs, options, answer);
    return Answered(needs, answer);
}

bool AnswerPosition(const PositionText::Reading& reading, const Options& options, Answer& answer) {
    const Needs needs = NeedsOf(options);
    FromPosition(reading, needs, answer);
    Complete(needs, options, answer);
    return Answered(needs, answer);
}

bool ConvertInput(std::string_view input, bool truncated, const Options& options,
                  std::string& out) {
    Answer answer;
    const bool answered = AnswerInput(input, truncated, options, answer);
    AppendRecord(answer, options.Columns(), options.format, options.decimals, out);
    return answered;
}

}  // namespace cli
