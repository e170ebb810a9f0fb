// The geodesic on WGS84 by Boost.Geometry's Karney formulas (header-only).

// GCC 12 at -O3 takes some of the formula's variables, set on every road that reads them, for
// ones that may be read unset.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <boost/geometry/formulas/karney_inverse.hpp>
#include <boost/geometry/srs/spheroid.hpp>

#include "conversions/surveyed/Geodesic.hpp"

namespace Surveyed::BoostBackend {

GeodesicPath Inverse(GeodeticPosition from, GeodeticPosition to) noexcept {
    namespace bg = boost::geometry;
    // The spheroid by its two semi-axes.
    static const bg::srs::spheroid<double> wgs84(
        kWgs84MajorAxis, kWgs84MajorAxis * (1 - 1 / kWgs84InverseFlattening));
    // Distance and initial azimuth, in metres and degrees, from degrees.
    using Formula = bg::formula::karney_inverse<double, true, true>;
    const auto result =
        Formula::apply(from.longitude, from.latitude, to.longitude, to.latitude, wgs84);
    return PathOf(result.distance, result.azimuth);
}

}  // namespace Surveyed::BoostBackend

#pragma GCC diagnostic pop
