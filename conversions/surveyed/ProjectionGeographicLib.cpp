// The National Grid's projection on GRS80 by GeographicLib.

#include <GeographicLib/TransverseMercator.hpp>

#include "conversions/surveyed/Projection.hpp"

namespace Surveyed::GeographicLibBackend {
namespace {

// GeographicLib measures northings from the equator; the grid measures them from the true
// origin's parallel, shifted by the false northing.
class NationalGridProjection {
  public:
    NationalGridProjection()
        : mercator_(kGrs80MajorAxis, 1 / kGrs80InverseFlattening, kCentralScale) {
        double easting = 0;
        mercator_.Forward(kTrueOriginLongitude, kTrueOriginLatitude, kTrueOriginLongitude, easting,
                          originNorthing_);
    }

    GridPoint Forward(GeodeticPosition position) const {
        GridPoint point;
        mercator_.Forward(kTrueOriginLongitude, position.latitude, position.longitude,
                          point.easting, point.northing);
        point.easting += kFalseEasting;
        point.northing += kFalseNorthing - originNorthing_;
        return point;
    }

    GeodeticPosition Reverse(GridPoint point) const {
        GeodeticPosition position;
        mercator_.Reverse(kTrueOriginLongitude, point.easting - kFalseEasting,
                          point.northing - kFalseNorthing + originNorthing_, position.latitude,
                          position.longitude);
        return position;
    }

  private:
    GeographicLib::TransverseMercator mercator_;
    double originNorthing_ = 0;
};

// Built once (the series coefficients), then only read.
const NationalGridProjection& Projection() {
    static const NationalGridProjection projection;
    return projection;
}

}  // namespace

GridPoint Project(GeodeticPosition etrs89) noexcept {
    return Projection().Forward(etrs89);
}

GeodeticPosition Unproject(GridPoint etrs89) noexcept {
    return Projection().Reverse(etrs89);
}

}  // namespace Surveyed::GeographicLibBackend
