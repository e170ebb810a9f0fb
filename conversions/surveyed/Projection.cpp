// The National Grid's projection on GRS80 by Boost.Geometry's "etmerc" (header-only).

#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/srs/projection.hpp>
#include <limits>

#include "conversions/surveyed/Projection.hpp"

namespace Surveyed {
namespace {

namespace bg = boost::geometry;
namespace spar = bg::srs::spar;

// The parameters fixed at compile time: nothing is parsed at run time.
using Parameters = spar::parameters<spar::proj_etmerc, spar::a<>, spar::rf<>, spar::lat_0<>,
                                    spar::lon_0<>, spar::k_0<>, spar::x_0<>, spar::y_0<>>;
using LonLat = bg::model::point<double, 2, bg::cs::geographic<bg::degree>>;
using EastNorth = bg::model::d2::point_xy<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const bg::srs::projection<Parameters>& Projection() {
    static const bg::srs::projection<Parameters> projection{Parameters{
        spar::proj_etmerc{}, spar::a<>{kGrs80MajorAxis}, spar::rf<>{kGrs80InverseFlattening},
        spar::lat_0<>{kTrueOriginLatitude}, spar::lon_0<>{kTrueOriginLongitude},
        spar::k_0<>{kCentralScale}, spar::x_0<>{kFalseEasting}, spar::y_0<>{kFalseNorthing}}};
    return projection;
}

}  // namespace

GridPoint Project(GeodeticPosition etrs89) noexcept {
    // forward() reports a failure (a position out of range) by its result, never by throwing.
    EastNorth point;
    if (!Projection().forward(LonLat(etrs89.longitude, etrs89.latitude), point))
        return {kNaN, kNaN};
    return {point.x(), point.y()};
}

GeodeticPosition Unproject(GridPoint etrs89) noexcept {
    LonLat position;
    if (!Projection().inverse(EastNorth(etrs89.easting, etrs89.northing), position))
        return {kNaN, kNaN};
    return {bg::get<1>(position), bg::get<0>(position)};
}

}  // namespace Surveyed
