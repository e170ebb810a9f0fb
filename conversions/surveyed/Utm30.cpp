// UTM zone 30 by Boost.Geometry's "etmerc" projection (header-only).

#include "conversions/surveyed/Utm30.hpp"

#include <array>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/srs/projection.hpp>
#include <limits>

#include "conversions/surveyed/Geodesic.hpp"
#include "runtime/Text.hpp"

namespace Surveyed::Utm30 {
namespace {

namespace bg = boost::geometry;
namespace spar = bg::srs::spar;

// The parameters fixed at compile time: nothing is parsed at run time.
using Parameters = spar::parameters<spar::proj_etmerc, spar::a<>, spar::rf<>, spar::lon_0<>,
                                    spar::k_0<>, spar::x_0<>, spar::y_0<>>;
using LonLat = bg::model::point<double, 2, bg::cs::geographic<bg::degree>>;
using EastNorth = bg::model::d2::point_xy<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const bg::srs::projection<Parameters>& Projection() {
    static const bg::srs::projection<Parameters> projection{Parameters{
        spar::proj_etmerc{}, spar::a<>{kWgs84MajorAxis}, spar::rf<>{kWgs84InverseFlattening},
        spar::lon_0<>{kCentralMeridian}, spar::k_0<>{kCentralScale}, spar::x_0<>{kFalseEasting},
        spar::y_0<>{kFalseNorthing}}};
    return projection;
}

struct Square {
    std::string_view letters;
    GridPoint corner;
};

// The Military Grid Reference System's 100 km squares of zone 30 that hold the Channel
// Islands (DMA TM 8358.1, "Datums, Ellipsoids, Grids and Grid Reference Systems", chapter 3):
// in zones 30, 36, ... the column letters S to Z stand for 100 to 800 km east, so W for 500
// to 600 km; and in an even zone the row letters, A to V without I and O, begin with F at the
// equator and repeat every 2000 km, so V and A stand for 5400 to 5500 and 5500 to 5600 km
// north.
constexpr std::array<Square, 2> kSquares = {{
    {"WV", {500'000, 5'400'000}},
    {"WA", {500'000, 5'500'000}},
}};

}  // namespace

GeodeticPosition ToWgs84(GridPoint utm) noexcept {
    // inverse() and forward() report a failure by their result, never by throwing.
    LonLat position;
    if (!Projection().inverse(EastNorth(utm.easting, utm.northing), position))
        return {kNaN, kNaN};
    return {bg::get<1>(position), bg::get<0>(position)};
}

GridPoint FromWgs84(GeodeticPosition wgs84) noexcept {
    EastNorth point;
    if (!Projection().forward(LonLat(wgs84.longitude, wgs84.latitude), point))
        return {kNaN, kNaN};
    return {point.x(), point.y()};
}

std::optional<GridPoint> SquareCorner(std::string_view letters) noexcept {
    for (const Square& square : kSquares) {
        if (letters.size() == 2 && runtime::UpperCaseCode(letters[0]) == square.letters[0] &&
            runtime::UpperCaseCode(letters[1]) == square.letters[1]) {
            return square.corner;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> SquareLetters(GridPoint utm) noexcept {
    for (const Square& square : kSquares) {
        if (utm.easting >= square.corner.easting &&
            utm.easting < square.corner.easting + kSquareSide &&
            utm.northing >= square.corner.northing &&
            utm.northing < square.corner.northing + kSquareSide) {
            return square.letters;
        }
    }
    return std::nullopt;
}

}  // namespace Surveyed::Utm30
