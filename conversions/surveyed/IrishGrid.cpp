// The Irish Grid by Boost.Geometry's "etmerc" projection and datum transformation
// (header-only).

#include "conversions/surveyed/IrishGrid.hpp"

#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/srs/transformation.hpp>
#include <limits>

#include "conversions/surveyed/LetterTable.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace Surveyed::IrishGrid {
namespace {

namespace bg = boost::geometry;
namespace spar = bg::srs::spar;

// The parameters fixed at compile time: nothing is parsed at run time. Each datum is given
// by its shift to WGS84 (towgs84), through which the transformation passes: TM75's is
// EPSG:1953's (Position Vector, as towgs84 takes it), ETRS89's none, so TM75 goes to ETRS89
// by EPSG:1953 alone.
using IrishGridParameters =
    spar::parameters<spar::proj_etmerc, spar::a<>, spar::rf<>, spar::lat_0<>, spar::lon_0<>,
                     spar::k_0<>, spar::x_0<>, spar::y_0<>, spar::towgs84<>>;
using Etrs89Parameters =
    spar::parameters<spar::proj_longlat, spar::a<>, spar::rf<>, spar::towgs84<>>;
using LonLat = bg::model::point<double, 2, bg::cs::geographic<bg::degree>>;
using EastNorth = bg::model::d2::point_xy<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const bg::srs::transformation<IrishGridParameters, Etrs89Parameters>& Transformation() {
    static const bg::srs::transformation<IrishGridParameters, Etrs89Parameters> transformation{
        IrishGridParameters{spar::proj_etmerc{}, spar::a<>{kMajorAxis},
                            spar::rf<>{kInverseFlattening}, spar::lat_0<>{kOriginLatitude},
                            spar::lon_0<>{kOriginLongitude}, spar::k_0<>{kCentralScale},
                            spar::x_0<>{kFalseEasting}, spar::y_0<>{kFalseNorthing},
                            spar::towgs84<>{kTranslationX, kTranslationY, kTranslationZ, kRotationX,
                                            kRotationY, kRotationZ, kScaleDifference}},
        Etrs89Parameters{spar::proj_longlat{}, spar::a<>{kGrs80MajorAxis},
                         spar::rf<>{kGrs80InverseFlattening}, spar::towgs84<>{0, 0, 0}}};
    return transformation;
}

}  // namespace

GeodeticPosition ToEtrs89(GridPoint irish) noexcept {
    // forward() and inverse() report a failure by their result, never by throwing.
    LonLat position;
    if (!Transformation().forward(EastNorth(irish.easting, irish.northing), position))
        return {kNaN, kNaN};
    return {bg::get<1>(position), bg::get<0>(position)};
}

GridPoint FromEtrs89(GeodeticPosition etrs89) noexcept {
    EastNorth point;
    if (!Transformation().inverse(LonLat(etrs89.longitude, etrs89.latitude), point))
        return {kNaN, kNaN};
    return {point.x(), point.y()};
}

std::optional<GridPoint> SquareCorner(char letter) noexcept {
    const auto place = LetterTable::PlaceOf(letter);
    if (!place)
        return std::nullopt;
    return GridPoint{place->column * kSquareSide, place->row * kSquareSide};
}

std::optional<char> SquareLetter(GridPoint irish) noexcept {
    if (!(irish.easting >= 0 && irish.easting < kTableSide && irish.northing >= 0 &&
          irish.northing < kTableSide)) {
        return std::nullopt;
    }
    return LetterTable::LetterAt({static_cast<int>(irish.easting / kSquareSide),
                                  static_cast<int>(irish.northing / kSquareSide)});
}

}  // namespace Surveyed::IrishGrid
