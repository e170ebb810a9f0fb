// UTM zone 30 by Boost.Geometry's "etmerc" projection (header-only).

#include "conversions/surveyed/Utm30.hpp"

#include "conversions/surveyed/BoostGeometry.hpp"
#include "conversions/surveyed/Geodesic.hpp"

namespace Surveyed::Utm30 {
namespace {

// UTM's latitude of origin is the equator.
constexpr double kOriginLatitude = 0;

const BoostGeometry::TransverseMercator& Zone30() {
    static const BoostGeometry::TransverseMercator projection(
        {kWgs84MajorAxis, kWgs84InverseFlattening, kOriginLatitude, kCentralMeridian, kCentralScale,
         kFalseEasting, kFalseNorthing});
    return projection;
}

}  // namespace

GeodeticPosition ToWgs84(GridPoint utm) noexcept {
    return Zone30().Unproject(utm);
}

GridPoint FromWgs84(GeodeticPosition wgs84) noexcept {
    return Zone30().Project(wgs84);
}

}  // namespace Surveyed::Utm30
