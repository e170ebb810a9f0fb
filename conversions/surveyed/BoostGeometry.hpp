#pragma once

// What the surveyed conversion takes from Boost.Geometry's header-only projections: its
// positions as Boost's point types and back, a failure (a position out of range, which Boost
// reports by a call's result and never by throwing) as NaN; and the transverse Mercator
// projection, Boost's "etmerc" (the Krueger series to sixth order in the third flattening),
// its parameters fixed at compile time so that nothing is parsed at run time.

#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/srs/projection.hpp>
#include <limits>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed::BoostGeometry {

namespace bg = boost::geometry;
namespace spar = bg::srs::spar;

// Longitude and latitude in degrees; easting and northing in metres.
using LonLat = bg::model::point<double, 2, bg::cs::geographic<bg::degree>>;
using EastNorth = bg::model::d2::point_xy<double>;

[[nodiscard]] inline LonLat ToBoost(GeodeticPosition position) noexcept {
    return {position.longitude, position.latitude};
}

[[nodiscard]] inline EastNorth ToBoost(GridPoint point) noexcept {
    return {point.easting, point.northing};
}

// `position`, which a call that returned `ok` wrote; NaN unless `ok`.
[[nodiscard]] inline GeodeticPosition FromBoost(bool ok, const LonLat& position) noexcept {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    return ok ? GeodeticPosition{bg::get<1>(position), bg::get<0>(position)}
              : GeodeticPosition{kNaN, kNaN};
}

[[nodiscard]] inline GridPoint FromBoost(bool ok, const EastNorth& point) noexcept {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    return ok ? GridPoint{point.x(), point.y()} : GridPoint{kNaN, kNaN};
}

// A transverse Mercator projection: the ellipsoid (semi-major axis in metres, inverse
// flattening), the natural origin (degrees), the scale factor there and the false origin's
// offsets (metres).
struct TransverseMercatorDefinition {
    double majorAxis;
    double inverseFlattening;
    double originLatitude;
    double centralMeridian;
    double centralScale;
    double falseEasting;
    double falseNorthing;
};

class TransverseMercator {
  public:
    explicit TransverseMercator(const TransverseMercatorDefinition& d)
        : projection_(Parameters{spar::proj_etmerc{}, spar::a<>{d.majorAxis},
                                 spar::rf<>{d.inverseFlattening}, spar::lat_0<>{d.originLatitude},
                                 spar::lon_0<>{d.centralMeridian}, spar::k_0<>{d.centralScale},
                                 spar::x_0<>{d.falseEasting}, spar::y_0<>{d.falseNorthing}}) {}

    // The grid position of a latitude and longitude, and the way back; exact to well under a
    // micrometre within a few thousand kilometres of the central meridian; farther away, or
    // for values out of range, a coordinate may be NaN.
    [[nodiscard]] GridPoint Project(GeodeticPosition position) const noexcept {
        EastNorth point;
        return FromBoost(projection_.forward(ToBoost(position), point), point);
    }
    [[nodiscard]] GeodeticPosition Unproject(GridPoint point) const noexcept {
        LonLat position;
        return FromBoost(projection_.inverse(ToBoost(point), position), position);
    }

  private:
    using Parameters = spar::parameters<spar::proj_etmerc, spar::a<>, spar::rf<>, spar::lat_0<>,
                                        spar::lon_0<>, spar::k_0<>, spar::x_0<>, spar::y_0<>>;
    bg::srs::projection<Parameters> projection_;
};

}  // namespace Surveyed::BoostGeometry
