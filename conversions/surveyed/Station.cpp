#include "conversions/surveyed/Station.hpp"

#include <algorithm>

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

std::optional<Station> ReadStation(std::string_view text, std::string& error, Grid metresGrid) {
    text = runtime::TrimBlanks(text);
    if (auto station = StationAtLocator(text))
        return station;
    // A grid position's station, or why it has none.
    const auto onGrid = [&](const GridReading& reading) -> std::optional<Station> {
        const Position where = FromReading(reading);
        if (where.status == Status::kOk)
            return StationAt(where.wgs84);
        error = "the grid reference " + runtime::Quoted(text, '"') + " has no surveyed answer (" +
                std::string(StatusText(where.status)) + ")";
        return std::nullopt;
    };
    // A text that begins with a letter may be a grid reference.
    std::optional<GridReading> grid;
    if (!text.empty() && runtime::IsLetter(text.front())) {
        grid = ReadGridPosition(text, metresGrid);
        if (grid->fault == ReadingFault::kNone)
            return onGrid(*grid);
    }
    // Neither a locator nor a grid reference: the position reader may still take it ("N52 W2"),
    // and what it refuses may be metres with their letters ("287800E 345800N"); plain numbers
    // are a latitude and longitude, right or wrong ("91 0" is no easting and northing).
    const PositionText::Reading position = PositionText::ReadPosition(text);
    if (position.fault == PositionText::Fault::kNone)
        return StationAt(position.position);
    if (!grid &&
        std::any_of(text.begin(), text.end(), [](char c) { return runtime::IsLetter(c); })) {
        if (const GridReading metres = ReadGridPosition(text, metresGrid);
            metres.fault == ReadingFault::kNone) {
            return onGrid(metres);
        }
    }
    error = grid ? Maidenhead::ReadLocator(text).error +
                       "; nor is it a grid reference: " + FaultText(*grid)
                 : runtime::Quoted(text, '"') +
                       " is not a locator, a grid reference or a latitude and longitude: " +
                       PositionText::FaultText(position);
    return std::nullopt;
}

long ContestPointsBetween(const Station& from, const Station& to) noexcept {
    return Maidenhead::ContestPoints(
        Maidenhead::ContestDistanceKm(from.contestArea, to.contestArea));
}

}  // namespace Surveyed
