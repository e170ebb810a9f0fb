#include "logs/Place.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "conversions/surveyed/Geodesic.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Station.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "runtime/Text.hpp"

namespace Logs {
namespace {

// The Worked All Britain square of a point; empty on no grid.
std::string SquareAt(Surveyed::GeodeticPosition position) {
    const Surveyed::Position grid = Surveyed::FromWgs84(position);
    if (grid.status != Surveyed::Status::kOk)
        return {};
    return Surveyed::WorkedAllBritainSquare(grid.grid, grid.gridPosition);
}

// The corners of a square, a centimetre inside it (its north and east edges belong to the
// squares beyond).
std::array<Surveyed::GeodeticPosition, 4> CornersOf(const Maidenhead::Area& area) {
    constexpr double kInside = 1e-7;  // degrees
    const double south = area.south + kInside;
    const double north = area.south + area.height - kInside;
    const double west = area.west + kInside;
    const double east = area.west + area.width - kInside;
    return {{{south, west}, {south, east}, {north, west}, {north, east}}};
}

// The shortest locator whose square is small enough to tell a Worked All Britain square by
// its corners: a subsquare, 5' by 2.5', under the squares' 10 km.
constexpr std::size_t kWorkedAllBritainLocatorLength = 6;

}  // namespace

std::optional<Place> PlaceAtLocator(std::string_view locator) {
    Maidenhead::Reading reading = Maidenhead::ReadLocator(locator);
    if (!reading.area)
        return std::nullopt;
    return Place{{reading.area->CentreLatitude(), reading.area->CentreLongitude()},
                 reading.area,
                 std::move(reading.locator)};
}

Place PlaceAt(Surveyed::GeodeticPosition position) noexcept {
    return Place{position, std::nullopt, {}};
}

std::optional<Place> ReadPlace(std::string_view text, std::string& error) {
    if (auto square = PlaceAtLocator(runtime::TrimBlanks(text)))
        return square;
    if (const auto station = Surveyed::ReadStation(text, error))
        return PlaceAt(station->position);
    return std::nullopt;
}

double UncertaintyMetres(const Place& place) noexcept {
    if (!place.square)
        return 0;
    double farthest = 0;
    for (const Surveyed::GeodeticPosition corner : CornersOf(*place.square))
        farthest = std::max(farthest, Surveyed::Geodesic(place.position, corner).distance);
    return farthest;
}

std::string LocatorOfPlace(const Place& place, int length) {
    if (place.square)
        return place.locator.substr(0, static_cast<std::size_t>(std::max(length, 0)));
    return Maidenhead::LocatorOf(place.position.latitude, place.position.longitude, length)
        .value_or(std::string());
}

std::vector<std::string> WorkedAllBritainSquares(const Place& place) {
    std::vector<std::string> squares;
    if (place.square && place.locator.size() < kWorkedAllBritainLocatorLength)
        return squares;
    squares.push_back(SquareAt(place.position));
    if (place.square) {
        for (const Surveyed::GeodeticPosition corner : CornersOf(*place.square))
            squares.push_back(SquareAt(corner));
    }
    std::sort(squares.begin(), squares.end());
    squares.erase(std::unique(squares.begin(), squares.end()), squares.end());
    if (!squares.empty() && squares.front().empty())
        squares.clear();
    return squares;
}

double DistanceKm(const Place& from, const Place& to, bool longPath) noexcept {
    constexpr double kMetresPerKm = 1000;
    return (longPath ? Surveyed::LongPathDistance(from.position, to.position)
                     : Surveyed::Geodesic(from.position, to.position).distance) /
           kMetresPerKm;
}

}  // namespace Logs
