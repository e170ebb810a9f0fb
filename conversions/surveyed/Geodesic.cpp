// The geodesic on WGS84 by Boost.Geometry's Karney formulas (header-only).

#include "conversions/surveyed/Geodesic.hpp"

// Boost 1.74's formula swaps its geodesic scale, which this build never asks for and so never
// sets, when it swaps the two points: GCC 12 at -O3 sees an unset value moved, which nothing
// reads. (Clang has no such warning.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <boost/geometry/formulas/karney_inverse.hpp>
#include <boost/geometry/srs/spheroid.hpp>

namespace Surveyed {

GeodesicPath Geodesic(GeodeticPosition from, GeodeticPosition to) noexcept {
    namespace bg = boost::geometry;
    // The spheroid by its two semi-axes.
    static const bg::srs::spheroid<double> wgs84(
        kWgs84MajorAxis, kWgs84MajorAxis * (1 - 1 / kWgs84InverseFlattening));
    // Distance and initial azimuth, in metres and degrees (-180 to 180), from degrees. The
    // reduced length is asked for too, though not used: Boost 1.74's Newton iteration takes
    // its derivative from it, and without it reads an unset variable and may stop on a wrong
    // path (tens of kilometres off for some long lines).
    using Formula = bg::formula::karney_inverse<double, /*EnableDistance=*/true,
                                                /*EnableAzimuth=*/true,
                                                /*EnableReverseAzimuth=*/false,
                                                /*EnableReducedLength=*/true>;
    const auto result =
        Formula::apply(from.longitude, from.latitude, to.longitude, to.latitude, wgs84);
    constexpr double kFullCircle = 360;
    if (result.distance == 0)
        return {0, 0};
    double bearing = result.azimuth < 0 ? result.azimuth + kFullCircle : result.azimuth;
    // Azimuths just below zero round to a full circle, and -0.0 is not below zero: both are
    // north, 0.
    if (bearing >= kFullCircle || bearing == 0)
        bearing = 0;
    return {result.distance, bearing};
}

}  // namespace Surveyed

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
