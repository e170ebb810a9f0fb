#include "conversions/surveyed/Surveyed.hpp"

#include <cmath>

#include "conversions/Module1.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace Surveyed {
namespace {

constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;

}  // namespace

std::string_view StatusText(Status status) noexcept {
    switch (status) {
        case Status::kOk:
            return "ok";
        case Status::kBadGridReference:
            return "bad grid reference";
        case Status::kOutsideTheGrid:
            return "outside the grid";
    }
    return {};
}

Position FromNationalGrid(GridPoint nationalGrid) noexcept {
    const auto etrs89 = NationalGridToEtrs89(nationalGrid);
    if (!etrs89)
        return {Status::kOutsideTheGrid, nationalGrid, {}};
    return {Status::kOk, nationalGrid, Geodesy::Unproject(*etrs89)};
}

Position FromText(std::string_view text) noexcept {
    const GridReading reading = ReadGridPosition(text);
    if (reading.fault != ReadingFault::kNone)
        return {};
    return FromNationalGrid(reading.position);
}

Position FromWgs84(GeodeticPosition wgs84) noexcept {
    // The negated tests are false for NaN too.
    if (!(std::abs(wgs84.latitude) <= kMaxLatitude && std::abs(wgs84.longitude) <= kMaxLongitude))
        return {Status::kOutsideTheGrid, {}, {}};
    const auto nationalGrid = Etrs89ToNationalGrid(Geodesy::Project(wgs84));
    if (!nationalGrid)
        return {Status::kOutsideTheGrid, {}, {}};
    return {Status::kOk, *nationalGrid, wgs84};
}

Answer Convert(std::string_view text) {
    const Position position = FromText(text);
    Answer answer;
    if (position.status != Status::kOk) {
        answer.result = kNoAnswer;
        return answer;
    }
    answer.result = Module1::kValid;
    answer.latitude = position.wgs84.latitude;
    answer.longitude = position.wgs84.longitude;
    Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
    return answer;
}

std::string_view WhyUnavailable() noexcept {
    return {};
}

}  // namespace Surveyed
