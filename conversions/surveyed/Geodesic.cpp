// The geodesic on WGS84 by Boost.Geometry's Karney formulas, and the long path by
// Boost.Math's elliptic integral (both header-only).

#include "conversions/surveyed/Geodesic.hpp"

// Boost 1.74's formula swaps its geodesic scale, which this build never asks for and so never
// sets, when it swaps the two points: GCC 12 at -O3 sees an unset value moved, which nothing
// reads. (Clang has no such warning.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <array>
#include <cmath>
#include <numbers>

#include <boost/geometry/formulas/karney_inverse.hpp>
#include <boost/geometry/srs/spheroid.hpp>
#include <boost/math/special_functions/ellint_2.hpp>

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

double LongPathDistance(GeodeticPosition from, GeodeticPosition to) noexcept {
    constexpr double kFlattening = 1 / kWgs84InverseFlattening;
    constexpr double kMinorAxis = kWgs84MajorAxis * (1 - kFlattening);
    constexpr double kEccentricitySquared = kFlattening * (2 - kFlattening);
    constexpr double kRadiansPerDegree = std::numbers::pi / 180;
    // Earth-centred Cartesian coordinates, in units of the major axis.
    const auto cartesian = [](GeodeticPosition p) {
        const double latitude = p.latitude * kRadiansPerDegree;
        const double longitude = p.longitude * kRadiansPerDegree;
        const double n =
            1 / std::sqrt(1 - kEccentricitySquared * std::sin(latitude) * std::sin(latitude));
        return std::array<double, 3>{n * std::cos(latitude) * std::cos(longitude),
                                     n * std::cos(latitude) * std::sin(longitude),
                                     n * (1 - kEccentricitySquared) * std::sin(latitude)};
    };
    const auto a = cartesian(from);
    const auto b = cartesian(to);
    const std::array<double, 3> normal = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                          a[0] * b[1] - a[1] * b[0]};
    const double length = std::hypot(normal[0], normal[1], normal[2]);
    // Below this the points are one or antipodes, to within millimetres.
    constexpr double kNoPlane = 1e-10;
    // The plane's tilt to the equator i, by cos^2 i: 0 for a meridian's.
    const double cosTiltSquared =
        length < kNoPlane ? 0 : (normal[2] / length) * (normal[2] / length);
    // The semi-axes of the section: the major axis, and the radius of the ellipsoid in the
    // plane's steepest direction, 1 / b^2 = cos^2 i / a^2 + sin^2 i / c^2.
    const double minor = 1 / std::sqrt(cosTiltSquared / (kWgs84MajorAxis * kWgs84MajorAxis) +
                                       (1 - cosTiltSquared) / (kMinorAxis * kMinorAxis));
    const double eccentricity =
        std::sqrt(1 - (minor / kWgs84MajorAxis) * (minor / kWgs84MajorAxis));
    // Boost.Math's complete elliptic integral of the second kind, as every build's standard
    // library does not have std::comp_ellint_2 (emscripten's libc++ has not).
    const double perimeter = 4 * kWgs84MajorAxis * boost::math::ellint_2(eccentricity);
    return perimeter - Geodesic(from, to).distance;
}

}  // namespace Surveyed

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
