#include "conversions/surveyed/Station.hpp"

#include "conversions/surveyed/LatLon.hpp"

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

std::optional<Station> ReadStation(std::string_view text, std::string& error) {
    if (auto station = StationAtLocator(text))
        return station;
    if (const auto position = ReadLatLon(text))
        return StationAt(*position);
    error =
        Maidenhead::ReadLocator(text).error + ", nor is it a latitude and longitude (\"52 -2\")";
    return std::nullopt;
}

long ContestPointsBetween(const Station& from, const Station& to) noexcept {
    return Maidenhead::ContestPoints(
        Maidenhead::ContestDistanceKm(from.contestArea, to.contestArea));
}

}  // namespace Surveyed
