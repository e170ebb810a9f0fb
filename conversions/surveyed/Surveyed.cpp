#include "conversions/surveyed/Surveyed.hpp"

#include "conversions/Module1.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace Surveyed {

Position FromNationalGrid(GridPoint nationalGrid) noexcept {
    const auto etrs89 = NationalGridToEtrs89(nationalGrid);
    if (!etrs89)
        return {Status::kOutsideTheGrid, nationalGrid, {}};
    return {Status::kOk, nationalGrid, Unproject(*etrs89)};
}

Position FromText(std::string_view text) noexcept {
    const GridReading reading = ReadGridPosition(text);
    if (reading.fault != ReadingFault::kNone)
        return {};
    return FromNationalGrid(reading.position);
}

Position FromWgs84(GeodeticPosition wgs84) noexcept {
    if (!Module1::HasLocator(wgs84.latitude, wgs84.longitude))
        return {Status::kOutsideTheGrid, {}, {}};
    const auto nationalGrid = Etrs89ToNationalGrid(Project(wgs84));
    if (!nationalGrid)
        return {Status::kOutsideTheGrid, {}, {}};
    return {Status::kOk, *nationalGrid, wgs84};
}

}  // namespace Surveyed
