// The Irish Grid by Boost.Geometry's "etmerc" projection and datum transformation
// (header-only).

#include "conversions/surveyed/IrishGrid.hpp"

#include <boost/geometry/srs/transformation.hpp>

#include "conversions/surveyed/BoostGeometry.hpp"
#include "conversions/surveyed/Projection.hpp"

namespace Surveyed::IrishGrid {
namespace {

namespace bg = boost::geometry;
namespace spar = bg::srs::spar;
using BoostGeometry::EastNorth;
using BoostGeometry::FromBoost;
using BoostGeometry::LonLat;
using BoostGeometry::ToBoost;

// The parameters fixed at compile time: nothing is parsed at run time. Each datum is given
// by its shift to WGS84 (towgs84), through which the transformation passes: TM75's is
// EPSG:1953's (Position Vector, as towgs84 takes it), ETRS89's none, so TM75 goes to ETRS89
// by EPSG:1953 alone.
using IrishGridParameters =
    spar::parameters<spar::proj_etmerc, spar::a<>, spar::rf<>, spar::lat_0<>, spar::lon_0<>,
                     spar::k_0<>, spar::x_0<>, spar::y_0<>, spar::towgs84<>>;
using Etrs89Parameters =
    spar::parameters<spar::proj_longlat, spar::a<>, spar::rf<>, spar::towgs84<>>;

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
    LonLat position;
    return FromBoost(Transformation().forward(ToBoost(irish), position), position);
}

GridPoint FromEtrs89(GeodeticPosition etrs89) noexcept {
    EastNorth point;
    return FromBoost(Transformation().inverse(ToBoost(etrs89), point), point);
}

}  // namespace Surveyed::IrishGrid
