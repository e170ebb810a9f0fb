#include "conversions/surveyed/Station.hpp"

#include <algorithm>
#include <cmath>

#include "conversions/PositionText.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "runtime/Text.hpp"

namespace Surveyed {

std::optional<Station> StationAtLocator(std::string_view locator) {
    const Maidenhead::Reading whole = Maidenhead::ReadLocator(locator);
    if (!whole.area)
        return std::nullopt;
    const Maidenhead::Reading contest =
        Maidenhead::ReadLocator(locator.substr(0, kContestLocatorLength));
    return Station{*contest.area, {whole.area->CentreLatitude(), whole.area->CentreLongitude()}};
}

std::optional<Station> StationAt(GeodeticPosition position) {
    const auto locator = Maidenhead::LocatorOf(position.latitude, position.longitude,
                                               static_cast<int>(kContestLocatorLength));
    if (!locator)
        return std::nullopt;
    return Station{*Maidenhead::ReadLocator(*locator).area, position};
}

StationKind KindOfStation(std::string_view text, Grid metresGrid) {
    text = runtime::TrimBlanks(text);
    if (Maidenhead::ReadLocator(text).area)
        return StationKind::kLocator;
    const bool letter = !text.empty() && runtime::IsLetter(text.front());
    const GridReading grid = ReadGridPosition(text, metresGrid);
    if (letter && grid.fault == ReadingFault::kNone)
        return StationKind::kGridReference;
    if (PositionText::ReadPosition(text).fault == PositionText::Fault::kNone)
        return StationKind::kPosition;
    // No latitude or longitude is beyond 180 degrees.
    constexpr double kMostDegrees = 180;
    const bool lettered =
        std::any_of(text.begin(), text.end(), [](char c) { return runtime::IsLetter(c); });
    const bool metres = grid.fault == ReadingFault::kNone &&
                        (lettered || std::abs(grid.position.easting) > kMostDegrees ||
                         std::abs(grid.position.northing) > kMostDegrees);
    return metres || letter ? StationKind::kGridReference : StationKind::kPosition;
}

std::optional<Station> ReadStation(std::string_view text, std::string& error, Grid metresGrid) {
    text = runtime::TrimBlanks(text);
    switch (KindOfStation(text, metresGrid)) {
        case StationKind::kLocator:
            return StationAtLocator(text);
        case StationKind::kGridReference: {
            const GridReading grid = ReadGridPosition(text, metresGrid);
            if (grid.fault != ReadingFault::kNone) {
                error = Maidenhead::ReadLocator(text).error +
                        "; nor is it a grid reference: " + FaultText(grid);
                return std::nullopt;
            }
            const Position where = FromReading(grid);
            if (where.status == Status::kOk)
                return StationAt(where.wgs84);
            error = "the grid reference " + runtime::Quoted(text, '"') +
                    " has no surveyed answer (" + std::string(StatusText(where.status)) + ")";
            return std::nullopt;
        }
        case StationKind::kPosition:
            break;
    }
    const PositionText::Reading position = PositionText::ReadPosition(text);
    if (position.fault == PositionText::Fault::kNone)
        return StationAt(position.position);
    error = runtime::Quoted(text, '"') +
            " is not a locator, a grid reference or a latitude and longitude: " +
            PositionText::FaultText(position);
    return std::nullopt;
}

long ContestPointsBetween(const Station& from, const Station& to) noexcept {
    return Maidenhead::ContestPoints(
        Maidenhead::ContestDistanceKm(from.contestArea, to.contestArea));
}

}  // namespace Surveyed
