// The National Grid's projection on GRS80 by Boost.Geometry's "etmerc" (header-only).

#include "conversions/surveyed/Projection.hpp"

#include "conversions/surveyed/BoostGeometry.hpp"

namespace Surveyed {
namespace {

const BoostGeometry::TransverseMercator& NationalGrid() {
    static const BoostGeometry::TransverseMercator projection(
        {kGrs80MajorAxis, kGrs80InverseFlattening, kTrueOriginLatitude, kTrueOriginLongitude,
         kCentralScale, kFalseEasting, kFalseNorthing});
    return projection;
}

}  // namespace

GridPoint Project(GeodeticPosition etrs89) noexcept {
    return NationalGrid().Project(etrs89);
}

GeodeticPosition Unproject(GridPoint etrs89) noexcept {
    return NationalGrid().Unproject(etrs89);
}

}  // namespace Surveyed
