#include "conversions/surveyed/Surveyed.hpp"

#include "conversions/Module1.hpp"
#include "conversions/surveyed/IrishGrid.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"
#include "conversions/surveyed/Utm30.hpp"

namespace Surveyed {

Position FromNationalGrid(GridPoint nationalGrid) noexcept {
    const auto etrs89 = NationalGridToEtrs89(nationalGrid);
    if (!etrs89)
        return {Status::kOutsideTheGrid, Grid::kGreatBritain, nationalGrid, {}};
    return {Status::kOk, Grid::kGreatBritain, nationalGrid, Unproject(*etrs89)};
}

Position FromText(std::string_view text, Grid metresGrid) noexcept {
    return FromReading(ReadGridPosition(text, metresGrid));
}

Position FromReading(const GridReading& reading) noexcept {
    switch (reading.grid) {
        case Grid::kGreatBritain:
            return FromNationalGrid(reading.position);
        case Grid::kIrish:
            if (!HasLetters(Grid::kIrish, reading.position))
                return {Status::kOutsideTheGrid, Grid::kIrish, reading.position, {}};
            return {Status::kOk, Grid::kIrish, reading.position,
                    IrishGrid::ToEtrs89(reading.position)};
        case Grid::kUtm30:
            if (!Utm30::InZone(reading.position))
                return {Status::kOutsideTheGrid, Grid::kUtm30, reading.position, {}};
            return {Status::kOk, Grid::kUtm30, reading.position, Utm30::ToWgs84(reading.position)};
        case Grid::kNone:
            break;
    }
    return {};
}

Position FromWgs84(GeodeticPosition wgs84) noexcept {
    if (!Module1::HasLocator(wgs84.latitude, wgs84.longitude))
        return {Status::kOutsideTheGrid, Grid::kNone, {}, {}};
    switch (GridOf(wgs84)) {
        case Grid::kGreatBritain:
            if (const auto nationalGrid = Etrs89ToNationalGrid(Project(wgs84)))
                return {Status::kOk, Grid::kGreatBritain, *nationalGrid, wgs84};
            return {Status::kOutsideTheGrid, Grid::kNone, {}, {}};
        case Grid::kIrish:
            return {Status::kOk, Grid::kIrish, IrishGrid::FromEtrs89(wgs84), wgs84};
        case Grid::kUtm30:
            return {Status::kOk, Grid::kUtm30, Utm30::FromWgs84(wgs84), wgs84};
        case Grid::kNone:
            break;
    }
    return {Status::kOnNoGrid, Grid::kNone, {}, {}};
}

}  // namespace Surveyed
