#include "LineConversion.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "cli/RecordWriter.hpp"
#include "conversions/Maidenhead.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/LatLon.hpp"
#include "conversions/surveyed/Station.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

// The window's answer for each kind of input; a latitude and longitude, and a locator's
// centre, are also the input's position.

void FromGridReference(std::string_view text, Answer& answer) {
    Module1::ConvertNGR(text, answer.latitude, answer.longitude, answer.code);
    if (answer.Converted())
        Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
}

void FromLatLon(std::string_view text, Answer& answer) {
    answer.position = Surveyed::ReadLatLon(text);
    if (!answer.position) {
        answer.code = kBadNumber;
        return;
    }
    answer.latitude = answer.position->latitude;
    answer.longitude = answer.position->longitude;
    Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
}

void FromLocator(std::string_view text, Answer& answer) {
    Maidenhead::Reading reading = Maidenhead::ReadLocator(text);
    if (!reading.area) {
        answer.code = kBadLocator;
        return;
    }
    answer.latitude = reading.area->CentreLatitude();
    answer.longitude = reading.area->CentreLongitude();
    answer.position = Surveyed::GeodeticPosition{answer.latitude, answer.longitude};
    answer.locator = std::move(reading.locator);
}

// The surveyed answer: a grid reference's surveyed position, and the place of the input's
// position on the grid; an input that is not a position of its kind has none.
void Survey(std::string_view text, const Options& options, Answer& answer) {
    Surveyed::Position where;
    if (options.from == From::kGridReference) {
        where = Surveyed::FromText(text);
        if (where.status == Surveyed::Status::kOk)
            answer.position = where.wgs84;
    } else if (answer.position) {
        where = Surveyed::FromWgs84(*answer.position);
    } else {
        answer.surveyedStatus = kStatusTexts[static_cast<std::size_t>(answer.code)];
        return;
    }
    answer.surveyedStatus = Surveyed::StatusText(where.status);
    if (answer.position) {
        const auto [latitude, longitude] = *answer.position;
        answer.sixLocator = *Maidenhead::LocatorOf(latitude, longitude, Module1::kLocatorLength);
        answer.surveyedLocator = *Maidenhead::LocatorOf(latitude, longitude, options.locatorLength);
    }
    if (where.status == Surveyed::Status::kOk) {
        answer.grid = where.nationalGrid;
        answer.ngr = Surveyed::GridReferenceOf(where.nationalGrid, options.ngrDigits);
        answer.wab = Surveyed::WorkedAllBritainSquare(where.nationalGrid);
    }
}

// The contest points and the geodesic from the station to the input's position: to a locator
// input's own station, or else to the station at the position.
void MeasureFrom(const Surveyed::Station& station, From from, Answer& answer) {
    if (!answer.position)
        return;
    const auto to = from == From::kLocator ? Surveyed::StationAtLocator(answer.locator)
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
    return {runtime::TrimBlanks(text.substr(0, limit)), true};
}

void CompactPartialLine(std::string& partial, std::size_t limit) {
    if (partial.size() <= limit)
        return;
    // Leading blanks are trimmed whatever follows.
    std::string_view unblanked(partial);
    partial.erase(0, runtime::TakeBlanks(unblanked).size());
    if (partial.size() <= limit)
        return;
    // Past the first `limit` bytes only three things matter: whether a byte that is not a
    // blank stands there before the last one (the line is too long, whatever follows; it is
    // then reported from its first bytes alone), else whether the last is a carriage return
    // (dropped if the line ends there, too long otherwise), else whether any blanks do.
    const std::string_view rest = std::string_view(partial).substr(limit);
    const bool lastIsBlank = runtime::BlankLength(rest.substr(rest.size() - 1)) > 0;
    const bool content = !runtime::TrimBlanks(rest.substr(0, rest.size() - 1)).empty() ||
                         (!lastIsBlank && rest.back() != '\r');
    const char standIn = content ? 'x' : rest.back() == '\r' ? '\r' : ' ';
    partial.resize(limit);
    partial += standIn;
}

bool ConvertInput(std::string_view input, bool truncated, const Options& options,
                  std::string& out) {
    Answer answer;
    answer.input = input;
    const std::span<const Column> columns = options.Columns();
    const auto needs = [&](Need need) {
        return std::any_of(columns.begin(), columns.end(),
                           [need](const Column& c) { return c.need == need; });
    };
    const bool qrb = options.qrbFrom && needs(Need::kQrb);
    const bool surveyed = qrb || needs(Need::kSurveyed);
    // An input cut short is too long for any kind: it is read as the empty text, which none
    // accepts.
    const std::string_view text = truncated ? std::string_view() : input;
    switch (options.from) {
        case From::kGridReference:
            FromGridReference(text, answer);
            break;
        case From::kLatLon:
            FromLatLon(text, answer);
            break;
        case From::kLocator:
            FromLocator(text, answer);
            break;
    }
    if (surveyed)
        Survey(text, options, answer);
    if (qrb)
        MeasureFrom(*options.qrbFrom, options.from, answer);
    AppendRecord(answer, columns, options.format, options.decimals, out);
    // The exit status speaks of the input's code alone: an H or O reference, which only the
    // surveyed conversion accepts, counts as not converted.
    return answer.Converted();
}

}  // namespace cli
